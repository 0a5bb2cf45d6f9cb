#include "timers/countdown.h"

namespace zm {

void Countdown::ApplySetup(int durationSeconds) {
    run_.Stop();
    run_.Reset();
    duration_ = durationSeconds < 0 ? 0 : durationSeconds;
}

int Countdown::RemainingSeconds() const {
    const int64_t elapsed = run_.ElapsedMs() / 1000;
    return elapsed >= duration_ ? 0 : duration_ - static_cast<int>(elapsed);
}

bool Countdown::Ended() const {
    return run_.State() == RunState::Running && RemainingSeconds() == 0;
}

int Countdown::NextTickDelayMs() const {
    const int64_t elapsed = run_.ElapsedMs();
    const int64_t intoSecond = elapsed < 0 ? 0 : elapsed % 1000;
    return static_cast<int>(1000 - intoSecond);
}

} // namespace zm
