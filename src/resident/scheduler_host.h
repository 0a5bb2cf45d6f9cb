#pragma once
// What the scheduler asks of the resident frame: the messages only a window can show, and the end.

#include "store/io/library_result.h"

namespace zm {

class SchedulerHost {
public:
    virtual ~SchedulerHost() = default;
    // "Can not show next reminder." in a top-most error box (the scheduler asks once per run).
    virtual void ShowCannotShowNextReminder() = 0;
    // The reminder tick could not be started when the start-up delay ended: the message of
    // error 10; the program carries on without reminders.
    virtual void ReportTimerFailure() = 0;
    // A library error in the tick: report it and close the program.
    virtual void Fatal(LibraryResult code) = 0;
    // The daily rebuild walked the library: a good moment to give memory back.
    virtual void RebuildDone() = 0;
};

} // namespace zm
