#include "support/event_builders.h"
#include "support/fake_time_change_watch.h"
#include "support/scheduler_fixture.h"

#include <functional>
#include <gtest/gtest.h>

namespace zm {
namespace {
using namespace testing;
using std::chrono::minutes;

constexpr int64_t kTickMs = 20'000;
const std::string kLibrary = "/prog/Zantimo.VR0";

class SchedulerTest : public ::testing::Test {
public:
    SchedulerTest() {
        rig_.presenter.onShown = [this](const EventRecord&) { shownAt_.push_back(Now()); };
    }

    DateTime Now() const { return rig_.timeline.Now(); }
    uint16_t Put(EventRecord e) {
        EXPECT_EQ(rig_.Store().StoreNew(e), LibraryResult::Ok);
        return e.key;
    }
    int AcceptedEvents() {
        int accepted = 0;
        EXPECT_EQ(rig_.Store().ForEachStored([&](uint16_t key) {
            const ReadResult<EventRecord> e = rig_.Store().ReadStored(key);
            accepted += e.Ok() && e->Has(kAccepted);
            return e.Code();
        }),
                  LibraryResult::Ok);
        return accepted;
    }
    bool Pending(uint16_t key) { return rig_.Store().Pending().Find(key) != nullptr; }
    // Starts with the default one-minute delay and runs to just after the first tick.
    void StartAndTickOnce() {
        ASSERT_EQ(rig_.Start(), LibraryResult::Ok);
        rig_.timeline.RunFor(60'000 + kTickMs);
    }
    void Corrupt(uint16_t key) { (*rig_.files.files[kLibrary])[8000 + 256 * key] ^= 0xFF; }

protected:
    SchedulerRig rig_{At(2024, 3, 11, 8, 0)}; // a Monday
    std::vector<DateTime> shownAt_;
};

TEST_F(SchedulerTest, NothingIsShownBeforeTheStartupDelayAndItsFirstTick) {
    const uint16_t key = Put(OneTime(At(2024, 3, 11, 7, 0)));
    ASSERT_EQ(rig_.Start(minutes(2)), LibraryResult::Ok);
    EXPECT_TRUE(Pending(key)); // the start check built the list
    rig_.timeline.RunFor(120'000 - 1);
    EXPECT_FALSE(rig_.Sched().Ticking());
    rig_.timeline.RunFor(kTickMs);
    EXPECT_TRUE(rig_.Sched().Ticking());
    EXPECT_TRUE(shownAt_.empty());
    rig_.timeline.RunFor(1);
    EXPECT_EQ(shownAt_, std::vector<DateTime>{At(2024, 3, 11, 8, 2, 20)});
    EXPECT_FALSE(Pending(key));
}

TEST_F(SchedulerTest, AReminderComesAtItsInstantThroughTheNextDueShot) {
    StartAndTickOnce();
    const uint16_t key = Put(OneTime(At(2024, 3, 11, 9, 0), 15));
    EXPECT_EQ(rig_.Sched().NextDueArmedFor(), At(2024, 3, 11, 8, 45));
    // An earlier one rearms the shot; once both came nothing is armed.
    Put(OneTime(At(2024, 3, 11, 8, 30, 7)));
    EXPECT_EQ(rig_.Sched().NextDueArmedFor(), At(2024, 3, 11, 8, 30, 7));
    rig_.timeline.RunUntil(At(2024, 3, 11, 9, 0));
    EXPECT_EQ(shownAt_, (std::vector<DateTime>{At(2024, 3, 11, 8, 30, 7), At(2024, 3, 11, 8, 45)}));
    EXPECT_FALSE(Pending(key));
    EXPECT_FALSE(rig_.Sched().NextDueArmedFor());
}

// The user answers at once, while the walk is still on: the accepted event is rewritten under a
// new key and joins the list again for its next reminder, tonight's.
TEST_F(SchedulerTest, AReminderAcceptedWhileItsWindowOpensKeepsItsLaterReminderOfTheDay) {
    // Daily at 00:30, an hour ahead; last night's reminder was missed.
    EventRecord daily = Recurring(kDaily, 1, At(2024, 3, 1, 0, 30), 60);
    daily.StampShown(At(2024, 3, 9, 23, 30));
    Put(daily);
    rig_.presenter.onShown = [this](const EventRecord& e) {
        shownAt_.push_back(Now());
        ASSERT_EQ(rig_.Store().AcceptStored(e.key, e.id), LibraryResult::Ok);
    };
    StartAndTickOnce();
    rig_.timeline.RunUntil(At(2024, 3, 11, 23, 31));
    EXPECT_EQ(shownAt_,
              (std::vector<DateTime>{At(2024, 3, 11, 8, 1, 20), At(2024, 3, 11, 23, 30)}));
}

// The walk goes from the last pending entry to the first: 3, 2, 1.
TEST_F(SchedulerTest, AWindowThatCannotOpenDropsItsEventAndTheWalkGoesOn) {
    const uint16_t first = Put(OneTime(At(2024, 3, 11, 7, 0)));
    const uint16_t second = Put(OneTime(At(2024, 3, 11, 7, 10)));
    const uint16_t third = Put(OneTime(At(2024, 3, 11, 7, 20)));
    rig_.presenter.script = {PresentResult::Failed, PresentResult::CreationInProgress,
                             PresentResult::Shown};
    StartAndTickOnce();
    EXPECT_FALSE(Pending(third)); // dropped for the day
    EXPECT_TRUE(Pending(second)); // tried again at the next tick
    EXPECT_FALSE(Pending(first)); // shown
    EXPECT_EQ(rig_.host.cannotShow, 1);
    rig_.presenter.script = {PresentResult::Failed};
    const uint16_t fourth = Put(OneTime(At(2024, 3, 11, 7, 30)));
    rig_.timeline.RunFor(kTickMs);
    EXPECT_FALSE(Pending(fourth));
    EXPECT_FALSE(Pending(second));
    EXPECT_EQ(rig_.host.cannotShow, 1); // once per run
    EXPECT_TRUE(rig_.host.fatal.empty());
    EXPECT_EQ(rig_.presenter.presented.size(), 5u);
}

TEST_F(SchedulerTest, AFailedWindowDoesNotKeepTheNewDayFromItsList) {
    SchedulerRig late{At(2024, 3, 11, 23, 59)};
    EventRecord now = OneTime(At(2024, 3, 11, 23, 59, 10));
    ASSERT_EQ(late.Store().StoreNew(now), LibraryResult::Ok);
    EventRecord tomorrow = OneTime(At(2024, 3, 12, 0, 5));
    ASSERT_EQ(late.Store().StoreNew(tomorrow), LibraryResult::Ok);
    late.presenter.script = {PresentResult::Failed};
    ASSERT_EQ(late.Start(), LibraryResult::Ok);
    late.timeline.RunUntil(At(2024, 3, 12, 0, 10));
    // The one that failed is still due on the new day: the rebuild brings it back.
    ASSERT_EQ(late.presenter.presented.size(), 3u);
    EXPECT_EQ(late.presenter.presented[1].key, now.key);
    EXPECT_EQ(late.presenter.presented[2].key, tomorrow.key);
    EXPECT_EQ(late.Store().Pending().Limit(), At(2024, 3, 12, 23, 59, 59));
}

// An event whose time is over and that asks to be skipped then is accepted without a window,
// unless the user snoozed it or its window is open.
struct SilentCase {
    const char* name;
    bool skipWhenOver;
    bool snoozed;
    bool windowOpen;
    bool silently;
};

class SilentAccept : public SchedulerTest, public ::testing::WithParamInterface<SilentCase> {};

TEST_P(SilentAccept, OnlyWhenNobodyAskedToSeeIt) {
    const SilentCase& c = GetParam();
    EventRecord e = OneTime(At(2024, 3, 11, 7, 0)); // 30 minutes: over at 07:30
    if (c.skipWhenOver) e.flags |= kSkipWhenOver;
    if (c.snoozed) e.SetSnooze(At(2024, 3, 11, 7, 40), AmountUnit::Minute, 10);
    const uint16_t key = Put(e);
    if (c.windowOpen) rig_.presenter.open.insert(key);
    StartAndTickOnce();
    EXPECT_EQ(rig_.presenter.presented.empty(), c.silently);
    EXPECT_FALSE(Pending(key));
    EXPECT_EQ(AcceptedEvents(), c.silently ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Scheduler, SilentAccept,
                         ::testing::Values(SilentCase{"Over", true, false, false, true},
                                           SilentCase{"NotSkipped", false, false, false, false},
                                           SilentCase{"Snoozed", true, true, false, false},
                                           SilentCase{"WindowOpen", true, false, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SchedulerTest, TheTickWaitsWhileTheStoreIsBusyOrRemindersAreOff) {
    const uint16_t key = Put(OneTime(At(2024, 3, 11, 7, 0)));
    {
        BusyScope busy(rig_.Store());
        StartAndTickOnce();
        EXPECT_TRUE(Pending(key));
    }
    rig_.Sched().SetRemindersEnabled(false);
    rig_.timeline.RunFor(10 * kTickMs);
    EXPECT_TRUE(Pending(key));
    EXPECT_FALSE(rig_.Sched().NextDueArmedFor());
    rig_.Sched().SetRemindersEnabled(true);
    rig_.timeline.RunFor(kTickMs);
    EXPECT_FALSE(Pending(key));
    EXPECT_TRUE(rig_.presenter.presented.size() == 1u);
}

TEST_F(SchedulerTest, ASetClockRebuildsAtOnceAndShowsWhatIsDueThen) {
    StartAndTickOnce();
    const uint16_t noon = Put(OneTime(At(2024, 3, 12, 12, 0)));
    const int rebuilds = rig_.host.rebuilds;
    // Set forward a day (or a resume after a day asleep): tomorrow's noon is due at once.
    rig_.timeline.SetWall(At(2024, 3, 12, 14, 0));
    rig_.Sched().TimeChanged();
    EXPECT_EQ(shownAt_, std::vector<DateTime>{At(2024, 3, 12, 14, 0)});
    EXPECT_FALSE(Pending(noon));
    EXPECT_EQ(rig_.host.rebuilds, rebuilds + 1);
    // Set back: the list is built for that day again.
    rig_.timeline.SetWall(At(2024, 3, 11, 9, 0));
    rig_.Sched().TimeChanged();
    EXPECT_EQ(rig_.Store().Pending().Limit(), At(2024, 3, 11, 23, 59, 59));
    // While the store is busy the rebuild waits for the first tick after it.
    {
        BusyScope busy(rig_.Store());
        rig_.timeline.SetWall(At(2024, 3, 13, 9, 0));
        rig_.Sched().TimeChanged();
        EXPECT_EQ(rig_.Store().Pending().Limit(), At(2024, 3, 11, 23, 59, 59));
    }
    rig_.timeline.RunFor(kTickMs);
    EXPECT_EQ(rig_.Store().Pending().Limit(), At(2024, 3, 13, 23, 59, 59));
}

TEST_F(SchedulerTest, TheTickAsksTheWatchOnTheSystemTime) {
    FakeTimeChangeWatch watch;
    rig_.Sched().SetTimeChangeWatch(&watch);
    StartAndTickOnce();
    Put(OneTime(At(2024, 3, 12, 12, 0)));
    // Asleep from Monday 08:01:20 to Tuesday 14:00: the steady timers stood still meanwhile.
    rig_.timeline.SetWall(At(2024, 3, 12, 14, 0));
    watch.Resume();
    rig_.timeline.RunFor(kTickMs);
    EXPECT_EQ(shownAt_, std::vector<DateTime>{At(2024, 3, 12, 14, 0, 20)});
    // The descriptor told of a clock set between two ticks.
    Put(OneTime(At(2024, 3, 13, 12, 0)));
    rig_.timeline.SetWall(At(2024, 3, 13, 12, 30));
    rig_.Sched().CheckTimeChanges(); // nothing to tell yet
    EXPECT_EQ(shownAt_.size(), 1u);
    watch.SetClock();
    rig_.Sched().CheckTimeChanges();
    EXPECT_EQ(shownAt_.back(), At(2024, 3, 13, 12, 30));
}

// Every library failure in the tick ends the program through the frame, with its code.
struct FatalCase {
    const char* name;
    std::function<void(SchedulerTest&, SchedulerRig&)> arrange;
    std::function<void(SchedulerRig&)> act;
    LibraryResult code;
};

class FatalPath : public SchedulerTest, public ::testing::WithParamInterface<FatalCase> {};

TEST_P(FatalPath, ReportsTheCodeAndStopsEveryTimer) {
    StartAndTickOnce();
    GetParam().arrange(*this, rig_);
    GetParam().act(rig_);
    EXPECT_EQ(rig_.host.fatal, std::vector<LibraryResult>{GetParam().code});
    EXPECT_FALSE(rig_.Program().tick.Active() || rig_.Program().nextDue.Active() ||
                 rig_.Program().startupDelay.Active());
}

void NextTick(SchedulerRig& rig) {
    rig.timeline.RunFor(kTickMs);
}

INSTANTIATE_TEST_SUITE_P(
    Scheduler, FatalPath,
    ::testing::Values(
        FatalCase{"HideWhenOver",
                  [](SchedulerTest&, SchedulerRig& rig) {
                      rig.Sched().SetHideWhenOver(true);
                      rig.presenter.closeResult = LibraryResult::DiskFull;
                  },
                  NextTick, LibraryResult::DiskFull},
        FatalCase{"SilentAccept",
                  [](SchedulerTest& t, SchedulerRig&) {
                      EventRecord e = OneTime(At(2024, 3, 11, 7, 0));
                      e.flags |= kSkipWhenOver;
                      t.Corrupt(t.Put(e));
                  },
                  NextTick, LibraryResult::Corrupted},
        FatalCase{"DailyRebuild",
                  [](SchedulerTest& t, SchedulerRig&) {
                      t.Corrupt(t.Put(OneTime(At(2024, 3, 20, 7, 0))));
                  },
                  [](SchedulerRig& rig) { rig.timeline.RunUntil(At(2024, 3, 12, 0, 1)); },
                  LibraryResult::Corrupted},
        FatalCase{"TimeChanged",
                  [](SchedulerTest& t, SchedulerRig&) {
                      t.Corrupt(t.Put(OneTime(At(2024, 3, 20, 7, 0))));
                  },
                  [](SchedulerRig& rig) { rig.Sched().TimeChanged(); }, LibraryResult::Corrupted}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SchedulerTest, TimersThatCannotStart) {
    rig_.Program().startupDelay.failStart = true;
    EXPECT_EQ(rig_.Start(), LibraryResult::ReminderUnexpected);
    rig_.Program().startupDelay.failStart = false;
    rig_.Program().tick.failStart = true;
    ASSERT_EQ(rig_.Start(), LibraryResult::Ok);
    rig_.timeline.RunFor(60'000);
    EXPECT_EQ(rig_.host.timerFailures, 1);
    EXPECT_FALSE(rig_.Sched().Ticking());
}

} // namespace
} // namespace zm
