#pragma once
// Tells the scheduler when the wall clock can no longer be trusted to have moved steadily: the
// system time was set, or the machine slept. Either way the day's reminders must be collected
// again and checked at once.

#include <cstdint>

namespace zm {

struct TimeChanges {
    bool clockSet = false; // the system time was set (also reported after a resume)
    bool resumed = false;  // the machine slept since the last check
    constexpr bool Any() const { return clockSet || resumed; }
    friend bool operator==(const TimeChanges&, const TimeChanges&) = default;
};

class TimeChangeWatch {
public:
    virtual ~TimeChangeWatch() = default;
    // A descriptor that becomes readable when the time was set or the machine resumed, for the
    // event loop to watch; -1 when there is none (then Check on the reminder tick only).
    virtual int Descriptor() const = 0;
    // What happened since the last call. Cheap: it may also run on every reminder tick.
    virtual TimeChanges Check() = 0;
};

// Two clocks read at the same moment: one that stops while the machine sleeps and one that
// keeps counting, in nanoseconds.
struct ClockReadings {
    int64_t monotonic = 0;
    int64_t boot = 0;
};

// Sleeps shorter than this are taken for reading jitter.
inline constexpr int64_t kSleepThresholdNs = 2'000'000'000;

// True when the machine slept between the two readings: the counting clock gained at least the
// threshold on the stopping one.
bool SleptBetween(const ClockReadings& before, const ClockReadings& after,
                  int64_t thresholdNs = kSleepThresholdNs);

} // namespace zm
