#pragma once
// The stored form of a shortcut key, a 16-bit hot-key code: the low byte is the virtual-key code
// of the key (the numbering of the settings' origin: 'A'-'Z' and '0'-'9' as their letters, 0x70
// F1, 0x25 Left ...), the high byte holds flags: 1 Shift, 2 Ctrl, 4 Alt, 8 a key of the
// extended part of the keyboard. The extended flag only tells which of two keys of the same
// name was pressed; the virtual-key code already names the key, so it is no modifier. 0 means
// no shortcut.

#include <cstdint>

namespace zm {

inline constexpr uint8_t kHotKeyExtendedFlag = 8;

struct HotKeyParts {
    uint8_t virtualKey = 0;
    uint8_t modifiers = 0; // HotKeyModifier flags (hot_keys.h); the extended flag dropped
    friend bool operator==(const HotKeyParts&, const HotKeyParts&) = default;
};

HotKeyParts SplitHotKeyCode(uint16_t code);
// The code for a key and modifiers, with the extended flag set for the keys that carry it.
uint16_t MakeHotKeyCode(uint8_t virtualKey, uint8_t modifiers);
// The keys of the extended part: the arrows and the block above them, the keypad's divide key,
// Num Lock, Print Screen, Break and the menu key.
bool IsExtendedVirtualKey(uint8_t virtualKey);

// The X keysym of a virtual-key code (letters as their lower-case keysym); 0 for a key the
// program cannot offer.
uint32_t KeySymOfVirtualKey(uint8_t virtualKey);
// The virtual-key code of an X keysym (both cases of a letter); 0 when none.
uint8_t VirtualKeyOfKeySym(uint32_t keySym);

// X modifier masks of HotKeyModifier flags: Shift 1, Control 4, Mod1 (Alt) 8.
uint16_t XModifiersOf(uint8_t modifiers);

} // namespace zm
