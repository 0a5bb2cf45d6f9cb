#include "resident/scheduler.h"

#include "store/event_store.h"

#include <algorithm>

namespace zm {
namespace {

constexpr std::chrono::milliseconds kTickInterval{20'000};

// From `now` to `then`, at least one second (the clock reads whole seconds): a shot that came
// a moment early simply waits again.
std::chrono::milliseconds WaitUntil(DateTime now, DateTime then) {
    return std::chrono::seconds(std::max<int64_t>((then - now).TotalSeconds(), 1));
}

} // namespace

Scheduler::Scheduler(EventStore& store, ReminderPresenter& presenter, SchedulerHost& host,
                     SchedulerTimers timers)
    : store_(store), presenter_(presenter), host_(host), timers_(timers) {
    store_.AddListener(watch_);
}

Scheduler::~Scheduler() {
    Stop();
    store_.RemoveListener(watch_);
}

LibraryResult Scheduler::Start(std::chrono::minutes startupDelay) {
    stopped_ = false;
    const LibraryResult rc = store_.StartCheck();
    if (rc != LibraryResult::Ok) return rc;
    if (!timers_.startupDelay.Start(startupDelay, false, [this] { StartupDelayOver(); }))
        return LibraryResult::ReminderUnexpected;
    return LibraryResult::Ok;
}

void Scheduler::StartupDelayOver() {
    timers_.startupDelay.Stop();
    if (!timers_.tick.Start(kTickInterval, true, [this] { Tick(); })) {
        host_.ReportTimerFailure();
        return;
    }
    ticking_ = true;
    ArmNextDue();
}

void Scheduler::Tick() {
    if (stopped_ || store_.Busy()) return;
    if (timeWatch_ && timeWatch_->Check().Any()) timeChangeWaiting_ = true;
    if (timeChangeWaiting_) return TimeChanged();
    RunTick();
}

void Scheduler::CheckTimeChanges() {
    if (timeWatch_ && timeWatch_->Check().Any()) TimeChanged();
}

void Scheduler::RunTick() {
    if (enabled_) {
        const LibraryResult rc = DueCheck();
        if (rc != LibraryResult::Ok) return Fail(rc);
        if (stopped_) return;
    }
    // Also after a window that could not be opened: later reminders still need their list.
    const int rebuilds = rebuilds_;
    LibraryResult rc = store_.RebuildPending();
    if (rc != LibraryResult::Ok) return Fail(rc);
    if (stopped_) return;
    // A new day's list: what is due already comes now, not a tick later.
    if (rebuilds_ != rebuilds && enabled_) rc = DueCheck();
    if (rc != LibraryResult::Ok) return Fail(rc);
    ArmNextDue();
}

void Scheduler::TimeChanged() {
    if (stopped_) return;
    if (store_.Busy()) {
        timeChangeWaiting_ = true;
        return;
    }
    timeChangeWaiting_ = false;
    const LibraryResult rc = store_.ReloadPending();
    if (rc != LibraryResult::Ok) return Fail(rc);
    // Within the start-up delay no reminder comes yet; its end brings them.
    if (ticking_) return RunTick();
    ArmNextDue();
}

LibraryResult Scheduler::DueCheck() {
    if (!store_.Pending().LimitSet()) return LibraryResult::Ok;
    ++walking_;
    LibraryResult rc = LibraryResult::Ok;
    for (const DueReminder& due : store_.DueReminders()) {
        rc = HandleDue(due);
        // A window's nested loop may have closed the program meanwhile.
        if (rc != LibraryResult::Ok || stopped_) break;
    }
    --walking_;
    if (rc == LibraryResult::Ok && hideWhenOver_ && !stopped_)
        rc = presenter_.CloseWindowsWhoseTimeIsOver();
    return rc;
}

LibraryResult Scheduler::HandleDue(const DueReminder& due) {
    // A window shown before may have changed the store meanwhile: the entry must still be there.
    const EventRecord* pending = store_.Pending().Find(due.key);
    if (pending == nullptr) return LibraryResult::Ok;
    // An open window is the user's to answer: it is not accepted behind the user's back.
    if (due.acceptSilently && !presenter_.IsOpen(due.key))
        return store_.AcceptStored(due.key, pending->id);
    const EventRecord event = *pending;
    switch (presenter_.Present(event)) {
    case PresentResult::Shown:
        LeavePending(event);
        break;
    case PresentResult::CreationInProgress:
        break; // still pending: the next tick tries again
    case PresentResult::Failed:
        // Dropped for today: it comes back at a rebuild only if its reminder is still due.
        LeavePending(event);
        CannotShow();
        break;
    }
    return LibraryResult::Ok;
}

void Scheduler::LeavePending(const EventRecord& event) {
    // While its window opened the user may have answered it already, or changed the library:
    // only the entry as it was shown leaves, never one that took its place under the key.
    const EventRecord* entry = store_.Pending().Find(event.key);
    if (entry != nullptr && *entry == event) store_.RemovePending(event.key);
}

void Scheduler::CannotShow() {
    if (cannotShowReported_) return;
    cannotShowReported_ = true;
    host_.ShowCannotShowNextReminder();
}

void Scheduler::Fail(LibraryResult code) {
    Stop();
    host_.Fatal(code);
}

void Scheduler::ArmNextDue() {
    if (stopped_ || walking_ > 0) return;
    armedFor_.reset();
    if (ticking_ && enabled_) armedFor_ = store_.NextDueInstant();
    if (!armedFor_) {
        timers_.nextDue.Stop();
        return;
    }
    if (!timers_.nextDue.Start(WaitUntil(store_.Now(), *armedFor_), false, [this] { Tick(); }))
        armedFor_.reset(); // the tick is there all the same
}

void Scheduler::PendingWatch::OnStoreChange(const StoreChange& change) {
    // A rebuild walked the whole library: a good moment to give memory back.
    if (change.kind == StoreChangeKind::PendingRebuilt) {
        ++scheduler_.rebuilds_;
        scheduler_.host_.RebuildDone();
    }
    scheduler_.ArmNextDue();
}

void Scheduler::SetRemindersEnabled(bool enabled) {
    enabled_ = enabled;
    ArmNextDue();
}

bool Scheduler::RemindersEnabled() const {
    return enabled_;
}

void Scheduler::SetHideWhenOver(bool hide) {
    hideWhenOver_ = hide;
}

bool Scheduler::Ticking() const {
    return ticking_;
}

void Scheduler::Stop() {
    timers_.startupDelay.Stop();
    timers_.tick.Stop();
    timers_.nextDue.Stop();
    ticking_ = false;
    stopped_ = true;
    armedFor_.reset();
}

} // namespace zm
