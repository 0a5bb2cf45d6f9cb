#include "print/preview_state.h"

#include "res/format_text.h"
#include "res/strings.h"

#include <algorithm>

namespace zm {
namespace {

constexpr double kUnitsPerInch = 254.0;

} // namespace

PreviewState::PreviewState(int pageCount, int pagesShown)
    : pageCount_(std::max(1, pageCount)), twoPages_(pagesShown == 2) {}

int PreviewState::PagesShown() const {
    return twoPages_ && firstPage_ < pageCount_ ? 2 : 1;
}

bool PreviewState::CanChangePageCount() const {
    return zoom_ == PreviewZoom::WholePage && (pageCount_ > 1 || twoPages_);
}

void PreviewState::GoNext() {
    if (CanGoNext()) firstPage_ = std::min(firstPage_ + Step(), pageCount_);
}

void PreviewState::GoPrevious() {
    if (CanGoPrevious()) firstPage_ = std::max(firstPage_ - Step(), 1);
}

void PreviewState::ChangePageCount() {
    if (CanChangePageCount()) twoPages_ = !twoPages_;
}

void PreviewState::ZoomIn() {
    if (zoom_ == PreviewZoom::WholePage)
        zoom_ = PreviewZoom::Middle;
    else if (zoom_ == PreviewZoom::Middle)
        zoom_ = PreviewZoom::Full;
}

void PreviewState::ZoomOut() {
    if (zoom_ == PreviewZoom::Full)
        zoom_ = PreviewZoom::Middle;
    else if (zoom_ == PreviewZoom::Middle)
        zoom_ = PreviewZoom::WholePage;
}

void PreviewState::SetPageCount(int pageCount) {
    pageCount_ = std::max(1, pageCount);
    firstPage_ = std::min(firstPage_, pageCount_);
}

std::string PreviewState::StatusText() const {
    if (PagesShown() == 2)
        return FormatText(IDS_PREVIEW_TWO_PAGES, {firstPage_, firstPage_ + 1, pageCount_});
    return FormatText(IDS_PREVIEW_ONE_PAGE, {firstPage_, pageCount_});
}

PreviewLayout LayOutPreview(const PreviewState& state, int paperWidth, int paperHeight,
                            int viewportWidth, int viewportHeight, double dotsPerInchX,
                            double dotsPerInchY) {
    const int count = state.PagesShown();
    const double trueX = std::max(dotsPerInchX, 1.0) / kUnitsPerInch;
    const double trueY = std::max(dotsPerInchY, 1.0) / kUnitsPerInch;
    const double trueWidth = std::max(paperWidth, 1) * trueX;   // one sheet at true size
    const double trueHeight = std::max(paperHeight, 1) * trueY; // in pixels
    const double roomX = std::max(viewportWidth - (count + 1) * kPreviewGap, 1);
    const double roomY = std::max(viewportHeight - 2 * kPreviewGap, 1);
    const double whole = std::min(roomX / (count * trueWidth), roomY / trueHeight);
    // Zooming in never makes the sheets smaller, even when the whole page is larger than life.
    const double full = std::max(1.0, whole);
    double factor = whole;
    if (state.Zoom() == PreviewZoom::Full)
        factor = full;
    else if (state.Zoom() == PreviewZoom::Middle)
        factor = (whole + full) / 2;

    PreviewLayout layout;
    layout.scaleX = trueX * factor;
    layout.scaleY = trueY * factor;
    layout.sheetWidth = std::max(1, static_cast<int>(trueWidth * factor));
    layout.sheetHeight = std::max(1, static_cast<int>(trueHeight * factor));
    const int contentWidth = count * layout.sheetWidth + (count + 1) * kPreviewGap;
    const int contentHeight = layout.sheetHeight + 2 * kPreviewGap;
    layout.canvasWidth = std::max(viewportWidth, contentWidth);
    layout.canvasHeight = std::max(viewportHeight, contentHeight);
    const int left = (layout.canvasWidth - contentWidth) / 2 + kPreviewGap;
    const int top = (layout.canvasHeight - contentHeight) / 2 + kPreviewGap;
    for (int i = 0; i < count; ++i)
        layout.sheets.push_back(
            {state.FirstPage() + i, left + i * (layout.sheetWidth + kPreviewGap), top});
    return layout;
}

} // namespace zm
