#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {
using namespace testing;

TEST(Occurrences, EveryThreeDaysFromTheFirstOfMarch) {
    const EventRecord e = Recurring(kDaily, 3, At(2024, 3, 1, 9, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2024, 3, 2, 23, 0)), At(2024, 3, 4, 9, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2024, 3, 4)), At(2024, 3, 4, 9, 0));
    EXPECT_EQ(e.NextOccurrence(At(2024, 3, 4, 9, 0)), At(2024, 3, 7, 9, 0));
    EXPECT_EQ(e.PreviousOccurrence(At(2024, 3, 4, 9, 0)), At(2024, 3, 1, 9, 0));
}

TEST(Occurrences, EveryTwoWeeksOnMondayAndThursday) {
    const EventRecord e = Recurring(kWeekly | kMonday | kThursday, 2, At(2024, 3, 4, 9, 0));
    struct {
        DateTime on;
        DateTime expected;
    } cases[] = {
        {At(2024, 3, 5), At(2024, 3, 7, 9, 0)},   // Thursday of the first week
        {At(2024, 3, 7), At(2024, 3, 7, 9, 0)},   // is an occurrence
        {At(2024, 3, 11), At(2024, 3, 18, 9, 0)}, // Monday of the second week is not
        {At(2024, 3, 12), At(2024, 3, 18, 9, 0)}, // Tuesday of the second week: third Monday
        {At(2024, 3, 17), At(2024, 3, 18, 9, 0)}, // Sunday closing the idle week
        {At(2024, 3, 22), At(2024, 4, 1, 9, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(e.OccurrenceOnOrAfter(c.on), c.expected);
    EXPECT_EQ(e.NextOccurrence(At(2024, 3, 7, 9, 0)), At(2024, 3, 18, 9, 0));
    EXPECT_EQ(e.PreviousOccurrence(At(2024, 3, 18, 9, 0)), At(2024, 3, 7, 9, 0));
    EXPECT_EQ(e.PreviousOccurrence(At(2024, 3, 21, 9, 0)), At(2024, 3, 18, 9, 0));
}

TEST(Occurrences, WeeklyStartOnSundayBelongsToTheWeekBeginningSixDaysEarlier) {
    // 31 March 2024 is a Sunday; its week (and block) began on Monday 25 March.
    const EventRecord e = Recurring(kWeekly | kSunday | kWednesday, 2, At(2024, 3, 31, 8, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2024, 4, 1)), At(2024, 4, 10, 8, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2024, 4, 11)), At(2024, 4, 14, 8, 0));
}

TEST(Occurrences, WeeklyWithoutWeekdaysStaysOnStartAndDoesNotStep) {
    const EventRecord e = Recurring(kWeekly, 1, At(2024, 3, 4, 9, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2024, 5, 1)), e.start);
    const DateTime x = At(2024, 5, 1, 9, 0);
    EXPECT_EQ(e.PreviousOccurrence(x), x);
    EXPECT_EQ(e.NextOccurrence(x), x);
    EXPECT_EQ(e.PeriodLength(), DateTimeSpan());
}

TEST(Occurrences, DayThirtyOneOfEveryMonthFallsOnTheLastDayOfShortMonths) {
    const EventRecord e = Recurring(kMonthlyDay, MonthlyParam(31, 1), At(2023, 1, 31, 7, 0));
    const DateTime expected[] = {At(2023, 1, 31, 7, 0), At(2023, 2, 28, 7, 0),
                                 At(2023, 3, 31, 7, 0), At(2023, 4, 30, 7, 0),
                                 At(2023, 5, 31, 7, 0)};
    DateTime x = e.OccurrenceOnOrAfter(At(2023, 1, 1));
    for (const DateTime& want : expected) {
        EXPECT_EQ(x, want);
        EXPECT_EQ(e.OccurrenceOnOrAfter(want.Date()), want);
        x = e.NextOccurrence(x);
    }
    EXPECT_EQ(e.PreviousOccurrence(At(2023, 3, 31, 7, 0)), At(2023, 2, 28, 7, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2024, 2, 1)), At(2024, 2, 29, 7, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2024, 3, 1)), At(2024, 3, 31, 7, 0));
}

TEST(Occurrences, LastFridayOfEveryMonth) {
    const EventRecord e =
        Recurring(kMonthlyNth | kOrdLast | kFriday, MonthlyParam(29, 1), At(2024, 3, 29, 18, 0));
    EXPECT_EQ(e.NextOccurrence(e.start), At(2024, 4, 26, 18, 0)); // four Fridays
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2024, 3, 30)), At(2024, 4, 26, 18, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2024, 5, 1)), At(2024, 5, 31, 18, 0)); // five Fridays
    EXPECT_EQ(e.PreviousOccurrence(At(2024, 5, 31, 18, 0)), At(2024, 4, 26, 18, 0));
}

TEST(Occurrences, ADateBeforeTheStartGivesStartItself) {
    const DateTime start = At(2024, 3, 4, 9, 17, 23);
    for (const EventRecord& e :
         {Recurring(kDaily, 2, start), Recurring(kWeekly | kMonday, 1, start),
          Recurring(kMonthlyDay, MonthlyParam(4, 1), start), Recurring(kYearlyDate, 1, start)})
        EXPECT_EQ(e.OccurrenceOnOrAfter(At(2024, 3, 3, 23, 59, 59)), start);
}

TEST(Occurrences, YearlyOnTheFifteenthOfMay) {
    const EventRecord e = Recurring(kYearlyDate, 1, At(2001, 5, 15, 10, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2003, 5, 16)), At(2004, 5, 15, 10, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2003, 5, 15)), At(2003, 5, 15, 10, 0));
    EXPECT_EQ(e.PreviousOccurrence(At(2003, 5, 15, 10, 0)), At(2002, 5, 15, 10, 0));
}

TEST(Occurrences, YearlyOnTheTwentyNinthOfFebruaryFallsOnThe28thInCommonYears) {
    const EventRecord e = Recurring(kYearlyDate, 1, At(2024, 2, 29, 8, 0));
    struct {
        DateTime on;
        DateTime expected;
    } cases[] = {
        {At(2024, 3, 1), At(2025, 2, 28, 8, 0)}, {At(2025, 2, 28), At(2025, 2, 28, 8, 0)},
        {At(2025, 3, 1), At(2026, 2, 28, 8, 0)}, {At(2027, 3, 1), At(2028, 2, 29, 8, 0)},
        {At(2100, 1, 1), At(2100, 2, 28, 8, 0)}, // 2100 is not a leap year
    };
    for (const auto& c : cases)
        EXPECT_EQ(e.OccurrenceOnOrAfter(c.on), c.expected);
    // Stepping agrees with the first occurrence on or after a day, both ways.
    EXPECT_EQ(e.NextOccurrence(e.start), At(2025, 2, 28, 8, 0));
    EXPECT_EQ(e.NextOccurrence(At(2027, 2, 28, 8, 0)), At(2028, 2, 29, 8, 0));
    EXPECT_EQ(e.PreviousOccurrence(At(2025, 2, 28, 8, 0)), e.start);
}

TEST(Occurrences, TheThirdTuesdayOfNovemberEveryYear) {
    const EventRecord e = Recurring(kYearlyNth | kOrdThird | kTuesday, 12, At(2023, 11, 21, 12, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2023, 11, 22)), At(2024, 11, 19, 12, 0));
    EXPECT_EQ(e.OccurrenceOnOrAfter(At(2025, 1, 1)), At(2025, 11, 18, 12, 0));
    EXPECT_EQ(e.PreviousOccurrence(At(2025, 11, 18, 12, 0)), At(2024, 11, 19, 12, 0));
    // An interval other than 12 on the yearly by-weekday form stays on Start.
    const EventRecord odd = Recurring(kYearlyNth | kOrdThird | kTuesday, 6, e.start);
    EXPECT_EQ(odd.OccurrenceOnOrAfter(At(2025, 1, 1)), odd.start);
}

TEST(Occurrences, AZeroIntervalStaysOnStartAndDoesNotStep) {
    const DateTime start = At(2024, 3, 4, 9, 0);
    const DateTime x = At(2024, 6, 5, 9, 0);
    for (uint32_t pattern : {kDaily, kWeekly | kMonday, kMonthlyDay,
                             kMonthlyNth | kOrdFirst | kMonday, kYearlyNth | kOrdFirst | kMonday}) {
        const EventRecord e =
            Recurring(pattern, pattern == kMonthlyDay ? MonthlyParam(4, 0) : 0, start);
        EXPECT_EQ(e.OccurrenceOnOrAfter(At(2025, 1, 1)), start) << pattern;
        EXPECT_EQ(e.NextOccurrence(x), x) << pattern;
        EXPECT_EQ(e.PreviousOccurrence(x), x) << pattern;
    }
}

TEST(PeriodLength, ByKindAndWeekdays) {
    struct {
        uint32_t pattern;
        uint32_t param;
        int days;
    } cases[] = {
        {kDaily, 1, 1},
        {kDaily, 10, 10},
        {kWeekly | kMonday, 3, 21},
        {kWeekly | kMonday | kFriday, 1, 3},
        {kWeekly | kMonday | kFriday, 4, 3}, // N is ignored with two or more days
        {kWeekly | kTuesday | kFriday | kSunday, 1, 2},
        {kWeekly | kSaturday | kSunday, 1, 1},
        {kWeekly | kMonday | kSunday, 1, 1},
        {kWeekly | 0xFE, 1, 1},
        {kMonthlyDay, MonthlyParam(10, 2), 56},
        {kMonthlyNth | kOrdFirst | kMonday, MonthlyParam(5, 1), 28},
        {kYearlyDate, 1, 336},
        // The yearly by-weekday interval counts months: a year, not 4032 days.
        {kYearlyNth | kOrdFirst | kMonday, 12, 336},
        {0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PatternPeriodLength(c.pattern, c.param), DateTimeSpan::Days(c.days))
            << std::hex << c.pattern << " " << c.param;
}

} // namespace
} // namespace zm
