#pragma once
// The month calendar's grid: six weeks of seven days around the month of the current date,
// starting on the user's first day of the week, with a week number for each row.

#include "model/date_time.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace zm {

inline constexpr int kGridColumns = 7;
inline constexpr int kGridRows = 6;
inline constexpr int kGridCells = kGridColumns * kGridRows;

// Flags of a cell.
inline constexpr uint8_t kCellOtherMonth = 0x01;
inline constexpr uint8_t kCellToday = 0x02;

struct GridCell {
    int day = 0; // day of month
    uint8_t flags = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

struct MonthGrid {
    DateTime firstCell; // midnight of the first cell's day
    std::array<GridCell, kGridCells> cells{};
    std::array<int, kGridRows> weekNumbers{};
    int selected = -1; // the current date's cell, -1 when not in the grid

    // Midnight of the day of a cell (0-41).
    DateTime DayOf(int cell) const { return firstCell.AddDays(cell); }
};

// How many days of the previous month precede the 1st in the first row (1-7): a month that
// begins on the first day of the week shows the whole week before it.
// weekdayOfFirst: 1 = Sunday ... 7 = Saturday; firstDayOfWeek: 0 = Monday ... 6 = Sunday.
int DaysBeforeFirst(int weekdayOfFirst, int firstDayOfWeek);

// The grid for the month of `current`. `today` gets kCellToday; a row's number is the week of
// year of its seventh day under the rule. An invalid date gives an empty grid (no selection).
MonthGrid BuildMonthGrid(DateTime current, DateTime today, int firstDayOfWeek, int firstWeekRule);

// The weekday (1 = Sunday ... 7 = Saturday) shown in a column (0-6).
int WeekdayOfColumn(int column, int firstDayOfWeek);

// The grid as a table of weeks (rows 0-5) and weekdays (columns 0-6): the cell at a row and
// column, -1 outside the grid, and the row and column of a cell.
int CellAt(int row, int column);
inline constexpr int RowOfCell(int cell) {
    return cell / kGridColumns;
}
inline constexpr int ColumnOfCell(int cell) {
    return cell % kGridColumns;
}

// Which month a cell's day belongs to: the one shown, or the one before or after it.
enum class CellMonth { Shown, Previous, Next };
CellMonth MonthOfCell(const MonthGrid& grid, int cell);

// The words a cell's spoken name adds to its date.
struct CellWords {
    std::string today;
    std::string previousMonth;
    std::string nextMonth;
};

// How a screen reader names a cell: its day written by `fullDate`, then whether it is today and
// whether it belongs to the month before or after the one shown, joined by ", ". Empty for a
// cell outside the grid or an empty grid.
std::string CellName(const MonthGrid& grid, int cell,
                     const std::function<std::string(DateTime)>& fullDate, const CellWords& words);

} // namespace zm
