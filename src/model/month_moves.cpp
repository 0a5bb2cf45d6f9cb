#include "model/month_moves.h"

#include "model/event_record.h"

#include <algorithm>

namespace zm {

namespace {

struct YearMonth {
    int year;
    int month;
};

std::optional<YearMonth> SplitMonthIndex(int64_t index) {
    const int64_t year = index >= 0 ? index / 12 : -((-index + 11) / 12); // floor
    if (year < kMinYear || year > kMaxYear) return std::nullopt;
    return YearMonth{static_cast<int>(year), static_cast<int>(index - year * 12) + 1};
}

} // namespace

std::optional<int64_t> ClampedDayOfMonth(int64_t index, int day) {
    const std::optional<YearMonth> ym = SplitMonthIndex(index);
    if (!ym || day < 1) return std::nullopt;
    return DaysFromCivil(ym->year, ym->month, std::min(day, DaysInMonth(ym->year, ym->month)));
}

std::optional<int64_t> NthWeekdayDayOfMonth(int64_t index, uint32_t pattern) {
    const std::optional<YearMonth> ym = SplitMonthIndex(index);
    if (!ym) return std::nullopt;
    const int64_t first = DaysFromCivil(ym->year, ym->month, 1);
    int64_t day = first;
    int dow = DayOfWeekFromDays(first);
    for (int i = 0; i < 7; ++i, dow = dow == 7 ? 1 : dow + 1) {
        if (pattern & WeekdayBit(dow)) {
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
        offset = day - first + 28 < DaysInMonth(ym->year, ym->month) ? 28 : 21;
    return day + offset;
}

std::optional<DateTime> AddMonthsClamped(DateTime date, int day, int64_t months) {
    const YearMonthDay ymd = date.Ymd();
    const std::optional<int64_t> d =
        ClampedDayOfMonth(MonthIndex(ymd.year, ymd.month) + months, day);
    if (!d) return std::nullopt;
    return DateTime::FromDayNumber(*d);
}

DateTime NthWeekdayOfMonth(DateTime date, uint32_t pattern) {
    const YearMonthDay ymd = date.Ymd();
    // The month of a valid instant always lies within the years.
    return DateTime::FromDayNumber(
        NthWeekdayDayOfMonth(MonthIndex(ymd.year, ymd.month), pattern).value_or(date.DayNumber()));
}

} // namespace zm
