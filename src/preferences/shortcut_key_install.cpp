#include "preferences/shortcut_key_install.h"

#include "platform/shortcut_keys.h"

namespace zm {

int HotKeyIdOf(ShortcutKeyRole role) {
    switch (role) {
    case ShortcutKeyRole::MainWindow:
        return kMainWindowHotKeyId;
    case ShortcutKeyRole::Calendar:
        return kCalendarHotKeyId;
    case ShortcutKeyRole::NewEvent:
        return kNewEventHotKeyId;
    }
    return kMainWindowHotKeyId;
}

std::optional<ShortcutKeyRefusal> InstallShortcutKeys(ShortcutKeys& keys,
                                                      const ShortcutKeyCodes& codes) {
    ShortcutKeyCodes before{};
    for (size_t i = 0; i < codes.size(); ++i)
        before[i] = keys.Installed(HotKeyIdOf(static_cast<ShortcutKeyRole>(i)));
    for (size_t i = 0; i < codes.size(); ++i) {
        const auto role = static_cast<ShortcutKeyRole>(i);
        const HotKeyResult result = keys.Set(HotKeyIdOf(role), codes[i]);
        if (result == HotKeyResult::Ok) continue;
        // Back as they were, the latest first: a key moved from one role to another is free
        // again before the role that held it takes it back.
        for (size_t j = i; j-- > 0;)
            keys.Set(HotKeyIdOf(static_cast<ShortcutKeyRole>(j)), before[j]);
        return ShortcutKeyRefusal{role, result};
    }
    return std::nullopt;
}

} // namespace zm
