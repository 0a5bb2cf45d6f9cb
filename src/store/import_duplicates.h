#pragma once
// The duplicate table of an import: every stored event's key with its match key. An entry that
// a replacement has used is consumed and matches no further record, so two equal records of one
// file replace one stored event and add the other, as each record of the file stands for one
// event of the library.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zm {

class ImportDuplicateTable {
public:
    void add(uint16_t key, uint32_t match) { entries_.push_back({key, match, false}); }
    // The index of the first entry not yet consumed with this match key, or -1.
    int find(uint32_t match) const;
    uint16_t key(int index) const { return entries_[index].key; }
    void consume(int index) { entries_[index].consumed = true; }
    size_t size() const { return entries_.size(); }

private:
    struct Entry {
        uint16_t key;
        uint32_t match;
        bool consumed;
    };
    std::vector<Entry> entries_;
};

} // namespace zm
