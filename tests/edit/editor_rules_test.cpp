#include "edit/recurrence_panels.h"
#include "edit/type_defaults.h"
#include "edit/upcoming_occurrences.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {
using namespace testing;

TEST(MakeNewEvent, TakesTheTypesSettingsOnTheChosenDay) {
    TypeList types;
    types.CreatePredefined();
    const DateTime now = At(2026, 12, 7, 9, 30, 40);
    const int birthday = types.FindType("Birthday");
    ASSERT_GE(birthday, 0);
    types.TypeAt(birthday)->flags |= kTypeFixedStartTime;
    types.TypeAt(birthday)->startTime = 8 << 16 | 15;

    const EventRecord e = MakeNewEvent(types, birthday, At(2027, 3, 14), now);
    EXPECT_EQ(e.typeName, "Birthday");
    EXPECT_EQ(e.start, At(2027, 3, 14, 8, 15));
    EXPECT_EQ(e.pattern, kYearlyDate);
    EXPECT_EQ(e.patternParam, 1u);
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2028, 1, 1)), At(2028, 3, 14, 8, 15));

    // Without a type the first one is taken; the start is the next quarter hour.
    const EventRecord plain = MakeNewEvent(types, -1, now, now);
    EXPECT_EQ(plain.typeIndex, 0);
    EXPECT_EQ(plain.start, At(2026, 12, 7, 9, 45));
}

TEST(MakeNewEvent, StartsAtAQuarterHourWhoseReminderIsAhead) {
    TypeList types;
    types.CreatePredefined();
    struct Case {
        const char* type;
        DateTime now;
        DateTime day;
        DateTime start;
    };
    const Case cases[] = {
        // No advance notice: the next quarter hour, also from one exactly.
        {"Alarm", At(2026, 12, 7, 9, 30, 40), At(2026, 12, 7), At(2026, 12, 7, 9, 45)},
        {"Alarm", At(2026, 12, 7, 9, 45), At(2026, 12, 7), At(2026, 12, 7, 10, 0)},
        // Five and ten minutes ahead: the next quarter hour while its reminder is still ahead,
        // else the one after it.
        {"Call", At(2026, 12, 7, 9, 30, 40), At(2026, 12, 7), At(2026, 12, 7, 9, 45)},
        {"Call", At(2026, 12, 7, 9, 40), At(2026, 12, 7), At(2026, 12, 7, 10, 0)},
        {"Appointment", At(2026, 12, 7, 9, 39, 59), At(2026, 12, 7), At(2026, 12, 7, 9, 45)},
        {"Meeting", At(2026, 12, 7, 9, 36), At(2026, 12, 7), At(2026, 12, 7, 10, 0)},
        {"Meeting", At(2026, 12, 7, 23, 52), At(2026, 12, 7), At(2026, 12, 8, 0, 15)},
        // A day ahead: tomorrow's quarter hour.
        {"Payment", At(2026, 12, 7, 9, 30, 40), At(2026, 12, 7), At(2026, 12, 8, 9, 45)},
        // Another day keeps the chosen date while its reminder is ahead; a past day is kept.
        {"Call", At(2026, 12, 7, 9, 50), At(2026, 12, 9), At(2026, 12, 9, 10, 0)},
        {"Payment", At(2026, 12, 7, 9, 50), At(2026, 12, 9), At(2026, 12, 9, 10, 0)},
        {"Call", At(2026, 12, 7, 9, 50), At(2026, 12, 5), At(2026, 12, 5, 10, 0)},
    };
    for (const Case& c : cases) {
        const int index = types.FindType(c.type);
        ASSERT_GE(index, 0) << c.type;
        const EventRecord e = MakeNewEvent(types, index, c.day, c.now);
        EXPECT_EQ(e.start, c.start) << c.type << " at " << c.now.Hour() << ":" << c.now.Minute();
        if (c.day >= c.now.Date()) {
            EXPECT_EQ(e.ValidateAdvance(c.now), AdvanceCheck::Ok) << c.type;
        }
    }
}

TEST(FilterHidesType, OnlyWhileAFilterIsActive) {
    TypeList types;
    types.CreatePredefined();
    EXPECT_FALSE(FilterHidesType(types, 0));
    types.Filters().push_back({kFilterShowAccepted, "Work", {types.Types()[1].name}});
    ASSERT_TRUE(types.SelectFilter("work"));
    EXPECT_TRUE(FilterHidesType(types, 0));
    EXPECT_FALSE(FilterHidesType(types, 1));
    // The undefined type's events are listed under any filter: no warning for them.
    EXPECT_FALSE(FilterHidesType(types, -1));
    EXPECT_FALSE(FilterHidesType(types, 99));
}

TEST(RecurrencePanels, OpenOnTheEventsPatternAndConfirmToTheSameWords) {
    const DateTime s = At(2024, 6, 12, 10, 30); // a Wednesday, second in its month
    struct Case {
        uint32_t pattern;
        uint32_t param;
        RecurrenceKind kind;
    };
    const Case cases[] = {
        {kDaily, 3, RecurrenceKind::Daily},
        {kWeekly | kMonday | kWednesday, 2, RecurrenceKind::Weekly},
        {kMonthlyDay, MonthlyParam(12, 4), RecurrenceKind::Monthly},
        {kMonthlyNth | kOrdSecond | kWednesday, MonthlyParam(12, 1), RecurrenceKind::Monthly},
        {kYearlyDate, 1, RecurrenceKind::Yearly},
        {kYearlyNth | kOrdSecond | kWednesday, 12, RecurrenceKind::Yearly},
    };
    for (const Case& c : cases) {
        const RecurrencePanels panels = PanelsOf(Recurring(c.pattern, c.param, s));
        EXPECT_EQ(panels.kind, c.kind) << c.pattern;
        const PatternConfirmation done = ConfirmPattern(ChoiceOf(panels));
        ASSERT_TRUE(done.verdict.Ok()) << c.pattern;
        EXPECT_EQ(done.pattern, c.pattern);
        EXPECT_EQ(done.param, c.param);
        EXPECT_EQ(done.start, s);
    }
    // Without recurrence: every week on the start's weekday, the end proposed on its day.
    const RecurrencePanels fresh = PanelsOf(OneTime(s));
    EXPECT_EQ(fresh.kind, RecurrenceKind::Weekly);
    EXPECT_EQ(fresh.weekdays, kWednesday);
    EXPECT_EQ(fresh.end, At(2024, 6, 12, 23, 59, 59));
    EXPECT_EQ(fresh.monthOrdinal, 1);
    EXPECT_EQ(fresh.yearWeekday, 2);
}

TEST(RecurrencePanels, FollowAMovedStartSoConfirmingKeepsIt) {
    const DateTime s = At(2026, 12, 7, 10, 30); // a Monday, first in its month
    const uint32_t patterns[][2] = {
        {kDaily, 3},
        {kWeekly | kMonday, 1},
        {kWeekly | kMonday | kThursday, 2},
        {kMonthlyDay, MonthlyParam(7, 2)},
        {kMonthlyNth | kOrdFirst | kMonday, MonthlyParam(7, 1)},
        {kYearlyDate, 1},
        {kYearlyNth | kOrdFirst | kMonday, 12},
    };
    for (const auto& [pattern, param] : patterns) {
        const RecurrencePanels before = PanelsOf(Recurring(pattern, param, s));
        // Every day of twenty months, the fifth weekdays and a 29 February included.
        for (int k = -200; k <= 460; ++k) {
            const DateTime moved = s + DateTimeSpan::Days(k);
            const RecurrencePanels after = FollowStart(before, s, moved);
            EXPECT_EQ(after.kind, before.kind);
            const PatternConfirmation done = ConfirmPattern(ChoiceOf(after));
            if (pattern == kYearlyDate && moved.Month() == 2 && moved.Day() == 29) {
                EXPECT_FALSE(done.verdict.Ok()); // refused with its message, not moved
                continue;
            }
            ASSERT_TRUE(done.verdict.Ok()) << pattern << " " << k;
            EXPECT_EQ(done.start, moved) << pattern << " " << k;
        }
    }

    // The yearly date of the example: 7 December moved to 3 March.
    const RecurrencePanels yearly =
        FollowStart(PanelsOf(Recurring(kYearlyDate, 1, s)), s, At(2027, 3, 3, 10, 30));
    EXPECT_EQ(yearly.yearMonth, 3);
    EXPECT_EQ(yearly.yearDay, 3);
    // One weekday is replaced; of several, the new one joins them.
    EXPECT_EQ(
        FollowStart(PanelsOf(Recurring(kWeekly | kMonday, 1, s)), s, At(2026, 12, 9)).weekdays,
        kWednesday);
    EXPECT_EQ(
        FollowStart(PanelsOf(Recurring(kWeekly | kMonday | kThursday, 1, s)), s, At(2026, 12, 9))
            .weekdays,
        kMonday | kWednesday | kThursday);
    // "Last" stays on the last weekday of a month even when it is also the fourth.
    const DateTime lastMonday = At(2026, 12, 28, 10, 30);
    const RecurrencePanels last =
        PanelsOf(Recurring(kMonthlyNth | kOrdLast | kMonday, MonthlyParam(28, 1), lastMonday));
    EXPECT_EQ(FollowStart(last, lastMonday, At(2027, 2, 22)).monthOrdinal, 4);
    EXPECT_EQ(FollowStart(last, lastMonday, At(2027, 3, 22)).monthOrdinal, 3);
}

TEST(WeekdayBoxes, StartAtTheFirstDayOfTheWeek) {
    for (int first = 0; first < 7; ++first)
        for (int box = 0; box < 7; ++box)
            EXPECT_EQ(BoxOfWeekday(WeekdayOfBox(box, first), first), box);
    EXPECT_EQ(WeekdayOfBox(0, 0), 2); // Monday first
    EXPECT_EQ(WeekdayOfBox(0, 6), 1); // Sunday first
    EXPECT_EQ(BoxOfWeekday(7, 6), 6); // Saturday last
}

TEST(UpcomingOccurrences, StepOnAndStopAtTheEndOfTheRange) {
    EventRecord e = Recurring(kMonthlyDay, MonthlyParam(31, 1), At(2025, 1, 31, 9, 0), 15);
    const auto five = UpcomingOccurrences(e, At(2025, 2, 1), 5);
    ASSERT_EQ(five.size(), 5u);
    EXPECT_EQ(five[0].occurrence, At(2025, 2, 28, 9, 0));
    EXPECT_EQ(five[0].reminder, At(2025, 2, 28, 8, 45));
    EXPECT_EQ(five[2].occurrence, At(2025, 4, 30, 9, 0));

    e.SetFlag(kHasEnd, true);
    e.end = At(2025, 3, 31, 23, 59, 59);
    EXPECT_EQ(UpcomingOccurrences(e, At(2025, 2, 1), 5).size(), 2u);
    EXPECT_EQ(UpcomingOccurrences(OneTime(At(2025, 1, 1, 8, 0)), At(2026, 1, 1), 5).size(), 1u);
}

TEST(UpcomingOccurrences, StartFromNowNotFromTheStartOfToday) {
    const EventRecord daily = Recurring(kDaily, 1, At(2026, 12, 1, 8, 0), 15);
    struct Case {
        DateTime now;
        DateTime first;
    } const cases[] = {
        {At(2026, 12, 7, 23, 1), At(2026, 12, 8, 8, 0)}, // this morning's is over
        {At(2026, 12, 7, 8, 0), At(2026, 12, 7, 8, 0)},  // the one that begins now
        {At(2026, 12, 7, 7, 50), At(2026, 12, 7, 8, 0)}, // reminded, not yet begun
        {At(2026, 11, 1, 12, 0), At(2026, 12, 1, 8, 0)}, // before the start: the start
    };
    for (const Case& c : cases) {
        const auto next = UpcomingOccurrences(daily, c.now, 3);
        ASSERT_EQ(next.size(), 3u);
        EXPECT_EQ(next[0].occurrence, c.first) << c.now.TotalSeconds();
        EXPECT_EQ(next[1].occurrence, c.first + DateTimeSpan::Days(1));
    }
}

} // namespace
} // namespace zm
