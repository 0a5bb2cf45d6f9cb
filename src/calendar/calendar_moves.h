#pragma once
// Moving the calendar's current date by days, weeks, months and years. The time of day stays.

#include "model/date_time.h"

#include <optional>

namespace zm {

// The same day of month `months` later (negative: earlier); a day the target month lacks becomes
// its last day (never below the 28th). None outside the years an instant can be built for.
std::optional<DateTime> StepMonths(DateTime current, int months);

// `days` later (negative: earlier); none outside the years an instant can be built for.
std::optional<DateTime> StepDays(DateTime current, int days);

} // namespace zm
