#pragma once
// The running state that a countdown and a stopwatch share: how long it has run, with paused
// time left out.
//
//   stopped --Start--> running --Pause--> paused --Resume--> running
//   running | paused --Stop--> stopped
//
// Reset while running starts again from 0 at once and keeps running; while paused it shows 0
// and counts from 0 once resumed; while stopped it shows 0. Stop while paused shows 0; stop
// while running keeps the time it had reached.

#include "timers/tick_counter.h"

#include <cstdint>

namespace zm {

enum class RunState : uint8_t { Stopped, Running, Paused };

class RunTimer final {
public:
    explicit RunTimer(const TickCounter& ticks) : ticks_(ticks) {}

    RunState State() const { return state_; }
    bool Started() const { return state_ != RunState::Stopped; }

    // Each acts only in the state it names: Start when stopped, Pause when running, Resume when
    // paused; Stop when running or paused.
    void Start();
    void Pause();
    void Resume();
    void Stop();
    void Reset();

    // The time run so far, in milliseconds; what the display shows.
    int64_t ElapsedMs() const;

private:
    const TickCounter& ticks_;
    RunState state_ = RunState::Stopped;
    int64_t startTick_ = 0;
    int64_t pauseTick_ = 0;
    bool restartOnResume_ = false;
    int64_t shownWhileStopped_ = 0;
};

} // namespace zm
