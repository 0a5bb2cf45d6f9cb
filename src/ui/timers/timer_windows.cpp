#include "ui/timers/timer_windows.h"

#include "ui/timers/countdown_window.h"
#include "ui/timers/stopwatch_window.h"

#include <algorithm>

namespace zm {
namespace {

template <typename Window> void Forget(std::vector<QPointer<Window>>& windows) {
    std::erase_if(windows, [](const QPointer<Window>& w) { return w.isNull(); });
}

template <typename Window> std::vector<Window*> Open(const std::vector<QPointer<Window>>& windows) {
    std::vector<Window*> open;
    for (const QPointer<Window>& w : windows) {
        if (w) open.push_back(w.data());
    }
    return open;
}

void Close(StopwatchWindow* window) {
    delete window;
}

// A countdown whose finish box is up goes when the box does, so the box never loses its window.
void Close(CountdownWindow* window) {
    if (window->InFinishBox())
        window->CloseAfterFinishBox();
    else
        delete window;
}

template <typename Window> void CloseEach(std::vector<QPointer<Window>>& windows) {
    for (Window* w : Open(windows))
        Close(w);
    Forget(windows);
}

template <typename Window>
void Place(Window& window, WindowCascade& cascade, const WorkArea& area) {
    const QSize size = window.size();
    const Point at = cascade.Next(PrimaryWorkArea(area), {size.width(), size.height()});
    window.move(at.x, at.y);
    window.show();
}

} // namespace

TimerWindows::TimerWindows(TimerEnvironment env) : env_(std::move(env)) {}

TimerWindows::~TimerWindows() {
    CloseAll();
}

CountdownWindow* TimerWindows::OpenCountdown() {
    Forget(countdowns_);
    auto* window = new CountdownWindow(env_);
    countdowns_.emplace_back(window);
    Place(*window, countdownCascade_, env_.workArea);
    return window;
}

StopwatchWindow* TimerWindows::OpenStopwatch() {
    Forget(stopwatches_);
    auto* window = new StopwatchWindow(env_);
    stopwatches_.emplace_back(window);
    Place(*window, stopwatchCascade_, env_.workArea);
    return window;
}

void TimerWindows::CloseAll() {
    CloseEach(stopwatches_);
    CloseEach(countdowns_);
}

std::vector<CountdownWindow*> TimerWindows::Countdowns() const {
    return Open(countdowns_);
}

std::vector<StopwatchWindow*> TimerWindows::Stopwatches() const {
    return Open(stopwatches_);
}

} // namespace zm
