#pragma once
// One print job's pages: the list's rows as they were when the job began, laid out on the paper
// with the options, margins and fonts the settings hold, and drawn page by page on a printer or
// on the preview. Text is printed on white in black, or in each type's colour kept readable on
// white, whatever the window colours.

#include "list/column_settings.h"
#include "print/page_layout.h"
#include "print/pagination.h"
#include "print/print_options.h"
#include "ui/print/print_fonts.h"

#include <memory>
#include <string>
#include <vector>

class QPageLayout;
class QPainter;

namespace zm {

// What a job takes from the main window when it begins.
struct PrintSource {
    std::vector<PrintRow> rows; // the list's rows in list order, with their selection
    ColumnLayout columns;       // the list's column widths and order on screen
    std::string timeSpan;       // the period caption
    std::string date;           // today in the long date form, for the footer
};

// The paper and the device's printable area, from the paper's top left, in page lengths.
struct PaperGeometry {
    PageRect paper;
    PageRect printable;
    friend bool operator==(const PaperGeometry&, const PaperGeometry&) = default;
};
PaperGeometry GeometryOf(const QPageLayout& layout);

class PrintDocument {
public:
    // Lays out the source's rows (only the selected ones with `selectionOnly`).
    PrintDocument(std::shared_ptr<const PrintSource> source, const Settings& settings, bool metric,
                  const PaperGeometry& geometry, bool selectionOnly);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    const PageRect& Paper() const { return geometry_.paper; }
    const PrintOptions& Options() const { return options_; }
    // Draws page `index` (from 0). One painter unit must be a tenth of a millimetre from the
    // paper's top left (see MapToPageUnits).
    void DrawPage(QPainter& painter, int index) const;

private:
    void DrawHeaderAndFooter(QPainter& painter, int pageNumber) const;
    void DrawFrameAndTitles(QPainter& painter) const;
    void DrawRow(QPainter& painter, const PlacedRow& placed) const;
    void DrawText(QPainter& painter, FontRole role, int left, int top, const std::string& text,
                  int width, bool alignRight = false) const;

    std::shared_ptr<const PrintSource> source_;
    PrintOptions options_;
    PrintFonts fonts_;
    PaperGeometry geometry_;
    PageAreas areas_;
    std::vector<PrintColumn> columns_;
    std::vector<PrintRow> rows_;
    std::vector<PrintPage> pages_;
};

// Maps the painter so that one unit is a tenth of a millimetre on a device of that resolution.
void MapToPageUnits(QPainter& painter, double dotsPerInchX, double dotsPerInchY);

} // namespace zm
