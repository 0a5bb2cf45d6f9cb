#pragma once
// The system's monotonic clock as a tick counter.

#include "timers/tick_counter.h"

namespace zm {

class SteadyTicks final : public TickCounter {
public:
    int64_t NowMs() const override;
};

} // namespace zm
