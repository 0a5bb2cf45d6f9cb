#include "ui/print/print_document.h"

#include "format/colour_contrast.h"
#include "list/cell_texts.h"
#include "res/format_text.h"
#include "res/strings.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>

namespace zm {
namespace {

constexpr int kUnitsPerInch = 254;
constexpr int kNotesIndent = 10 * kUnitsPerMm;
constexpr int kRightInset = 2 * kUnitsPerMm / 10;  // 0.2 mm
constexpr int kTitleTopGap = 8 * kUnitsPerMm / 10; // half of the title row's 1.6 mm
constexpr uint32_t kWhite = 0xFFFFFF;

QString Utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

int Units(double mm) {
    return static_cast<int>(std::lround(mm * kUnitsPerMm));
}

QPen LinePen() {
    QPen pen(Qt::black);
    pen.setWidth(2); // 0.2 mm
    return pen;
}

} // namespace

PaperGeometry GeometryOf(const QPageLayout& layout) {
    QPageLayout mm = layout;
    mm.setUnits(QPageLayout::Millimeter);
    const QRectF full = mm.fullRect(QPageLayout::Millimeter);
    const QMarginsF least = mm.minimumMargins();
    PaperGeometry g;
    g.paper = {0, 0, Units(full.width()), Units(full.height())};
    g.printable = {Units(least.left()), Units(least.top()), Units(full.width() - least.right()),
                   Units(full.height() - least.bottom())};
    return g;
}

void MapToPageUnits(QPainter& painter, double dotsPerInchX, double dotsPerInchY) {
    painter.scale(dotsPerInchX / kUnitsPerInch, dotsPerInchY / kUnitsPerInch);
}

PrintDocument::PrintDocument(std::shared_ptr<const PrintSource> source, const Settings& settings,
                             bool metric, const PaperGeometry& geometry, bool selectionOnly)
    : source_(std::move(source)), options_(ReadPrintOptions(settings, metric)), fonts_(settings),
      geometry_(geometry) {
    const PageRect printable =
        PrintableRect(geometry_.paper, geometry_.printable, options_.margins);
    areas_ = LayOutAreas(printable, options_, fonts_);
    rows_ = ChosenRows(source_->rows, selectionOnly);
    std::array<std::string, kListColumnCount> titles;
    for (int column = 0; column < kListColumnCount; ++column)
        titles[column] = ColumnTitle(column);
    columns_ = LayOutColumns(areas_.body, source_->columns, WidestTexts(rows_, titles, fonts_));
    pages_ = Paginate(rows_, areas_, options_, fonts_, columns_);
}

void PrintDocument::DrawPage(QPainter& painter, int index) const {
    if (index < 0 || index >= PageCount()) return;
    const PrintPage& page = pages_[static_cast<size_t>(index)];
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    DrawHeaderAndFooter(painter, page.number);
    DrawFrameAndTitles(painter);
    const PageRect& body = areas_.body;
    painter.setClipRect(QRect(body.left, body.top, body.Width(), body.Height()));
    for (const PlacedRow& placed : page.rows)
        DrawRow(painter, placed);
    painter.restore();
}

void PrintDocument::DrawText(QPainter& painter, FontRole role, int left, int top,
                             const std::string& text, int width, bool alignRight) const {
    const std::string fitted = ElideText(text, width, role, fonts_);
    if (fitted.empty()) return;
    const int x = alignRight ? left + width - fonts_.TextWidth(role, fitted) : left;
    painter.setFont(fonts_.Font(role));
    painter.drawText(QPointF(x, top + fonts_.Ascent(role)), Utf8(fitted));
}

void PrintDocument::DrawHeaderAndFooter(QPainter& painter, int pageNumber) const {
    painter.setPen(Qt::black);
    const PageRect& header = areas_.header;
    if (options_.title)
        DrawText(painter, FontRole::Header, header.left, header.top, LoadString(IDS_PRINT_TITLE),
                 header.Width());
    if (options_.timeSpan)
        DrawText(painter, FontRole::Header, header.left, header.top, source_->timeSpan,
                 header.Width(), true);
    const PageRect& footer = areas_.footer;
    const int footerTop = footer.bottom - fonts_.LineHeight(FontRole::Footer);
    if (options_.dateTime)
        DrawText(painter, FontRole::Footer, footer.left, footerTop, source_->date, footer.Width());
    if (options_.pageNumber)
        DrawText(painter, FontRole::Footer, footer.left, footerTop,
                 FormatText(IDS_PRINT_PAGE, {pageNumber}), footer.Width(), true);
}

void PrintDocument::DrawFrameAndTitles(QPainter& painter) const {
    const PageRect& body = areas_.body;
    const int right = body.right - kRightInset;
    painter.setPen(LinePen());
    painter.drawLine(body.left, body.top, right, body.top);
    painter.drawLine(body.left, body.bottom, right, body.bottom);
    painter.drawLine(body.left, body.top, body.left, body.bottom);
    painter.drawLine(right, body.top, right, body.bottom);
    const int titlesBottom = std::min(areas_.rowsTop, body.bottom);
    for (const PrintColumn& c : columns_) {
        if (c.left > body.left) painter.drawLine(c.left, body.top, c.left, titlesBottom);
    }
    painter.drawLine(body.left, titlesBottom, right, titlesBottom);
    painter.setPen(Qt::black);
    for (const PrintColumn& c : columns_)
        DrawText(painter, FontRole::Text, c.textLeft, body.top + kTitleTopGap,
                 ColumnTitle(c.column), c.textRight - c.textLeft);
}

void PrintDocument::DrawRow(QPainter& painter, const PlacedRow& placed) const {
    const PrintRow& row = rows_[placed.row];
    const PageRect& body = areas_.body;
    const QColor text =
        options_.colour ? QColor::fromRgb(ReadableColour(row.colour, kWhite)) : QColor(Qt::black);
    painter.setPen(text);
    const int lineHeight = fonts_.LineHeight(FontRole::Text);
    for (const PrintColumn& c : columns_) {
        const int width = c.textRight - c.textLeft;
        if (c.column != kColumnName) {
            DrawText(painter, FontRole::Text, c.textLeft, placed.top,
                     row.cells[static_cast<size_t>(c.column)], width);
            continue;
        }
        // The name wrapped to its column, line under line.
        int top = placed.top;
        for (const std::string& line : placed.nameLines) {
            DrawText(painter, FontRole::Text, c.textLeft, top, line, width);
            top += lineHeight;
        }
    }
    for (const PlacedLine& line : placed.notes)
        DrawText(painter, FontRole::Text, body.left + kNotesIndent, line.top, line.text,
                 std::max(1, body.Width() - kNotesIndent));
    painter.setPen(LinePen());
    if (!options_.notes) {
        for (const PrintColumn& c : columns_)
            if (c.left > body.left) painter.drawLine(c.left, placed.top, c.left, placed.bottom);
    }
    if (placed.bottom < body.bottom)
        painter.drawLine(body.left, placed.bottom, body.right - kRightInset, placed.bottom);
}

} // namespace zm
