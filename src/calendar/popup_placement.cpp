#include "calendar/popup_placement.h"

#include <algorithm>

namespace zm {

namespace {

constexpr int kGap = 4;

int Thickness(const Rect& r) {
    return std::min(r.width, r.height);
}

} // namespace

std::optional<Panel> PanelOf(const ScreenArea& screen) {
    const Rect& g = screen.geometry;
    const Rect& a = screen.available;
    const Panel strips[] = {
        {{g.x, a.Bottom(), g.width, g.Bottom() - a.Bottom()}, ScreenEdge::Bottom},
        {{g.x, g.y, g.width, a.y - g.y}, ScreenEdge::Top},
        {{g.x, g.y, a.x - g.x, g.height}, ScreenEdge::Left},
        {{a.Right(), g.y, g.Right() - a.Right(), g.height}, ScreenEdge::Right},
    };
    std::optional<Panel> thickest;
    for (const Panel& s : strips) {
        if (s.rect.IsEmpty()) continue;
        if (!thickest || Thickness(s.rect) > Thickness(thickest->rect)) thickest = s;
    }
    return thickest;
}

Point PlaceAtTaskbar(Point click, const std::optional<Panel>& taskbar, Size size) {
    if (!taskbar || !taskbar->rect.Contains(click)) return click;
    const Rect& t = taskbar->rect;
    const int above = std::max(click.y - size.height - kGap, kGap);
    switch (taskbar->edge) {
    case ScreenEdge::Bottom:
        return {click.x - size.width - kGap, t.y - size.height - kGap};
    case ScreenEdge::Top:
        return {click.x - size.width - kGap, t.Bottom()};
    case ScreenEdge::Left:
        return {t.Right(), above};
    case ScreenEdge::Right:
        return {t.x - size.width - kGap, above};
    }
    return click;
}

Point PlaceAtClock(Rect clock, Size size, Rect screen) {
    int top = clock.Bottom() + 1;
    if (top + size.height > screen.Bottom()) top = clock.y - 1 - size.height;
    int left = clock.x;
    if (left + size.width > screen.Right() - 1) left = screen.Right() - 1 - size.width;
    if (left < 0) left = 1;
    if (top < 0) top = clock.Bottom() + 1;
    return {left, top};
}

Point KeepOnArea(Point topLeft, Size size, Rect area) {
    Point p = topLeft;
    p.x = std::max(std::min(p.x, area.Right() - size.width), area.x);
    p.y = std::max(std::min(p.y, area.Bottom() - size.height), area.y);
    return p;
}

} // namespace zm
