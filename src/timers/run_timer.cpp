#include "timers/run_timer.h"

namespace zm {

void RunTimer::Start() {
    if (state_ != RunState::Stopped) return;
    startTick_ = ticks_.NowMs();
    restartOnResume_ = false;
    state_ = RunState::Running;
}

void RunTimer::Pause() {
    if (state_ != RunState::Running) return;
    pauseTick_ = ticks_.NowMs();
    state_ = RunState::Paused;
}

void RunTimer::Resume() {
    if (state_ != RunState::Paused) return;
    const int64_t now = ticks_.NowMs();
    if (restartOnResume_) {
        startTick_ = now;
        restartOnResume_ = false;
    } else {
        startTick_ += now - pauseTick_; // the paused time does not count
    }
    state_ = RunState::Running;
}

void RunTimer::Stop() {
    if (state_ == RunState::Stopped) return;
    if (state_ == RunState::Paused) {
        startTick_ = ticks_.NowMs();
        shownWhileStopped_ = 0;
    } else {
        shownWhileStopped_ = ticks_.NowMs() - startTick_;
    }
    restartOnResume_ = false;
    state_ = RunState::Stopped;
}

void RunTimer::Reset() {
    if (state_ == RunState::Paused) {
        restartOnResume_ = true;
    } else {
        startTick_ = ticks_.NowMs();
    }
    shownWhileStopped_ = 0;
}

int64_t RunTimer::ElapsedMs() const {
    switch (state_) {
    case RunState::Running:
        return ticks_.NowMs() - startTick_;
    case RunState::Paused:
        return restartOnResume_ ? 0 : pauseTick_ - startTick_;
    case RunState::Stopped:
        break;
    }
    return shownWhileStopped_;
}

} // namespace zm
