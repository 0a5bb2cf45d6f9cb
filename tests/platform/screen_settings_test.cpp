#include "platform/clock_position.h"
#include "platform/edge_settings.h"
#include "platform/memory_settings.h"
#include "platform/window_size.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(ClockPosition, EachHalfKeepsItsSign) {
    struct Case {
        Point topLeft;
        uint32_t stored;
    };
    const Case cases[] = {
        {{100, 5}, 0x00050064},     {{-1280, 40}, 0x0028FB00}, // a monitor left of the primary one
        {{300, -1080}, 0xFBC8012C},                            // a monitor above it
        {{-5, -5}, 0xFFFBFFFB},     {{0, 0}, 0x00000000},      {{32767, -32768}, 0x80007FFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PackClockPosition(c.topLeft), c.stored) << c.topLeft.x << "," << c.topLeft.y;
        EXPECT_EQ(UnpackClockPosition(c.stored), c.topLeft) << std::hex << c.stored;
        MemorySettings s;
        WriteClockPosition(s, c.topLeft);
        EXPECT_EQ(ReadClockPosition(s), c.topLeft);
    }
    EXPECT_EQ(UnpackClockPosition(kNoClockPosition), std::nullopt);
    MemorySettings none;
    EXPECT_EQ(ReadClockPosition(none), std::nullopt);
}

TEST(ClockPosition, AStoredPlaceIsKeptWhileThreeByThreePixelsShowOnAnyScreen) {
    // The primary screen, one to its left and one above it.
    const std::vector<Rect> screens{
        {0, 0, 1920, 1080}, {-1280, 0, 1280, 1024}, {0, -1080, 1920, 1080}};
    const Rect work{0, 0, 1920, 1040};
    const Size clock{100, 30};
    const Point corner{1920 - 3 * 24 - 100 - 4, 1};
    struct Case {
        std::optional<Point> stored;
        Point placed;
    };
    const Case cases[] = {
        {std::nullopt, corner},
        {Point{-1000, 500}, {-1000, 500}},   // wholly on the left monitor
        {Point{400, -600}, {400, -600}},     // wholly on the upper one
        {Point{-97, 2000}, corner},          // below every screen
        {Point{1917, 100}, {1917, 100}},     // 3 pixels still on the primary screen
        {Point{1918, 100}, corner},          // only 2
        {Point{-1377, 1021}, {-1377, 1021}}, // 3 x 3 in the left monitor's corner
        {Point{-1378, 1021}, corner},
        {Point{20000, 20000}, corner},
    };
    for (const Case& c : cases) {
        const Point placed = ClockStartPosition(c.stored, clock, screens, work, 24);
        EXPECT_EQ(placed, c.placed)
            << (c.stored ? c.stored->x : -1) << "," << (c.stored ? c.stored->y : -1);
    }
}

TEST(WindowSize, NeverStoresMinusOneAndClampsWhatItReads) {
    const Size minimum{470, 200};
    EXPECT_EQ(PackWindowSize(std::nullopt, minimum), std::nullopt);
    EXPECT_EQ(PackWindowSize(minimum, minimum), 0u);
    EXPECT_EQ(PackWindowSize(Size{500, 300}, minimum), 300u << 16 | 500u);
    EXPECT_EQ(PackWindowSize(Size{70000, 70000}, minimum), 0x7FFFu << 16 | 0x7FFFu);

    const Size work{1920, 1040};
    struct Case {
        uint32_t stored;
        Size opened;
    };
    const Case cases[] = {
        {0, minimum},
        {0xFFFFFFFF, minimum},
        {300u << 16 | 500u, {500, 300}},
        {100u << 16 | 100u, minimum},
        {3000u << 16 | 5000u, {1920, 1040}},
        {150u << 16 | 2500u, {1920, 200}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StoredWindowSize(c.stored, minimum, work), c.opened) << std::hex << c.stored;
    // A work area smaller than the minimum still opens the window at its minimum.
    EXPECT_EQ(ClampWindowSize({900, 900}, minimum, {320, 180}), minimum);
}

TEST(PageMargins, MetricMarginsKeepTheirStoredValueAcrossSaves) {
    MemorySettings s;
    EXPECT_EQ(ReadPageMargins(s, true), (Edges{2500, 2500, 2500, 2500}));
    EXPECT_EQ(ReadPageMargins(s, false), (Edges{1000, 1000, 1000, 1000}));

    WritePageMargins(s, {2500, 1000, 1234, 0}, true);
    const std::optional<Edges> stored = ReadEdges(s, SettingId::PageMargins);
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, (Edges{984, 394, 486, 0})); // thousandths of an inch
    for (int save = 0; save < 5; ++save)
        WritePageMargins(s, ReadPageMargins(s, true), true);
    EXPECT_EQ(ReadEdges(s, SettingId::PageMargins), stored);
    EXPECT_EQ(ReadPageMargins(s, true), (Edges{2500, 1000, 1234, 0}));
    EXPECT_EQ(ReadPageMargins(s, false), *stored);

    // Every stored value survives a read and a save; every whole tenth of a millimetre reads back.
    for (int stored = 0; stored < 4000; ++stored) {
        WriteEdges(s, SettingId::PageMargins, {stored, 0, 0, 0});
        WritePageMargins(s, ReadPageMargins(s, true), true);
        ASSERT_EQ(ReadEdges(s, SettingId::PageMargins)->left, stored);
    }
    for (int tenths = 0; tenths < 1000; ++tenths) {
        WritePageMargins(s, {tenths * 10, 0, 0, 0}, true);
        ASSERT_EQ(ReadPageMargins(s, true).left, tenths * 10);
    }

    WriteEdges(s, SettingId::PageMargins, {-5, 10, 20, 30});
    EXPECT_EQ(ReadPageMargins(s, false), (Edges{0, 10, 20, 30}));
}

} // namespace
} // namespace zm
