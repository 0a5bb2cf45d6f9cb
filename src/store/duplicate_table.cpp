#include "store/duplicate_table.h"

namespace zm {

void DuplicateTable::Add(uint16_t key, uint32_t matchKey) {
    entries_.emplace(matchKey, key);
}

std::optional<uint16_t> DuplicateTable::Consume(uint32_t matchKey) {
    // Entries are added in ascending key order; the lowest key is the first one added.
    auto [first, last] = entries_.equal_range(matchKey);
    if (first == last) return std::nullopt;
    auto lowest = first;
    for (auto it = first; it != last; ++it)
        if (it->second < lowest->second) lowest = it;
    const uint16_t key = lowest->second;
    entries_.erase(lowest);
    return key;
}

} // namespace zm
