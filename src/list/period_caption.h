#pragma once
// The caption of the date panel: which period the list shows.

#include "list/list_view_state.h"
#include "platform/locale_names.h"

#include <string>
#include <string_view>

namespace zm {

// The long date of a day: weekday, month name, two-digit day and year
// ("Monday, January 15, 2001").
std::string LongDateText(DateTime date, const LocaleNames& names);

// Day: the long date in the locale's own format (`localeLongDate`, the view date as the platform
// writes it), or LongDateText where the platform gives none; All: "All"; a search: "Search
// Results"; Week and Month: first and last day, the first day's year only when the period
// crosses a year and the last day's month only when it crosses a month ("January 15 - February
// 14, 2001").
std::string PeriodCaption(const ListViewState& view, const LocaleNames& names,
                          std::string_view localeLongDate = {});

// The status bar's sign of the active filter: "Filter: Work", or nothing without one.
std::string FilterPaneText(std::string_view activeFilter);

} // namespace zm
