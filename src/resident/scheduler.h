#pragma once
// The reminder scheduler: the start-up delay, the 20-second reminder tick over the pending list,
// the daily rebuild and the rebuild after the system time changed or the machine slept.

#include "resident/reminder_presenter.h"
#include "resident/scheduler_host.h"
#include "resident/scheduler_timer.h"

#include <chrono>

namespace zm {

class EventStore;

struct SchedulerTimers {
    SchedulerTimer& startupDelay;
    SchedulerTimer& tick;    // every 20 seconds once the start-up delay is over
    SchedulerTimer& nextDue; // one shot at the store's NextDueInstant, besides the tick
};

class Scheduler final {
public:
    Scheduler(EventStore& store, ReminderPresenter& presenter, SchedulerHost& host,
              SchedulerTimers timers);
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    // When the frame is created: the start check (future stamps, then the pending list), then
    // the start-up delay starts. A failure is returned for the caller to report; it ends the
    // program.
    LibraryResult Start(std::chrono::minutes startupDelay);
    // One reminder tick: the due check (while reminders are enabled), then the daily rebuild.
    void Tick();
    // The system time was set or the machine resumed: rebuild the pending list at once and run
    // the due check, so that reminders missed meanwhile come now, each once.
    void TimeChanged();

    void SetRemindersEnabled(bool enabled);
    bool RemindersEnabled() const;
    // "Hide when the time is over".
    void SetHideWhenOver(bool hide);
    // Past the start-up delay: the reminder tick runs.
    bool Ticking() const;
    // Closing: every timer stops.
    void Stop();
};

} // namespace zm
