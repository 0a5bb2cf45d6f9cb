#pragma once
// Little-endian integers and doubles in byte buffers, whatever the machine's own order: the one
// set of readers and writers for every file format and checksum of the program.

#include <cstdint>
#include <cstring>
#include <vector>

namespace zm {

// --- writing at a place ---

inline void PutLe16(unsigned char* p, uint16_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
inline void PutLe24(unsigned char* p, uint32_t v) {
    for (int i = 0; i < 3; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}
inline void PutLe32(unsigned char* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}
inline void PutLe64(unsigned char* p, uint64_t v) {
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

// --- appending ---

inline void AppendLe16(std::vector<unsigned char>& out, uint16_t v) {
    const size_t at = out.size();
    out.resize(at + 2);
    PutLe16(out.data() + at, v);
}
inline void AppendLe32(std::vector<unsigned char>& out, uint32_t v) {
    const size_t at = out.size();
    out.resize(at + 4);
    PutLe32(out.data() + at, v);
}
inline void AppendLe64(std::vector<unsigned char>& out, uint64_t v) {
    const size_t at = out.size();
    out.resize(at + 8);
    PutLe64(out.data() + at, v);
}

// --- reading ---

inline uint16_t GetLe16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t GetLe24(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16);
}
inline uint32_t GetLe32(const unsigned char* p) {
    return GetLe24(p) | (static_cast<uint32_t>(p[3]) << 24);
}
inline uint64_t GetLe64(const unsigned char* p) {
    return GetLe32(p) | (static_cast<uint64_t>(GetLe32(p + 4)) << 32);
}

// --- doubles as their bits ---

inline uint64_t DoubleBits(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}
inline double DoubleFromBits(uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

} // namespace zm
