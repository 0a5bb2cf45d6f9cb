#pragma once
// The question asked before the selected events are deleted.

#include <cstddef>
#include <string>
#include <string_view>

namespace zm {

// One event: "Are you sure you want to delete '<name>' event?", a name of 128 characters or
// more cut to its first 124 and "..."; several: "Are you sure you want to delete these <count>
// events?".
std::string DeleteQuestion(size_t count, std::string_view firstName);

} // namespace zm
