#pragma once
// The program's own wave sounds (8 kHz mono 16-bit): the floating clock's chimes, and the beep
// that stands in when the desktop's sound theme has none.

#include <cstdint>
#include <span>

namespace zm {

enum class EmbeddedWave : int {
    HourChime = 216,
    HalfHourChime = 217,
    DefaultBeep = 218,
};

std::span<const uint8_t> EmbeddedWaveData(EmbeddedWave wave);
// A short name for the sound ("hour-chime"), as backends cache it.
const char* EmbeddedWaveName(EmbeddedWave wave);

} // namespace zm
