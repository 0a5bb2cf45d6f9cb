#pragma once
// The quick-reminder editor's rules, kept apart from its window: the checks OK runs in their
// order.

#include "store/quick/quick_list.h"

#include <string>

namespace zm {

// What the user has entered in the quick-reminder editor.
struct QuickEntry {
    std::string menuName;    // as typed
    std::string eventName;   // as typed
    std::string typeName;    // the chosen type's name; empty for none
    int offsetSelected = -1; // the entry chosen in the "remind in" box, -1 for none
    std::string offsetText;  // the text the box shows
};

// The "remind in" box offers no zero amount.
inline constexpr bool kQuickOffsetAllowsZero = false;

enum class QuickField { None, MenuName, Offset };

struct QuickCheck {
    int message = 0; // 0: the entry is taken; else the number of the text to show
    QuickField focus = QuickField::None;
};

// OK in the editor, in this order: the trimmed menu item name must not be empty, then the
// amount must read. When the entry is taken, `entry` gets the trimmed menu name, the event name,
// the type name and the offset; the sound stays as it is. Otherwise `entry` is left as it was.
// (The editor's fields hold at most 64 and 127 characters.)
QuickCheck CheckQuickEntry(const QuickEntry& typed, QuickReminder& entry);

} // namespace zm
