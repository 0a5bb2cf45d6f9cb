#include "print/pagination.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace zm {
namespace {

constexpr int kNotesIndent = 10 * kUnitsPerMm;
constexpr int kRowGap = 8 * kUnitsPerMm / 10; // 0.8 mm

// The text width of the name's column; none when the columns do not say.
std::optional<int> NameWidth(const std::vector<PrintColumn>& columns) {
    for (const PrintColumn& c : columns)
        if (c.column == kColumnName) return c.textRight - c.textLeft;
    return std::nullopt;
}

// The row laid out from `top`, not yet cut to the body.
PlacedRow LayOutRow(std::size_t index, const PrintRow& row, int top, const PageAreas& areas,
                    const PrintOptions& options, const TextMeasurer& measurer,
                    std::optional<int> nameWidth) {
    const int lineHeight = measurer.LineHeight(FontRole::Text);
    const std::string& name = row.cells[kColumnName];
    std::vector<std::string> nameLines;
    if (nameWidth && *nameWidth > 0 && measurer.TextWidth(FontRole::Text, name) > *nameWidth)
        nameLines = WrapText(name, *nameWidth, FontRole::Text, measurer);
    if (nameLines.empty()) nameLines.push_back(name);
    const int nameBottom = top + lineHeight * static_cast<int>(nameLines.size());
    PlacedRow placed{index, top, std::move(nameLines), nameBottom, {}, false};
    if (options.notes && !row.notes.empty()) {
        const int width = std::max(1, areas.body.Width() - kNotesIndent);
        for (std::string& line : WrapText(row.notes, width, FontRole::Text, measurer)) {
            placed.notes.push_back({std::move(line), placed.bottom});
            placed.bottom += lineHeight;
        }
    }
    placed.bottom += kRowGap;
    return placed;
}

void ClipRow(PlacedRow& row, int bottom, int lineHeight) {
    row.clipped = true;
    row.bottom = std::max(row.top, bottom);
    while (row.nameLines.size() > 1 &&
           row.top + lineHeight * static_cast<int>(row.nameLines.size()) > bottom)
        row.nameLines.pop_back();
    std::erase_if(row.notes, [&](const PlacedLine& l) { return l.top + lineHeight > bottom; });
}

} // namespace

std::vector<PrintRow> ChosenRows(const std::vector<PrintRow>& rows, bool selectionOnly) {
    if (!selectionOnly) return rows;
    std::vector<PrintRow> chosen;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(chosen),
                 [](const PrintRow& r) { return r.selected; });
    return chosen;
}

std::array<int, kListColumnCount>
WidestTexts(const std::vector<PrintRow>& rows,
            const std::array<std::string, kListColumnCount>& titles, const TextMeasurer& measurer) {
    std::array<int, kListColumnCount> widest{};
    for (int column = 0; column < kListColumnCount; ++column) {
        // Types, durations and patterns repeat: each distinct text is measured once.
        std::unordered_set<std::string_view> seen;
        int w = measurer.TextWidth(FontRole::Text, titles[column]);
        for (const PrintRow& row : rows) {
            const std::string& text = row.cells[column];
            if (seen.insert(text).second) w = std::max(w, measurer.TextWidth(FontRole::Text, text));
        }
        widest[column] = w;
    }
    return widest;
}

std::vector<PrintPage> Paginate(const std::vector<PrintRow>& rows, const PageAreas& areas,
                                const PrintOptions& options, const TextMeasurer& measurer,
                                const std::vector<PrintColumn>& columns) {
    const int lineHeight = measurer.LineHeight(FontRole::Text);
    const std::optional<int> nameWidth = NameWidth(columns);
    std::vector<PrintPage> pages(1);
    int y = areas.rowsTop;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        PlacedRow placed = LayOutRow(i, rows[i], y, areas, options, measurer, nameWidth);
        if (placed.bottom > areas.body.bottom && !pages.back().rows.empty()) {
            pages.push_back({static_cast<int>(pages.size()) + 1, {}});
            y = areas.rowsTop;
            placed = LayOutRow(i, rows[i], y, areas, options, measurer, nameWidth);
        }
        if (placed.bottom > areas.body.bottom) {
            // Taller than a whole body: alone on its page, cut at the body's bottom.
            ClipRow(placed, areas.body.bottom, lineHeight);
            pages.back().rows.push_back(std::move(placed));
            if (i + 1 < rows.size()) pages.push_back({static_cast<int>(pages.size()) + 1, {}});
            y = areas.rowsTop;
            continue;
        }
        y = placed.bottom;
        pages.back().rows.push_back(std::move(placed));
    }
    return pages;
}

std::vector<PrintPage> PagesInRange(const std::vector<PrintPage>& pages, int first, int last) {
    const int count = static_cast<int>(pages.size());
    first = std::max(first, 1);
    last = std::min(last, count);
    if (first > last) return {};
    return {pages.begin() + (first - 1), pages.begin() + last};
}

} // namespace zm
