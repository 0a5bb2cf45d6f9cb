#pragma once
// What the event list remembers of its columns: each column's width (an entry named by the
// column's title), the display order (a 24-byte block of six 32-bit column indexes) and the sort
// (one number: the column in the low 16 bits, 1 in the high 16 bits for descending).

#include "list/row_order.h"
#include "platform/settings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zm {

inline constexpr std::array<int, kListColumnCount> kDefaultColumnWidths{330, 135, 90, 50, 90, 120};
inline constexpr std::array<int, kListColumnCount> kDefaultColumnOrder{0, 1, 2, 3, 4, 5};
inline constexpr int kMaxColumnWidth = 10000;

struct ColumnLayout {
    std::array<int, kListColumnCount> widths = kDefaultColumnWidths;
    std::array<int, kListColumnCount> order = kDefaultColumnOrder; // column indexes, left first
    SortOrder sort;
    // The columns whose width the user set by dragging a divider, one bit per column; the
    // others follow their content.
    uint32_t userWidths = 0;
};

// The order block as stored: six 32-bit little-endian indexes.
std::vector<uint8_t> ColumnOrderBlock(const std::array<int, kListColumnCount>& order);
// The order of a stored block; nothing unless it is 24 bytes holding each of 0 to 5 once.
std::optional<std::array<int, kListColumnCount>>
ColumnOrderFromBlock(std::span<const uint8_t> block);

// The sort of a stored word: a column above 6 reads as 6 (the storage key).
SortOrder SortFromWord(uint32_t word);
uint32_t SortWord(SortOrder sort);

// Reads the layout; each missing or damaged part reads as its default (Time ascending for the
// sort, the creation order, the default widths).
ColumnLayout ReadColumnLayout(const Settings& settings);
void WriteColumnLayout(Settings& settings, const ColumnLayout& layout);

} // namespace zm

namespace zm {

// The width a double click on a column's header divider gives it: the wider of its title plus 6
// and its widest cell text, plus 8, plus the icon slots when the column is displayed first.
int FittingColumnWidth(int titleWidth, int widestCellWidth, bool displayedFirst);

} // namespace zm
