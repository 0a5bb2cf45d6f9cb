#pragma once
// The order of the list's rows: by one of the six columns or by storage key, rows that compare
// equal by the larger Id first, everything reversed in descending direction.

#include "list/list_row.h"

#include <cstddef>
#include <vector>

namespace zm {

enum ListColumn : int {
    kColumnName = 0,
    kColumnTime = 1,
    kColumnDuration = 2,
    kColumnAge = 3,
    kColumnType = 4,
    kColumnRecurrence = 5,
    kColumnKey = 6, // and above: the storage key
};
inline constexpr int kListColumnCount = 6;

struct SortOrder {
    int column = kColumnTime;
    bool descending = false;
    friend bool operator==(const SortOrder&, const SortOrder&) = default;
};

// Below zero when a comes first, above zero when b does, zero for the same event. Name and
// Type compare without regard to letter case, Age as a number with rows without an age first,
// Recurrence by the pattern kind.
int CompareRows(const ListRow& a, const ListRow& b, SortOrder order);
inline bool SortsBefore(const ListRow& a, const ListRow& b, SortOrder order) {
    return CompareRows(a, b, order) < 0;
}

// A click on a column header: ascending, unless the column already sorts ascending, then
// descending.
SortOrder ClickHeader(SortOrder current, int column);

// Where a row goes in a sorted list: before the first row that sorts after it.
size_t InsertPosition(const std::vector<ListRow>& rows, const ListRow& row, SortOrder order);

} // namespace zm
