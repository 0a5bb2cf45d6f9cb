#include "format/beat_time.h"

namespace zm {

int SwatchBeats(const CivilTime& utc) {
    // The seconds of the day at UTC+1. Counted in whole numbers this is exactly the value the
    // day fraction (h/24 + m/1440 + s/86400) gives when scaled back to seconds and rounded.
    // A reading out of its ranges still gives a beat of 0 to 999.
    const long long raw = (utc.hour + 1LL) * 3600 + utc.minute * 60LL + utc.second;
    const long long seconds = (raw % 86400 + 86400) % 86400;
    return static_cast<int>(seconds * 10 / 864);
}

std::string BeatText(const CivilTime& utc) {
    std::string text(1, '@');
    text += std::to_string(SwatchBeats(utc));
    return text;
}

} // namespace zm
