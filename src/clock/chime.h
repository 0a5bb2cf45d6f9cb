#pragma once
// When the floating clock chimes: at the full and the half hour, once in that minute however
// often the clock's timer fires, and only while the clock is shown. With the reminder sound
// switched off the minute passes silently.

#include "model/date_time.h"

#include <cstdint>

namespace zm {

enum class Chime : uint8_t { None, Hour, HalfHour };

class ChimeClock {
public:
    // The clock's timer fired at `now`. `chimes` as ClockOptions::chimes.
    Chime Tick(DateTime now, bool clockShown, bool reminderSound, uint32_t chimes);

private:
    DateTime quietUntil_; // no chime up to this instant; zero before the first
};

} // namespace zm
