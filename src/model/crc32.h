#pragma once
// The CRC of event ids and content signatures: the reflected CRC-32 table (polynomial
// 0xEDB88320) with initial value 0 and no final inversion.

#include <cstddef>
#include <cstdint>

namespace zm {

// Carries a running value over bytes; start with 0.
uint32_t Crc32Update(uint32_t value, const void* data, size_t size);

} // namespace zm
