#pragma once
// The date of a text import: three groups of digits in the order the user chose.

#include "model/date_time.h"

#include <string_view>

namespace zm {

enum ImportDateOrder : int {
    kMonthDayYear = 0,
    kDayMonthYear = 1,
    kYearMonthDay = 2,
};

// The stored date order ("LastImpDateF") as the wizard uses it: below 0 is 0, above 2 is 2.
int ClampDateOrder(int order);

// The year a group of digits stands for: 0 ... 9 are 2000 ... 2009, 10 ... 99 are 1910 ...
// 1999, 100 ... 1752 are 1753, and 1753 ... 9999 are taken as they are.
int ImportYear(int group);

// Midnight of the date, or an Invalid instant. Leading and trailing spaces are skipped; the rest
// must be exactly three groups of 1 to 4 decimal digits, each pair separated by a single '.',
// '/' or '-', taken as month-day-year, day-month-year or year-month-day; the date must exist.
// So a date followed by a time is not a date, and neither is an empty text.
DateTime ParseImportDate(std::string_view text, int order);

} // namespace zm
