// What the frame does with the floating clock's clicks.

#include "ui/frame/main_frame.h"

#include <QApplication>
#include <QMenu>

namespace zm {

void MainFrame::ClockDoubleClicked() {
    if (closing_) return;
    singleClick_.stop();
    clicks_.DoubleClick();
    OpenMainWindow();
}

void MainFrame::ClockRightClicked(QPoint at) {
    if (closing_) return;
    FillMenu();
    menu_->popup(at);
}

void MainFrame::ClockLeftClicked() {
    if (closing_) return;
    if (clicks_.ClockLeftClick(parts_.options.calendarOnLeftClick))
        singleClick_.start(QApplication::doubleClickInterval() + 1);
    else if (parts_.options.calendarOnLeftClick)
        singleClick_.stop();
}

} // namespace zm
