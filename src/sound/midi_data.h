#pragma once
// The standard MIDI file inside a MIDI sound file: the file itself when it starts with "MThd",
// or the "data" chunk of a RIFF "RMID" form (the .rmi files).

#include <cstdint>
#include <span>

namespace zm {

// The standard MIDI file within `file`; empty when there is none.
std::span<const uint8_t> StandardMidiOf(std::span<const uint8_t> file);

} // namespace zm
