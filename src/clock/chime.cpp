#include "clock/chime.h"

#include "clock/clock_look.h"

namespace zm {

Chime ChimeClock::Tick(DateTime now, bool clockShown, bool reminderSound, uint32_t chimes) {
    if (!clockShown) return Chime::None;
    const int minute = now.Minute();
    if ((minute != 0 && minute != 30) || !(now > quietUntil_)) return Chime::None;
    // The minute is used up whether it sounds or not.
    quietUntil_ = now + DateTimeSpan::Minutes(1);
    if (!reminderSound) return Chime::None;
    if (minute == 0) return HourChimeOn(chimes) ? Chime::Hour : Chime::None;
    return HalfHourChimeOn(chimes) ? Chime::HalfHour : Chime::None;
}

} // namespace zm
