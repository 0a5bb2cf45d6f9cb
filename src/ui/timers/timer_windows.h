#pragma once
// The open countdown and stopwatch windows: each request opens one more, top-most, at the next
// place of its kind's cascade in the primary work area. Closing the program closes the
// stopwatches, then the countdowns.

#include "timers/window_cascade.h"
#include "ui/timers/timer_environment.h"

#include <QPointer>
#include <vector>

namespace zm {

class CountdownWindow;
class StopwatchWindow;

class TimerWindows final {
public:
    explicit TimerWindows(TimerEnvironment env);
    ~TimerWindows();
    TimerWindows(const TimerWindows&) = delete;
    TimerWindows& operator=(const TimerWindows&) = delete;

    CountdownWindow* OpenCountdown();
    StopwatchWindow* OpenStopwatch();
    void CloseAll();

    // The windows still open, oldest first.
    std::vector<CountdownWindow*> Countdowns() const;
    std::vector<StopwatchWindow*> Stopwatches() const;

private:
    TimerEnvironment env_;
    WindowCascade countdownCascade_{TimerKind::Countdown};
    WindowCascade stopwatchCascade_{TimerKind::Stopwatch};
    std::vector<QPointer<CountdownWindow>> countdowns_;
    std::vector<QPointer<StopwatchWindow>> stopwatches_;
};

} // namespace zm
