#pragma once
// The duplicate table of a merge: the key of every event stored before the merge began, with
// the match key that recognises the same event in the file being merged (its Id, or its
// content signature when that file is of an older version). Each stored event can be matched
// once: an entry that an imported event replaced is consumed.

#include <cstdint>
#include <optional>
#include <unordered_map>

namespace zm {

class DuplicateTable {
public:
    void Add(uint16_t key, uint32_t matchKey);
    bool Empty() const { return entries_.empty(); }
    // Whether an entry with the match key is not consumed yet.
    bool Contains(uint32_t matchKey) const { return entries_.count(matchKey) != 0; }
    // Consumes the first-added unconsumed entry with the match key and gives its event key.
    std::optional<uint16_t> Consume(uint32_t matchKey);

private:
    std::unordered_multimap<uint32_t, uint16_t> entries_;
};

} // namespace zm
