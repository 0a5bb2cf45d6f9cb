#include "print/pagination.h"

#include <algorithm>

namespace zm {
namespace {

constexpr int kNotesIndent = 10 * kUnitsPerMm;
constexpr int kRowGap = 8 * kUnitsPerMm / 10; // 0.8 mm

// The row laid out from `top`, not yet cut to the body.
PlacedRow LayOutRow(std::size_t index, const PrintRow& row, int top, const PageAreas& areas,
                    const PrintOptions& options, const TextMeasurer& measurer) {
    const int lineHeight = measurer.LineHeight(FontRole::Text);
    PlacedRow placed{index, top, top + lineHeight, {}, false};
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

std::vector<PrintPage> Paginate(const std::vector<PrintRow>& rows, const PageAreas& areas,
                                const PrintOptions& options, const TextMeasurer& measurer) {
    const int lineHeight = measurer.LineHeight(FontRole::Text);
    std::vector<PrintPage> pages(1);
    int y = areas.rowsTop;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        PlacedRow placed = LayOutRow(i, rows[i], y, areas, options, measurer);
        if (placed.bottom > areas.body.bottom && !pages.back().rows.empty()) {
            pages.push_back({static_cast<int>(pages.size()) + 1, {}});
            y = areas.rowsTop;
            placed = LayOutRow(i, rows[i], y, areas, options, measurer);
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
