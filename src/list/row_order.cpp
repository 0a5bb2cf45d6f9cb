#include "list/row_order.h"

#include <algorithm>

namespace zm {
namespace {

template <class T> int Compare3(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareColumn(const ListRow& a, const ListRow& b, int column) {
    switch (column) {
    case kColumnName:
        return a.nameKey.compare(b.nameKey);
    case kColumnTime:
        return Compare3(a.event.listOccurrence, b.event.listOccurrence);
    case kColumnDuration:
        return Compare3(a.event.DurationSpan(), b.event.DurationSpan());
    case kColumnAge:
        return Compare3(a.age, b.age); // -1 (no age) before every age
    case kColumnType:
        return a.typeKey.compare(b.typeKey);
    case kColumnRecurrence:
        return Compare3(a.event.Kind(), b.event.Kind());
    default:
        return Compare3(a.event.key, b.event.key);
    }
}

} // namespace

int CompareRows(const ListRow& a, const ListRow& b, SortOrder order) {
    int result = CompareColumn(a, b, order.column);
    if (result == 0) result = Compare3(b.event.id, a.event.id); // the larger Id first
    result = result < 0 ? -1 : (result > 0 ? 1 : 0);
    return order.descending ? -result : result;
}

SortOrder ClickHeader(SortOrder current, int column) {
    const bool wasAscending = current.column == column && !current.descending;
    return SortOrder{column, wasAscending};
}

size_t InsertPosition(const std::vector<ListRow>& rows, const ListRow& row, SortOrder order) {
    const auto at = std::upper_bound(
        rows.begin(), rows.end(), row,
        [order](const ListRow& a, const ListRow& b) { return SortsBefore(a, b, order); });
    return static_cast<size_t>(at - rows.begin());
}

} // namespace zm
