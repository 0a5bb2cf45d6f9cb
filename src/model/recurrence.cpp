// The occurrences of a recurring event: the first one on or after a day, one step back and one
// step forward, and the shortest gap between two of them. Every function is constant time: none
// walks from Start to the day asked about.

#include "model/event_record.h"
#include "model/month_moves.h"

#include <algorithm>

namespace zm {

namespace {

// The kind of a pattern word, or 0 when its kind bits do not name exactly one kind.
uint32_t KindOf(uint32_t pattern) {
    const uint32_t kind = pattern & kKindMask;
    switch (kind) {
    case kKindDaily:
    case kKindWeekly:
    case kKindMonthly:
    case kKindYearly:
        return kind;
    default:
        return 0;
    }
}

bool IsByWeekday(uint32_t pattern) {
    return (pattern & kFormByWeekday) != 0;
}

// The Monday of the Monday-to-Sunday week that holds day number `day`.
int64_t MondayOf(int64_t day) {
    return day - (DayOfWeekFromDays(day) + 5) % 7;
}

bool InWeekdaySet(uint32_t pattern, int64_t day) {
    return (pattern & WeekdayBit(DayOfWeekFromDays(day))) != 0;
}

// Days of the first weekly occurrence on or after day t (t not before s, the day of Start):
// the weeks run in blocks of N from the week of Start, and only the first week of each block is
// active.
int64_t WeeklyOnOrAfter(uint32_t pattern, uint32_t n, int64_t s, int64_t t) {
    if (n == 0) return s;
    const int64_t block = 7 * int64_t{n};
    int64_t b = t - (t - MondayOf(s)) % block;
    for (int pass = 0; pass < 2; ++pass, b += block)
        for (int64_t d = b; d < b + 7; ++d)
            if (d >= t && InWeekdaySet(pattern, d)) return d;
    return s; // empty weekday set
}

int64_t WeeklyStep(uint32_t pattern, uint32_t n, int64_t x, int direction) {
    if (n == 0 || (pattern & kWeekdayMask) == 0) return x;
    const int64_t monday = MondayOf(x);
    const int64_t jump = 7 * int64_t{n};
    if (direction < 0) {
        for (int64_t d = x - 1; d >= monday; --d)
            if (InWeekdaySet(pattern, d)) return d;
        for (int64_t d = monday + 6; d >= monday; --d)
            if (InWeekdaySet(pattern, d)) return d - jump;
    } else {
        for (int64_t d = x + 1; d <= monday + 6; ++d)
            if (InWeekdaySet(pattern, d)) return d;
        for (int64_t d = monday; d <= monday + 6; ++d)
            if (InWeekdaySet(pattern, d)) return d + jump;
    }
    return x;
}

// The occurrence day of a monthly or yearly pattern in month `index`: day `day` (clamped) for
// the by-date forms, the named weekday for the by-weekday forms.
std::optional<int64_t> DayInMonth(int64_t index, int day, uint32_t pattern) {
    return IsByWeekday(pattern) ? NthWeekdayDayOfMonth(index, pattern)
                                : ClampedDayOfMonth(index, day);
}

} // namespace

DateTime EventRecord::OccurrenceOnOrAfter(DateTime when) const {
    if (!IsRecurring()) return start;
    const int64_t s = start.DayNumber();
    const int64_t t = when.DayNumber();
    if (t < s) return start;

    const uint32_t n = Interval();
    int64_t r = s;
    switch (KindOf(pattern)) {
    case kKindDaily:
        if (n == 0) break;
        r = (t - s) % n == 0 ? t : t + (n - (t - s) % n);
        break;
    case kKindWeekly:
        r = WeeklyOnOrAfter(pattern, n, s, t);
        break;
    case kKindYearly:
        if (!IsByWeekday(pattern)) {
            // The month and day of Start in the year of t. A 29 February Start falls on
            // 28 February in common years, as the yearly steps (AddMonthsClamped) put it.
            const YearMonthDay ys = start.Ymd();
            const int64_t index = MonthIndex(when.Year(), ys.month);
            std::optional<int64_t> c = ClampedDayOfMonth(index, ys.day);
            if (c && *c < t) c = ClampedDayOfMonth(index + 12, ys.day);
            if (c) r = *c;
            break;
        }
        if (n != 12) break;
        [[fallthrough]];
    case kKindMonthly: {
        if (n == 0) break;
        const YearMonthDay ys = start.Ymd();
        const YearMonthDay yt = when.Ymd();
        int64_t months = (int64_t{yt.year} - ys.year) * 12 + yt.month - ys.month;
        months -= months % n;
        const int day = IsByWeekday(pattern) ? ys.day : static_cast<int>(PatternDay());
        const int64_t index = MonthIndex(ys.year, ys.month) + months;
        std::optional<int64_t> c = DayInMonth(index, day, pattern);
        if (c && *c < t) c = DayInMonth(index + n, day, pattern);
        if (c) r = *c;
        break;
    }
    default:
        break;
    }
    return DateTime::FromDayNumber(r).WithTimeOf(start);
}

namespace {

// One step from day x; a step that cannot be made stays on x.
int64_t StepDay(const EventRecord& e, int64_t x, int direction) {
    const uint32_t n = e.Interval();
    int day = 0;
    int64_t months = direction * int64_t{n};
    switch (KindOf(e.pattern)) {
    case kKindDaily:
        return x + direction * int64_t{n};
    case kKindWeekly:
        return WeeklyStep(e.pattern, n, x, direction);
    case kKindMonthly:
        day = IsByWeekday(e.pattern) ? e.start.Day() : static_cast<int>(e.PatternDay());
        break;
    case kKindYearly:
        day = e.start.Day();
        if (!IsByWeekday(e.pattern)) months = direction * 12;
        break;
    default:
        return x;
    }
    if (n == 0) return x;
    const YearMonthDay ymd = CivilFromDays(x);
    return DayInMonth(MonthIndex(ymd.year, ymd.month) + months, day, e.pattern).value_or(x);
}

} // namespace

DateTime EventRecord::PreviousOccurrence(DateTime x) const {
    if (!IsRecurring()) return start;
    return DateTime::FromDayNumber(StepDay(*this, x.DayNumber(), -1)).WithTimeOf(start);
}

DateTime EventRecord::NextOccurrence(DateTime x) const {
    if (!IsRecurring()) return start;
    return DateTime::FromDayNumber(StepDay(*this, x.DayNumber(), +1)).WithTimeOf(start);
}

DateTimeSpan PatternPeriodLength(uint32_t pattern, uint32_t param) {
    const int64_t n = param & 0xFFFF;
    switch (KindOf(pattern)) {
    case kKindDaily:
        return DateTimeSpan::Days(n);
    case kKindWeekly: {
        // Selected days as Monday = 1 ... Sunday = 7, in week order.
        int days[7];
        int count = 0;
        for (int pos = 1; pos <= 7; ++pos)
            if (pattern & WeekdayBit(pos == 7 ? 1 : pos + 1)) days[count++] = pos;
        if (count == 0) return DateTimeSpan();
        if (count == 1) return DateTimeSpan::Days(7 * n);
        int gap = days[0] + 7 - days[count - 1];
        for (int i = 1; i < count; ++i)
            gap = std::min(gap, days[i] - days[i - 1]);
        return DateTimeSpan::Days(gap);
    }
    case kKindMonthly:
        return DateTimeSpan::Days(28 * n);
    case kKindYearly:
        // The by-weekday form counts its interval in months (always 12) and steps like the
        // monthly forms, 28 days a month at the least. Reading its 12 as years would allow an
        // advance notice reaching back across ten earlier occurrences.
        if (IsByWeekday(pattern)) return DateTimeSpan::Days(28 * n);
        return DateTimeSpan::Days(n == 0 ? 0 : 336);
    default:
        return DateTimeSpan();
    }
}

DateTimeSpan EventRecord::PeriodLength() const {
    if (!IsRecurring()) return DateTimeSpan();
    return PatternPeriodLength(pattern, patternParam);
}

} // namespace zm
