#pragma once
// The period the main window's date panel names, and the steps of its navigation commands.

#include "list/list_view_state.h"
#include "model/date_time.h"
#include "platform/locale_names.h"

#include <functional>
#include <string>

namespace zm {

enum class ViewStep : uint8_t {
    PreviousDay,
    NextDay,
    PreviousMonth,
    NextMonth,
    PreviousYear,
    NextYear
};

// The view date after a step. Months and years keep the day of the month, stepping it down
// (31, 30, 29 ...) until the date exists; a step beyond the years a date can have leaves the
// date as it was.
DateTime StepViewDate(DateTime viewDate, ViewStep step);

// The date panel's caption: Day the long date, All "All", a search "Search Results"; Week and
// Month the first and last day, as "January 01 - 07, 2001" or, across years,
// "December 28, 2000 - January 03, 2001".
std::string PeriodCaption(const ListViewState& view, const LocaleNames& names,
                          const std::function<std::string(DateTime)>& longDate);

} // namespace zm
