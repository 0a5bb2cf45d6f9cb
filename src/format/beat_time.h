#pragma once
// Internet time ("Swatch time"): the day at UTC+1 divided into 1000 beats of 86.4 seconds.

#include "platform/clock.h"

#include <string>

namespace zm {

// The beat (0 to 999) of a UTC reading.
int SwatchBeats(const CivilTime& utc);

// "@" and the beat without leading zeros, for example "@42".
std::string BeatText(const CivilTime& utc);

} // namespace zm
