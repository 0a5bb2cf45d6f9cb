#include "list/column_fit.h"

#include <numeric>

namespace zm {
namespace {

constexpr uint32_t kAllColumns = (1u << kListColumnCount) - 1;

bool Valid(int column) {
    return column >= 0 && column < kListColumnCount;
}

} // namespace

void ColumnFitter::TakeUserWidth(int column) {
    if (Valid(column)) userMask_ |= 1u << column;
}

bool ColumnFitter::IsUsers(int column) const {
    return Valid(column) && (userMask_ & (1u << column)) != 0;
}

void ColumnFitter::SetUserMask(uint32_t mask) {
    userMask_ = mask & kAllColumns;
}

ColumnWidths ColumnFitter::Fit(const ColumnWidths& needed, const ColumnWidths& current,
                               int available) const {
    ColumnWidths widths{};
    for (int c = 0; c < kListColumnCount; ++c)
        widths[c] = IsUsers(c) ? current[c] : needed[c];
    if (IsUsers(kColumnName)) return widths;
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    if (total < available) widths[kColumnName] += available - total;
    return widths;
}

} // namespace zm
