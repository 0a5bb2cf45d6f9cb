#pragma once
// Where the controls of a reminder window stand. The window is laid out in dialog units (a
// quarter of the average character width across, an eighth of the character height down),
// inside a sizing frame and under the caption bar it draws itself. When the window grows by dx
// and dy: "Accept", "Open..." and "Delete" move right by dx; the name line and the first
// separator widen by dx; the notes widen by dx and grow by dy; the second separator widens by
// dx and moves down by dy; "Snooze" moves right by dx and down by dy; the snooze label, the
// amount box and "before start" move down by dy.

#include "platform/screen_geometry.h"

#include <optional>

namespace zm {

struct ReminderMetrics {
    int baseWidth = 6;   // the average character width of the window's font, in pixels
    int baseHeight = 13; // the character height of the window's font
    int frame = 4;       // the sizing frame on each side
    int caption = 20;    // the drawn caption bar
    // The height of one line of the name in the type's font, for a type with its own font.
    std::optional<int> typeNameHeight;
};

struct ReminderLayout {
    Rect name;
    Rect nameSeparator;
    Rect notes;
    Rect snoozeSeparator;
    Rect snoozeLabel;
    Rect amount;
    Rect beforeStart;
    Rect snooze;
    Rect accept;
    Rect open;
    Rect remove;
    Size minimum; // the whole window at its smallest

    friend bool operator==(const ReminderLayout&, const ReminderLayout&) = default;
};

// The window at its minimum size. With a type font the name line is placed for its height:
// when it does not fit above the first separator, the name goes to the top and the separator,
// "Open...", "Delete" and the top of the notes move down to make room.
ReminderLayout BaseReminderLayout(const ReminderMetrics& metrics);

// The layout at a window size (never smaller than the minimum).
ReminderLayout ResizedReminderLayout(const ReminderLayout& base, Size size);

// A collapsed window shows its caption bar and the name line within the frame.
int CollapsedReminderHeight(const ReminderLayout& base, const ReminderMetrics& metrics);

} // namespace zm
