#include "sound/midi_data.h"

#include "platform/byte_order.h"

#include <algorithm>
#include <cstring>

namespace zm {
namespace {

bool StartsWith(std::span<const uint8_t> bytes, const char* tag) {
    return bytes.size() >= 4 && std::memcmp(bytes.data(), tag, 4) == 0;
}

} // namespace

std::span<const uint8_t> StandardMidiOf(std::span<const uint8_t> file) {
    if (StartsWith(file, "MThd")) return file;
    if (file.size() < 12 || !StartsWith(file, "RIFF") || !StartsWith(file.subspan(8), "RMID"))
        return {};
    size_t offset = 12;
    while (file.size() - offset >= 8) {
        const uint64_t size = GetLe32(file.data() + offset + 4);
        const size_t body = offset + 8;
        if (StartsWith(file.subspan(offset), "data")) {
            const auto midi = file.subspan(body, std::min<uint64_t>(size, file.size() - body));
            return StartsWith(midi, "MThd") ? midi : std::span<const uint8_t>{};
        }
        if (size + (size & 1) > file.size() - body) break;
        offset = body + static_cast<size_t>(size + (size & 1));
    }
    return {};
}

} // namespace zm
