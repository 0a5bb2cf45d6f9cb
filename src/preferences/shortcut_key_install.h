#pragma once
// Installing the three shortcut keys of the preferences together: in the order main window,
// pop-up calendar, new event; when one cannot be installed, the keys installed before it are
// put back as they were, so either all three new keys hold or none of them does.

#include "platform/hot_keys.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace zm {

class ShortcutKeys;

// Main window, pop-up calendar, new event: the order of installing.
enum class ShortcutKeyRole : uint8_t { MainWindow = 0, Calendar = 1, NewEvent = 2 };
using ShortcutKeyCodes = std::array<uint16_t, 3>; // by ShortcutKeyRole

int HotKeyIdOf(ShortcutKeyRole role);

struct ShortcutKeyRefusal {
    ShortcutKeyRole role;
    HotKeyResult why;
    friend bool operator==(const ShortcutKeyRefusal&, const ShortcutKeyRefusal&) = default;
};

// Nothing when all three hold; otherwise the first key refused, with every key as it was.
std::optional<ShortcutKeyRefusal> InstallShortcutKeys(ShortcutKeys& keys,
                                                      const ShortcutKeyCodes& codes);

} // namespace zm
