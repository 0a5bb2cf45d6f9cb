#include "ui/main/view_period.h"

#include "model/civil_date.h"
#include "res/strings.h"

#include <cstdio>

namespace zm {
namespace {

DateTime SameDayIn(int year, int month, int day, DateTime fallback) {
    if (month < 1) {
        month += 12;
        --year;
    } else if (month > 12) {
        month -= 12;
        ++year;
    }
    if (year < kMinYear || year > kMaxYear) return fallback;
    for (int d = day; d >= 28; --d) {
        const DateTime stepped = DateTime::FromParts(year, month, d);
        if (stepped.IsValid()) return stepped;
    }
    return DateTime::FromParts(year, month, day < 28 ? day : 28);
}

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

} // namespace

DateTime StepViewDate(DateTime viewDate, ViewStep step) {
    const DateTime date = viewDate.Date();
    const YearMonthDay ymd = date.Ymd();
    switch (step) {
    case ViewStep::PreviousDay:
        return date.AddDays(-1);
    case ViewStep::NextDay:
        return date.AddDays(1);
    case ViewStep::PreviousMonth:
        return SameDayIn(ymd.year, ymd.month - 1, ymd.day, date);
    case ViewStep::NextMonth:
        return SameDayIn(ymd.year, ymd.month + 1, ymd.day, date);
    case ViewStep::PreviousYear:
        return SameDayIn(ymd.year - 1, ymd.month, ymd.day, date);
    case ViewStep::NextYear:
        return SameDayIn(ymd.year + 1, ymd.month, ymd.day, date);
    }
    return date;
}

std::string PeriodCaption(const ListViewState& view, const LocaleNames& names,
                          const std::function<std::string(DateTime)>& longDate) {
    if (view.searching) return LoadString(IDS_PERIOD_SEARCH_RESULTS);
    const DateTime first = view.viewDate.Date();
    switch (view.mode) {
    case ViewMode::Day:
        return longDate(first);
    case ViewMode::All:
        return LoadString(IDS_PERIOD_ALL);
    case ViewMode::Week:
    case ViewMode::Month:
        break;
    }
    const DateTime last = first.AddDays(view.mode == ViewMode::Week ? 6 : 30);
    std::string text = names.LongMonthName(first.Month()) + " " + TwoDigits(first.Day());
    if (last.Year() != first.Year()) text += ", " + std::to_string(first.Year());
    text += " -";
    if (last.Month() != first.Month() || last.Year() != first.Year())
        text += " " + names.LongMonthName(last.Month());
    text += " " + TwoDigits(last.Day()) + ", " + std::to_string(last.Year());
    return text;
}

} // namespace zm
