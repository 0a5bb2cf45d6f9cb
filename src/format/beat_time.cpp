#include "format/beat_time.h"

namespace zm {

int SwatchBeats(const CivilTime& utc) {
    // The seconds of the day at UTC+1. Counted in whole numbers this is exactly the value the
    // day fraction (h/24 + m/1440 + s/86400) gives when scaled back to seconds and rounded.
    const int hour = (utc.hour + 1) % 24;
    const int seconds = hour * 3600 + utc.minute * 60 + utc.second;
    return seconds * 10 / 864;
}

std::string BeatText(const CivilTime& utc) { return "@" + std::to_string(SwatchBeats(utc)); }

} // namespace zm
