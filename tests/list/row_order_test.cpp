// The order of the list's rows and the header clicks that choose it.

#include "list/row_order.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::At;

ListRow Row(const char* name, uint32_t id, DateTime when = At(2001, 1, 1)) {
    EventRecord e;
    e.name = name;
    e.id = id;
    e.start = when;
    e.listOccurrence = when;
    return MakeListRow(std::move(e));
}

ListRow Birthday(uint32_t id, int bornYear) {
    EventRecord e = testing::Recurring(testing::kYearlyDate, 1, At(bornYear, 5, 1));
    e.SetFlag(kAge, true);
    e.id = id;
    e.listOccurrence = At(2001, 5, 1);
    return MakeListRow(std::move(e));
}

std::vector<uint32_t> IdsSorted(std::vector<ListRow> rows, SortOrder order) {
    std::vector<ListRow> sorted;
    for (ListRow& row : rows) {
        const size_t at = InsertPosition(sorted, row, order);
        sorted.insert(sorted.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
    }
    std::vector<uint32_t> ids;
    for (const ListRow& row : sorted)
        ids.push_back(row.event.id);
    return ids;
}

TEST(RowOrder, EqualRowsPutTheLargerIdFirstAndDescendingReversesAll) {
    auto rows = [] {
        std::vector<ListRow> r;
        r.push_back(Row("same", 5));
        r.push_back(Row("Same", 9));
        r.push_back(Row("alpha", 1));
        return r;
    };
    EXPECT_EQ(IdsSorted(rows(), {kColumnName, false}), (std::vector<uint32_t>{1, 9, 5}));
    EXPECT_EQ(IdsSorted(rows(), {kColumnName, true}), (std::vector<uint32_t>{5, 9, 1}));
}

TEST(RowOrder, AgeSortsAsANumberWithRowsWithoutAgeFirst) {
    std::vector<ListRow> rows;
    rows.push_back(Birthday(1, 1992)); // 9
    rows.push_back(Birthday(2, 1900)); // 101
    rows.push_back(Row("no age", 3));
    rows.push_back(Birthday(4, 1990)); // 11
    EXPECT_EQ(IdsSorted(std::move(rows), {kColumnAge, false}), (std::vector<uint32_t>{3, 1, 4, 2}));
}

TEST(RowOrder, EachColumnComparesItsOwnValue) {
    ListRow early = Row("b", 1, At(2001, 1, 1));
    ListRow late = Row("a", 2, At(2001, 1, 2));
    late.event.duration = TimeAmount::Of(AmountUnit::Hour, 1);
    early.event.duration = TimeAmount::Of(AmountUnit::Minute, 90);
    late.event.key = 3;
    early.event.key = 7;
    late.event.SetPattern(testing::kYearlyDate, 1);
    early.event.SetPattern(testing::kDaily, 1);
    EXPECT_LT(CompareRows(early, late, {kColumnTime, false}), 0);
    EXPECT_GT(CompareRows(early, late, {kColumnName, false}), 0);
    EXPECT_GT(CompareRows(early, late, {kColumnDuration, false}), 0);
    EXPECT_LT(CompareRows(early, late, {kColumnRecurrence, false}), 0);
    EXPECT_GT(CompareRows(early, late, {kColumnKey, false}), 0);
    EXPECT_GT(CompareRows(early, late, {9, false}), 0);
}

TEST(RowOrder, HeaderClicksSortAscendingThenDescendingThenAnotherColumnAscending) {
    SortOrder order; // Time ascending
    order = ClickHeader(order, kColumnName);
    EXPECT_EQ(order, (SortOrder{kColumnName, false}));
    order = ClickHeader(order, kColumnName);
    EXPECT_EQ(order, (SortOrder{kColumnName, true}));
    order = ClickHeader(order, kColumnName);
    EXPECT_EQ(order, (SortOrder{kColumnName, false}));
    order = ClickHeader(ClickHeader(order, kColumnName), kColumnType);
    EXPECT_EQ(order, (SortOrder{kColumnType, false}));
}

} // namespace
} // namespace zm
