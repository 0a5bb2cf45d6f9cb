#pragma once
// The clock's default format: the locale's long time format turned into the clock's picture
// language.

#include "format/locale_description.h"

#include <string>
#include <string_view>

namespace zm {

// The format the clock shows when the locale gives no long time format.
inline constexpr std::string_view kFallbackClockFormat = "hh:mm:ss tt";

// Translates a time picture in the platform's letters into the clock's picture language:
// h/hh (12-hour when the picture has AP, else 24-hour), H/HH, m/mm, s/ss as they are; AP, ap,
// A and a become tt; t (the time-zone name) becomes ZZ; z and zzz (milliseconds, always zero
// for whole-second moments) become '0' and '000'; d/M/yy/yyyy stay. Literal text is kept,
// quoted where it would otherwise read as a code. Codes of the same letter that follow each
// other are kept apart with "~".
std::string ClockFormatFromPlatformPicture(std::string_view picture);

// The locale's long time format in the clock's language, or "hh:mm:ss tt" when there is none.
std::string DefaultClockFormat(const LocaleDescription& locale);

} // namespace zm
