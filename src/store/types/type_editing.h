#pragma once
// The type editor's rules, kept apart from its window: the checks OK runs in their order, and
// how an edited or new type enters the types page's working list.

#include "res/icon_image.h"
#include "store/types/event_type.h"
#include "store/types/type_list.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zm {

// What the user has entered in the type editor.
struct TypeEntry {
    std::string name; // as typed
    bool fixedStartTime = false;
    // Hours in bits 16-31, minutes in bits 0-15; none when the field holds no valid time.
    std::optional<uint32_t> startTime;
    int remindSelected = -1; // the entry chosen in the Remind box, -1 for none
    std::string remindText;  // the text the box shows
    int durationSelected = -1;
    std::string durationText;
    bool yearly = false;
    bool skipWhenOver = false;
    bool customFont = false;
    bool customColours = false;
};

// The Remind box offers 0 minutes; the Duration box does not.
inline constexpr bool kRemindAllowsZero = true;
inline constexpr bool kDurationAllowsZero = false;

// Where the editor puts the focus after refusing its entry.
enum class TypeField { None, Name, StartTime, Remind, Duration };

struct TypeCheck {
    int message = 0; // 0: the entry is taken; else the number of the text to show
    TypeField focus = TypeField::None;
};

// OK in the type editor, in this order: the trimmed name must not be empty and must differ
// from every other type's name without regard to letter case; with a fixed start time the
// time must be valid; the Remind and then the Duration amount must read. When the entry is
// taken, `type` gets the trimmed name, the start time, advance and duration, and flags rebuilt
// from the entry (InFilter dropped); otherwise `type` is left as it was. `editedIndex` is the
// type's index in `list`, -1 for a new type.
TypeCheck CheckTypeEntry(const TypeList& list, int editedIndex, const TypeEntry& entry,
                         EventType& type);

// What the type editor hands to the types page on OK.
struct TypeEdit {
    EventType type;
    // New icons (16 and 32 pixels), when the user chose one.
    std::optional<IconImage> smallIcon;
    std::optional<IconImage> largeIcon;
    // One flag per filter, when the user chose filters with "Filters..."; none keeps the
    // type's filter membership as it was (under its new name after a rename).
    std::optional<std::vector<bool>> filters;
};

// Puts the edit into the list: type `index` is replaced (a new name is followed by every filter
// that listed the old one), or with index -1 a new type is added with the new icons unless the edit
// brings its own. Then the chosen filters list the type and the others stop listing it, and the
// list is sorted by name. The type's index afterwards; -1 when a new type does not fit.
int CommitTypeEdit(TypeList& list, int index, TypeEdit edit, const IconImage& newSmallIcon,
                   const IconImage& newLargeIcon);

} // namespace zm
