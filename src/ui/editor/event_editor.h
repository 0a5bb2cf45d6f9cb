#pragma once
// The event editor: a new event, or a copy of a stored one. It stores the event itself (a new
// one, or the change of the stored one) and the main window's list follows through the store's
// notices.

#include "model/event_record.h"

#include <functional>

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
    // The main window is open and not searching: a saved event whose type the active filter
    // hides is followed by the filtering warning.
    bool warnWhenFiltered = false;
    // The type menu's "&Customize...": the event-types page of the preferences over the editor
    // (the menu entry is disabled without it). True when the types changed.
    std::function<bool(QWidget* editor)> customizeTypes;
};

// Runs the editor modally, the caller holding it open as the program dialog
// (ProgramDialogGuard::TryOpen); true when it stored the event.
bool EditEvent(WindowContext& context, UserBoxes& boxes, const EditorRequest& request,
               QWidget* parent);

// A new event as the editor starts it: now to the next whole minute on the date of `day`, with
// the type's settings (its fixed start time, its yearly pattern...) applied. The index -1 stands
// for the first type while there is one.
EventRecord NewEventFor(const WindowContext& context, int typeIndex, DateTime day);

} // namespace zm
