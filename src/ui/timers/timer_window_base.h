#pragma once
// What the countdown and stopwatch windows share: a caption-less top-most tool window that any
// press drags, with the hand pointer; the Start / Pause / Resume, Stop and Reset buttons over a
// RunTimer; the tick that comes as the next displayed unit of run time is reached; and the
// context menu at the pointer (or, from the keyboard, at the window's top-left + 7 pixels).

#include "timers/run_timer.h"
#include "ui/timers/image_button.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class QMenu;

namespace zm {

class UserBoxes;

class TimerWindowBase : public QWidget {
    Q_OBJECT

public:
    ~TimerWindowBase() override;

    RunState State() const { return Run().State(); }
    ImageButton& StartButton() { return *start_; }
    ImageButton& StopButton() { return *stop_; }
    ImageButton& ResetButton() { return *reset_; }
    bool Ticking() const { return tick_.isActive(); }

    // Stopped: starts (or warns when no timer can be made); running: pauses; paused: resumes.
    void StartPauseResume();
    void Stop();
    void Reset();
    // The tick of the window's timer; the displays follow the run time.
    void OnTick();
    // The context menu as it stands now.
    virtual std::unique_ptr<QMenu> ContextMenu() = 0;

protected:
    TimerWindowBase(UserBoxes& boxes, QSize size);

    virtual RunTimer& Run() = 0;
    virtual const RunTimer& Run() const = 0;
    // Shows the run time on the displays.
    virtual void ShowTime() = 0;
    // Milliseconds until the displays change next.
    virtual int NextTickMs() const = 0;
    // After a tick has shown the time; the countdown ends here.
    virtual void Ticked() {}

    // S&tart / &Pause / Res&ume, &Stop and &Reset, relabelled by state.
    void AddRunActions(QMenu& menu);
    void AddCloseAction(QMenu& menu);

    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ShowRunState();
    void ArmTick();

    UserBoxes& boxes_;
    ImageButton* start_;
    ImageButton* stop_;
    ImageButton* reset_;
    QTimer tick_;
    bool dragging_ = false;
    QPoint dragOffset_;
};

} // namespace zm
