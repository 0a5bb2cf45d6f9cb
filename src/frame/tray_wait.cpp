#include "frame/tray_wait.h"

namespace zm {

TrayWait::Step TrayWait::Look(std::chrono::milliseconds sinceStart, bool trayThere) {
    if (iconShown_) return Step::Done;
    if (trayThere) {
        iconShown_ = true;
        return Step::ShowIcon;
    }
    if (!fellBack_ && sinceStart >= limit_) {
        fellBack_ = true;
        return Step::OpenMainWindow;
    }
    return Step::Wait;
}

std::chrono::milliseconds TrayWait::NextLookIn() const {
    return fellBack_ ? kTrayLookAfterLimit : kTrayLookWhileWaiting;
}

} // namespace zm
