#pragma once
// The texts of the timer displays: a countdown shows hours, minutes and seconds ("00:01:00"),
// a stopwatch hours, minutes, seconds and hundredths ("01:02:03:45"); each part at least two
// digits with leading zeros.

#include <cstdint>
#include <string>

namespace zm {

struct DurationParts {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    friend bool operator==(const DurationParts&, const DurationParts&) = default;
};

DurationParts SplitSeconds(int64_t seconds);
int64_t JoinParts(const DurationParts& parts);

std::string CountdownText(int64_t seconds);
std::string StopwatchText(int64_t elapsedMs);
// The stopwatch's time as a screen reader is given it: while it runs, whole seconds only
// ("00:01:02"), so that it changes once a second; paused or stopped, the full display text.
std::string StopwatchValueText(int64_t elapsedMs, bool running);

} // namespace zm
