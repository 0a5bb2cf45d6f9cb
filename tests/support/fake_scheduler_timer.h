#pragma once
// Timers and a wall clock that move only when the test says so. Timers count like the system's
// steady clock: setting the wall clock or sleeping moves the wall clock alone, and a timer fires
// once its interval has passed on the steady clock.

#include "model/date_time.h"
#include "resident/scheduler_timer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zm {

class FakeSchedulerTimer;

class FakeTimeline {
public:
    explicit FakeTimeline(DateTime wall) : offset_(wall.TotalSeconds() * 1000) {}

    // The wall clock, to the whole second.
    DateTime Now() const { return DateTime::FromSeconds((steadyMs_ + offset_) / 1000); }
    int64_t SteadyMs() const { return steadyMs_; }

    // Runs every timer that falls due within `ms` of steady time, in order of their deadlines.
    void RunFor(int64_t ms) { RunUntilSteady(steadyMs_ + ms); }
    // Runs the timers until the wall clock reads `wall` (which must not be behind).
    void RunUntil(DateTime wall) { RunUntilSteady(wall.TotalSeconds() * 1000 - offset_); }
    // The wall clock is set to `wall`; the timers keep counting their own time.
    void SetWall(DateTime wall) { offset_ = wall.TotalSeconds() * 1000 - steadyMs_; }
    // Lets the repeating timers skip every firing before the wall clock reads `wall`, without
    // calling them: a long stretch in which a test knows they would find nothing to do.
    void SkipRepeatingUntil(DateTime wall);
    // The steady time at which the next timer fires; -1 when none runs.
    int64_t NextDeadline() const;

    void Join(FakeSchedulerTimer* timer) { timers_.push_back(timer); }
    void Leave(FakeSchedulerTimer* timer) { std::erase(timers_, timer); }

private:
    void RunUntilSteady(int64_t target);

    int64_t steadyMs_ = 0;
    int64_t offset_ = 0; // wall clock minus steady clock, in milliseconds
    int64_t order_ = 0;  // starts, so that timers due together fire in the order they started
    std::vector<FakeSchedulerTimer*> timers_;
    friend class FakeSchedulerTimer;
};

class FakeSchedulerTimer final : public SchedulerTimer {
public:
    explicit FakeSchedulerTimer(FakeTimeline& timeline) : timeline_(timeline) {
        timeline_.Join(this);
    }
    ~FakeSchedulerTimer() override { timeline_.Leave(this); }
    FakeSchedulerTimer(const FakeSchedulerTimer&) = delete;
    FakeSchedulerTimer& operator=(const FakeSchedulerTimer&) = delete;

    bool failStart = false; // Start fails while set
    int starts = 0;

    bool Start(std::chrono::milliseconds interval, bool repeating,
               std::function<void()> fire) override {
        if (failStart) return false;
        ++starts;
        interval_ = std::max<int64_t>(interval.count(), 1);
        repeating_ = repeating;
        fire_ = std::move(fire);
        deadline_ = timeline_.steadyMs_ + interval_;
        order_ = ++timeline_.order_;
        active_ = true;
        return true;
    }
    void Stop() override { active_ = false; }
    bool Active() const override { return active_; }
    std::chrono::milliseconds Interval() const { return std::chrono::milliseconds(interval_); }
    // The wall-clock instant at which it fires, as the clock stands now.
    DateTime FiresAt() const {
        return DateTime::FromSeconds((deadline_ + timeline_.offset_) / 1000);
    }

private:
    friend class FakeTimeline;

    FakeTimeline& timeline_;
    std::function<void()> fire_;
    int64_t interval_ = 0;
    int64_t deadline_ = 0;
    int64_t order_ = 0;
    bool repeating_ = false;
    bool active_ = false;
};

inline int64_t FakeTimeline::NextDeadline() const {
    int64_t next = -1;
    for (const FakeSchedulerTimer* t : timers_)
        if (t->active_ && (next < 0 || t->deadline_ < next)) next = t->deadline_;
    return next;
}

inline void FakeTimeline::SkipRepeatingUntil(DateTime wall) {
    const int64_t target = wall.TotalSeconds() * 1000 - offset_;
    for (FakeSchedulerTimer* t : timers_)
        if (t->active_ && t->repeating_ && t->deadline_ < target)
            t->deadline_ +=
                (target - t->deadline_ + t->interval_ - 1) / t->interval_ * t->interval_;
}

inline void FakeTimeline::RunUntilSteady(int64_t target) {
    for (;;) {
        FakeSchedulerTimer* first = nullptr;
        for (FakeSchedulerTimer* t : timers_)
            if (t->active_ && t->deadline_ <= target &&
                (!first || t->deadline_ < first->deadline_ ||
                 (t->deadline_ == first->deadline_ && t->order_ < first->order_)))
                first = t;
        if (!first) break;
        steadyMs_ = std::max(steadyMs_, first->deadline_);
        if (first->repeating_) {
            first->deadline_ += first->interval_;
        } else {
            first->active_ = false;
        }
        const std::function<void()> fire = first->fire_; // the call may restart the timer
        fire();
    }
    steadyMs_ = std::max(steadyMs_, target);
}

} // namespace zm
