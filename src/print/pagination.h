#pragma once
// Pagination of the rows a print job copied when it began (after the print dialog, so only the
// chosen rows are laid out): every page holds the rows that fit its body below the column
// titles, each with its wrapped note lines and their y positions. It always ends: a row taller
// than a whole body goes, clipped, onto a page of its own, and an empty list gives one page.

#include "list/row_order.h"
#include "print/page_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zm {

// One list row's texts, copied when the job begins so later changes to the list cannot reach
// a running job or preview.
struct PrintRow {
    std::array<std::string, kListColumnCount> cells; // by ListColumn
    std::string notes;
    uint32_t colour = 0; // the type's colour, 0x00RRGGBB
    bool selected = false;
};

struct PlacedLine {
    std::string text;
    int top = 0;
};

struct PlacedRow {
    std::size_t row = 0; // index in the laid-out rows
    int top = 0;
    std::vector<std::string> nameLines; // the name wrapped to its column, one line at least
    int bottom = 0;                // including the gap under the row, at most the body's bottom
    std::vector<PlacedLine> notes; // only the lines that lie inside the body
    bool clipped = false;          // taller than the body: cut at its bottom
};

struct PrintPage {
    int number = 1; // counted from 1 over the whole document
    std::vector<PlacedRow> rows;
};

// The rows to print: all of them, or with `selectionOnly` the selected ones in list order.
std::vector<PrintRow> ChosenRows(const std::vector<PrintRow>& rows, bool selectionOnly);

// The widest text of each column over the rows, its title (`titles`, by ListColumn) included,
// in the text font.
std::array<int, kListColumnCount>
WidestTexts(const std::vector<PrintRow>& rows,
            const std::array<std::string, kListColumnCount>& titles, const TextMeasurer& measurer);

// The name is wrapped to the text width of its column in `columns` (one line when it has none);
// notes are laid out when `options.notes` is on, wrapped from 10 mm right of the body's left,
// under the name's lines.
std::vector<PrintPage> Paginate(const std::vector<PrintRow>& rows, const PageAreas& areas,
                                const PrintOptions& options, const TextMeasurer& measurer,
                                const std::vector<PrintColumn>& columns = {});

// The pages from `first` to `last` (counted from 1), brought into 1 ... page count; they keep
// their numbers. Nothing when the range lies wholly outside.
std::vector<PrintPage> PagesInRange(const std::vector<PrintPage>& pages, int first, int last);

} // namespace zm
