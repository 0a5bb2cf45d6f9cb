#pragma once
// The final pass over the intermediate form that both the locale formats and the clock's picture
// language produce: strftime-style conversions (%d %#d %m %#m %y %#y %Y %a %A %b %B %H %#H %I %#I
// %M %#M %S %#S %p %j %#j %U %#U %z %%) expanded for a moment. Names come from the locale
// description, never from the C library, so the result does not depend on the process locale.
//
// A "%" that does not start one of these conversions is copied as it stands, together with a
// "#" after it, and the text goes on with the next character ("%Q" stays "%Q", a trailing "%"
// stays "%").
//
// The result holds at most 127 characters; what lies beyond is cut off (a name that crosses the
// limit is shown up to it).

#include "format/locale_description.h"
#include "model/date_time.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zm {

inline constexpr std::size_t kMaxExpandedLength = 127;

// True for a valid moment in years 100 to 9999, the instants the program can show.
bool IsShowableMoment(DateTime moment);

// Expands the conversions of the pattern for the moment; zoneName is the text of %z. A moment
// that cannot be shown (IsShowableMoment) gives empty text.
std::string ExpandConversions(std::string_view pattern, DateTime moment,
                              const LocaleDescription& locale, std::string_view zoneName);

} // namespace zm
