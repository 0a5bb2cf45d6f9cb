#include "timers/timer_display.h"

namespace zm {
namespace {

void AppendTwoDigits(std::string& out, int64_t value) {
    if (value < 0) value = 0;
    std::string digits = std::to_string(value);
    if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
    if (!out.empty()) out += ':';
    out += digits;
}

} // namespace

DurationParts SplitSeconds(int64_t seconds) {
    if (seconds < 0) seconds = 0;
    return {static_cast<int>(seconds / 3600), static_cast<int>(seconds % 3600 / 60),
            static_cast<int>(seconds % 60)};
}

int64_t JoinParts(const DurationParts& parts) {
    return int64_t{parts.hours} * 3600 + parts.minutes * 60 + parts.seconds;
}

std::string CountdownText(int64_t seconds) {
    const DurationParts p = SplitSeconds(seconds);
    std::string out;
    AppendTwoDigits(out, p.hours);
    AppendTwoDigits(out, p.minutes);
    AppendTwoDigits(out, p.seconds);
    return out;
}

std::string StopwatchText(int64_t elapsedMs) {
    if (elapsedMs < 0) elapsedMs = 0;
    std::string out;
    AppendTwoDigits(out, elapsedMs / 3600000);
    AppendTwoDigits(out, elapsedMs % 3600000 / 60000);
    AppendTwoDigits(out, elapsedMs % 60000 / 1000);
    AppendTwoDigits(out, elapsedMs % 1000 / 10);
    return out;
}

std::string StopwatchValueText(int64_t elapsedMs, bool running) {
    if (!running) return StopwatchText(elapsedMs);
    return CountdownText(elapsedMs < 0 ? 0 : elapsedMs / 1000);
}

} // namespace zm
