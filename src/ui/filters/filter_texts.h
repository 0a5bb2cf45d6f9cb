#pragma once
// The string table's texts for the filter dialogs and the find bar.

#include "res/strings.h"

#include <QString>

namespace zm {

inline QString FilterText(int id) {
    return QString::fromUtf8(LoadString(id));
}

// A caption without its '&' mnemonic marks, for accessible names.
inline QString PlainCaption(int id) {
    QString text = FilterText(id);
    text.remove(QLatin1Char('&'));
    return text;
}

} // namespace zm
