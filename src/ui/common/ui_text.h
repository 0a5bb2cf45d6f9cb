#pragma once
// A text of the program's string table as the windows show it.

#include "res/strings.h"

#include <QString>

namespace zm {

inline QString Text(int id) {
    return QString::fromUtf8(LoadString(id));
}

} // namespace zm
