#include "frame/tray_clicks.h"

namespace zm {

bool TrayClicks::TrayLeftClick(bool calendarOnLeftClick, ClickPoint where) {
    if (!calendarOnLeftClick) return false;
    point_ = where;
    waiting_ = true;
    return true;
}

bool TrayClicks::ClockLeftClick(bool calendarOnLeftClick) {
    const bool suppressed = suppressNext_;
    suppressNext_ = false;
    if (!calendarOnLeftClick) return false;
    waiting_ = false;
    if (suppressed) return false;
    point_ = kClockClick;
    waiting_ = true;
    return true;
}

bool TrayClicks::DelayOver(bool leftButtonDown, bool clickWindowInFront) {
    if (!waiting_) return false;
    waiting_ = false;
    return !leftButtonDown && clickWindowInFront;
}

} // namespace zm
