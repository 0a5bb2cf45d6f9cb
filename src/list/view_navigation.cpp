#include "list/view_navigation.h"

#include "model/month_moves.h"

namespace zm {

DateTime StepViewDays(DateTime viewDate, int days) {
    const DateTime moved = viewDate.Date().AddDays(days);
    return moved.Year() >= kMinYear && moved.Year() <= kMaxYear ? moved : viewDate.Date();
}

DateTime StepViewMonths(DateTime viewDate, int months) {
    const DateTime date = viewDate.Date();
    return AddMonthsClamped(date, date.Day(), months).value_or(date);
}

std::optional<DateTime> DayWatch::Check(DateTime now, DateTime viewDate) {
    const DateTime today = now.Date();
    if (today == today_) return std::nullopt;
    const bool showedToday = viewDate.Date() == today_;
    today_ = today;
    return showedToday ? today : viewDate.Date();
}

} // namespace zm
