#pragma once
// What the scheduler asks of the reminder windows.

#include "model/event_record.h"
#include "store/io/library_result.h"

#include <cstdint>

namespace zm {

enum class PresentResult : uint8_t {
    Shown,              // a window shows the reminder (a new one, or the open one brought up)
    CreationInProgress, // another reminder window is being created: try again at the next tick
    Failed,             // the window could not be created
};

// The result's name, for messages and test output.
const char* NameOf(PresentResult result);

class ReminderPresenter {
public:
    virtual ~ReminderPresenter() = default;
    // Shows the reminder of a due event taken from the pending list: an open window of the same
    // event comes to the top; otherwise a new window opens and plays the event's sound.
    virtual PresentResult Present(const EventRecord& event) = 0;
    // A reminder window of the stored event with this key is open.
    virtual bool IsOpen(uint16_t key) const = 0;
    // "Hide when the time is over": every open window whose event's time is over closes.
    virtual LibraryResult CloseWindowsWhoseTimeIsOver() = 0;
};

} // namespace zm
