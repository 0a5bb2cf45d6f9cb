#include "adapters/gui/qt_work_area.h"

#include <QGuiApplication>
#include <QScreen>

namespace zm {
namespace {

Rect FromQRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

ScreenArea AreaOf(const QScreen& screen) {
    return {FromQRect(screen.geometry()), FromQRect(screen.availableGeometry())};
}

} // namespace

std::vector<ScreenArea> QtWorkArea::Screens() const {
    std::vector<ScreenArea> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary) areas.push_back(AreaOf(*primary));
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen && screen != primary) areas.push_back(AreaOf(*screen));
    return areas;
}

} // namespace zm
