#pragma once
// Proleptic Gregorian calendar arithmetic on day counts (after H. Hinnant's algorithms).
// Day 0 is 30 December 1899, the epoch of the stored day numbers.

#include <cstdint>

namespace zm {

struct YearMonthDay {
    int year;
    int month; // 1-12
    int day;   // 1-31
};

// Days from 30 December 1899 to y-m-d. Preconditions: 1 <= m <= 12, 1 <= d <= 31 (not checked
// against the month's length). Valid for every year an int32 day count can hold.
constexpr int64_t DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;                                   // [0, 399]
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1; // [0, 365]
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + doe - 719468 + 25569;                          // 1970-01-01 is day 25569
}

// Inverse of DaysFromCivil.
constexpr YearMonthDay CivilFromDays(int64_t z) {
    z += 719468 - 25569;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;                                      // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const int64_t y = yoe + era * 400;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);  // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;                       // [0, 11]
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1); // [1, 31]
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);    // [1, 12]
    return YearMonthDay{static_cast<int>(y + (m <= 2)), m, d};
}

constexpr bool IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Length of month m (1-12) of year y.
constexpr int DaysInMonth(int y, int m) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

// Day-of-week number of a day count: 1 = Sunday ... 7 = Saturday. 30 December 1899 was a Saturday.
constexpr int DayOfWeekFromDays(int64_t z) {
    const int64_t r = ((z + 6) % 7 + 7) % 7; // 0 = Sunday
    return static_cast<int>(r) + 1;
}

} // namespace zm
