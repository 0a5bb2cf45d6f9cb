#pragma once
// The print preview's state: which pages are shown (one or two side by side), the zoom, which
// commands are available, the status text, and where the sheets stand on the screen.

#include <string>
#include <vector>

namespace zm {

enum class PreviewZoom { WholePage, Middle, Full };

class PreviewState {
public:
    // `pagesShown` is the remembered choice, 1 or 2 (anything else reads as 1).
    PreviewState(int pageCount, int pagesShown);

    int PageCount() const { return pageCount_; }
    int FirstPage() const { return firstPage_; } // from 1
    // What the page-count command toggles: two pages side by side, or one.
    bool TwoPageMode() const { return twoPages_; }
    // The pages actually shown: one when the second would lie past the last page.
    int PagesShown() const;
    int LastShownPage() const { return firstPage_ + PagesShown() - 1; }
    PreviewZoom Zoom() const { return zoom_; }

    bool CanGoNext() const { return LastShownPage() < pageCount_; }
    bool CanGoPrevious() const { return firstPage_ > 1; }
    bool CanChangePageCount() const;
    bool CanZoomIn() const { return zoom_ != PreviewZoom::Full; }
    bool CanZoomOut() const { return zoom_ != PreviewZoom::WholePage; }

    // Each does nothing when it is not available.
    void GoNext();
    void GoPrevious();
    void ChangePageCount();
    void ZoomIn();
    void ZoomOut();

    // The document was laid out again: the first page stays where it was when it still exists.
    void SetPageCount(int pageCount);

    // "Page 3 of 7" or "Page 3-4 of 7".
    std::string StatusText() const;

private:
    int Step() const { return twoPages_ ? 2 : 1; }

    int pageCount_ = 1;
    int firstPage_ = 1;
    bool twoPages_ = false;
    PreviewZoom zoom_ = PreviewZoom::WholePage;
};

// Screen pixels between and around the sheets.
inline constexpr int kPreviewGap = 16;

struct PreviewSheet {
    int page = 1; // from 1
    int left = 0;
    int top = 0;
};

// Where the shown sheets stand on the canvas and how large the canvas is. `scale` is screen
// pixels per page length (a tenth of a millimetre), horizontally and vertically.
struct PreviewLayout {
    double scaleX = 0;
    double scaleY = 0;
    int sheetWidth = 0;
    int sheetHeight = 0;
    int canvasWidth = 0;
    int canvasHeight = 0;
    std::vector<PreviewSheet> sheets;
};

// Whole page fits the shown sheets into the viewport; full is the paper's true size at the
// screen's resolution; middle lies halfway between. The canvas is at least the viewport, with
// the sheets centred in it.
PreviewLayout LayOutPreview(const PreviewState& state, int paperWidth, int paperHeight,
                            int viewportWidth, int viewportHeight, double dotsPerInchX,
                            double dotsPerInchY);

} // namespace zm
