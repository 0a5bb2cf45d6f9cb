#include "calendar/month_grid.h"

#include "format/week_of_year.h"

namespace zm {

namespace {

int ValidFirstDay(int firstDayOfWeek) {
    return firstDayOfWeek >= 0 && firstDayOfWeek <= 6 ? firstDayOfWeek : 0;
}

} // namespace

int DaysBeforeFirst(int weekdayOfFirst, int firstDayOfWeek) {
    int e = weekdayOfFirst + 5 - ValidFirstDay(firstDayOfWeek);
    if (e > 7) e -= 7;
    if (e == 0) e = 7;
    return e;
}

int WeekdayOfColumn(int column, int firstDayOfWeek) {
    return (ValidFirstDay(firstDayOfWeek) + 1 + column) % 7 + 1;
}

MonthGrid BuildMonthGrid(DateTime current, DateTime today, int firstDayOfWeek, int firstWeekRule) {
    MonthGrid grid;
    if (!current.IsValid()) return grid;
    const YearMonthDay ymd = current.Ymd();
    const int64_t first = DaysFromCivil(ymd.year, ymd.month, 1);
    const int64_t start = first - DaysBeforeFirst(DayOfWeekFromDays(first), firstDayOfWeek);
    grid.firstCell = DateTime::FromDayNumber(start);
    const int64_t todayNumber = today.IsValid() ? today.DayNumber() : INT64_MIN;
    for (int i = 0; i < kGridCells; ++i) {
        const int64_t day = start + i;
        const YearMonthDay cell = CivilFromDays(day);
        if (i % kGridColumns == 0)
            grid.weekNumbers[i / kGridColumns] = WeekOfYear(
                DateTime::FromDayNumber(day + kGridColumns - 1), firstDayOfWeek, firstWeekRule);
        grid.cells[i].day = cell.day;
        grid.cells[i].flags = cell.month == ymd.month ? 0 : kCellOtherMonth;
        if (day == todayNumber) grid.cells[i].flags |= kCellToday;
        if (day == current.DayNumber()) grid.selected = i;
    }
    return grid;
}

int CellAt(int row, int column) {
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) return -1;
    return row * kGridColumns + column;
}

CellMonth MonthOfCell(const MonthGrid& grid, int cell) {
    if (!(grid.cells[cell].flags & kCellOtherMonth)) return CellMonth::Shown;
    // The other month's days stand before the 1st (in the first row) or after the last day.
    return cell < kGridColumns ? CellMonth::Previous : CellMonth::Next;
}

std::string CellName(const MonthGrid& grid, int cell,
                     const std::function<std::string(DateTime)>& fullDate, const CellWords& words) {
    if (cell < 0 || cell >= kGridCells || grid.cells[cell].day == 0) return {};
    std::string name = fullDate(grid.DayOf(cell));
    const auto add = [&name](const std::string& word) { name += ", " + word; };
    if (grid.cells[cell].flags & kCellToday) add(words.today);
    switch (MonthOfCell(grid, cell)) {
    case CellMonth::Previous:
        add(words.previousMonth);
        break;
    case CellMonth::Next:
        add(words.nextMonth);
        break;
    case CellMonth::Shown:
        break;
    }
    return name;
}

} // namespace zm
