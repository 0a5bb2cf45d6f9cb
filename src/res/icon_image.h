#pragma once
// A picture in memory: plain pixels that the windows turn into their own icons.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zm {

struct IconImage {
    int width = 0;
    int height = 0;
    // 0xAARRGGBB, rows top to bottom; alpha 0 is transparent, 255 opaque.
    std::vector<uint32_t> pixels;

    bool Empty() const { return width <= 0 || height <= 0; }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    friend bool operator==(const IconImage&, const IconImage&) = default;
};

inline constexpr uint32_t kTransparentPixel = 0x00000000;

constexpr uint32_t OpaquePixel(uint32_t rgb) {
    return 0xFF000000u | (rgb & 0x00FFFFFFu);
}
constexpr uint8_t PixelAlpha(uint32_t argb) {
    return static_cast<uint8_t>(argb >> 24);
}

} // namespace zm
