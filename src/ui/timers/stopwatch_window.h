#pragma once
// The stopwatch window: hours, minutes, seconds and hundredths on one display, with the
// Start / Pause / Resume, Stop and Reset buttons below.

#include "ui/timers/segment_display.h"
#include "ui/timers/timer_environment.h"
#include "ui/timers/timer_window_base.h"

namespace zm {

inline constexpr QSize kStopwatchWindowSize{128, 57};
// How often the display follows the run time.
inline constexpr int kStopwatchTickMs = 25;

class StopwatchWindow final : public TimerWindowBase {
    Q_OBJECT

public:
    explicit StopwatchWindow(TimerEnvironment& env);

    const RunTimer& Timing() const { return run_; }
    SegmentDisplay& Display() { return *display_; }

    std::unique_ptr<QMenu> ContextMenu() override;

protected:
    RunTimer& Run() override { return run_; }
    const RunTimer& Run() const override { return run_; }
    void ShowTime() override;
    int NextTickMs() const override;

private:
    RunTimer run_;
    SegmentDisplay* display_;
};

} // namespace zm
