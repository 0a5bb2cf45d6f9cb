#pragma once
// Moving the view date: by days, and by months or years keeping the day of the month (stepped
// down to the month's last day when the month is shorter).

#include "model/date_time.h"

namespace zm {

// The view date `days` days later (earlier when negative); the date itself when the result
// would leave the years an instant can hold.
DateTime StepDays(DateTime viewDate, int days);
// The same day `months` months later (earlier when negative), or the last day of that month;
// the date itself when the result would leave the years an instant can hold.
DateTime StepMonths(DateTime viewDate, int months);
inline DateTime StepYears(DateTime viewDate, int years) {
    return StepMonths(viewDate, years * 12);
}

} // namespace zm
