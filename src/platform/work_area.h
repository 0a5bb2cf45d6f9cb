#pragma once
// The screens of the desktop and the part of each that windows may use (without panels, docks
// and task bars).

#include "platform/screen_geometry.h"

#include <vector>

namespace zm {

struct ScreenArea {
    Rect geometry;  // the whole screen, in desktop coordinates
    Rect available; // the work area
    friend bool operator==(const ScreenArea&, const ScreenArea&) = default;
};

class WorkArea {
public:
    virtual ~WorkArea() = default;
    // Every screen, the primary one first; empty when the desktop reports none.
    virtual std::vector<ScreenArea> Screens() const = 0;
};

// A work area for when the desktop reports no screen.
inline constexpr Rect kFallbackWorkArea{0, 0, 800, 600};

// The primary screen's work area.
Rect PrimaryWorkArea(const WorkArea& area);
// The work area of the screen that holds the point, else the primary one.
Rect WorkAreaAt(const WorkArea& area, Point p);
// The whole rectangles of every screen.
std::vector<Rect> ScreenRects(const WorkArea& area);

} // namespace zm
