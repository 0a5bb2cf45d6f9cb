#pragma once
// Hot-key codes (hot_key_code.h) and Qt's key combinations, for the fields where the user types
// a shortcut key and for showing one.

#include <QKeyCombination>
#include <cstdint>

namespace zm {

// The code of a typed combination: its key with Shift, Ctrl and Alt (other modifiers dropped),
// the extended flag set for the keys that carry it; 0 for a key without a code (modifier keys
// alone, and characters that need Shift on the keyboard at hand, such as "!").
uint16_t HotKeyCodeOfQtKey(QKeyCombination key);
// The combination of a code; Qt::Key_unknown for 0 or a key without a Qt name.
QKeyCombination QtKeyOfHotKeyCode(uint16_t code);

} // namespace zm
