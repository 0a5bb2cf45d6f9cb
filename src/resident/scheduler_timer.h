#pragma once
// A timer of the resident program: the start-up delay, the reminder tick, the next-due shot.
// It fires on the owner thread; tests drive a fake one.

#include <chrono>
#include <functional>

namespace zm {

class SchedulerTimer {
public:
    virtual ~SchedulerTimer() = default;
    // Calls `fire` after `interval`, again every `interval` when repeating, until stopped.
    // Starting a running timer restarts it. False when the timer could not be started.
    virtual bool Start(std::chrono::milliseconds interval, bool repeating,
                       std::function<void()> fire) = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
};

} // namespace zm
