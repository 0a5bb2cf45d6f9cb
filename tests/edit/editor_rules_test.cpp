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

    // Without a type the first one is taken; the start is the next whole minute.
    const EventRecord plain = MakeNewEvent(types, -1, now, now);
    EXPECT_EQ(plain.typeIndex, 0);
    EXPECT_EQ(plain.start, At(2026, 12, 7, 9, 31));
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

} // namespace
} // namespace zm
