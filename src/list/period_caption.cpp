#include "list/period_caption.h"

#include "res/strings.h"

#include <cstdio>

namespace zm {
namespace {

std::string TwoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

} // namespace

std::string LongDateText(DateTime date, const LocaleNames& names) {
    return names.LongDayName(date.DayOfWeek()) + ", " + names.LongMonthName(date.Month()) + " " +
           TwoDigits(date.Day()) + ", " + std::to_string(date.Year());
}

std::string PeriodCaption(const ListViewState& view, const LocaleNames& names) {
    if (view.searching) return LoadString(IDS_PERIOD_SEARCH_RESULTS);
    const DateTime first = view.viewDate.Date();
    switch (view.mode) {
    case ViewMode::Day:
        return LongDateText(first, names);
    case ViewMode::All:
        return LoadString(IDS_PERIOD_ALL);
    case ViewMode::Week:
    case ViewMode::Month:
        break;
    }
    const DateTime last = first.AddDays(view.mode == ViewMode::Week ? 6 : 30);
    std::string caption = names.LongMonthName(first.Month()) + " " + TwoDigits(first.Day());
    if (last.Year() != first.Year()) caption += ", " + std::to_string(first.Year());
    caption += " -";
    if (last.Month() != first.Month() || last.Year() != first.Year())
        caption += " " + names.LongMonthName(last.Month());
    caption += " " + TwoDigits(last.Day()) + ", " + std::to_string(last.Year());
    return caption;
}

} // namespace zm
