#pragma once
// The month calendar's keys, taken before any other handling while it has the focus.

namespace zm {

enum class CalendarKey {
    Left,
    Right,
    Up,
    Down,
    KeypadMinus,
    KeypadPlus,
    Enter,
    Escape,
    Tab,
    F4,
    Other
};

enum class CalendarKeyAction {
    Ignore,
    DayBack,
    DayForward,
    WeekBack,
    WeekForward,
    MonthBack,
    MonthForward,
    YearBack,
    YearForward,
    Choose,
    Dismiss,
};

CalendarKeyAction ActionOfKey(CalendarKey key, bool ctrl, bool alt);

// The days and months an action moves the current date (0 for the others).
int ActionDays(CalendarKeyAction action);
int ActionMonths(CalendarKeyAction action);

} // namespace zm
