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

} // namespace zm
