#include "ui/timers/timer_window_base.h"

#include "platform/memory_trim.h"
#include "res/strings.h"
#include "ui/common/menu_choice.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWindow>

namespace zm {
TimerWindowBase::TimerWindowBase(UserBoxes& boxes, QSize size)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      boxes_(boxes), start_(new ImageButton(TimerImage::Start, Text(IDS_TIP_START), this)),
      stop_(new ImageButton(TimerImage::Stop, Text(IDS_TIP_STOP), this)),
      reset_(new ImageButton(TimerImage::Reset, Text(IDS_TIP_RESET), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size);
    setCursor(Qt::OpenHandCursor);
    // The displays change exactly when the next unit of run time is reached: a coarse timer
    // may fire early and show a second twice, then late.
    tick_.setTimerType(Qt::PreciseTimer);
    tick_.setSingleShot(true);
    connect(&tick_, &QTimer::timeout, this, &TimerWindowBase::OnTick);
    connect(start_, &QAbstractButton::clicked, this, &TimerWindowBase::StartPauseResume);
    connect(stop_, &QAbstractButton::clicked, this, &TimerWindowBase::Stop);
    connect(reset_, &QAbstractButton::clicked, this, &TimerWindowBase::Reset);
}

TimerWindowBase::~TimerWindowBase() {
    tick_.stop();
    ReleaseFreeMemory();
}

void TimerWindowBase::StartPauseResume() {
    RunTimer& run = Run();
    switch (run.State()) {
    case RunState::Stopped:
        run.Start();
        ArmTick();
        if (!tick_.isActive()) {
            run.Stop();
            run.Reset();
            boxes_.Tell(this, Text(IDS_CANNOT_CREATE_TIMER), BoxIcon::Warning);
            return;
        }
        break;
    case RunState::Running:
        run.Pause();
        tick_.stop();
        break;
    case RunState::Paused:
        run.Resume();
        ArmTick();
        break;
    }
    ShowTime();
    ShowRunState();
}

void TimerWindowBase::Stop() {
    tick_.stop();
    Run().Stop();
    ShowTime();
    ShowRunState();
    start_->setFocus();
}

void TimerWindowBase::Reset() {
    Run().Reset();
    if (Run().State() == RunState::Running) ArmTick();
    ShowTime();
}

void TimerWindowBase::OnTick() {
    if (Run().State() != RunState::Running) return;
    ShowTime();
    ArmTick();
    Ticked();
}

void TimerWindowBase::ArmTick() {
    tick_.start(NextTickMs());
}

void TimerWindowBase::ShowRunState() {
    const RunState state = Run().State();
    start_->SetImage(state == RunState::Running ? TimerImage::Pause : TimerImage::Start);
    const int tip = state == RunState::Running  ? IDS_TIP_PAUSE
                    : state == RunState::Paused ? IDS_TIP_RESUME
                                                : IDS_TIP_START;
    start_->setToolTip(Text(tip));
    start_->setAccessibleName(Text(tip));
}

void TimerWindowBase::AddRunActions(QMenu& menu) {
    const RunState state = Run().State();
    const int label = state == RunState::Running  ? IDS_TIMER_MENU_PAUSE
                      : state == RunState::Paused ? IDS_TIMER_MENU_RESUME
                                                  : IDS_TIMER_MENU_START;
    OnChosen(menu.addAction(
                 TimerImageIcon(state == RunState::Running ? TimerImage::Pause : TimerImage::Start),
                 Text(label)),
             this, [this] { StartPauseResume(); });
    OnChosen(menu.addAction(TimerImageIcon(TimerImage::Stop), Text(IDS_TIMER_MENU_STOP)), this,
             [this] { Stop(); });
    OnChosen(menu.addAction(TimerImageIcon(TimerImage::Reset), Text(IDS_TIMER_MENU_RESET)), this,
             [this] { Reset(); });
}

void TimerWindowBase::AddCloseAction(QMenu& menu) {
    OnChosen(menu.addAction(Text(IDS_TIMER_MENU_CLOSE)), this, [this] { close(); });
}

void TimerWindowBase::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(7, 7))
                                                                     : event->globalPos();
    std::unique_ptr<QMenu> menu = ContextMenu();
    WatchMenu(*menu);
    menu->exec(at);
}

void TimerWindowBase::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    // The whole window is its caption: a press anywhere moves it.
    if (QWindow* w = windowHandle(); w && w->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void TimerWindowBase::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
    }
}

void TimerWindowBase::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

} // namespace zm
