#pragma once
// The reminder scheduler: the start-up delay, the 20-second reminder tick over the pending list,
// the daily rebuild and the rebuild after the system time changed or the machine slept.

#include "platform/time_change_watch.h"
#include "resident/reminder_presenter.h"
#include "resident/scheduler_host.h"
#include "resident/scheduler_timer.h"
#include "store/pending_list.h"
#include "store/store_change.h"

#include <chrono>
#include <optional>

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
    // The store must outlive the scheduler.
    ~Scheduler();
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

    // The watch on the system time, asked on every tick (it notices a resume by comparing two
    // clocks); null: none. It must outlive the scheduler.
    void SetTimeChangeWatch(TimeChangeWatch* watch) { timeWatch_ = watch; }
    // The watch's descriptor became readable, or a tick came: asks the watch, and when the time
    // was set or the machine slept, goes on as TimeChanged.
    void CheckTimeChanges();

    void SetRemindersEnabled(bool enabled);
    bool RemindersEnabled() const;
    // "Hide when the time is over": each tick closes the reminder windows whose time is over.
    void SetHideWhenOver(bool hide);
    bool HideWhenOver() const { return hideWhenOver_; }
    // Past the start-up delay: the reminder tick runs.
    bool Ticking() const;
    // Closing: every timer stops.
    void Stop();

    // The one-shot timer waits for this instant, or is idle (none).
    std::optional<DateTime> NextDueArmedFor() const { return armedFor_; }

private:
    // Rearms the next-due shot whenever the pending list may have changed.
    class PendingWatch final : public StoreListener {
    public:
        explicit PendingWatch(Scheduler& scheduler) : scheduler_(scheduler) {}
        void OnStoreChange(const StoreChange& change) override;

    private:
        Scheduler& scheduler_;
    };

    void StartupDelayOver();
    // The tick's work, also run by the next-due shot and after a change of the system time.
    void RunTick();
    LibraryResult DueCheck();
    // One due event: accepted silently, or shown (or left for the next tick).
    LibraryResult HandleDue(const DueReminder& due);
    void LeavePending(const EventRecord& event);
    void CannotShow();
    void Fail(LibraryResult code);
    void ArmNextDue();

    EventStore& store_;
    ReminderPresenter& presenter_;
    SchedulerHost& host_;
    SchedulerTimers timers_;
    PendingWatch watch_{*this};
    TimeChangeWatch* timeWatch_ = nullptr;

    bool enabled_ = true;
    bool hideWhenOver_ = false;
    bool ticking_ = false;
    bool stopped_ = false;
    int rebuilds_ = 0;                 // the pending lists built so far
    int walking_ = 0;                  // within the due check: notices rearm only at its end
    bool timeChangeWaiting_ = false;   // the time changed while the store was busy
    bool cannotShowReported_ = false;  // "Can not show next reminder." was asked for this run
    std::optional<DateTime> armedFor_; // what the next-due shot waits for
};

} // namespace zm
