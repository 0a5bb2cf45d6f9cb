#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {
using namespace testing;

const WeekSettings kWeekendRuleOn{0x3E, true};
const WeekSettings kWeekendRuleOff{0x3E, false};

struct DueCase {
    DateTime at;
    bool due;
    DateTime instant = {};
    bool shifted = false;
};

void ExpectDue(const EventRecord& e, const WeekSettings& week,
               std::initializer_list<DueCase> cases) {
    for (const DueCase& c : cases) {
        const DueCheck d = e.IsDue(c.at, week);
        SCOPED_TRACE(::testing::Message() << "at " << c.at.Ymd().day << " " << c.at.Hour() << ":"
                                          << c.at.Minute() << ":" << c.at.Second());
        EXPECT_EQ(d.due, c.due);
        if (c.due && d.due) {
            EXPECT_EQ(d.instant, c.instant);
            EXPECT_EQ(d.shifted, c.shifted);
        }
    }
}

// --- the due check ---

TEST(IsDue, DailyAtNineWithFifteenMinutesAdvance) {
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 10, 9, 0), 15);
    ExpectDue(e, kWeekendRuleOff,
              {{At(2024, 6, 10, 8, 44), false},
               {At(2024, 6, 10, 8, 44, 59), false},
               {At(2024, 6, 10, 8, 45), true, At(2024, 6, 10, 8, 45)}});
    e.Accept(At(2024, 6, 10, 8, 50), kWeekendRuleOff);
    ExpectDue(e, kWeekendRuleOff,
              {{At(2024, 6, 10, 8, 51), false},
               {At(2024, 6, 10, 23, 0), false},
               {At(2024, 6, 11, 8, 44, 59), false},
               {At(2024, 6, 11, 8, 45), true, At(2024, 6, 11, 8, 45)}});
}

TEST(IsDue, AMissedWeeklyReminderIsDueLaterInTheWeekUntilShown) {
    // Mondays at 09:00, 15 minutes ahead; the program did not run on Monday 10 June.
    EventRecord e = Recurring(kWeekly | kMonday, 1, At(2024, 6, 3, 9, 0), 15);
    e.StampShown(At(2024, 6, 3, 8, 50));
    ExpectDue(e, kWeekendRuleOff, {{At(2024, 6, 12, 10, 0), true, At(2024, 6, 10, 8, 45)}});
    for (DateTime stamp : {At(2024, 6, 10, 8, 45), At(2024, 6, 11, 17, 0)}) {
        e.StampShown(stamp);
        ExpectDue(e, kWeekendRuleOff, {{At(2024, 6, 12, 10, 0), false}});
    }
}

TEST(IsDue, ADailyReminderMissedYesterdayWaitsForTodaysOwn) {
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0), 15);
    e.StampShown(At(2024, 6, 9, 8, 46)); // yesterday's reminder was never shown
    ExpectDue(e, kWeekendRuleOff,
              {{At(2024, 6, 11, 0, 0), false},
               {At(2024, 6, 11, 8, 44, 59), false},
               {At(2024, 6, 11, 8, 45), true, At(2024, 6, 11, 8, 45)}});
}

TEST(IsDue, TheFifteenthOnASaturdayComesOnFridayWithTheWeekendRule) {
    // 15 June 2024 is a Saturday; the work week is Monday to Friday.
    EventRecord e = Recurring(kMonthlyDay, MonthlyParam(15, 1), At(2024, 1, 15, 9, 0), 15);
    e.StampShown(At(2024, 5, 15, 9, 0));
    ExpectDue(e, kWeekendRuleOn,
              {{At(2024, 6, 13, 23, 59, 59), false},
               {At(2024, 6, 14, 0, 0), true, At(2024, 6, 14), true},
               {At(2024, 6, 14, 16, 0), true, At(2024, 6, 14), true}});
    EXPECT_EQ(e.CurrentOccurrence(At(2024, 6, 14, 10, 0), kWeekendRuleOn), At(2024, 6, 15, 9, 0));
    e.Accept(At(2024, 6, 14, 10, 0), kWeekendRuleOn);
    EXPECT_EQ(e.lastShown, At(2024, 6, 15, 8, 45));
    ExpectDue(e, kWeekendRuleOn,
              {{At(2024, 6, 14, 23, 0), false},
               {At(2024, 6, 15, 8, 45), false},
               {At(2024, 6, 15, 20, 0), false},
               {At(2024, 6, 16, 12, 0), false},
               {At(2024, 7, 15, 8, 45), true, At(2024, 7, 15, 8, 45)}});
    // Friday's accept left a stamp on Saturday: not a stamp in the future.
    EXPECT_FALSE(e.IsStampedInFuture(At(2024, 6, 14, 10, 0), kWeekendRuleOn));
}

TEST(IsDue, TheFifteenthOnASaturdayWithoutTheWeekendRule) {
    EventRecord e = Recurring(kMonthlyDay, MonthlyParam(15, 1), At(2024, 1, 15, 9, 0), 15);
    e.StampShown(At(2024, 5, 15, 9, 0));
    ExpectDue(e, kWeekendRuleOff,
              {{At(2024, 6, 14, 0, 0), false},
               {At(2024, 6, 15, 8, 44, 59), false},
               {At(2024, 6, 15, 8, 45), true, At(2024, 6, 15, 8, 45)}});
}

TEST(IsDue, TheWeekendRuleLeavesWeekdayPatternsAlone) {
    // The third Saturday of every month is 15 June 2024 too, but only dates are moved forward.
    EventRecord e =
        Recurring(kMonthlyNth | kOrdThird | kSaturday, MonthlyParam(18, 1), At(2024, 5, 18, 9, 0));
    e.StampShown(At(2024, 5, 18, 9, 0));
    ExpectDue(e, kWeekendRuleOn, {{At(2024, 6, 14, 10, 0), false}});
}

TEST(IsDue, ASnoozedOneTimeEventIsDueAtItsSnoozeEvenBeforeItsReminder) {
    EventRecord e = OneTime(At(2024, 6, 20, 9, 0), 15);
    e.SetSnooze(At(2024, 6, 10, 12, 0), AmountUnit::Minute, 5);
    ExpectDue(e, kWeekendRuleOff,
              {{At(2024, 6, 10, 11, 59, 59), false},
               {At(2024, 6, 10, 12, 0), true, At(2024, 6, 10, 12, 0)}});
}

TEST(IsDue, NothingAfterTheEndOfTheRangeIsDueNotEvenThroughTheWeekendRule) {
    EventRecord e = Recurring(kMonthlyDay, MonthlyParam(15, 1), At(2024, 1, 15, 9, 0), 15);
    e.StampShown(At(2024, 5, 15, 9, 0));
    e.SetFlag(kHasEnd, true);
    e.end = At(2024, 6, 14, 23, 59, 59); // the Saturday occurrence is out of range
    ExpectDue(e, kWeekendRuleOn,
              {{At(2024, 6, 14, 0, 0), false},
               {At(2024, 6, 15, 8, 45), false},
               {At(2024, 7, 15, 8, 45), false}});
    e.end = At(2024, 6, 15, 8, 45); // its reminder instant is the last one in range
    ExpectDue(e, kWeekendRuleOn, {{At(2024, 6, 14, 0, 0), true, At(2024, 6, 14), true}});
}

TEST(IsDue, AMissedReminderInsideTheRangeIsDueAfterTheRangeEnded) {
    EventRecord e = Recurring(kWeekly | kMonday, 1, At(2024, 6, 3, 9, 0), 15);
    e.StampShown(At(2024, 6, 3, 8, 50));
    e.SetFlag(kHasEnd, true);
    e.end = At(2024, 6, 10, 23, 59, 59);
    ExpectDue(
        e, kWeekendRuleOff,
        {{At(2024, 6, 12, 10, 0), true, At(2024, 6, 10, 8, 45)}, {At(2024, 6, 17, 8, 45), false}});
}

TEST(IsDue, NoReminderIsMissedBeforeTheFirstOccurrence) {
    // Never shown, first occurrence still ahead: the Monday before Start was no occurrence.
    const EventRecord weekly = Recurring(kWeekly | kMonday, 1, At(2024, 6, 17, 9, 0), 15);
    ExpectDue(weekly, kWeekendRuleOff,
              {{At(2024, 6, 12, 10, 0), false},
               {At(2024, 6, 17, 8, 44, 59), false},
               {At(2024, 6, 17, 8, 45), true, At(2024, 6, 17, 8, 45)}});
    EXPECT_FALSE(weekly.IsTimeOver(At(2024, 6, 12, 10, 0)));
    // A weekly start on a day outside its set: the Monday before it is no occurrence either.
    const EventRecord offset = Recurring(kWeekly | kMonday, 1, At(2024, 6, 12, 9, 0), 15);
    ExpectDue(offset, kWeekendRuleOff, {{At(2024, 6, 13, 10, 0), false}});

    // The week-end rule still brings the first occurrence forward, and the window shows it.
    const EventRecord monthly =
        Recurring(kMonthlyDay, MonthlyParam(15, 1), At(2024, 6, 15, 9, 0), 15);
    ExpectDue(monthly, kWeekendRuleOn, {{At(2024, 6, 14, 0, 0), true, At(2024, 6, 14), true}});
    EXPECT_EQ(monthly.CurrentOccurrence(At(2024, 6, 14, 10, 0), kWeekendRuleOn), monthly.start);
    EXPECT_FALSE(monthly.IsTimeOver(At(2024, 6, 14, 10, 0)));
}

TEST(IsDue, ADisabledEventIsNeverDue) {
    EventRecord oneTime = OneTime(At(2024, 6, 10, 9, 0));
    EventRecord daily = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0));
    EventRecord snoozedOneTime = oneTime;
    snoozedOneTime.SetSnooze(At(2024, 6, 10, 9, 5), AmountUnit::Minute, 5);
    EventRecord snoozedDaily = daily;
    snoozedDaily.SetSnooze(At(2024, 6, 10, 9, 5), AmountUnit::Minute, 5);
    for (EventRecord* e : {&oneTime, &daily, &snoozedOneTime, &snoozedDaily}) {
        EXPECT_TRUE(e->IsDue(At(2024, 6, 10, 10, 0), kWeekendRuleOff).due);
        e->SetDisabled(true);
        EXPECT_FALSE(e->IsDue(At(2024, 6, 10, 10, 0), kWeekendRuleOff).due);
        EXPECT_EQ(e->NextReminder(At(2024, 6, 10, 10, 0)).kind, NextReminderInfo::Kind::Disabled);
    }
}

TEST(IsDue, ASnoozedRecurringEventIsDueAtItsSnoozeEvenAfterTheRange) {
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0));
    e.SetFlag(kHasEnd, true);
    e.end = At(2024, 6, 10, 23, 59, 59);
    e.StampShown(At(2024, 6, 10, 9, 0));
    e.SetSnooze(At(2024, 6, 11, 2, 0), AmountUnit::Hour, 17);
    ExpectDue(e, kWeekendRuleOff, {{At(2024, 6, 11, 2, 0), true, At(2024, 6, 11, 2, 0)}});
}

// --- daylight saving: instants are wall-clock readings ---

TEST(IsDue, AnOccurrenceInASpringForwardGapIsDueAtTheFirstTickAfterTheJump) {
    // On 31 March 2024 the wall clock jumps from 02:00 to 03:00.
    EventRecord e = Recurring(kDaily, 1, At(2024, 3, 1, 2, 30));
    e.StampShown(At(2024, 3, 30, 2, 30, 20));
    ExpectDue(e, kWeekendRuleOff,
              {{At(2024, 3, 31, 1, 59, 40), false},
               {At(2024, 3, 31, 3, 0, 0), true, At(2024, 3, 31, 2, 30)}});
}

TEST(IsDue, AnAcceptedReminderIsNotDueAgainInTheRepeatedAutumnHour) {
    // On 27 October 2024 the wall clock goes from 01:59:59 back to 01:00:00.
    EventRecord e = Recurring(kDaily, 1, At(2024, 10, 1, 1, 30));
    e.StampShown(At(2024, 10, 26, 1, 31));
    ExpectDue(e, kWeekendRuleOff, {{At(2024, 10, 27, 1, 30), true, At(2024, 10, 27, 1, 30)}});
    e.Accept(At(2024, 10, 27, 1, 30, 20), kWeekendRuleOff);
    // Every tick of the hour that follows the change, 01:00:00 to 01:59:40 again.
    for (int s = 0; s < 3600; s += 20)
        ASSERT_FALSE(
            e.IsDue(At(2024, 10, 27, 1, 0) + DateTimeSpan::Seconds(s), kWeekendRuleOff).due)
            << s;
}

TEST(IsDue, AReminderAcceptedInTheRepeatedHourBeforeItsWallClockTimeStaysAccepted) {
    // The window opened at 01:30 (first pass) stayed up over the change and was accepted at
    // 01:10 of the repeated hour; the window names its occurrence, so 01:30 does not come again.
    EventRecord e = Recurring(kDaily, 1, At(2024, 10, 1, 1, 30));
    e.StampShown(At(2024, 10, 26, 1, 31));
    e.Accept(At(2024, 10, 27, 1, 10), kWeekendRuleOff, At(2024, 10, 27, 1, 30));
    EXPECT_EQ(e.lastShown, At(2024, 10, 27, 1, 30));
    ExpectDue(e, kWeekendRuleOff,
              {{At(2024, 10, 27, 1, 30), false},
               {At(2024, 10, 28, 1, 30), true, At(2024, 10, 28, 1, 30)}});
    // An occurrence whose reminder is behind now does not move the stamp.
    e.Accept(At(2024, 10, 28, 1, 40), kWeekendRuleOff, At(2024, 10, 28, 1, 30));
    EXPECT_EQ(e.lastShown, At(2024, 10, 28, 1, 40));
}

TEST(IsDue, AnAdvanceOverMidnightRemindsOfTomorrowsOccurrenceToday) {
    // Daily at 00:30, an hour ahead: each reminder comes at 23:30 the evening before.
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 1, 0, 30), 60);
    e.Accept(At(2024, 6, 9, 23, 31), kWeekendRuleOff); // the reminder of 10 June's occurrence
    ExpectDue(e, kWeekendRuleOff,
              {{At(2024, 6, 10, 0, 10), false},
               {At(2024, 6, 10, 23, 29, 59), false},
               {At(2024, 6, 10, 23, 30), true, At(2024, 6, 10, 23, 30)},
               {At(2024, 6, 10, 23, 59, 59), true, At(2024, 6, 10, 23, 30)}});
    EXPECT_EQ(e.CurrentOccurrence(At(2024, 6, 10, 23, 30), kWeekendRuleOff),
              At(2024, 6, 11, 0, 30));
    EXPECT_FALSE(e.IsTimeOver(At(2024, 6, 10, 23, 45)));
    e.Accept(At(2024, 6, 10, 23, 31), kWeekendRuleOff);
    ExpectDue(e, kWeekendRuleOff,
              {{At(2024, 6, 10, 23, 59, 59), false},
               {At(2024, 6, 11, 0, 30), false},
               {At(2024, 6, 11, 23, 30), true, At(2024, 6, 11, 23, 30)}});

    // Mondays at 00:30: Monday's own reminder was on Sunday, the next one is a week away.
    EventRecord weekly = Recurring(kWeekly | kMonday, 1, At(2024, 6, 3, 0, 30), 60);
    weekly.Accept(At(2024, 6, 9, 23, 31), kWeekendRuleOff);
    ExpectDue(weekly, kWeekendRuleOff,
              {{At(2024, 6, 10, 23, 30), false},
               {At(2024, 6, 16, 23, 30), true, At(2024, 6, 16, 23, 30)}});
}

// --- current occurrence, unsnooze, time over ---

TEST(CurrentOccurrence, IsTheOccurrenceOfTheDueReminder) {
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0), 15);
    e.StampShown(At(2024, 6, 9, 8, 50));
    // Snoozed past midnight: the reminder is still about yesterday's occurrence.
    EXPECT_EQ(e.CurrentOccurrence(At(2024, 6, 11, 0, 30), kWeekendRuleOff), At(2024, 6, 10, 9, 0));
    EXPECT_EQ(e.CurrentOccurrence(At(2024, 6, 11, 8, 45), kWeekendRuleOff), At(2024, 6, 11, 9, 0));
    EXPECT_EQ(OneTime(At(2024, 6, 1, 9, 0)).CurrentOccurrence(At(2030, 1, 1), kWeekendRuleOff),
              At(2024, 6, 1, 9, 0));
}

TEST(Unsnooze, MakesTheCurrentReminderDueAgainAtOnce) {
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0), 15);
    e.StampShown(At(2024, 6, 10, 8, 46));
    e.SetSnooze(At(2024, 6, 10, 18, 0), AmountUnit::Hour, 9);
    e.Unsnooze(At(2024, 6, 10, 23, 59, 59));
    EXPECT_FALSE(e.Has(kSnoozed));
    EXPECT_EQ(e.lastShown, At(2024, 6, 9, 8, 44));
    ExpectDue(e, kWeekendRuleOff, {{At(2024, 6, 10, 10, 0), true, At(2024, 6, 10, 8, 45)}});

    EventRecord once = OneTime(At(2024, 6, 10, 9, 0));
    once.StampShown(At(2024, 6, 10, 9, 1));
    once.SetSnooze(At(2024, 6, 10, 18, 0), AmountUnit::Hour, 9);
    once.Unsnooze(At(2024, 6, 10, 23, 59, 59));
    EXPECT_FALSE(once.Has(kSnoozed) || once.Has(kShown));
    ExpectDue(once, kWeekendRuleOff, {{At(2024, 6, 10, 10, 0), true, At(2024, 6, 10, 9, 0)}});
}

TEST(IsTimeOver, AfterTheDurationOfTheOccurrenceThatIsDue) {
    EventRecord once = OneTime(At(2024, 6, 10, 9, 0)); // 30 minutes
    EXPECT_FALSE(once.IsTimeOver(At(2024, 6, 10, 9, 30)));
    EXPECT_TRUE(once.IsTimeOver(At(2024, 6, 10, 9, 30, 1)));

    EventRecord daily = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0), 15);
    daily.StampShown(At(2024, 6, 9, 8, 50));
    EXPECT_FALSE(daily.IsTimeOver(At(2024, 6, 10, 9, 30)));
    EXPECT_TRUE(daily.IsTimeOver(At(2024, 6, 10, 9, 30, 1)));
    EXPECT_TRUE(daily.IsTimeOver(At(2024, 6, 11, 8, 0))); // yesterday's, never shown
    daily.StampShown(At(2024, 6, 10, 9, 0));
    EXPECT_FALSE(daily.IsTimeOver(At(2024, 6, 10, 12, 0))); // already dealt with
}

// --- next reminder, advance notice, future stamps ---

TEST(NextReminder, ByState) {
    using K = NextReminderInfo::Kind;
    const DateTime now = At(2024, 6, 10, 10, 0);
    EventRecord daily = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0), 15);
    EXPECT_EQ(daily.NextReminder(now).instant, At(2024, 6, 10, 8, 45));
    daily.StampShown(At(2024, 6, 10, 8, 50));
    EXPECT_EQ(daily.NextReminder(now).instant, At(2024, 6, 11, 8, 45));
    daily.SetSnooze(At(2024, 6, 10, 11, 0), AmountUnit::Minute, 10);
    EXPECT_EQ(daily.NextReminder(now).instant, At(2024, 6, 10, 11, 0));

    EventRecord once = OneTime(At(2024, 6, 20, 9, 0), 60);
    EXPECT_EQ(once.NextReminder(now).instant, At(2024, 6, 20, 8, 0));
    once.Accept(now, kWeekendRuleOff);
    EXPECT_EQ(once.NextReminder(now).kind, K::Accepted);
    EXPECT_EQ(NeverReminderMessage(K::Accepted), 59288);
    once.SetDisabled(true);
    EXPECT_EQ(once.NextReminder(now).kind, K::Disabled);
    EXPECT_EQ(NeverReminderMessage(K::Disabled), 59335);
}

TEST(NextReminder, AfterAReminderShownADayAheadIsTheFollowingOne) {
    // Daily at 09:00 reminded a day ahead: the reminder for 11 June was accepted on 10 June.
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0));
    e.advance = TimeAmount::Of(AmountUnit::Day, 1);
    e.StampShown(At(2024, 6, 10, 9, 10));
    EXPECT_EQ(e.NextReminder(At(2024, 6, 10, 12, 0)).instant, At(2024, 6, 11, 9, 0));
}

TEST(NextReminder, NoneAfterTheEndOfTheRange) {
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0));
    e.SetFlag(kHasEnd, true);
    e.end = At(2024, 6, 10, 23, 59, 59);
    EXPECT_EQ(e.NextReminder(At(2024, 6, 10, 8, 0)).instant, At(2024, 6, 10, 9, 0));
    e.StampShown(At(2024, 6, 10, 9, 1));
    EXPECT_EQ(e.NextReminder(At(2024, 6, 10, 10, 0)).kind, NextReminderInfo::Kind::Ended);
}

TEST(ValidateAdvance, RecurringAgainstThePeriodAndOneTimeAgainstNow) {
    const DateTime now = At(2024, 6, 10, 10, 0);
    struct {
        EventRecord e;
        TimeAmount advance;
        AdvanceCheck expected;
    } cases[] = {
        {Recurring(kDaily, 1, At(2024, 6, 1, 9, 0)), TimeAmount::Of(AmountUnit::Hour, 23),
         AdvanceCheck::Ok},
        {Recurring(kDaily, 1, At(2024, 6, 1, 9, 0)), TimeAmount::Of(AmountUnit::Day, 1),
         AdvanceCheck::ReachesPreviousOccurrence},
        {Recurring(kWeekly | kMonday | kFriday, 1, At(2024, 6, 3, 9, 0)),
         TimeAmount::Of(AmountUnit::Day, 2), AdvanceCheck::Ok},
        {Recurring(kWeekly | kMonday | kFriday, 1, At(2024, 6, 3, 9, 0)),
         TimeAmount::Of(AmountUnit::Day, 3), AdvanceCheck::ReachesPreviousOccurrence},
        {Recurring(kYearlyNth | kOrdFirst | kMonday, 12, At(2024, 6, 3, 9, 0)),
         TimeAmount::Of(AmountUnit::Week, 48), AdvanceCheck::ReachesPreviousOccurrence},
        {OneTime(At(2024, 6, 10, 10, 15)), TimeAmount::Of(AmountUnit::Minute, 14),
         AdvanceCheck::Ok},
        {OneTime(At(2024, 6, 10, 10, 15)), TimeAmount::Of(AmountUnit::Minute, 15),
         AdvanceCheck::AskAcceptPassed},
    };
    for (auto& c : cases) {
        c.e.advance = c.advance;
        EXPECT_EQ(c.e.ValidateAdvance(now), c.expected) << std::hex << c.e.pattern;
    }
    EventRecord stored = OneTime(At(2024, 6, 1, 9, 0));
    stored.key = 5;
    EXPECT_EQ(stored.ValidateAdvance(now), AdvanceCheck::AskAcceptPassed);
    stored.flags |= kAccepted;
    EXPECT_EQ(stored.ValidateAdvance(now), AdvanceCheck::Ok);
}

TEST(FutureStamps, ADayAheadCountsExceptAWeekendStampOfADatePattern) {
    const DateTime now = At(2024, 6, 12, 10, 0); // a Wednesday
    const EventRecord daily = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0));
    const EventRecord monthly = Recurring(kMonthlyDay, MonthlyParam(15, 1), At(2024, 1, 15, 9, 0));
    const EventRecord nth =
        Recurring(kMonthlyNth | kOrdThird | kSunday, MonthlyParam(16, 1), At(2024, 6, 16, 9, 0));
    struct {
        const EventRecord* e;
        DateTime stamp;
        bool expected;
    } cases[] = {
        {&daily, At(2024, 6, 15, 10, 0), true},    // 3 days ahead
        {&daily, At(2024, 6, 13, 9, 59), false},   // less than a whole day
        {&daily, At(2024, 6, 13, 10, 0), true},    // exactly one day
        {&monthly, At(2024, 6, 16, 9, 0), false},  // Sunday, a week-end stamp
        {&monthly, At(2024, 6, 15, 10, 0), false}, // Saturday
        {&monthly, At(2024, 6, 14, 10, 0), true},  // Friday is a working day
        {&monthly, At(2024, 6, 23, 9, 0), true},   // Sunday, but 10 days ahead
        {&nth, At(2024, 6, 16, 9, 0), true},       // only date patterns are moved
    };
    for (const auto& c : cases) {
        EventRecord e = *c.e;
        e.StampShown(c.stamp);
        EXPECT_EQ(e.IsStampedInFuture(now, kWeekendRuleOn), c.expected)
            << c.stamp.Ymd().day << " " << c.stamp.Hour();
    }
    EventRecord notShown = daily;
    notShown.lastShown = At(2024, 7, 1);
    EXPECT_FALSE(notShown.IsStampedInFuture(now, kWeekendRuleOn));
}

TEST(FutureStamps, AStampBeforeTheFirstReminderHidesNoneAndDoesNotCount) {
    const DateTime now = At(2024, 6, 12, 10, 0);
    // Weekly from 1 July 09:00, reminded 30 minutes before.
    const EventRecord weekly = Recurring(kWeekly | kMonday, 1, At(2024, 7, 1, 9, 0), 30);
    struct {
        DateTime stamp;
        bool expected;
    } const cases[] = {
        {At(2024, 6, 24, 8, 30), false}, // the week before the start, as saving once left it
        {At(2024, 7, 1, 8, 29), false},  // just before the first reminder
        {At(2024, 7, 1, 8, 30), true},   // the first reminder was shown: the clock went back
        {At(2024, 7, 8, 8, 45), true},
    };
    for (const auto& c : cases) {
        EventRecord e = weekly;
        e.StampShown(c.stamp);
        EXPECT_EQ(e.IsStampedInFuture(now, kWeekendRuleOn), c.expected)
            << c.stamp.Ymd().day << " " << c.stamp.Minute();
    }
}

} // namespace
} // namespace zm
