#pragma once
// How the event list's columns share the list's width. Each column is as wide as its title and
// its widest text need; the Name column takes what is left over, so no width stays empty while a
// column is cut. A column whose divider the user has dragged (or double-clicked) keeps the
// user's width.

#include "list/row_order.h"

#include <array>
#include <cstdint>

namespace zm {

using ColumnWidths = std::array<int, kListColumnCount>;

class ColumnFitter {
public:
    // The user dragged the divider of `column`: its width is the user's from now on.
    void TakeUserWidth(int column);
    bool IsUsers(int column) const;
    // The columns with the user's widths, one bit per column (as stored).
    uint32_t UserMask() const { return userMask_; }
    void SetUserMask(uint32_t mask);

    // The widths for `needed` (each column's content width), the widths as they stand and the
    // width the list has for its columns.
    ColumnWidths Fit(const ColumnWidths& needed, const ColumnWidths& current, int available) const;

private:
    uint32_t userMask_ = 0;
};

} // namespace zm
