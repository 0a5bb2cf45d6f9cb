#pragma once
// What the user types into a time field: a time of day ("9:30", "21.05", "9:30 pm", "7 am"),
// or, after a "+", an amount from now ("+2 hours", "+45").

#include "model/date_time.h"

#include <optional>
#include <string>
#include <string_view>

namespace zm {

// The designators of the user's locale, matched without regard to letter case; their first
// letters alone are understood too ("9:30 p").
struct DayHalfNames {
    std::string_view am = "AM";
    std::string_view pm = "PM";
};

// Seconds since midnight of a typed time of day: an hour, then optionally minutes and seconds
// after a ':' or '.' (or the locale's own separator), then optionally a designator. With a
// designator the hour runs 1 to 12, without it 0 to 23. None for anything else.
std::optional<int> ParseTimeOfDay(std::string_view text, DayHalfNames halves = {},
                                  std::string_view separator = ":");

struct TypedTime {
    bool ok = false;
    // The moment meant: the date stays that of `now` for a time of day; "+amount" is now plus
    // the amount, which may be on a later day.
    DateTime moment;
    bool relative = false;
};

// A time of day, or when that fails and the text starts with "+", now plus the amount that
// follows (zero allowed).
TypedTime ReadTypedTime(std::string_view text, DateTime now, DayHalfNames halves = {},
                        std::string_view separator = ":");

// The picker's time format in the letters of the widget toolkit's time fields: the day-half
// letters "tt" (or "t") become "AP", the toolkit's AM/PM field; quoted text stays as it is.
std::string ToolkitTimeFormat(std::string_view pickerFormat);

// The entry of the half-hour list (00:00 ... 23:30) that opening the list selects: the last one
// not later than the time of day.
int HalfHourEntryAtOrBefore(int secondsOfDay);

} // namespace zm
