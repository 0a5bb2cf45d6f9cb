#include "platform/time_change_watch.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(TimeChangeWatch, ASleepIsTheBootClockGainingOnTheMonotonicOne) {
    constexpr int64_t kSecond = 1'000'000'000;
    struct Case {
        ClockReadings before;
        ClockReadings after;
        bool slept;
    };
    const Case cases[] = {
        {{10 * kSecond, 12 * kSecond}, {30 * kSecond, 32 * kSecond}, false},     // steady
        {{10 * kSecond, 12 * kSecond}, {30 * kSecond, 32 * kSecond + 5}, false}, // jitter
        {{10 * kSecond, 12 * kSecond}, {11 * kSecond, 13 * kSecond + 2 * kSecond}, true},
        {{10 * kSecond, 12 * kSecond}, {11 * kSecond, 14 * kSecond + kSecond - 1}, false},
        {{100 * kSecond, 100 * kSecond}, {120 * kSecond, 3 * 3600 * kSecond}, true}, // hours
    };
    for (const Case& c : cases)
        EXPECT_EQ(SleptBetween(c.before, c.after), c.slept)
            << c.after.monotonic << " " << c.after.boot;
}

} // namespace
} // namespace zm
