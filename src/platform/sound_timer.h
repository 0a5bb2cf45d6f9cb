#pragma once
// The sound player's repetition timer: one shot at a time, firing on the owner thread.

#include <chrono>
#include <functional>

namespace zm {

class SoundTimer {
public:
    virtual ~SoundTimer() = default;
    // Calls `fire` once, `delay` from now, unless stopped first. Starting a running timer
    // replaces what it was going to do.
    virtual void Start(std::chrono::milliseconds delay, std::function<void()> fire) = 0;
    virtual void Stop() = 0;
};

} // namespace zm
