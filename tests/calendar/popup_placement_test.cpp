#include "calendar/popup_placement.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

constexpr Size kCalendar{200, 180};
constexpr Rect kScreen{0, 0, 1920, 1080};

TEST(PopupPlacement, PanelIsTheStripTheWorkAreaLeaves) {
    const struct {
        Rect available;
        std::optional<Panel> panel;
    } cases[] = {
        {{0, 0, 1920, 1040}, Panel{{0, 1040, 1920, 40}, ScreenEdge::Bottom}},
        {{0, 30, 1920, 1050}, Panel{{0, 0, 1920, 30}, ScreenEdge::Top}},
        {{48, 0, 1872, 1080}, Panel{{0, 0, 48, 1080}, ScreenEdge::Left}},
        {{0, 0, 1860, 1080}, Panel{{1860, 0, 60, 1080}, ScreenEdge::Right}},
        // A top bar and a thicker dock at the bottom: the dock.
        {{0, 28, 1920, 992}, Panel{{0, 1020, 1920, 60}, ScreenEdge::Bottom}},
        {kScreen, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PanelOf({kScreen, c.available}), c.panel);
    // A second screen right of the first.
    EXPECT_EQ(PanelOf({{1920, 0, 1280, 1024}, {1920, 0, 1280, 984}}),
              (Panel{{1920, 984, 1280, 40}, ScreenEdge::Bottom}));
}

TEST(PopupPlacement, BesideTheTaskbar) {
    const struct {
        Point click;
        std::optional<Panel> bar;
        Point at;
    } cases[] = {
        {{1800, 1060}, Panel{{0, 1040, 1920, 40}, ScreenEdge::Bottom}, {1596, 856}},
        {{1800, 10}, Panel{{0, 0, 1920, 30}, ScreenEdge::Top}, {1596, 30}},
        {{20, 900}, Panel{{0, 0, 48, 1080}, ScreenEdge::Left}, {48, 716}},
        {{20, 100}, Panel{{0, 0, 48, 1080}, ScreenEdge::Left}, {48, 4}},
        {{1900, 900}, Panel{{1860, 0, 60, 1080}, ScreenEdge::Right}, {1656, 716}},
        {{1900, 50}, Panel{{1860, 0, 60, 1080}, ScreenEdge::Right}, {1656, 4}},
        // A bottom bar on a second screen.
        {{3000, 1000}, Panel{{1920, 984, 1280, 40}, ScreenEdge::Bottom}, {2796, 800}},
        // A point outside the bar, or no bar: the point.
        {{500, 500}, Panel{{0, 1040, 1920, 40}, ScreenEdge::Bottom}, {500, 500}},
        {{500, 500}, std::nullopt, {500, 500}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceAtTaskbar(c.click, c.bar, kCalendar), c.at);
}

TEST(PopupPlacement, AtTheClock) {
    const struct {
        Rect clock;
        Point at;
    } cases[] = {
        {{100, 100, 120, 40}, {100, 141}},   // under it
        {{100, 950, 120, 40}, {100, 769}},   // above it near the bottom
        {{1850, 100, 60, 40}, {1719, 141}},  // ends one pixel inside the right edge
        {{-30, 100, 120, 40}, {1, 141}},     // not left of the screen
        {{100, 10, 120, 1000}, {100, 1011}}, // above would leave the screen: under again
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceAtClock(c.clock, kCalendar, kScreen), c.at);
}

TEST(PopupPlacement, KeptOnTheWorkArea) {
    const Rect area{0, 0, 1920, 1040};
    EXPECT_EQ(KeepOnArea({1800, 1000}, kCalendar, area), (Point{1720, 860}));
    EXPECT_EQ(KeepOnArea({-50, -5}, kCalendar, area), (Point{0, 0}));
    EXPECT_EQ(KeepOnArea({10, 10}, {3000, 2000}, area), (Point{0, 0}));
}

} // namespace
} // namespace zm
