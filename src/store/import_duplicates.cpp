#include "store/import_duplicates.h"

namespace zm {

int ImportDuplicateTable::find(uint32_t match) const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (!entries_[i].consumed && entries_[i].match == match) return static_cast<int>(i);
    return -1;
}

} // namespace zm
