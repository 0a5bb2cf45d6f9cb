#include "list/text_contrast.h"

#include <cmath>

namespace zm {
namespace {

double Channel(uint32_t c) {
    const double v = static_cast<double>(c & 0xFF) / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(uint32_t rgb) {
    return 0.2126 * Channel(rgb >> 16) + 0.7152 * Channel(rgb >> 8) + 0.0722 * Channel(rgb);
}

uint32_t Mix(uint32_t colour, uint32_t target, int tenths) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int from = static_cast<int>(colour >> shift & 0xFF);
        const int to = static_cast<int>(target >> shift & 0xFF);
        out |= static_cast<uint32_t>(from + (to - from) * tenths / 10) << shift;
    }
    return out;
}

} // namespace

double ContrastRatio(uint32_t a, uint32_t b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

uint32_t ReadableColour(uint32_t colour, uint32_t background) {
    colour &= 0xFFFFFF;
    const uint32_t target =
        ContrastRatio(0xFFFFFF, background) > ContrastRatio(0, background) ? 0xFFFFFF : 0;
    for (int tenths = 0; tenths <= 10; ++tenths) {
        const uint32_t mixed = Mix(colour, target, tenths);
        if (ContrastRatio(mixed, background) >= kLeastTextContrast) return mixed;
    }
    return target;
}

} // namespace zm
