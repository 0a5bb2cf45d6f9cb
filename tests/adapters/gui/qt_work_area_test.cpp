#include "adapters/gui/qt_work_area.h"
#include "support/fake_work_area.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(WorkArea, EveryScreenReportsAWorkAreaInsideIt) {
    const std::vector<ScreenArea> screens = QtWorkArea().Screens();
    ASSERT_FALSE(screens.empty());
    for (const ScreenArea& s : screens) {
        EXPECT_FALSE(s.geometry.IsEmpty());
        EXPECT_TRUE(s.geometry.Contains(s.available));
    }
    EXPECT_EQ(PrimaryWorkArea(QtWorkArea()), screens.front().available);
}

TEST(WorkArea, APointFindsItsScreensWorkArea) {
    FakeWorkArea area;
    area.areas.push_back({{-1280, 0, 1280, 1024}, {-1280, 30, 1280, 994}});
    EXPECT_EQ(WorkAreaAt(area, {-10, 500}), (Rect{-1280, 30, 1280, 994}));
    EXPECT_EQ(WorkAreaAt(area, {10, 500}), (Rect{0, 0, 1920, 1040}));
    EXPECT_EQ(WorkAreaAt(area, {5000, 5000}), (Rect{0, 0, 1920, 1040}));
    EXPECT_EQ(ScreenRects(area).size(), 2u);
    area.areas.clear();
    EXPECT_EQ(PrimaryWorkArea(area), kFallbackWorkArea);
}

} // namespace
} // namespace zm
