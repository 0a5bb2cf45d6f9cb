#include "adapters/linux/time/linux_time_change_watch.h"

#include <cerrno>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace zm {
namespace {

constexpr time_t kFarAhead = 100LL * 366 * 24 * 60 * 60; // a hundred years
constexpr int kMostReads = 4; // a descriptor that keeps answering is left for the next check

int64_t Nanoseconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

class RealCalls final : public TimerFdCalls {
public:
    int Create() override { return timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC); }
    bool Arm(int fd) override {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        itimerspec when{};
        when.it_value.tv_sec = now.tv_sec + kFarAhead;
        return timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr) ==
               0;
    }
    int64_t Read(int fd) override {
        uint64_t expiries = 0;
        const ssize_t n = read(fd, &expiries, sizeof expiries);
        if (n == sizeof expiries) return static_cast<int64_t>(expiries);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
        return n < 0 ? -errno : -EIO;
    }
    ClockReadings Now() override {
        return {Nanoseconds(CLOCK_MONOTONIC), Nanoseconds(CLOCK_BOOTTIME)};
    }
    void Close(int fd) override { close(fd); }
};

} // namespace

std::unique_ptr<TimerFdCalls> RealTimerFdCalls() {
    return std::make_unique<RealCalls>();
}

LinuxTimeChangeWatch::LinuxTimeChangeWatch(std::unique_ptr<TimerFdCalls> calls)
    : calls_(std::move(calls)), fd_(calls_->Create()), last_(calls_->Now()) {
    if (fd_ >= 0 && !calls_->Arm(fd_)) {
        calls_->Close(fd_);
        fd_ = -1;
    }
}

LinuxTimeChangeWatch::~LinuxTimeChangeWatch() {
    if (fd_ >= 0) calls_->Close(fd_);
}

TimeChanges LinuxTimeChangeWatch::Check() {
    TimeChanges changes;
    for (int i = 0; fd_ >= 0 && i < kMostReads; ++i) {
        const int64_t r = calls_->Read(fd_);
        if (r == 0) break;
        // Cancelled, or the far-away expiry reached: the clock was set. Either way the timer
        // must be armed again from the new time.
        if (r == -ECANCELED || r > 0) {
            changes.clockSet = true;
            calls_->Arm(fd_);
            continue;
        }
        break; // a failing descriptor: the tick's check of the clocks remains
    }
    const ClockReadings now = calls_->Now();
    changes.resumed = SleptBetween(last_, now);
    last_ = now;
    return changes;
}

} // namespace zm
