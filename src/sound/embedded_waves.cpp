#include "sound/embedded_waves.h"

namespace zm {
namespace {
#include "sound/embedded_waves.inc"
} // namespace

std::span<const uint8_t> EmbeddedWaveData(EmbeddedWave wave) {
    switch (wave) {
    case EmbeddedWave::HourChime:
        return kHourChime;
    case EmbeddedWave::HalfHourChime:
        return kHalfHourChime;
    case EmbeddedWave::DefaultBeep:
        return kDefaultBeep;
    }
    return {};
}

const char* EmbeddedWaveName(EmbeddedWave wave) {
    switch (wave) {
    case EmbeddedWave::HourChime:
        return "hour-chime";
    case EmbeddedWave::HalfHourChime:
        return "half-hour-chime";
    case EmbeddedWave::DefaultBeep:
        return "beep";
    }
    return "";
}

} // namespace zm
