#include "sound/wave_header.h"

#include "platform/byte_order.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace zm {
namespace {

constexpr size_t kClassicFormatBytes = 14; // format tag, channels, rate, byte rate, block align
constexpr uint64_t kChunkHeaderBytes = 8;

struct Chunk {
    uint64_t bodyOffset = 0;
    uint32_t declaredSize = 0;
};

// The first chunk with the given id at or after `offset`, before `end`.
std::optional<Chunk> FindChunk(const WaveByteReader& read, uint64_t offset, uint64_t end,
                               const char* id) {
    while (offset + kChunkHeaderBytes <= end) {
        uint8_t header[kChunkHeaderBytes];
        if (!read(offset, header, sizeof header)) return std::nullopt;
        const Chunk chunk{offset + kChunkHeaderBytes, GetLe32(header + 4)};
        if (std::memcmp(header, id, 4) == 0) return chunk;
        // Chunks start on even offsets: an odd-sized body is followed by a pad byte.
        offset = chunk.bodyOffset + chunk.declaredSize + (chunk.declaredSize & 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<WaveTiming> ReadWaveTiming(uint64_t fileSize, const WaveByteReader& read) {
    uint8_t form[12];
    if (fileSize < sizeof form || !read(0, form, sizeof form)) return std::nullopt;
    if (std::memcmp(form, "RIFF", 4) != 0 || std::memcmp(form + 8, "WAVE", 4) != 0)
        return std::nullopt;
    const uint64_t formEnd = std::min<uint64_t>(fileSize, 8 + uint64_t{GetLe32(form + 4)});

    const auto format = FindChunk(read, sizeof form, formEnd, "fmt ");
    if (!format || format->declaredSize < kClassicFormatBytes ||
        format->bodyOffset + format->declaredSize > formEnd)
        return std::nullopt;
    uint8_t classic[kClassicFormatBytes];
    if (!read(format->bodyOffset, classic, sizeof classic)) return std::nullopt;
    WaveTiming timing;
    timing.bytesPerSecond = GetLe32(classic + 8);
    if (timing.bytesPerSecond == 0) return std::nullopt;

    const uint64_t afterFormat =
        format->bodyOffset + format->declaredSize + (format->declaredSize & 1);
    const auto data = FindChunk(read, afterFormat, formEnd, "data");
    if (!data) return std::nullopt;
    timing.dataBytes = std::min<uint64_t>(data->declaredSize, formEnd - data->bodyOffset);
    timing.playingTime = std::chrono::milliseconds(timing.dataBytes * 1000 / timing.bytesPerSecond);
    return timing;
}

std::optional<WaveTiming> ReadWaveTiming(std::span<const uint8_t> wave) {
    return ReadWaveTiming(wave.size(), [wave](uint64_t offset, uint8_t* out, size_t size) {
        if (offset > wave.size() || size > wave.size() - offset) return false;
        std::memcpy(out, wave.data() + offset, size);
        return true;
    });
}

std::optional<WaveTiming> ReadWaveFileTiming(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return std::nullopt;
    const std::streamoff size = file.tellg();
    if (size < 0) return std::nullopt;
    return ReadWaveTiming(
        static_cast<uint64_t>(size), [&file](uint64_t offset, uint8_t* out, size_t count) {
            file.clear();
            file.seekg(static_cast<std::streamoff>(offset));
            file.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count));
            return file.gcount() == static_cast<std::streamsize>(count);
        });
}

} // namespace zm
