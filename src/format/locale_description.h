#pragma once
// What the user's regional settings say about dates and times, as the platform reports it. The
// platform fills one at start-up; tests fill one by hand. A default description is what a
// platform that answers nothing gives: month-day-year order, two-digit year, no leading zeros,
// 12-hour clock, separators "/" and ":", English names.

#include <array>
#include <string>

namespace zm {

struct LocaleDescription {
    int dateOrder = 0;    // 0 month-day-year, 1 day-month-year, 2 year-month-day
    bool century = false; // four-digit year
    bool dayLeadingZero = false;
    bool monthLeadingZero = false;
    bool hourLeadingZero = false;
    bool is24Hour = false;

    // Separators as the platform gives them; empty when it gives none. The full separator is
    // shown up to 3 characters; the compact one only when it is a single character.
    std::string dateSeparator;
    std::string compactDateSeparator;
    std::string timeSeparator;
    std::string compactTimeSeparator;

    // Index 0 is Sunday / January.
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 12> longMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";

    // The locale's long time format in the platform's picture letters (h/hh hour, 12-hour only
    // with AP, H/HH 24-hour, m/mm, s/ss, z/zzz milliseconds, AP/ap/A/a AM/PM, t time zone, quoted
    // text in '...'), for example "h:mm:ss AP t"; empty when the platform gives none.
    std::string longTimeFormat;
};

} // namespace zm
