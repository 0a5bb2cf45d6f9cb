#pragma once
// Shared by the side-file fuzz targets: the heap count and seed files.

#include "heap_count.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace zm::fuzz {

inline void WriteSeed(const char* folder, const char* name, const std::vector<uint8_t>& bytes) {
    const std::string path = std::string(folder) + "/" + name;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

} // namespace zm::fuzz
