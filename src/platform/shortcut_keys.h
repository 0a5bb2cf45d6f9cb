#pragma once
// The program's shortcut keys, each installed from its hot-key code (hot_key_code.h) under a
// fixed id through the desktop's hot keys.

#include "platform/hot_keys.h"

#include <cstdint>
#include <map>

namespace zm {

inline constexpr int kMainWindowHotKeyId = 125;
inline constexpr int kCalendarHotKeyId = 126;
inline constexpr int kNewEventHotKeyId = 127;

class ShortcutKeys {
public:
    explicit ShortcutKeys(HotKeys& hotKeys) : hotKeys_(hotKeys) {}
    ShortcutKeys(const ShortcutKeys&) = delete;
    ShortcutKeys& operator=(const ShortcutKeys&) = delete;
    ~ShortcutKeys() { ReleaseAll(); }

    // Installs the code under the id. A code naming the installed key and modifiers succeeds
    // without asking the desktop. Another non-zero code is held before the installed one is
    // released; when it cannot be held the installed code stays, and the result says why. 0
    // releases the installed key.
    HotKeyResult Set(int id, uint16_t code);
    // The code installed under the id; 0 when none.
    uint16_t Installed(int id) const;
    void ReleaseAll();

private:
    HotKeys& hotKeys_;
    std::map<int, uint16_t> installed_;
};

} // namespace zm
