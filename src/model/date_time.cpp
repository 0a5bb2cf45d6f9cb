#include "model/date_time.h"

#include "platform/clock.h"

#include <cmath>

namespace zm {

DateTime DateTime::FromParts(int year, int month, int day, int hour, int minute, int second) {
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59)
        return Invalid();
    return FromSeconds(DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 +
                       minute * 60 + second);
}

DateTime DateTime::FromOle(double days) {
    // The day numbers of 1 January 100 and 31 December 9999.
    constexpr double kLow = -657434.0;
    constexpr double kHigh = 2958466.0;
    if (!std::isfinite(days) || days <= kLow - 1 || days >= kHigh) return Invalid();
    const double whole = std::trunc(days);
    const double fraction = std::fabs(days - whole);
    int64_t secs = static_cast<int64_t>(std::llround(fraction * kSecondsPerDay));
    int64_t day = static_cast<int64_t>(whole);
    // A time of day that rounds up to 24:00 is the next midnight, forward in time.
    if (secs >= kSecondsPerDay) {
        secs -= kSecondsPerDay;
        day += 1;
    }
    // The years' bounds as day numbers: no calendar arithmetic for each of the many dates read.
    constexpr int64_t kFirstDay = DaysFromCivil(kMinYear, 1, 1);
    constexpr int64_t kLastDay = DaysFromCivil(kMaxYear, 12, 31);
    if (day < kFirstDay || day > kLastDay) return Invalid();
    return FromSeconds(day * kSecondsPerDay + secs);
}

double DateTime::ToOle() const {
    const int64_t day = DayNumber();
    const double fraction = static_cast<double>(SecondsOfDay()) / kSecondsPerDay;
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

int DateTime::DayOfYear() const {
    const YearMonthDay ymd = Ymd();
    return static_cast<int>(DayNumber() - DaysFromCivil(ymd.year, 1, 1)) + 1;
}

DateTime LocalNow(const Clock& clock) {
    const CivilTime t = clock.LocalNow();
    return DateTime::FromParts(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

DateTime SystemNow() {
    return LocalNow(SystemClock());
}

} // namespace zm
