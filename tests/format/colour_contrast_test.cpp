// The colour-contrast rule: ratios from relative luminance, and readable shades of a colour.

#include "format/colour_contrast.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace zm {
namespace {

// The least contrast of a text (WCAG 2.1 AA for normal text).
constexpr double kReadable = 4.5;

// The hue of a colour in degrees, or -1 for a grey too dark or pale to have one.
double Hue(uint32_t rgb) {
    const int r = rgb >> 16 & 0xFF, g = rgb >> 8 & 0xFF, b = rgb & 0xFF;
    const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
    if (hi - lo < 24) return -1;
    const double d = hi - lo;
    double h = hi == r ? (g - b) / d : hi == g ? 2 + (b - r) / d : 4 + (r - g) / d;
    return std::fmod(h * 60 + 360, 360);
}

double HueDistance(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, 360 - d);
}

TEST(ColourContrast, RatiosOfKnownPairs) {
    struct Case {
        uint32_t a, b;
        double ratio;
    };
    for (const Case& c : {Case{0x000000, 0xFFFFFF, 21.0}, Case{0xFFFFFF, 0xFFFFFF, 1.0},
                          Case{0x777777, 0xFFFFFF, 4.48}, Case{0x767676, 0xFFFFFF, 4.54},
                          Case{0xFF0000, 0xFFFFFF, 4.0}})
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01) << std::hex << c.a;
}

TEST(ColourContrast, AReadableColourStaysAndAnUnreadableOneChangesOnlyItsShade) {
    EXPECT_EQ(ReadableColour(0x000080, 0xFFFFFF), 0x000080u);
    EXPECT_EQ(ReadableColour(0xFFFFFF, 0x000000), 0xFFFFFFu);
    std::mt19937 random(7);
    std::uniform_int_distribution<uint32_t> colour(0, 0xFFFFFF);
    for (int i = 0; i < 5000; ++i) {
        const uint32_t text = colour(random), back = colour(random);
        const uint32_t readable = ReadableColour(text, back);
        ASSERT_GE(ContrastRatio(readable, back), kReadable) << std::hex << text << " on " << back;
        const double before = Hue(text), after = Hue(readable);
        if (before >= 0 && after >= 0) {
            EXPECT_LE(HueDistance(before, after), 4.0) << std::hex << text << " on " << back;
        }
        const uint32_t disabled = DisabledTextColour(text, back);
        ASSERT_GE(ContrastRatio(disabled, back), kReadable);
        EXPECT_LE(ContrastRatio(disabled, back), ContrastRatio(readable, back) + 1e-9);
    }
}

} // namespace
} // namespace zm
