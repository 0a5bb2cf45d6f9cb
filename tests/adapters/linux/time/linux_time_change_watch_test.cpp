#include "adapters/linux/time/linux_time_change_watch.h"

#include <cerrno>
#include <deque>
#include <gtest/gtest.h>
#include <poll.h>

namespace zm {
namespace {

// The kernel as the test scripts it.
struct ScriptedCalls final : TimerFdCalls {
    struct Log {
        int arms = 0;
        int closes = 0;
    };
    Log* log;
    std::deque<int64_t> reads; // what Read answers in turn; then 0
    ClockReadings now{};
    bool createFails = false;

    explicit ScriptedCalls(Log* l) : log(l) {}
    int Create() override { return createFails ? -1 : 7; }
    bool Arm(int) override { return ++log->arms > 0; }
    int64_t Read(int) override {
        if (reads.empty()) return 0;
        const int64_t r = reads.front();
        reads.pop_front();
        return r;
    }
    ClockReadings Now() override { return now; }
    void Close(int) override { ++log->closes; }
};

TEST(LinuxTimeChangeWatch, ACancelledTimerMeansTheClockWasSetAndIsArmedAgain) {
    ScriptedCalls::Log log;
    auto calls = std::make_unique<ScriptedCalls>(&log);
    ScriptedCalls* kernel = calls.get();
    {
        LinuxTimeChangeWatch watch(std::move(calls));
        EXPECT_EQ(watch.Descriptor(), 7);
        EXPECT_EQ(log.arms, 1);
        EXPECT_EQ(watch.Check(), TimeChanges{});

        kernel->reads = {-ECANCELED};
        EXPECT_EQ(watch.Check(), (TimeChanges{true, false}));
        EXPECT_EQ(log.arms, 2);

        // The machine slept an hour: the kernel cancels the timer and the clocks part.
        kernel->reads = {-ECANCELED};
        kernel->now = {5'000'000'000, 3'605'000'000'000};
        EXPECT_EQ(watch.Check(), (TimeChanges{true, true}));
        EXPECT_EQ(watch.Check(), TimeChanges{});

        // A descriptor that keeps failing is left alone; a resume is still seen by the clocks.
        kernel->reads = {-EBADF, -ECANCELED};
        kernel->now = {6'000'000'000, 7'206'000'000'000};
        EXPECT_EQ(watch.Check(), (TimeChanges{false, true}));
    }
    EXPECT_EQ(log.closes, 1);
}

TEST(LinuxTimeChangeWatch, WithoutADescriptorOnlyTheClocksTell) {
    ScriptedCalls::Log log;
    auto calls = std::make_unique<ScriptedCalls>(&log);
    calls->createFails = true;
    ScriptedCalls* kernel = calls.get();
    LinuxTimeChangeWatch watch(std::move(calls));
    EXPECT_EQ(watch.Descriptor(), -1);
    kernel->now = {0, 10'000'000'000};
    EXPECT_EQ(watch.Check(), (TimeChanges{false, true}));
}

TEST(LinuxTimeChangeWatch, TheRealTimerIsArmedAndQuiet) {
    LinuxTimeChangeWatch watch;
    ASSERT_GE(watch.Descriptor(), 0) << "timerfd with cancel-on-set is not available";
    pollfd p{watch.Descriptor(), POLLIN, 0};
    EXPECT_EQ(poll(&p, 1, 0), 0); // nothing to read while nobody sets the clock
    EXPECT_FALSE(watch.Check().clockSet);
}

} // namespace
} // namespace zm
