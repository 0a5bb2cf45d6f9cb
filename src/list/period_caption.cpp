#include "list/period_caption.h"

#include "res/format_text.h"
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
    std::string text = names.LongDayName(date.DayOfWeek());
    text.append(", ").append(names.LongMonthName(date.Month()));
    text.append(" ").append(TwoDigits(date.Day()));
    text.append(", ").append(std::to_string(date.Year()));
    return text;
}

std::string PeriodCaption(const ListViewState& view, const LocaleNames& names,
                          std::string_view localeLongDate) {
    if (view.searching) return LoadString(IDS_PERIOD_SEARCH_RESULTS);
    const DateTime first = view.viewDate.Date();
    switch (view.mode) {
    case ViewMode::Day:
        if (!localeLongDate.empty()) return std::string(localeLongDate);
        return LongDateText(first, names);
    case ViewMode::All:
        return LoadString(IDS_PERIOD_ALL);
    case ViewMode::Week:
    case ViewMode::Month:
        break;
    }
    const DateTime last = first.AddDays(view.mode == ViewMode::Week ? 6 : 30);
    std::string caption = names.LongMonthName(first.Month());
    caption.append(" ").append(TwoDigits(first.Day()));
    if (last.Year() != first.Year()) caption.append(", ").append(std::to_string(first.Year()));
    caption.append(" -");
    if (last.Month() != first.Month() || last.Year() != first.Year())
        caption.append(" ").append(names.LongMonthName(last.Month()));
    caption.append(" ").append(TwoDigits(last.Day()));
    caption.append(", ").append(std::to_string(last.Year()));
    return caption;
}

std::string FilterPaneText(std::string_view activeFilter) {
    if (activeFilter.empty()) return {};
    return FormatText(IDS_MAIN_STATUS_FILTER_TEXT, {std::string(activeFilter)});
}

} // namespace zm
