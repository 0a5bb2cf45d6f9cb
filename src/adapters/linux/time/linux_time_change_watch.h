#pragma once
// The Linux watch on the system time: a timer descriptor on the real-time clock, armed far in
// the future with "cancel on set", which the kernel wakes when the time is set (and after a
// resume); and the gap between the monotonic clock, which stops while the machine sleeps, and
// the boot-time clock, which does not.

#include "platform/time_change_watch.h"

#include <memory>

namespace zm {

// The system calls of the watch, so tests can stand in for the kernel.
class TimerFdCalls {
public:
    virtual ~TimerFdCalls() = default;
    // A non-blocking timer descriptor on the real-time clock; -1 on failure.
    virtual int Create() = 0;
    // Arms it far in the future, absolute, cancelled when the clock is set.
    virtual bool Arm(int fd) = 0;
    // Reads it: the number of expiries, 0 when there is nothing to read, or minus the error
    // number (-ECANCELED when the clock was set).
    virtual int64_t Read(int fd) = 0;
    virtual ClockReadings Now() = 0;
    virtual void Close(int fd) = 0;
};

std::unique_ptr<TimerFdCalls> RealTimerFdCalls();

class LinuxTimeChangeWatch final : public TimeChangeWatch {
public:
    explicit LinuxTimeChangeWatch(std::unique_ptr<TimerFdCalls> calls = RealTimerFdCalls());
    ~LinuxTimeChangeWatch() override;
    LinuxTimeChangeWatch(const LinuxTimeChangeWatch&) = delete;
    LinuxTimeChangeWatch& operator=(const LinuxTimeChangeWatch&) = delete;

    int Descriptor() const override { return fd_; }
    TimeChanges Check() override;

private:
    std::unique_ptr<TimerFdCalls> calls_;
    int fd_ = -1;
    ClockReadings last_;
};

} // namespace zm
