#pragma once
// What a reminder window is for. A reminder announces a due event: it plays the event's sound,
// follows the store's notices, accepts the event when its time is over, and its buttons act on
// the event. The size preview is the same window opened by the event editor to size the window
// for an event: silent and deaf to the store, each of its buttons hands the size back ("Save
// Size") and the window manager's close hands back none; it cannot be minimised, pinned or
// collapsed.

#include <cstdint>

namespace zm {

enum class ReminderMode : uint8_t { Reminder, SizePreview };

struct ReminderRole {
    ReminderMode mode = ReminderMode::Reminder;
    // The texts of a due reminder, its sound, the "on top" setting, the store's notices and the
    // time being over; else the preview's texts and silence.
    bool announces = true;
    // The buttons act on the event and the close only beeps; else every button ends the preview
    // with the custom size, the close without one, and only the first button is enabled.
    bool actsOnEvent = true;
    // Minimise, "Always on Top" and "Collapse/Expand window".
    bool windowCommands = true;
    // The string of the first button: "Accept", or "Save Size" in the preview.
    int firstButtonText = 0;
};

ReminderRole RoleOf(ReminderMode mode);

} // namespace zm
