#include "adapters/gui/qt_hot_key_code.h"

#include "platform/hot_key_code.h"
#include "platform/hot_keys.h"

#include <array>

namespace zm {
namespace {

struct QtKeyPair {
    uint8_t virtualKey;
    Qt::Key key;
    bool keypad;
};

// The keys besides letters, digits and F1-F24, which go by ranges.
constexpr auto kKeys = std::to_array<QtKeyPair>({
    {0x08, Qt::Key_Backspace, false},  {0x09, Qt::Key_Tab, false},
    {0x0C, Qt::Key_Clear, false},      {0x0D, Qt::Key_Return, false},
    {0x0D, Qt::Key_Enter, false},      {0x0D, Qt::Key_Enter, true},
    {0x13, Qt::Key_Pause, false},      {0x1B, Qt::Key_Escape, false},
    {0x20, Qt::Key_Space, false},      {0x21, Qt::Key_PageUp, false},
    {0x22, Qt::Key_PageDown, false},   {0x23, Qt::Key_End, false},
    {0x24, Qt::Key_Home, false},       {0x25, Qt::Key_Left, false},
    {0x26, Qt::Key_Up, false},         {0x27, Qt::Key_Right, false},
    {0x28, Qt::Key_Down, false},       {0x2C, Qt::Key_Print, false},
    {0x2D, Qt::Key_Insert, false},     {0x2E, Qt::Key_Delete, false},
    {0x2F, Qt::Key_Help, false},       {0x5D, Qt::Key_Menu, false},
    {0x6A, Qt::Key_Asterisk, true},    {0x6B, Qt::Key_Plus, true},
    {0x6C, Qt::Key_Comma, true},       {0x6D, Qt::Key_Minus, true},
    {0x6E, Qt::Key_Period, true},      {0x6F, Qt::Key_Slash, true},
    {0x90, Qt::Key_NumLock, false},    {0x91, Qt::Key_ScrollLock, false},
    {0xBA, Qt::Key_Semicolon, false},  {0xBB, Qt::Key_Equal, false},
    {0xBC, Qt::Key_Comma, false},      {0xBD, Qt::Key_Minus, false},
    {0xBE, Qt::Key_Period, false},     {0xBF, Qt::Key_Slash, false},
    {0xC0, Qt::Key_QuoteLeft, false},  {0xDB, Qt::Key_BracketLeft, false},
    {0xDC, Qt::Key_Backslash, false},  {0xDD, Qt::Key_BracketRight, false},
    {0xDE, Qt::Key_Apostrophe, false}, {0xE2, Qt::Key_Less, false},
});

uint8_t VirtualKeyOf(Qt::Key key, bool keypad) {
    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9) return 0x60 + (key - Qt::Key_0);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<uint8_t>(key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<uint8_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
    for (const QtKeyPair& k : kKeys)
        if (k.key == key && k.keypad == keypad) return k.virtualKey;
    // Keys that are the same on and off the keypad.
    if (keypad) return VirtualKeyOf(key, false);
    return 0;
}

} // namespace

uint16_t HotKeyCodeOfQtKey(QKeyCombination combination) {
    const Qt::KeyboardModifiers m = combination.keyboardModifiers();
    const uint8_t vk = VirtualKeyOf(combination.key(), m.testFlag(Qt::KeypadModifier));
    uint8_t modifiers = 0;
    if (m.testFlag(Qt::ShiftModifier)) modifiers |= kHotKeyShift;
    if (m.testFlag(Qt::ControlModifier)) modifiers |= kHotKeyControl;
    if (m.testFlag(Qt::AltModifier)) modifiers |= kHotKeyAlt;
    return MakeHotKeyCode(vk, modifiers);
}

QKeyCombination QtKeyOfHotKeyCode(uint16_t code) {
    const HotKeyParts parts = SplitHotKeyCode(code);
    const uint8_t vk = parts.virtualKey;
    Qt::KeyboardModifiers m;
    if (parts.modifiers & kHotKeyShift) m |= Qt::ShiftModifier;
    if (parts.modifiers & kHotKeyControl) m |= Qt::ControlModifier;
    if (parts.modifiers & kHotKeyAlt) m |= Qt::AltModifier;
    Qt::Key key = Qt::Key_unknown;
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) {
        key = static_cast<Qt::Key>(vk);
    } else if (vk >= 0x60 && vk <= 0x69) {
        key = static_cast<Qt::Key>(Qt::Key_0 + (vk - 0x60));
        m |= Qt::KeypadModifier;
    } else if (vk >= 0x70 && vk <= 0x87) {
        key = static_cast<Qt::Key>(Qt::Key_F1 + (vk - 0x70));
    } else {
        for (const QtKeyPair& k : kKeys) {
            if (k.virtualKey != vk) continue;
            key = k.key;
            if (k.keypad) m |= Qt::KeypadModifier;
            break;
        }
    }
    if (vk == 0 || key == Qt::Key_unknown) return QKeyCombination(Qt::Key_unknown);
    return QKeyCombination(m, key);
}

} // namespace zm
