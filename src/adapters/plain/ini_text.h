#pragma once
// Reading the INI text of the program's settings file the way QSettings reads it on Linux: a
// [General] section for keys without a group, a [Group] section per group, escaped keys ("%20",
// "%U20AC", "\" for "/") and escaped, possibly quoted values; values the program stores are
// strings, with "@@" for a leading "@" and "@String(...)" for one that holds a null character.

#include <map>
#include <string>
#include <string_view>

namespace zm {

// The values of the text by full key ("Group/Entry", or "Entry" for the [General] section), as
// UTF-8; a later line for the same key replaces an earlier one. A value that QSettings reads
// as something other than a string (a list, or an "@Invalid()") is present and empty.
std::map<std::string, std::string, std::less<>> ParseIniSettings(std::string_view text);

} // namespace zm
