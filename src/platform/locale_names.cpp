#include "platform/locale_names.h"

namespace zm {
namespace {
const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
bool DayOk(int dow) {
    return dow >= 1 && dow <= 7;
}
bool MonthOk(int m) {
    return m >= 1 && m <= 12;
}
} // namespace

std::string EnglishLocaleNames::LongDayName(int dow) const {
    return DayOk(dow) ? kDays[dow - 1] : "";
}
std::string EnglishLocaleNames::ShortDayName(int dow) const {
    return DayOk(dow) ? std::string(kDays[dow - 1], 3) : "";
}
std::string EnglishLocaleNames::LongMonthName(int m) const {
    return MonthOk(m) ? kMonths[m - 1] : "";
}
std::string EnglishLocaleNames::ShortMonthName(int m) const {
    return MonthOk(m) ? std::string(kMonths[m - 1], 3) : "";
}

} // namespace zm
