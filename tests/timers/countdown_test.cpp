// The countdown's and stopwatch's timing: pauses leave their time out, reset and stop behave
// by state, and the next tick comes when the next second is reached.

#include "support/fake_ticks.h"
#include "timers/countdown.h"
#include "timers/timer_display.h"

#include <gtest/gtest.h>

namespace zm::testing {
namespace {

class CountdownTest : public ::testing::Test {
protected:
    FakeTicks ticks;
    Countdown countdown{ticks};
    RunTimer& run = countdown.Run();
};

TEST_F(CountdownTest, PausedTimeDoesNotCountAndTheEndComesOnTime) {
    countdown.ApplySetup(5);
    run.Start();
    ticks.Advance(2000);
    run.Pause();
    ticks.Advance(10'000);
    EXPECT_EQ(countdown.RemainingSeconds(), 3);
    run.Resume();
    ticks.Advance(2999);
    EXPECT_EQ(countdown.RemainingSeconds(), 1);
    EXPECT_FALSE(countdown.Ended());
    ticks.Advance(1);
    EXPECT_EQ(countdown.RemainingSeconds(), 0);
    EXPECT_TRUE(countdown.Ended());
}

TEST_F(CountdownTest, TheNextTickFollowsTheSecondsOfRunTimeAcrossAPause) {
    run.Start();
    EXPECT_EQ(countdown.NextTickDelayMs(), 1000);
    ticks.Advance(2300);
    run.Pause();
    ticks.Advance(4100);
    run.Resume();
    // 2.3 s have run: the third second is reached 700 ms after the resume, not on the phase
    // of the first start.
    EXPECT_EQ(countdown.NextTickDelayMs(), 700);
    ticks.Advance(700);
    EXPECT_EQ(countdown.RemainingSeconds(), 57);
    EXPECT_EQ(countdown.NextTickDelayMs(), 1000);
}

TEST_F(CountdownTest, ResetWhilePausedShowsTheDurationAndCountsFromItOnResume) {
    countdown.ApplySetup(30);
    run.Start();
    ticks.Advance(7000);
    run.Pause();
    run.Reset();
    EXPECT_EQ(countdown.RemainingSeconds(), 30);
    EXPECT_EQ(run.State(), RunState::Paused);
    ticks.Advance(5000);
    run.Resume();
    ticks.Advance(4000);
    EXPECT_EQ(countdown.RemainingSeconds(), 26);
}

TEST_F(CountdownTest, ResetWhileRunningStartsAgainAndKeepsRunning) {
    run.Start();
    ticks.Advance(9000);
    run.Reset();
    EXPECT_EQ(run.State(), RunState::Running);
    ticks.Advance(1000);
    EXPECT_EQ(countdown.RemainingSeconds(), 59);
}

TEST_F(CountdownTest, StopWhilePausedShowsTheDurationStopWhileRunningKeepsTheTime) {
    run.Start();
    ticks.Advance(4500);
    run.Pause();
    run.Stop();
    EXPECT_EQ(run.State(), RunState::Stopped);
    EXPECT_EQ(countdown.RemainingSeconds(), 60);

    run.Start();
    ticks.Advance(12'400);
    run.Stop();
    ticks.Advance(30'000);
    EXPECT_EQ(countdown.RemainingSeconds(), 48);
    // Started again, it counts from the full duration.
    run.Start();
    ticks.Advance(1000);
    EXPECT_EQ(countdown.RemainingSeconds(), 59);
}

TEST_F(CountdownTest, SetupStopsARunningCountdownAndShowsTheNewDuration) {
    run.Start();
    ticks.Advance(3000);
    countdown.ApplySetup(90);
    EXPECT_EQ(run.State(), RunState::Stopped);
    EXPECT_EQ(countdown.RemainingSeconds(), 90);
}

TEST(StopwatchTest, ShowsElapsedTimeWithHundredthsLeavingPausesOut) {
    FakeTicks ticks;
    RunTimer watch(ticks);
    watch.Start();
    ticks.Advance(3'600'000 + 2 * 60'000 + 1000);
    watch.Pause();
    ticks.Advance(50'000);
    watch.Resume();
    ticks.Advance(2459);
    EXPECT_EQ(StopwatchText(watch.ElapsedMs()), "01:02:03:45");
    watch.Pause();
    watch.Stop();
    EXPECT_EQ(StopwatchText(watch.ElapsedMs()), "00:00:00:00");
}

TEST(TimerDisplayTest, PadsEachPartToTwoDigits) {
    EXPECT_EQ(CountdownText(60), "00:01:00");
    EXPECT_EQ(CountdownText(23 * 3600 + 59 * 60 + 59), "23:59:59");
    EXPECT_EQ(StopwatchText(100LL * 3'600'000 + 5), "100:00:00:00");
}

TEST(TimerDisplayTest, StopwatchValueKeepsWholeSecondsWhileRunning) {
    struct Case {
        int64_t elapsedMs;
        bool running;
        const char* value;
    };
    for (const Case& c :
         {Case{0, true, "00:00:00"}, Case{999, true, "00:00:00"}, Case{1000, true, "00:00:01"},
          Case{3'723'450, true, "01:02:03"}, Case{3'723'450, false, "01:02:03:45"},
          Case{-5, true, "00:00:00"}, Case{0, false, "00:00:00:00"}})
        EXPECT_EQ(StopwatchValueText(c.elapsedMs, c.running), c.value) << c.elapsedMs;
}

} // namespace
} // namespace zm::testing
