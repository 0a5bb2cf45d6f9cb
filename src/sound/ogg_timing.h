#pragma once
// The playing time of an Ogg Vorbis or Ogg Opus file (the desktop's own sounds are such .oga
// files): the sample rate from the stream's first page, and the granule position of the last
// page of that stream, which counts the samples played up to its end (Opus: at 48 kHz, less the
// pre-skip).
//
// Only the file's head and tail are read: the first page lies in the head, the last page in
// the tail. Nothing for a file that is not Ogg, whose first packet is neither a Vorbis
// identification header nor an Opus head, or whose tail holds no finished page of the stream.

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zm {

// The bytes read from each end of a file.
inline constexpr size_t kOggProbeBytes = 64 * 1024;

std::optional<std::chrono::milliseconds> ReadOggPlayingTime(std::span<const uint8_t> head,
                                                            std::span<const uint8_t> tail);
// The same for a whole file held in memory.
inline std::optional<std::chrono::milliseconds> ReadOggPlayingTime(std::span<const uint8_t> file) {
    return ReadOggPlayingTime(file, file);
}
std::optional<std::chrono::milliseconds> ReadOggFilePlayingTime(const std::string& path);

} // namespace zm
