#include "calendar/calendar_moves.h"
#include "calendar/month_grid.h"
#include "format/week_of_year.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

constexpr int kMonday = 0;
constexpr int kWednesday = 2;
constexpr int kSaturday = 5;
constexpr int kSunday = 6;

DateTime Day(int y, int m, int d, int hour = 0, int minute = 0) {
    return DateTime::FromParts(y, m, d, hour, minute);
}

struct FirstRowCase {
    DateTime shown;
    int firstDayOfWeek;
    DateTime firstCell;
    int cellOfFirst; // where the 1st of the month stands
};

class FirstRow : public ::testing::TestWithParam<FirstRowCase> {};

TEST_P(FirstRow, StartsOnTheFirstDayOfWeekWithOneToSevenDaysBefore) {
    const FirstRowCase& c = GetParam();
    const MonthGrid grid = BuildMonthGrid(c.shown, Day(2000, 1, 1), c.firstDayOfWeek, 0);
    EXPECT_EQ(grid.firstCell, c.firstCell);
    EXPECT_EQ(grid.firstCell.DayOfWeek(), WeekdayOfColumn(0, c.firstDayOfWeek));
    EXPECT_EQ(grid.cells[c.cellOfFirst], (GridCell{1, 0}));
    for (int i = 0; i < c.cellOfFirst; ++i)
        EXPECT_EQ(grid.cells[i].flags, kCellOtherMonth) << i;
    EXPECT_EQ(grid.cells[kGridCells - 1].flags, kCellOtherMonth);
    EXPECT_EQ(grid.DayOf(grid.selected).DayNumber(), c.shown.DayNumber());
}

INSTANTIATE_TEST_SUITE_P(
    Months, FirstRow,
    ::testing::Values(
        // A month beginning on the first day of the week shows the whole week before it.
        FirstRowCase{Day(2026, 6, 15), kMonday, Day(2026, 5, 25), 7},
        FirstRowCase{Day(2026, 2, 3), kSunday, Day(2026, 1, 25), 7},
        FirstRowCase{Day(2026, 6, 30), kSunday, Day(2026, 5, 31), 1},
        FirstRowCase{Day(2026, 2, 28), kMonday, Day(2026, 1, 26), 6},
        FirstRowCase{Day(2026, 2, 1), kSaturday, Day(2026, 1, 31), 1},
        FirstRowCase{Day(2021, 1, 31), kWednesday, Day(2020, 12, 30), 2},
        // A setting out of range counts as Monday.
        FirstRowCase{Day(2026, 6, 1), 9, Day(2026, 5, 25), 7}));

TEST(MonthGrid, EveryFirstDayOfWeek) {
    // February 2026 begins on a Sunday: Monday first shows six days of January, ... Sunday first
    // the whole week before.
    constexpr int kDaysBefore[7] = {6, 5, 4, 3, 2, 1, 7};
    for (int first = 0; first < 7; ++first) {
        EXPECT_EQ(DaysBeforeFirst(1, first), kDaysBefore[first]) << first;
        const MonthGrid grid = BuildMonthGrid(Day(2026, 2, 14), Day(2026, 2, 14), first, 0);
        EXPECT_EQ(grid.cells[kDaysBefore[first]], (GridCell{1, 0})) << first;
        EXPECT_EQ(grid.firstCell.DayOfWeek(), WeekdayOfColumn(0, first));
    }
}

TEST(MonthGrid, MarksTodayAndTheOtherMonthsDays) {
    const MonthGrid grid = BuildMonthGrid(Day(2021, 1, 10, 14, 30), Day(2021, 2, 2), kMonday, 0);
    // 28 December 2020 to 7 February 2021.
    EXPECT_EQ(grid.cells[3], (GridCell{31, kCellOtherMonth}));
    EXPECT_EQ(grid.cells[4], (GridCell{1, 0}));
    EXPECT_EQ(grid.cells[34], (GridCell{31, 0}));
    EXPECT_EQ(grid.cells[36], (GridCell{2, kCellOtherMonth | kCellToday}));
    EXPECT_EQ(grid.selected, 13);
    // Today outside the grid marks nothing.
    const MonthGrid later = BuildMonthGrid(Day(2021, 1, 10), Day(2021, 3, 1), kMonday, 0);
    for (const GridCell& cell : later.cells)
        EXPECT_EQ(cell.flags & kCellToday, 0);
    EXPECT_EQ(BuildMonthGrid(DateTime::Invalid(), Day(2021, 3, 1), kMonday, 0).selected, -1);
}

// What a screen reader is told of a cell: its date, today, and the month before or after.
TEST(MonthGrid, CellsAsATableOfWeeksAndWeekdays) {
    // January 2021, Monday first, today 2 February: 28 December 2020 to 7 February 2021.
    const MonthGrid grid = BuildMonthGrid(Day(2021, 1, 10), Day(2021, 2, 2), kMonday, 0);
    const auto iso = [](DateTime d) {
        const YearMonthDay ymd = d.Ymd();
        return std::to_string(ymd.year) + "-" + std::to_string(ymd.month) + "-" +
               std::to_string(ymd.day);
    };
    const CellWords words{"today", "previous month", "next month"};
    const struct {
        int row;
        int column;
        std::string name;
    } cases[] = {
        {0, 0, "2020-12-28, previous month"},
        {0, 3, "2020-12-31, previous month"},
        {0, 4, "2021-1-1"},
        {1, 6, "2021-1-10"},
        {4, 6, "2021-1-31"},
        {5, 1, "2021-2-2, today, next month"},
        {5, 6, "2021-2-7, next month"},
    };
    for (const auto& c : cases) {
        const int cell = CellAt(c.row, c.column);
        EXPECT_EQ(RowOfCell(cell), c.row);
        EXPECT_EQ(ColumnOfCell(cell), c.column);
        EXPECT_EQ(CellName(grid, cell, iso, words), c.name) << c.row << "," << c.column;
    }
    EXPECT_EQ(CellAt(1, 6), grid.selected);
    EXPECT_EQ(MonthOfCell(grid, 3), CellMonth::Previous);
    EXPECT_EQ(MonthOfCell(grid, 4), CellMonth::Shown);
    EXPECT_EQ(MonthOfCell(grid, 35), CellMonth::Next);
    for (const auto& [row, column] : {std::pair{-1, 0}, std::pair{6, 0}, std::pair{0, 7}})
        EXPECT_EQ(CellAt(row, column), -1);
    EXPECT_EQ(CellName(grid, -1, iso, words), "");
    EXPECT_EQ(
        CellName(BuildMonthGrid(DateTime::Invalid(), Day(2021, 2, 2), kMonday, 0), 0, iso, words),
        "");
}

struct WeekRowCase {
    int firstDayOfWeek;
    int rule;
    int firstRow;
    int secondRow;
};

class WeekNumbers : public ::testing::TestWithParam<WeekRowCase> {};

// January 2021 begins on a Friday; the first row ends on 3 January (Monday first) or on 2 January
// (Sunday first), so it has two or three days of the new year.
TEST_P(WeekNumbers, EachRowIsNumberedByItsLastDay) {
    const WeekRowCase& c = GetParam();
    const MonthGrid grid =
        BuildMonthGrid(Day(2021, 1, 15), Day(2021, 1, 15), c.firstDayOfWeek, c.rule);
    EXPECT_EQ(grid.weekNumbers[0], c.firstRow);
    EXPECT_EQ(grid.weekNumbers[1], c.secondRow);
    EXPECT_EQ(grid.weekNumbers[5], grid.weekNumbers[1] + 4);
}

INSTANTIATE_TEST_SUITE_P(Rules, WeekNumbers,
                         ::testing::Values(WeekRowCase{kMonday, kWeekStartsOnJan1, 1, 2},
                                           WeekRowCase{kMonday, kFirstFourDayWeek, 53, 1},
                                           WeekRowCase{kMonday, kFirstFullWeek, 52, 1},
                                           WeekRowCase{kSunday, kWeekStartsOnJan1, 1, 2},
                                           WeekRowCase{kSunday, kFirstFourDayWeek, 53, 1},
                                           WeekRowCase{kSunday, kFirstFullWeek, 52, 1}));

struct StepCase {
    DateTime from;
    int months;
    DateTime to;
};

class MonthSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(MonthSteps, KeepTheDayOrTakeTheMonthsLastAndTheTimeOfDay) {
    const StepCase& c = GetParam();
    EXPECT_EQ(StepMonths(c.from, c.months), std::optional<DateTime>(c.to));
}

INSTANTIATE_TEST_SUITE_P(Steps, MonthSteps,
                         ::testing::Values(StepCase{Day(2026, 1, 31, 8, 15), 1,
                                                    Day(2026, 2, 28, 8, 15)},
                                           StepCase{Day(2024, 1, 31), 1, Day(2024, 2, 29)},
                                           StepCase{Day(2000, 2, 29), 12, Day(2001, 2, 28)},
                                           StepCase{Day(2026, 3, 31), -1, Day(2026, 2, 28)},
                                           StepCase{Day(2026, 1, 5), -1, Day(2025, 12, 5)},
                                           StepCase{Day(2026, 12, 31), 1, Day(2027, 1, 31)},
                                           StepCase{Day(2026, 5, 31), -12, Day(2025, 5, 31)}));

TEST(MonthSteps, StopAtTheEndsOfTheYearsAnInstantCanHold) {
    EXPECT_EQ(StepMonths(Day(9999, 12, 1), 1), std::nullopt);
    EXPECT_EQ(StepMonths(Day(100, 1, 1), -1), std::nullopt);
    EXPECT_EQ(StepDays(Day(9999, 12, 31), 1), std::nullopt);
    EXPECT_EQ(StepDays(Day(2026, 12, 31, 23, 59), 7), std::optional(Day(2027, 1, 7, 23, 59)));
}

} // namespace
} // namespace zm
