#include "format/colour_contrast.h"

#include <cmath>

namespace zm {
namespace {

constexpr int kSteps = 256;

double Channel(uint32_t c) {
    const double v = static_cast<double>(c & 0xFF) / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(uint32_t rgb) {
    return 0.2126 * Channel(rgb >> 16) + 0.7152 * Channel(rgb >> 8) + 0.0722 * Channel(rgb);
}

// `colour` moved `steps` of kSteps toward `target`, each channel rounded.
uint32_t Mix(uint32_t colour, uint32_t target, int steps) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int from = static_cast<int>(colour >> shift & 0xFF);
        const int to = static_cast<int>(target >> shift & 0xFF);
        const int mixed =
            from + ((to - from) * steps + (to >= from ? kSteps / 2 : -kSteps / 2)) / kSteps;
        out |= static_cast<uint32_t>(mixed) << shift;
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
    background &= 0xFFFFFF;
    if (ContrastRatio(colour, background) >= kLeastTextContrast) return colour;
    const uint32_t target =
        ContrastRatio(0xFFFFFF, background) > ContrastRatio(0, background) ? 0xFFFFFF : 0;
    // The contrast grows as the colour moves toward the target: the fewest steps that reach it.
    int low = 1;
    int high = kSteps;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (ContrastRatio(Mix(colour, target, mid), background) >= kLeastTextContrast)
            high = mid;
        else
            low = mid + 1;
    }
    return Mix(colour, target, low);
}

uint32_t DisabledTextColour(uint32_t text, uint32_t background) {
    const uint32_t enabled = ReadableColour(text, background);
    const uint32_t dimmed =
        ReadableColour(Mix(text & 0xFFFFFF, background & 0xFFFFFF, kSteps / 2), background);
    // Never stronger than the enabled text: where that is already at the least contrast, both
    // are the same.
    return ContrastRatio(dimmed, background) < ContrastRatio(enabled, background) ? dimmed
                                                                                  : enabled;
}

} // namespace zm
