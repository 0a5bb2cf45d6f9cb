#pragma once
// The string table's texts for the filter dialogs and the find bar.

#include "res/strings.h"
#include "ui/common/ui_text.h"

#include <QString>

namespace zm {

// A caption without its '&' mnemonic marks, for accessible names.
inline QString PlainCaption(int id) {
    QString text = Text(id);
    text.remove(QLatin1Char('&'));
    return text;
}

} // namespace zm
