#pragma once
// A countdown: a duration (60 seconds unless set up otherwise) counted down in whole seconds
// over a RunTimer. It ends when the remaining time reaches 0 while it runs.
//
// The window asks for its next tick at the moment the next whole second of run time is
// reached (NextTickDelayMs), so each second shows once and 0 shows on time, whatever a pause
// did to the phase of the seconds.

#include "timers/run_timer.h"

#include <cstdint>

namespace zm {

inline constexpr int kDefaultCountdownSeconds = 60;

class Countdown final {
public:
    explicit Countdown(const TickCounter& ticks) : run_(ticks) {}

    RunTimer& Run() { return run_; }
    const RunTimer& Run() const { return run_; }

    int DurationSeconds() const { return duration_; }
    // The setup's OK: a started countdown stops, and both displays show the new duration.
    void ApplySetup(int durationSeconds);

    // The duration less the whole seconds run; 0 once they reach it.
    int RemainingSeconds() const;
    // A tick of the window's timer: true when the countdown runs and has reached 0; the window
    // then stops it and tells the user.
    bool Ended() const;
    // Milliseconds from now until the next whole second of run time (1 to 1000).
    int NextTickDelayMs() const;

private:
    RunTimer run_;
    int duration_ = kDefaultCountdownSeconds;
};

} // namespace zm
