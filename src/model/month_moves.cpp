#include "model/month_moves.h"

#include <algorithm>

#include "model/event_record.h"

namespace zm {

std::optional<DateTime> AddMonthsClamped(DateTime date, int day, int64_t months) {
    if (day < 1) return std::nullopt;
    const YearMonthDay ymd = date.Ymd();
    // Months counted from January of year 0; floor division keeps negative moves right.
    const int64_t index = int64_t{ymd.year} * 12 + (ymd.month - 1) + months;
    const int64_t year = index >= 0 ? index / 12 : -((-index + 11) / 12);
    const int month = static_cast<int>(index - year * 12) + 1;
    if (year < kMinYear || year > kMaxYear) return std::nullopt;
    const int y = static_cast<int>(year);
    const int d = std::min(day, DaysInMonth(y, month));
    return DateTime::FromDayNumber(DaysFromCivil(y, month, d));
}

DateTime NthWeekdayOfMonth(DateTime date, uint32_t pattern) {
    const YearMonthDay ymd = date.Ymd();
    const int64_t first = DaysFromCivil(ymd.year, ymd.month, 1);
    int64_t day = first;
    for (int i = 0; i < 7; ++i) {
        if (pattern & WeekdayBit(DayOfWeekFromDays(first + i))) {
            day = first + i;
            break;
        }
    }
    int64_t offset = 0;
    if (pattern & kOrdFirst)
        offset = 0;
    else if (pattern & kOrdSecond)
        offset = 7;
    else if (pattern & kOrdThird)
        offset = 14;
    else if (pattern & kOrdFourth)
        offset = 21;
    else if (pattern & kOrdLast)
        offset = day - first + 28 < DaysInMonth(ymd.year, ymd.month) ? 28 : 21;
    return DateTime::FromDayNumber(day + offset);
}

} // namespace zm
