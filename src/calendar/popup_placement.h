#pragma once
// Where the frame's pop-up calendar opens: next to the task bar (the desktop's panel) around a
// click on the tray icon, or under (or above) the floating clock.

#include "platform/screen_geometry.h"
#include "platform/work_area.h"

#include <optional>

namespace zm {

enum class ScreenEdge { Bottom, Top, Left, Right };

// A task bar: its rectangle and the screen edge it lies on.
struct Panel {
    Rect rect;
    ScreenEdge edge = ScreenEdge::Bottom;
    friend bool operator==(const Panel&, const Panel&) = default;
};

// The panel of a screen: the thickest strip between its whole rectangle and its work area;
// none when the work area is the whole screen.
std::optional<Panel> PanelOf(const ScreenArea& screen);

// The top-left corner for a calendar of `size` opened by a click at `click`. A click inside the
// task bar puts the calendar beside the bar, 4 pixels from the click: above a bottom bar, below
// a top bar, right of a left bar, left of a right bar (never above y = 4). A click outside the
// bar, or no bar, uses the point itself.
Point PlaceAtTaskbar(Point click, const std::optional<Panel>& taskbar, Size size);

// The top-left corner for a calendar of `size` at the floating clock: below it one pixel apart,
// or above it when it would reach the screen's bottom; its left at the clock's left, moved left
// so that it ends one pixel inside the screen's right edge.
Point PlaceAtClock(Rect clock, Size size, Rect screen);

// The top-left corner moved so that a window of `size` lies on the area (its top-left corner
// wins when it is larger than the area).
Point KeepOnArea(Point topLeft, Size size, Rect area);

} // namespace zm
