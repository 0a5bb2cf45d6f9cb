#pragma once
// Keeping a text readable on what it is drawn on: the contrast ratio of two colours from their
// relative luminance, and a colour brought toward white or black, keeping its hue, until its
// text reaches the least contrast a text keeps (4.5:1).

#include <cstdint>

namespace zm {

// The contrast ratio of two colours (0x00RRGGBB), from 1 (the same) to 21 (black on white).
double ContrastRatio(uint32_t a, uint32_t b);

// The least contrast a text keeps against what it is drawn on.
inline constexpr double kLeastTextContrast = 4.5;

// `colour` itself when it keeps kLeastTextContrast against `background`; otherwise the colour
// mixed with white (on a dark background) or black (on a light one), as little as it takes, so
// that only its shade changes and never its hue.
uint32_t ReadableColour(uint32_t colour, uint32_t background);

// A disabled text on `background`: `text` brought halfway toward the background, then made
// readable again, so it reads dimmer than `text` where the contrast allows it and still keeps
// kLeastTextContrast.
uint32_t DisabledTextColour(uint32_t text, uint32_t background);

// A colour as the types keep it (0x00BBGGRR) as 0x00RRGGBB.
constexpr uint32_t RgbFromTypeColour(uint32_t bgr) {
    return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
}

} // namespace zm
