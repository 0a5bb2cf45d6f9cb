#pragma once
// System-wide shortcut keys: a key combination held for the program under an id, reported
// whenever it is pressed, whichever window has the focus.

#include <cstdint>
#include <functional>

namespace zm {

enum class HotKeyResult : uint8_t {
    Ok,
    HeldByAnother, // another program holds the combination
    Unavailable,   // the desktop gives no system-wide keys, or the key has no place on it
};

// Modifier flags of a combination.
enum HotKeyModifier : uint8_t {
    kHotKeyShift = 1,
    kHotKeyControl = 2,
    kHotKeyAlt = 4,
};

class HotKeys {
public:
    virtual ~HotKeys() = default;
    // Holds the key (a virtual-key code, hot_key_code.h) with the modifiers under the id. When
    // the id holds another combination, that one is released only after the new one is held;
    // when the new one cannot be held, the id keeps the old one.
    virtual HotKeyResult Register(int id, uint8_t virtualKey, uint8_t modifiers) = 0;
    // Releases the id's combination; nothing when it holds none.
    virtual void Unregister(int id) = 0;
    // Called with the id whenever a held combination is pressed.
    virtual void SetPressedHandler(std::function<void(int id)> handler) = 0;
};

} // namespace zm
