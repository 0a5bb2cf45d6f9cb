#pragma once
// Comparing names without regard to letter case, as type names, filter names and menu names
// are compared. Letters of the Latin, Greek and Cyrillic alphabets fold to lower case; other
// characters compare as they are.

#include <string>
#include <string_view>

namespace zm {

// The name with its letters in lower case (UTF-8 in, UTF-8 out).
std::string NoCaseKey(std::string_view s);

bool NoCaseEqual(std::string_view a, std::string_view b);

// Ordering for sorted lists: by folded bytes, then by the original bytes.
bool NoCaseLess(std::string_view a, std::string_view b);

// The name without blanks (spaces, tabs, line breaks) at either end.
std::string TrimBlanks(std::string_view s);

} // namespace zm
