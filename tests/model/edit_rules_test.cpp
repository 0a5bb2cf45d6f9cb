#include "model/edit_rules.h"
#include "res/strings.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {
using namespace testing;

const WeekSettings kWeek{};
const DateTime kNow = At(2024, 6, 10, 10, 0);
const DateTime kLimit = At(2024, 6, 10, 23, 59, 59);

EventRecord StoredSnoozedDaily() {
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0), 15);
    e.key = 12;
    e.StampShown(At(2024, 6, 10, 8, 50));
    e.SetSnooze(At(2024, 6, 10, 11, 0), AmountUnit::Hour, 1);
    return e;
}

TEST(SavingRule, EditingTheNameKeepsTheSnoozeEditingTheStartClearsIt) {
    const EventRecord loaded = StoredSnoozedDaily();
    EventRecord edited = loaded;
    edited.name = "Stand-up";
    edited.notes = "room 4";
    ASSERT_TRUE(ApplySavingRule(edited, &loaded, kNow, kLimit, kWeek).Ok());
    EXPECT_TRUE(edited.Has(kSnoozed));
    EXPECT_EQ(edited.lastShown, At(2024, 6, 10, 8, 50));

    edited.start = At(2024, 6, 1, 9, 30);
    ASSERT_TRUE(ApplySavingRule(edited, &loaded, kNow, kLimit, kWeek).Ok());
    EXPECT_FALSE(edited.Has(kSnoozed));
    // Past occurrences count as shown; today's 09:30 reminder (09:15) is due at once.
    EXPECT_EQ(edited.lastShown, At(2024, 6, 9, 9, 15));
    EXPECT_EQ(edited.IsDue(kNow, kWeek).instant, At(2024, 6, 10, 9, 15));
}

TEST(SavingRule, WhatCountsAsATimingChange) {
    const EventRecord loaded = StoredSnoozedDaily();
    EXPECT_TRUE(TimingChanged(loaded, nullptr));
    EventRecord e = loaded;
    e.duration = TimeAmount::Of(AmountUnit::Hour, 2);
    e.flags |= kSkipWhenOver | kDisabled;
    EXPECT_FALSE(TimingChanged(e, &loaded));
    e.advance = TimeAmount::Of(AmountUnit::Minute, 16);
    EXPECT_TRUE(TimingChanged(e, &loaded));
}

TEST(SavingRule, ANewRecurringEventStartsAfreshFromTheLookAheadLimit) {
    // Created at 10:00 for an occurrence at 09:00 today: due at once.
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 10, 9, 0));
    ASSERT_TRUE(ApplySavingRule(e, nullptr, kNow, kLimit, kWeek).Ok());
    EXPECT_TRUE(e.IsDue(kNow, kWeek).due);
    // Created for next week: nothing is due before its first reminder.
    EventRecord later = Recurring(kWeekly | kMonday, 1, At(2024, 6, 17, 9, 0));
    ASSERT_TRUE(ApplySavingRule(later, nullptr, kNow, DateTime(), kWeek).Ok()); // limit unset
    EXPECT_FALSE(later.IsDue(At(2024, 6, 16, 12, 0), kWeek).due);
    EXPECT_TRUE(later.IsDue(At(2024, 6, 17, 9, 0), kWeek).due);
}

TEST(SavingRule, AnEventStartingWeeksAheadIsNotStampedInTheFuture) {
    // Weekly on Monday from 24 June (two weeks ahead), 15 minutes before; kNow is Monday 10 June.
    struct Case {
        uint32_t pattern;
        uint32_t param;
        DateTime start;
    } const cases[] = {
        {kWeekly | kMonday, 1, At(2024, 6, 24, 9, 0)},
        {kDaily, 1, At(2024, 6, 24, 9, 0)},
        {kMonthlyDay, MonthlyParam(10, 1), At(2024, 9, 10, 9, 0)},
        {kYearlyDate, 1, At(2026, 3, 1, 9, 0)},
    };
    for (const Case& c : cases) {
        EventRecord e = Recurring(c.pattern, c.param, c.start, 15);
        ASSERT_TRUE(ApplySavingRule(e, nullptr, kNow, kLimit, kWeek).Ok());
        EXPECT_LE(e.lastShown, kNow) << c.pattern;
        EXPECT_FALSE(e.IsStampedInFuture(kNow, kWeek)) << c.pattern;
        // The first reminder still comes, and none before it.
        const DateTime first = c.start - DateTimeSpan::Minutes(15);
        EXPECT_FALSE(e.IsDue(first - DateTimeSpan::Seconds(1), kWeek).due) << c.pattern;
        EXPECT_EQ(e.IsDue(first, kWeek).instant, first) << c.pattern;
    }
}

TEST(SavingRule, AnAdvanceReachingThePreviousOccurrenceIsRefusedAndChangesNothing) {
    const EventRecord loaded = StoredSnoozedDaily();
    EventRecord edited = loaded;
    edited.advance = TimeAmount::Of(AmountUnit::Day, 1);
    const EventRecord before = edited;
    EXPECT_EQ(ApplySavingRule(edited, &loaded, kNow, kLimit, kWeek),
              Verdict::Refuse(IDS_ADVANCE_BEFORE_PREVIOUS, EditField::Advance));
    EXPECT_EQ(edited.flags, before.flags);
    EXPECT_EQ(edited.lastShown, before.lastShown);
}

TEST(SavingRule, APassedOneTimeReminderAsksWhetherToAccept) {
    EventRecord e = OneTime(At(2024, 6, 10, 9, 0));
    e.flags |= kSnoozed;
    const EventRecord before = e;
    EXPECT_EQ(ApplySavingRule(e, nullptr, kNow, kLimit, kWeek),
              Verdict::Question(IDS_ASK_ACCEPT_PASSED, EditField::Advance));
    EXPECT_EQ(ApplySavingRule(e, nullptr, kNow, kLimit, kWeek, AcceptAnswer::No),
              Verdict::Refuse(0, EditField::Advance));
    EXPECT_EQ(e.flags, before.flags);
    ASSERT_TRUE(ApplySavingRule(e, nullptr, kNow, kLimit, kWeek, AcceptAnswer::Yes).Ok());
    EXPECT_EQ(e.flags, static_cast<uint32_t>(kAccepted));
    EXPECT_FALSE(e.IsDue(kNow, kWeek).due);
}

TEST(SavingRule, UnacceptingAStoredEventReArmsItsReminder) {
    EventRecord loaded = OneTime(At(2024, 6, 10, 9, 0));
    loaded.key = 3;
    loaded.Accept(At(2024, 6, 10, 9, 1), kWeek);
    EventRecord edited = loaded;
    edited.notes = "changed";
    EXPECT_TRUE(ApplySavingRule(edited, &loaded, kNow, kLimit, kWeek).Ok()); // still accepted
    edited.SetFlag(kAccepted, false);
    EXPECT_EQ(ApplySavingRule(edited, &loaded, kNow, kLimit, kWeek).kind, Verdict::Kind::Ask);
    edited.start = At(2024, 6, 11, 9, 0);
    ASSERT_TRUE(ApplySavingRule(edited, &loaded, kNow, kLimit, kWeek).Ok());
    EXPECT_FALSE(edited.Has(kShown));
    EXPECT_TRUE(edited.IsDue(At(2024, 6, 11, 9, 0), kWeek).due);
}

} // namespace
} // namespace zm
