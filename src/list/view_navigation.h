#pragma once
// Moving the view date: by days, and by months or years keeping the day of the month (stepped
// down to the month's last day when the month is shorter).

#include "model/date_time.h"

#include <optional>

namespace zm {

// The view date `days` days later (earlier when negative); the date itself when the result
// would leave the years an instant can hold.
DateTime StepViewDays(DateTime viewDate, int days);
// The same day `months` months later (earlier when negative), or the last day of that month;
// the date itself when the result would leave the years an instant can hold.
DateTime StepViewMonths(DateTime viewDate, int months);
inline DateTime StepViewYears(DateTime viewDate, int years) {
    return StepViewMonths(viewDate, years * 12);
}

// A window left open across the change of the day: it remembers which day was today when it
// last looked at the clock. When the day changes (at midnight, or when the clock is set), a view
// that showed today (its view date was that day) moves to the new today; any other keeps its
// date. Either way the list is built again, since what is due and which occurrence comes next
// depend on the day.
class DayWatch {
public:
    explicit DayWatch(DateTime now) : today_(now.Date()) {}
    // The clock read `now`: nothing while the day is the same; otherwise the view date the
    // window shows from now on.
    std::optional<DateTime> Check(DateTime now, DateTime viewDate);
    DateTime Today() const { return today_; }

private:
    DateTime today_;
};

} // namespace zm
