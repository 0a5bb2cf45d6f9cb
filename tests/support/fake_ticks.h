#pragma once
// A tick counter the test moves on by hand (for tests that link the timers layer).

#include "timers/tick_counter.h"

namespace zm::testing {

class FakeTicks final : public TickCounter {
public:
    int64_t NowMs() const override { return now; }
    void Advance(int64_t ms) { now += ms; }
    int64_t now = 1'000'000;
};

} // namespace zm::testing
