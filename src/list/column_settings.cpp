#include "list/column_settings.h"

#include "list/cell_texts.h"
#include "platform/setting_table.h"

#include <algorithm>
#include <string>

namespace zm {
namespace {

constexpr const char* kOrderKey = "MainWindow/ColumnOrder";
constexpr const char* kSortKey = "MainWindow/Sort";
constexpr const char* kUserWidthsKey = "MainWindow/UserColumnWidths";
constexpr size_t kOrderBytes = 4 * kListColumnCount;

std::string WidthKey(int column) {
    return std::string("MainWindow/Columns/") + ColumnTitle(column);
}

std::string ToHex(std::span<const uint8_t> bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 15];
    }
    return text;
}

std::optional<std::vector<uint8_t>> FromHex(std::string_view text) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int hi = digit(text[i]);
        const int lo = digit(text[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(hi << 4 | lo));
    }
    return bytes;
}

} // namespace

std::vector<uint8_t> ColumnOrderBlock(const std::array<int, kListColumnCount>& order) {
    std::vector<uint8_t> block;
    for (int index : order)
        for (int shift = 0; shift < 32; shift += 8)
            block.push_back(static_cast<uint8_t>(static_cast<uint32_t>(index) >> shift));
    return block;
}

std::optional<std::array<int, kListColumnCount>>
ColumnOrderFromBlock(std::span<const uint8_t> block) {
    if (block.size() != kOrderBytes) return std::nullopt;
    std::array<int, kListColumnCount> order{};
    std::array<bool, kListColumnCount> seen{};
    for (int i = 0; i < kListColumnCount; ++i) {
        uint32_t v = 0;
        for (int b = 3; b >= 0; --b)
            v = v << 8 | block[static_cast<size_t>(i * 4 + b)];
        if (v >= kListColumnCount || seen[v]) return std::nullopt;
        seen[v] = true;
        order[static_cast<size_t>(i)] = static_cast<int>(v);
    }
    return order;
}

SortOrder SortFromWord(uint32_t word) {
    return SortOrder{std::min<int>(static_cast<int>(word & 0xFFFF), kColumnKey), (word >> 16) == 1};
}

uint32_t SortWord(SortOrder sort) {
    const auto column =
        static_cast<uint32_t>(std::clamp(sort.column, 0, static_cast<int>(kColumnKey)));
    return column | (sort.descending ? 1u << 16 : 0u);
}

ColumnLayout ReadColumnLayout(const Settings& settings) {
    ColumnLayout layout;
    for (int c = 0; c < kListColumnCount; ++c) {
        const auto text = settings.Read(WidthKey(c));
        const auto width = text ? ParseSettingInt(*text) : std::nullopt;
        if (width && *width >= 0 && *width <= kMaxColumnWidth)
            layout.widths[static_cast<size_t>(c)] = static_cast<int>(*width);
    }
    if (const auto text = settings.Read(kOrderKey))
        if (const auto bytes = FromHex(*text))
            if (const auto order = ColumnOrderFromBlock(*bytes)) layout.order = *order;
    if (const auto text = settings.Read(kSortKey))
        if (const auto word = ParseSettingInt(*text))
            layout.sort = SortFromWord(static_cast<uint32_t>(*word));
    if (const auto text = settings.Read(kUserWidthsKey))
        if (const auto mask = ParseSettingInt(*text); mask && *mask >= 0)
            layout.userWidths = static_cast<uint32_t>(*mask) & ((1u << kListColumnCount) - 1);
    return layout;
}

void WriteColumnLayout(Settings& settings, const ColumnLayout& layout) {
    for (int c = 0; c < kListColumnCount; ++c)
        settings.Write(WidthKey(c), std::to_string(std::clamp(layout.widths[static_cast<size_t>(c)],
                                                              0, kMaxColumnWidth)));
    settings.Write(kOrderKey, ToHex(ColumnOrderBlock(layout.order)));
    settings.Write(kSortKey, std::to_string(SortWord(layout.sort)));
    settings.Write(kUserWidthsKey, std::to_string(layout.userWidths));
}

} // namespace zm

namespace zm {

int FittingColumnWidth(int titleWidth, int widestCellWidth, bool displayedFirst) {
    constexpr int kIconSlots = 48;
    return std::max(titleWidth + 6, widestCellWidth) + 8 + (displayedFirst ? kIconSlots : 0);
}

} // namespace zm
