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

// The characters typed over a time picker whose selection reaches beyond one of its fields (all
// of its text, after Ctrl+A): they are read together as one typed time as they come, not field
// by field, so "21:30" gives 21:30 whatever the fields held. Each step gives the time of day the
// text so far means, or none while it means none: "2" reads as 02:00, "21:" as 21:00, "21:3" as
// 21:03, "2130" as 21:30, "9:30 p" as 21:30 (the designators as for ParseTimeOfDay).
class TimeTyping {
public:
    explicit TimeTyping(DayHalfNames halves = {}, std::string_view separator = ":");

    // Adds typed characters (UTF-8).
    std::optional<int> Type(std::string_view characters);
    // Backspace: the last character goes.
    std::optional<int> Erase();
    const std::string& Text() const { return text_; }

private:
    std::optional<int> Read() const;

    std::string am_;
    std::string pm_;
    std::string separator_;
    std::string text_;
};

// The picker's time format in the letters of the widget toolkit's time fields: the day-half
// letters "tt" (or "t") become "AP", the toolkit's AM/PM field; quoted text stays as it is.
std::string ToolkitTimeFormat(std::string_view pickerFormat);

// The entry of the half-hour list (00:00 ... 23:30) that opening the list selects: the last one
// not later than the time of day.
int HalfHourEntryAtOrBefore(int secondsOfDay);

} // namespace zm
