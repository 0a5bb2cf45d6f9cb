#include "calendar/calendar_keys.h"

namespace zm {

CalendarKeyAction ActionOfKey(CalendarKey key, bool ctrl, bool alt) {
    using A = CalendarKeyAction;
    if (alt) {
        // Alt+Up and Alt+F4 close the calendar; Alt+Down (which opens it) and the rest do nothing.
        return key == CalendarKey::Up || key == CalendarKey::F4 ? A::Dismiss : A::Ignore;
    }
    switch (key) {
    case CalendarKey::Left:
        return A::DayBack;
    case CalendarKey::Right:
        return A::DayForward;
    case CalendarKey::Up:
        return A::WeekBack;
    case CalendarKey::Down:
        return A::WeekForward;
    case CalendarKey::KeypadMinus:
        return ctrl ? A::YearBack : A::MonthBack;
    case CalendarKey::KeypadPlus:
        return ctrl ? A::YearForward : A::MonthForward;
    case CalendarKey::Enter:
        return A::Choose;
    case CalendarKey::Escape:
    case CalendarKey::Tab:
        return A::Dismiss;
    default:
        return A::Ignore;
    }
}

int ActionDays(CalendarKeyAction action) {
    switch (action) {
    case CalendarKeyAction::DayBack:
        return -1;
    case CalendarKeyAction::DayForward:
        return 1;
    case CalendarKeyAction::WeekBack:
        return -7;
    case CalendarKeyAction::WeekForward:
        return 7;
    default:
        return 0;
    }
}

int ActionMonths(CalendarKeyAction action) {
    switch (action) {
    case CalendarKeyAction::MonthBack:
        return -1;
    case CalendarKeyAction::MonthForward:
        return 1;
    case CalendarKeyAction::YearBack:
        return -12;
    case CalendarKeyAction::YearForward:
        return 12;
    default:
        return 0;
    }
}

} // namespace zm
