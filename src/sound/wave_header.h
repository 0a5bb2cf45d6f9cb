#pragma once
// The playing time of a wave file, read from its RIFF header: the "fmt " chunk's byte rate and
// the size of the "data" chunk.
//
// A header is good when the file is a RIFF "WAVE" form whose "fmt " chunk lies whole in the file
// and holds at least the classic 14-byte format with a byte rate above 0, followed somewhere by
// a "data" chunk. A data chunk that claims more bytes than the file holds counts only the bytes
// that are there.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace zm {

struct WaveTiming {
    uint32_t bytesPerSecond = 0;
    uint64_t dataBytes = 0;
    std::chrono::milliseconds playingTime{0}; // DataBytes * 1000 / BytesPerSecond, truncated
};

// Reads `size` bytes at `offset` into `out`; false when they cannot be read.
using WaveByteReader = std::function<bool(uint64_t offset, uint8_t* out, size_t size)>;

std::optional<WaveTiming> ReadWaveTiming(uint64_t fileSize, const WaveByteReader& read);
std::optional<WaveTiming> ReadWaveTiming(std::span<const uint8_t> wave);
// Nothing for a file that cannot be read or whose header is not good.
std::optional<WaveTiming> ReadWaveFileTiming(const std::string& path);

} // namespace zm
