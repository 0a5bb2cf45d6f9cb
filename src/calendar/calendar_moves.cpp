#include "calendar/calendar_moves.h"

namespace zm {

std::optional<DateTime> StepMonths(DateTime current, int months) {
    if (!current.IsValid()) return std::nullopt;
    const YearMonthDay ymd = current.Ymd();
    const int64_t index = int64_t{ymd.year} * 12 + (ymd.month - 1) + months;
    const int64_t year = index >= 0 ? index / 12 : -((-index + 11) / 12);
    const int month = static_cast<int>(index - year * 12) + 1;
    if (year < 100 || year > 9999) return std::nullopt;
    for (int day = ymd.day;; --day) {
        const DateTime target = DateTime::FromParts(static_cast<int>(year), month, day);
        if (target.IsValid()) return target.WithTimeOf(current);
        if (day <= 28) return std::nullopt;
    }
}

std::optional<DateTime> StepDays(DateTime current, int days) {
    if (!current.IsValid()) return std::nullopt;
    const DateTime target = current.AddDays(days);
    const int year = target.Year();
    if (year < 100 || year > 9999) return std::nullopt;
    return target;
}

} // namespace zm
