#include "format/week_of_year.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

constexpr int kMonday = 0;
constexpr int kSunday = 6;
constexpr int kRules[] = {kWeekStartsOnJan1, kFirstFourDayWeek, kFirstFullWeek};

DateTime Day(int y, int m, int d) {
    return DateTime::FromParts(y, m, d);
}

TEST(WeekOfYear, TheRowAcrossNewYear2021UnderEachRule) {
    // Mon 2020-12-28 ... Sun 2021-01-03, then Mon 2021-01-04 ... Sun 2021-01-10.
    const int firstRow[] = {1, 53, 52};
    const int nextRow[] = {2, 1, 1};
    for (int rule = 0; rule < 3; ++rule)
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(WeekOfYear(Day(2020, 12, 28).AddDays(i), kMonday, rule), firstRow[rule])
                << "rule " << rule << " day " << i;
            EXPECT_EQ(WeekOfYear(Day(2021, 1, 4).AddDays(i), kMonday, rule), nextRow[rule])
                << "rule " << rule << " day " << i;
        }
}

TEST(WeekOfYear, OtherFirstDaysAndOddSettings) {
    // 1 January 2023 was a Sunday: with Sunday first it opens week 1 under every rule.
    for (int rule : kRules)
        EXPECT_EQ(WeekOfYear(Day(2023, 1, 1), kSunday, rule), 1);
    // With Monday first it ends a week lying almost wholly in 2022.
    EXPECT_EQ(WeekOfYear(Day(2023, 1, 1), kMonday, kWeekStartsOnJan1), 1);
    EXPECT_EQ(WeekOfYear(Day(2023, 1, 1), kMonday, kFirstFourDayWeek), 52);
    EXPECT_EQ(WeekOfYear(Day(2023, 1, 1), kMonday, kFirstFullWeek), 52);
    // Values outside the settings' ranges count as Monday and as "Starts on Jan 1".
    EXPECT_EQ(WeekOfYear(Day(2023, 1, 1), 9, kFirstFourDayWeek), 52);
    EXPECT_EQ(WeekOfYear(Day(2023, 1, 1), -1, kFirstFourDayWeek), 52);
    EXPECT_EQ(WeekOfYear(Day(2023, 1, 1), kMonday, 7), 1);
    EXPECT_EQ(WeekOfYear(DateTime::Invalid(), kMonday, kFirstFourDayWeek), 1);
    // The ends of the calendar's range.
    EXPECT_EQ(WeekOfYear(Day(100, 1, 1), kMonday, kFirstFourDayWeek), 53);
    EXPECT_EQ(WeekOfYear(Day(9999, 12, 31), kMonday, kFirstFourDayWeek), 52);
}

TEST(WeekOfYear, ALeapYearStartingOnTheLastDayOfTheWeekHas53FullWeeks) {
    // 2012 began on a Sunday: its full Monday weeks start on 2 January, and the 53rd starts on
    // 31 December and runs into 2013, which has no full week before 7 January.
    EXPECT_EQ(WeekOfYear(Day(2012, 12, 30), kMonday, kFirstFullWeek), 52);
    EXPECT_EQ(WeekOfYear(Day(2012, 12, 31), kMonday, kFirstFullWeek), 53);
    EXPECT_EQ(WeekOfYear(Day(2013, 1, 6), kMonday, kFirstFullWeek), 53);
    EXPECT_EQ(WeekOfYear(Day(2013, 1, 7), kMonday, kFirstFullWeek), 1);
}

// ISO 8601 week numbers by the textbook formula.
int IsoWeeksInYear(int y) {
    auto p = [](int year) { return (year + year / 4 - year / 100 + year / 400) % 7; };
    return p(y) == 4 || p(y - 1) == 3 ? 53 : 52;
}

int IsoWeek(DateTime d) {
    const int isoDow = (d.DayOfWeek() + 5) % 7 + 1; // Monday = 1 ... Sunday = 7
    const int week = (d.DayOfYear() - isoDow + 10) / 7;
    if (week < 1) return IsoWeeksInYear(d.Year() - 1);
    if (week > IsoWeeksInYear(d.Year())) return 1;
    return week;
}

// Each rule names the day of a week whose year and position number the week: its last day
// (week 1 holds 1 January), its fourth day (week 1 is the first with four days in the year) or
// its first day (week 1 is the first full week).
int WeekByAnchorDay(DateTime d, int firstDayOfWeek, int rule) {
    const int firstDow = (firstDayOfWeek + 1) % 7 + 1;
    const DateTime start = d.AddDays(-((d.DayOfWeek() - firstDow + 7) % 7));
    const int anchorOffset[] = {6, 3, 0};
    const DateTime anchor = start.AddDays(anchorOffset[rule]);
    return (anchor.DayOfYear() - 1) / 7 + 1;
}

TEST(WeekOfYear, EveryDayFrom1990To2040) {
    const DateTime first = Day(1990, 1, 1);
    const DateTime last = Day(2040, 12, 31);
    for (DateTime d = first; d <= last; d = d.AddDays(1)) {
        ASSERT_EQ(WeekOfYear(d, kMonday, kFirstFourDayWeek), IsoWeek(d)) << d.ToOle();
        for (int fdw = 0; fdw < 7; ++fdw)
            for (int rule : kRules)
                ASSERT_EQ(WeekOfYear(d, fdw, rule), WeekByAnchorDay(d, fdw, rule))
                    << d.ToOle() << " first day " << fdw << " rule " << rule;
    }
}

} // namespace
} // namespace zm
