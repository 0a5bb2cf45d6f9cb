#pragma once
// The event editor: a new event, or a copy of a stored one. It stores the event itself (a new
// one, or the change of the stored one) and the main window's list follows through the store's
// notices.

#include "model/event_record.h"

class QWidget;

namespace zm {

struct WindowContext;
class UserBoxes;

struct EditorRequest {
    // A new event (Key 0) of the type (an index; -1 the undefined type) on the date, or a copy
    // of the stored event to change.
    EventRecord event;
    bool isNew = true;
    // The editor stays above other windows (opened from a top-most reminder window).
    bool topMost = false;
};

// Runs the editor modally; true when it stored the event.
bool EditEvent(WindowContext& context, UserBoxes& boxes, const EditorRequest& request,
               QWidget* parent);

// A new event as the editor starts it: the type's settings applied, starting on `day` at the
// next full hour of now when `day` is today, else at the type's or the default time.
EventRecord NewEventFor(const WindowContext& context, int typeIndex, DateTime day);

} // namespace zm
