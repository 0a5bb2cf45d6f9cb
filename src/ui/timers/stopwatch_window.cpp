#include "ui/timers/stopwatch_window.h"

#include "res/strings.h"
#include "timers/timer_display.h"
#include "ui/common/ui_text.h"

#include <QMenu>

namespace zm {

StopwatchWindow::StopwatchWindow(TimerEnvironment& env)
    : TimerWindowBase(env.boxes, kStopwatchWindowSize), run_(env.ticks),
      display_(new SegmentDisplay(this)) {
    const QString name = Text(IDS_STOPWATCH_NAME);
    setWindowTitle(name);
    display_->setGeometry(3, 4, 116, 23);
    display_->setToolTip(Text(IDS_TIP_CURRENT_TIME));
    display_->setAccessibleName(name);
    StartButton().setGeometry(1, 34, 38, 16);
    StopButton().setGeometry(42, 34, 38, 16);
    ResetButton().setGeometry(83, 34, 38, 16);
    ShowTime();
}

void StopwatchWindow::ShowTime() {
    const int64_t elapsed = run_.ElapsedMs();
    display_->SetText(QString::fromStdString(StopwatchText(elapsed)));
    const bool running = run_.State() == RunState::Running;
    display_->SetValue(QString::fromStdString(StopwatchValueText(elapsed, running)),
                       running ? static_cast<double>(elapsed / 1000) : elapsed / 1000.0);
}

int StopwatchWindow::NextTickMs() const {
    const int64_t elapsed = run_.ElapsedMs();
    return static_cast<int>(kStopwatchTickMs - (elapsed < 0 ? 0 : elapsed % kStopwatchTickMs));
}

std::unique_ptr<QMenu> StopwatchWindow::ContextMenu() {
    auto menu = std::make_unique<QMenu>(this);
    AddRunActions(*menu);
    menu->addSeparator();
    AddCloseAction(*menu);
    return menu;
}

} // namespace zm
