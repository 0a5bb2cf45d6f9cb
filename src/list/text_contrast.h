#pragma once
// Keeping a type's colour readable on the list's background: a colour too close to the
// background (a dark type colour on a dark palette) is brought toward white or black, keeping
// its hue, until it stands out.

#include <cstdint>

namespace zm {

// The contrast ratio of two colours (0x00RRGGBB), from 1 (the same) to 21 (black on white).
double ContrastRatio(uint32_t a, uint32_t b);

// The least contrast a row's text keeps against its background.
inline constexpr double kLeastTextContrast = 3.0;

// `colour` itself when it keeps kLeastTextContrast against `background`; otherwise the colour
// mixed with white (on a dark background) or black (on a light one) in tenths until it does.
uint32_t ReadableColour(uint32_t colour, uint32_t background);

// A colour as the types keep it (0x00BBGGRR) as 0x00RRGGBB.
constexpr uint32_t RgbFromTypeColour(uint32_t bgr) {
    return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
}

} // namespace zm
