#include "platform/time_change_watch.h"

namespace zm {

bool SleptBetween(const ClockReadings& before, const ClockReadings& after, int64_t thresholdNs) {
    const int64_t slept = (after.boot - after.monotonic) - (before.boot - before.monotonic);
    return slept >= thresholdNs;
}

} // namespace zm
