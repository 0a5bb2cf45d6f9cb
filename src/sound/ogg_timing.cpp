#include "sound/ogg_timing.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string_view>
#include <vector>

namespace zm {
namespace {

constexpr size_t kPageHeaderSize = 27; // up to the segment count, then the segment table
constexpr uint64_t kNoGranule = ~uint64_t{0};

uint64_t LittleEndian(std::span<const uint8_t> bytes, size_t at, size_t size) {
    uint64_t value = 0;
    for (size_t i = size; i-- > 0;)
        value = value << 8 | bytes[at + i];
    return value;
}

bool IsPageAt(std::span<const uint8_t> bytes, size_t at) {
    return at + kPageHeaderSize <= bytes.size() && std::memcmp(&bytes[at], "OggS", 4) == 0 &&
           bytes[at + 4] == 0;
}

bool StartsWith(std::span<const uint8_t> bytes, size_t at, std::string_view text) {
    return at + text.size() <= bytes.size() &&
           std::memcmp(&bytes[at], text.data(), text.size()) == 0;
}

struct StreamStart {
    uint32_t serial = 0;
    uint64_t rate = 0;
    uint64_t preSkip = 0;
};

std::optional<StreamStart> ReadStreamStart(std::span<const uint8_t> head) {
    if (!IsPageAt(head, 0)) return std::nullopt;
    const size_t segments = head[26];
    const size_t packet = kPageHeaderSize + segments;
    StreamStart start;
    start.serial = static_cast<uint32_t>(LittleEndian(head, 14, 4));
    if (StartsWith(head, packet, "\x01vorbis") && packet + 16 <= head.size()) {
        start.rate = LittleEndian(head, packet + 12, 4);
    } else if (StartsWith(head, packet, "OpusHead") && packet + 12 <= head.size()) {
        start.rate = 48000;
        start.preSkip = LittleEndian(head, packet + 10, 2);
    }
    if (start.rate == 0) return std::nullopt;
    return start;
}

// The granule position of the last whole page of the stream in the tail.
std::optional<uint64_t> LastGranule(std::span<const uint8_t> tail, uint32_t serial) {
    for (size_t at = tail.size() < kPageHeaderSize ? 0 : tail.size() - kPageHeaderSize + 1;
         at-- > 0;) {
        if (!IsPageAt(tail, at) || LittleEndian(tail, at + 14, 4) != serial) continue;
        const size_t segments = tail[at + 26];
        if (at + kPageHeaderSize + segments > tail.size()) continue;
        size_t body = 0;
        for (size_t i = 0; i < segments; ++i)
            body += tail[at + kPageHeaderSize + i];
        if (at + kPageHeaderSize + segments + body > tail.size()) continue;
        const uint64_t granule = LittleEndian(tail, at + 6, 8);
        if (granule != kNoGranule) return granule;
    }
    return std::nullopt;
}

std::vector<uint8_t> ReadAt(std::ifstream& in, uint64_t offset, size_t size) {
    std::vector<uint8_t> bytes(size);
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    in.clear();
    return bytes;
}

} // namespace

std::optional<std::chrono::milliseconds> ReadOggPlayingTime(std::span<const uint8_t> head,
                                                            std::span<const uint8_t> tail) {
    const std::optional<StreamStart> start = ReadStreamStart(head);
    if (!start) return std::nullopt;
    const std::optional<uint64_t> granule = LastGranule(tail, start->serial);
    if (!granule) return std::nullopt;
    const uint64_t samples = *granule > start->preSkip ? *granule - start->preSkip : 0;
    const uint64_t ms = samples / start->rate * 1000 + samples % start->rate * 1000 / start->rate;
    return std::chrono::milliseconds(static_cast<std::chrono::milliseconds::rep>(ms));
}

std::optional<std::chrono::milliseconds> ReadOggFilePlayingTime(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff end = in.tellg();
    if (end <= 0) return std::nullopt;
    const uint64_t size = static_cast<uint64_t>(end);
    const size_t probe = static_cast<size_t>(std::min<uint64_t>(size, kOggProbeBytes));
    const std::vector<uint8_t> head = ReadAt(in, 0, probe);
    const std::vector<uint8_t> tail = ReadAt(in, size - probe, probe);
    return ReadOggPlayingTime(head, tail);
}

} // namespace zm
