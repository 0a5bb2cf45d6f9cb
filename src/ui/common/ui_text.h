#pragma once
// A text of the program's string table as the windows show it.

#include "res/strings.h"

#include <QString>

namespace zm {

inline QString Text(int id) {
    return QString::fromUtf8(LoadString(id));
}

// A caption without its '&' mnemonic marks, for tooltips, titles and accessible names.
inline QString WithoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}
inline QString PlainText(int id) {
    return WithoutMnemonic(Text(id));
}

} // namespace zm
