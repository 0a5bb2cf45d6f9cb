#include "res/strings.h"

#include <algorithm>
#include <array>

namespace zm {
namespace {
constexpr StringEntry kEntries[] = {
#define ZM_STRING(id, name, text) {id, #name, text},
#include "res/string_table.inc"
#undef ZM_STRING
};

constexpr bool SortedAndUnique() {
    for (size_t i = 1; i < std::size(kEntries); ++i)
        if (kEntries[i - 1].id >= kEntries[i].id) return false;
    return true;
}
static_assert(SortedAndUnique(), "string_table.inc must be in ascending, unique number order");
} // namespace

const char* LoadString(int id) {
    const auto* it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                                      [](const StringEntry& e, int v) { return e.id < v; });
    return it != std::end(kEntries) && it->id == id ? it->text : "";
}

std::span<const StringEntry> AllStrings() {
    return kEntries;
}

} // namespace zm
