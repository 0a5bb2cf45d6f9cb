#pragma once
// How a screen reader sees the month calendar: a table of six weeks by seven weekdays whose
// column headers are the weekdays and whose cells are the days, each named with its full date,
// and whose action chooses the day as a click does. The calendar tells it of its moves.

class QAccessibleInterface;
class QObject;
class QString;

namespace zm {

class FlatCalendar;
struct MonthGrid;

// Makes Qt build the table for every FlatCalendar; once per program, before the first one is
// asked for.
void InstallCalendarAccessibility();

// After the grid was rebuilt from `before`: the table's refresh when the month changed, the
// selection's move, and the focus on the selected day while the calendar has the focus.
void NotifyCalendarMoved(FlatCalendar& calendar, const MonthGrid& before);
// The calendar has taken the focus: the screen reader is told the selected day.
void NotifyCalendarFocus(FlatCalendar& calendar);

} // namespace zm
