#include "platform/work_area.h"

namespace zm {

Rect PrimaryWorkArea(const WorkArea& area) {
    const std::vector<ScreenArea> screens = area.Screens();
    return screens.empty() ? kFallbackWorkArea : screens.front().available;
}

Rect WorkAreaAt(const WorkArea& area, Point p) {
    const std::vector<ScreenArea> screens = area.Screens();
    for (const ScreenArea& s : screens)
        if (s.geometry.Contains(p)) return s.available;
    return screens.empty() ? kFallbackWorkArea : screens.front().available;
}

std::vector<Rect> ScreenRects(const WorkArea& area) {
    std::vector<Rect> rects;
    for (const ScreenArea& s : area.Screens())
        rects.push_back(s.geometry);
    return rects;
}

} // namespace zm
