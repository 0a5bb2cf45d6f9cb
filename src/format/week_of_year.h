#pragma once
// Week numbers for the calendar's week column, under a chosen first day of the week and a rule
// for the first week of the year.

#include "model/date_time.h"

namespace zm {

// The first-week rules (the stored setting's values).
inline constexpr int kWeekStartsOnJan1 = 0; // the week holding 1 January is week 1
inline constexpr int kFirstFourDayWeek = 1; // the first week with 4 days in the year
inline constexpr int kFirstFullWeek = 2;    // the first week wholly in the year

// firstDayOfWeek: 0 = Monday ... 6 = Sunday (other values count as Monday); firstWeekRule: one
// of the rules above (other values count as kWeekStartsOnJan1).
//
// A week's number is decided by its last day, so every day of a week gets the same number: a
// week that begins in December and ends in January is week 1 of the new year when the rule
// gives the new year that week, else the last week of the old one. With Monday and the 4-day
// rule the numbers are those of ISO 8601. An invalid date gives 1.
int WeekOfYear(DateTime date, int firstDayOfWeek, int firstWeekRule);

// The two week settings together, as the calendar and the clock number weeks.
struct WeekNumbering {
    int firstDayOfWeek = 0;
    int firstWeekRule = kWeekStartsOnJan1;
};

} // namespace zm
