#include "preferences/entry_rules.h"

#include "platform/hot_key_code.h"
#include "platform/hot_keys.h"

#include <algorithm>

namespace zm {

uint16_t WithDefaultModifiers(uint16_t hotKeyCode) {
    const HotKeyParts parts = SplitHotKeyCode(hotKeyCode);
    if (parts.virtualKey == 0 || parts.modifiers != 0) return hotKeyCode;
    return MakeHotKeyCode(parts.virtualKey, kHotKeyControl | kHotKeyAlt);
}

int LimitFontPoints(int points) {
    return std::clamp(points, kSmallestChosenPoints, kLargestChosenPoints);
}

int LimitClockMargins(int margins) {
    return std::clamp(margins, 0, kLargestClockMargins);
}

} // namespace zm
