#pragma once
// The clock's picture language: letter codes (d dd ddd dddd, M .. MMMM, y yy yyyy, h hh H HH,
// m mm, s ss, t tt, g gg, w ww, D DDD, ZZ, @), quoted literals ('text', '' for a quote outside a
// literal), "|" for a line break and "~" as an invisible separator between runs. A run of one
// letter is one code ("dddd" is the full weekday name; "dd~dd" is the day twice).
//
// Nothing in the language is an error: characters without a meaning are copied, an unclosed
// quote runs to the end, an empty format gives empty text.
//
// Limits, so that no format can overrun anything: one run or quoted literal holds at most 383
// characters and the characters beyond are dropped (a literal keeps its first 383 characters;
// a run of one letter means the same however long it is); an era or AM/PM text from the platform
// is cut to 383 characters; the shown text is cut to its first 127 characters.
//
// Each "%" outside a literal shows one percent sign, also when several stand together. A "%"
// inside a literal or in a platform text starts a conversion of the final pass (see
// conversion_pass.h).

#include "format/locale_description.h"
#include "format/week_of_year.h"
#include "model/date_time.h"
#include "platform/clock.h"
#include "platform/locale_formatter.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zm {

inline constexpr std::size_t kMaxRunLength = 383;

// What expanding a format needs besides the moment: the locale's names and designators, the
// platform's era and AM/PM texts, and the clock for the time-zone name and the beat (which
// always shows the current time, whatever moment is expanded).
struct DisplayFormatContext {
    const LocaleDescription& locale;
    const LocaleFormatter& formatter;
    const Clock& clock;
    // The week settings: "w" and "ww" give the week number the calendar shows for the day
    // (WeekOfYear), without and with a leading zero. Without them the weeks are counted from
    // the first Sunday of the year (00 to 53).
    const WeekNumbering* weeks = nullptr;
};

// The format turned into the intermediate form for the moment (era, AM/PM and beat texts
// already filled in). Empty for a moment outside years 100 to 9999.
std::string DisplayFormatToIntermediate(std::string_view format, DateTime moment,
                                        const DisplayFormatContext& context);

// The text of the format for the moment: at most 127 characters.
std::string ExpandDisplayFormat(std::string_view format, DateTime moment,
                                const DisplayFormatContext& context);

} // namespace zm
