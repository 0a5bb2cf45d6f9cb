#include "model/crc32.h"

#include <array>

namespace zm {
namespace {
constexpr std::array<uint32_t, 256> MakeTable() {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[i] = c;
    }
    return t;
}
constexpr std::array<uint32_t, 256> kTable = MakeTable();
} // namespace

uint32_t Crc32Update(uint32_t value, const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i)
        value = kTable[(value ^ p[i]) & 0xFF] ^ (value >> 8);
    return value;
}

} // namespace zm
