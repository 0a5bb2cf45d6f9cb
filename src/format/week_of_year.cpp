#include "format/week_of_year.h"

namespace zm {
namespace {

// How many days of its week lie before the first day of the year (0-6): 0 when 1 January is the
// first day of its week.
int OffsetOfJan1(int year, int firstDayOfWeek) {
    const int e = DayOfWeekFromDays(DaysFromCivil(year, 1, 1)); // 1 = Sunday
    int f = e - firstDayOfWeek + 5;
    if (f >= 7) f -= 7;
    return f;
}

int DaysInYear(int year) {
    return IsLeapYear(year) ? 366 : 365;
}

} // namespace

int WeekOfYear(DateTime date, int firstDayOfWeek, int firstWeekRule) {
    if (!date.IsValid()) return 1;
    if (firstDayOfWeek < 0 || firstDayOfWeek > 6) firstDayOfWeek = 0;
    // The most days of the year's first week that may lie in the year before while the week
    // still counts as week 1.
    const int threshold = firstWeekRule == kFirstFourDayWeek ? 3
                          : firstWeekRule == kFirstFullWeek  ? 0
                                                             : 7;

    // The last day of the date's week decides. Our weekday numbers run 1 = Sunday ... 7 =
    // Saturday; the setting's run 0 = Monday ... 6 = Sunday.
    const int64_t day = date.DayNumber();
    const int firstDow = (firstDayOfWeek + 1) % 7 + 1;
    const int intoWeek = (DayOfWeekFromDays(day) - firstDow + 7) % 7;
    const int64_t last = day + 6 - intoWeek;

    const YearMonthDay ymd = CivilFromDays(last);
    const int dayOfYear = static_cast<int>(last - DaysFromCivil(ymd.year, 1, 1)) + 1;
    const int k = (dayOfYear - 1) / 7;
    if (OffsetOfJan1(ymd.year, firstDayOfWeek) <= threshold) return k + 1;
    if (k > 0) return k;
    // The week belongs to the year before: count on from that year's 1 January.
    const int previous = ymd.year - 1;
    const int kPrevious = (dayOfYear + DaysInYear(previous) - 1) / 7;
    return OffsetOfJan1(previous, firstDayOfWeek) <= threshold ? kPrevious + 1 : kPrevious;
}

} // namespace zm
