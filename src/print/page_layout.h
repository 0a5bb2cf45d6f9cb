#pragma once
// The geometry of a printed page: the printable rectangle, the header, footer and body areas,
// the list's columns scaled to the page, and notes wrapped to a width. All in page lengths.

#include "list/column_settings.h"
#include "print/print_options.h"
#include "print/text_measurer.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const PageRect&, const PageRect&) = default;
};

// The paper less the margins, kept inside the device's printable area (both measured from the
// paper's top left). Margins that leave nothing give the printable area itself.
PageRect PrintableRect(const PageRect& paper, const PageRect& printableArea, const Edges& margins);

// One line height plus 1 mm when shown, else 0.
int HeaderHeight(const PrintOptions& options, const TextMeasurer& measurer);
int FooterHeight(const PrintOptions& options, const TextMeasurer& measurer);
// The column titles' row: the text height plus 1.6 mm.
int ColumnHeaderHeight(const TextMeasurer& measurer);

struct PageAreas {
    PageRect header; // empty when no header is shown
    PageRect footer;
    PageRect body;   // between them, framed; the column titles at its top
    int rowsTop = 0; // below the column titles (may pass body.bottom on a tiny page)
};
PageAreas LayOutAreas(const PageRect& printable, const PrintOptions& options,
                      const TextMeasurer& measurer);

struct PrintColumn {
    int column = 0; // ListColumn
    int left = 0;   // where its separator stands
    int right = 0;
    int textLeft = 0; // 1 mm inside
    int textRight = 0;
};
// The six columns in display order across the body, none lost on paper: each column is as
// wide as its widest text (`widest`, by ListColumn, its title included) plus 1 mm either side,
// and the name takes what is left (its text wraps). When the others need more, the name keeps
// a tenth of the width (or what it needs, if less) and the others share the rest: the narrower
// ones whole, the widest cut to one equal width. A column the screen shows with no width stays
// without one (unless all are so). The columns end 0.2 mm inside the right edge.
std::vector<PrintColumn> LayOutColumns(const PageRect& body, const ColumnLayout& screen,
                                       const std::array<int, kListColumnCount>& widest);

// A cell's text cut at a character boundary to fit the width (nothing when not even one
// character fits).
std::string FitText(std::string_view text, int width, FontRole role, const TextMeasurer& measurer);

// The text, or when it does not fit the width its longest start that fits followed by an
// ellipsis ("\u2026"), so a cut is always seen; nothing when not even the ellipsis fits.
std::string ElideText(std::string_view text, int width, FontRole role,
                      const TextMeasurer& measurer);

// Notes word-wrapped to the width: line breaks kept, words longer than a line broken between
// characters, never an endless loop (each line takes at least one character).
std::vector<std::string> WrapText(std::string_view text, int width, FontRole role,
                                  const TextMeasurer& measurer);

} // namespace zm
