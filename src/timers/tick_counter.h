#pragma once
// The monotonic millisecond counter the countdowns and stopwatches measure with. It never goes
// back and does not follow changes of the wall clock. The windows read the system's; tests step
// a fake one.

#include <cstdint>

namespace zm {

class TickCounter {
public:
    virtual ~TickCounter() = default;
    // Milliseconds since some fixed moment.
    virtual int64_t NowMs() const = 0;
};

} // namespace zm
