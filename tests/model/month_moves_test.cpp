#include "model/month_moves.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {
using testing::At;

TEST(AddMonthsClamped, MovesClampsCarriesTheYearAndDropsTheTime) {
    struct Case {
        DateTime from;
        int day;
        int64_t months;
        DateTime expected;
    } cases[] = {
        {At(2023, 1, 31, 9, 30), 31, 1, At(2023, 2, 28)},
        {At(2024, 1, 31), 31, 1, At(2024, 2, 29)},
        {At(2024, 3, 31), 31, -1, At(2024, 2, 29)},
        {At(2024, 1, 15), 15, -1, At(2023, 12, 15)},
        {At(2024, 1, 15), 15, -13, At(2022, 12, 15)},
        {At(2024, 12, 1), 30, 2, At(2025, 2, 28)},
        {At(2024, 2, 29), 29, 12, At(2025, 2, 28)},
        {At(2025, 2, 28), 29, -12, At(2024, 2, 29)},
        {At(2024, 4, 30), 31, 0, At(2024, 4, 30)},
        {At(2000, 6, 10), 10, 480, At(2040, 6, 10)},
    };
    for (const Case& c : cases) {
        const std::optional<DateTime> r = AddMonthsClamped(c.from, c.day, c.months);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(*r, c.expected) << c.from.TotalSeconds() << " + " << c.months;
    }
}

TEST(AddMonthsClamped, FailsOutsideTheYearsAndForADayBelowOne) {
    EXPECT_FALSE(AddMonthsClamped(At(9999, 12, 1), 1, 1));
    EXPECT_FALSE(AddMonthsClamped(At(100, 1, 1), 1, -1));
    EXPECT_FALSE(AddMonthsClamped(At(2024, 1, 1), 0, 1));
}

TEST(NthWeekdayOfMonth, FindsEachOrdinal) {
    const uint32_t friday = kFriday;
    struct Case {
        DateTime month;
        uint32_t ordinal;
        DateTime expected;
    } cases[] = {
        {At(2024, 3, 20), kOrdFirst, At(2024, 3, 1)}, {At(2024, 3, 1), kOrdSecond, At(2024, 3, 8)},
        {At(2024, 3, 1), kOrdThird, At(2024, 3, 15)}, {At(2024, 3, 1), kOrdFourth, At(2024, 3, 22)},
        {At(2024, 3, 1), kOrdLast, At(2024, 3, 29)}, // five Fridays: the fifth
        {At(2024, 4, 1), kOrdLast, At(2024, 4, 26)}, // four Fridays: the fourth
        {At(2024, 2, 1), kOrdLast, At(2024, 2, 23)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NthWeekdayOfMonth(c.month, friday | c.ordinal), c.expected);
}

} // namespace
} // namespace zm
