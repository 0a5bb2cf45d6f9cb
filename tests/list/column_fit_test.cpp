// The event list's columns: fitted to their content, the Name column taking what is left, and
// the user's own widths kept.

#include "list/column_fit.h"

#include <gtest/gtest.h>

namespace zm::testing {
namespace {

constexpr ColumnWidths kNeeded{120, 150, 60, 40, 90, 110}; // 570 in all
constexpr ColumnWidths kCurrent{330, 135, 90, 50, 90, 120};

TEST(ColumnFit, ColumnsFollowTheirContentAndTheNameTakesTheRest) {
    const struct {
        uint32_t users;
        int available;
        ColumnWidths widths;
    } cases[] = {
        // Wide: nothing is cut and nothing is left empty.
        {0, 1200, {750, 150, 60, 40, 90, 110}},
        // Exactly wide enough, and too narrow: every column keeps what its content needs
        // (the list scrolls).
        {0, 570, {120, 150, 60, 40, 90, 110}},
        {0, 400, {120, 150, 60, 40, 90, 110}},
        // The user's Time and Recurrence widths stay; the others still fit.
        {(1u << kColumnTime) | (1u << kColumnRecurrence), 1000, {555, 135, 60, 40, 90, 120}},
        // The user's Name width stays too: then the rest is left as it is.
        {1u << kColumnName, 1200, {330, 150, 60, 40, 90, 110}},
    };
    for (const auto& c : cases) {
        ColumnFitter fitter;
        fitter.SetUserMask(c.users);
        EXPECT_EQ(fitter.Fit(kNeeded, kCurrent, c.available), c.widths)
            << c.users << " " << c.available;
    }
}

TEST(ColumnFit, ADraggedDividerIsTheUsers) {
    ColumnFitter fitter;
    fitter.TakeUserWidth(kColumnTime);
    fitter.TakeUserWidth(kColumnAge);
    fitter.TakeUserWidth(kListColumnCount); // no such column
    EXPECT_EQ(fitter.UserMask(), (1u << kColumnTime) | (1u << kColumnAge));
    EXPECT_TRUE(fitter.IsUsers(kColumnTime));
    EXPECT_FALSE(fitter.IsUsers(kColumnName));
    fitter.SetUserMask(0xFFFFFFFFu); // a stored mask keeps only the six columns
    EXPECT_EQ(fitter.UserMask(), 0x3Fu);
}

} // namespace
} // namespace zm::testing
