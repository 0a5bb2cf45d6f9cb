#pragma once
// Instants and dates on the command line: "YYYY-MM-DD", "YYYY-MM-DDTHH:MM:SS" and the forms
// with a blank instead of the "T" or without the seconds.

#include "model/date_time.h"

#include <optional>
#include <string>
#include <string_view>

namespace zm {

// The instant of the text; a date alone is its midnight. Nothing for any other text or for a
// date or time that does not exist.
std::optional<DateTime> ParseCliInstant(std::string_view text);
// A date alone, "YYYY-MM-DD".
std::optional<DateTime> ParseCliDate(std::string_view text);

// "YYYY-MM-DDTHH:MM:SS"; the zero instant is "1899-12-30T00:00:00".
std::string IsoInstant(DateTime t);
// "YYYY-MM-DD".
std::string IsoDate(DateTime t);

} // namespace zm
