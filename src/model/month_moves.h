#pragma once
// The two month operations of the recurrence patterns.

#include "model/date_time.h"

#include <cstdint>
#include <optional>

namespace zm {

// Moves the date of `date` by `months` (negative = earlier; the year is carried, so -1 from
// January is December of the year before) and then to `day` of that month, or to the month's
// last day when the day does not exist there. The time becomes 00:00:00. Fails when the target
// month lies outside the years an instant can be built for, or when `day` is below 1.
std::optional<DateTime> AddMonthsClamped(DateTime date, int day, int64_t months);

// The day of the date's month that a by-weekday pattern names: the first day whose weekday is
// the pattern's weekday bit, then 0, 7, 14 or 21 days on for first ... fourth; "last" adds 28
// days when that is still in the same month, otherwise 21. The time becomes 00:00:00.
// A pattern without a weekday bit counts from the 1st; with several bits the earliest day wins;
// without an ordinal bit it is taken as "first".
DateTime NthWeekdayOfMonth(DateTime date, uint32_t pattern);

// The same on month numbers, for the occurrence functions: months are counted as
// year * 12 + (month - 1), and the results are day numbers.
constexpr int64_t MonthIndex(int year, int month) {
    return int64_t{year} * 12 + (month - 1);
}
// Day `day` of month `index`, or the month's last day; none outside the years or for day < 1.
std::optional<int64_t> ClampedDayOfMonth(int64_t index, int day);
// The pattern's weekday of month `index`; none outside the years.
std::optional<int64_t> NthWeekdayDayOfMonth(int64_t index, uint32_t pattern);

} // namespace zm
