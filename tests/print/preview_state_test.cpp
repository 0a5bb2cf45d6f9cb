// The print preview's state: paging by one or two, the page-count toggle only in the whole-page
// view, a new layout with fewer pages, and the sheets' scale on the screen.

#include "print/preview_state.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zm {
namespace {

enum class Step { Next, Previous, Toggle, ZoomIn, ZoomOut };

void Apply(PreviewState& state, Step step) {
    switch (step) {
    case Step::Next:
        state.GoNext();
        break;
    case Step::Previous:
        state.GoPrevious();
        break;
    case Step::Toggle:
        state.ChangePageCount();
        break;
    case Step::ZoomIn:
        state.ZoomIn();
        break;
    case Step::ZoomOut:
        state.ZoomOut();
        break;
    }
}

TEST(PreviewState, PagingAndTheCommandsAvailable) {
    struct Case {
        int pages;
        int shown;
        std::vector<Step> steps;
        std::string status;
        bool next, previous, toggle;
    };
    using enum Step;
    const Case cases[] = {
        {1, 1, {}, "Page 1 of 1", false, false, false},
        {1, 2, {}, "Page 1 of 1", false, false, true}, // two chosen: can go back to one
        {3, 1, {Next, Next, Next}, "Page 3 of 3", false, true, true},
        {3, 1, {Next, Previous, Previous}, "Page 1 of 3", true, false, true},
        {5, 2, {}, "Page 1-2 of 5", true, false, true},
        {5, 2, {Next}, "Page 3-4 of 5", true, true, true},
        {5, 2, {Next, Next}, "Page 5 of 5", false, true, true}, // the second sheet is missing
        {5, 2, {Next, Next, Previous}, "Page 3-4 of 5", true, true, true},
        {4, 1, {Next, Toggle, Previous}, "Page 1-2 of 4", true, false, true}, // never below 1
        {4, 2, {Next, Toggle}, "Page 3 of 4", true, true, true},
        {4, 1, {ZoomIn}, "Page 1 of 4", true, false, false},
        {4, 1, {ZoomIn, Toggle}, "Page 1 of 4", true, false, false}, // refused while zoomed
        {4, 1, {ZoomIn, ZoomOut, Toggle}, "Page 1-2 of 4", true, false, true},
        {0, 1, {Next}, "Page 1 of 1", false, false, false},
    };
    for (const Case& c : cases) {
        PreviewState state(c.pages, c.shown);
        for (Step s : c.steps)
            Apply(state, s);
        SCOPED_TRACE(c.status);
        EXPECT_EQ(state.StatusText(), c.status);
        EXPECT_EQ(state.CanGoNext(), c.next);
        EXPECT_EQ(state.CanGoPrevious(), c.previous);
        EXPECT_EQ(state.CanChangePageCount(), c.toggle);
    }
}

TEST(PreviewState, ANewLayoutKeepsTheFirstPageWhereItCan) {
    PreviewState state(6, 1);
    for (int i = 0; i < 4; ++i)
        state.GoNext();
    state.SetPageCount(7);
    EXPECT_EQ(state.StatusText(), "Page 5 of 7");
    state.SetPageCount(3);
    EXPECT_EQ(state.StatusText(), "Page 3 of 3");
    EXPECT_FALSE(state.CanGoNext());
}

TEST(PreviewLayout, WholePageFitsFullIsTrueSizeMiddleLiesBetween) {
    // A4 at 96 dots per inch is 793 x 1122 pixels.
    PreviewState state(2, 1);
    const PreviewLayout whole = LayOutPreview(state, 2100, 2970, 800, 600, 96, 96);
    EXPECT_EQ(whole.sheetHeight, 600 - 2 * kPreviewGap);
    EXPECT_EQ(whole.canvasWidth, 800);
    EXPECT_EQ(whole.canvasHeight, 600);
    ASSERT_EQ(whole.sheets.size(), 1u);
    EXPECT_EQ(whole.sheets[0].left, (800 - whole.sheetWidth) / 2);

    state.ZoomIn();
    const PreviewLayout middle = LayOutPreview(state, 2100, 2970, 800, 600, 96, 96);
    state.ZoomIn();
    const PreviewLayout full = LayOutPreview(state, 2100, 2970, 800, 600, 96, 96);
    EXPECT_DOUBLE_EQ(full.scaleX, 96.0 / 254);
    EXPECT_EQ(full.sheetWidth, 793);
    EXPECT_EQ(full.canvasHeight, 1122 + 2 * kPreviewGap); // taller than the viewport: scrolls
    EXPECT_NEAR(middle.scaleY, (whole.scaleY + full.scaleY) / 2, 1e-9);

    PreviewState two(2, 2);
    const PreviewLayout pair = LayOutPreview(two, 2100, 2970, 800, 600, 96, 96);
    ASSERT_EQ(pair.sheets.size(), 2u);
    EXPECT_EQ(pair.sheets[1].page, 2);
    EXPECT_LE(pair.sheets[1].left + pair.sheetWidth + kPreviewGap, 800);
}

} // namespace
} // namespace zm
