#include "list/view_navigation.h"

#include "model/month_moves.h"

namespace zm {

DateTime StepDays(DateTime viewDate, int days) {
    const DateTime moved = viewDate.Date().AddDays(days);
    return moved.Year() >= kMinYear && moved.Year() <= kMaxYear ? moved : viewDate.Date();
}

DateTime StepMonths(DateTime viewDate, int months) {
    const DateTime date = viewDate.Date();
    return AddMonthsClamped(date, date.Day(), months).value_or(date);
}

} // namespace zm
