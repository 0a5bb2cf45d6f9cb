#pragma once
// The string table: every text the program shows, addressed by its number.

#include <cstddef>
#include <span>
#include <string>

namespace zm {

enum StringId : int {
#define ZM_STRING(id, name, text) name = id,
#include "res/string_table.inc"
#undef ZM_STRING
};

struct StringEntry {
    int id;
    const char* name;
    const char* text;
};

// The text of a string, or an empty text for a number that is not in the table.
const char* LoadString(int id);

// Every entry, in ascending number order.
std::span<const StringEntry> AllStrings();

} // namespace zm
