#pragma once
// A fresh folder for each test, and small file helpers.

#include "platform/byte_order.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace zm::sidetest {

using zm::testing::TempFolder;

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline bool FileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

inline uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
    return GetLe32(b.data() + at);
}
inline uint16_t U16At(const std::vector<uint8_t>& b, size_t at) {
    return GetLe16(b.data() + at);
}

// Little-endian byte building for hand-made files.
struct Bytes {
    std::vector<uint8_t> v;
    Bytes& U8(uint8_t x) {
        v.push_back(x);
        return *this;
    }
    Bytes& U16(uint16_t x) {
        AppendLe16(v, x);
        return *this;
    }
    Bytes& U32(uint32_t x) {
        AppendLe32(v, x);
        return *this;
    }
    Bytes& Str(const std::string& s) {
        v.insert(v.end(), s.begin(), s.end());
        return *this;
    }
    Bytes& Zeros(size_t n) {
        v.insert(v.end(), n, 0);
        return *this;
    }
    Bytes& Raw(const std::vector<uint8_t>& b) {
        v.insert(v.end(), b.begin(), b.end());
        return *this;
    }
};

} // namespace zm::sidetest
