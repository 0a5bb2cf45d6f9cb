#include "timers/steady_ticks.h"

#include <chrono>

namespace zm {

int64_t SteadyTicks::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace zm
