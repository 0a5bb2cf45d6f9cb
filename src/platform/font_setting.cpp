#include "platform/font_setting.h"

#include "platform/utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zm {
namespace {

constexpr std::size_t kFaceOffset = 28;

int32_t GetInt32(std::span<const uint8_t, kFontDescriptionBytes> b, std::size_t at) {
    const uint32_t v = uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 |
                       uint32_t{b[at + 3]} << 24;
    return static_cast<int32_t>(v);
}

void PutInt32(FontBytes& b, std::size_t at, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// value * numerator / denominator, rounded half away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
    if (denominator <= 0) return value;
    const double scaled = static_cast<double>(value) * numerator / denominator;
    const double limit = 2147483647.0;
    return static_cast<int>(std::clamp(std::round(scaled), -limit, limit));
}

} // namespace

FontDescription UnpackFontDescription(std::span<const uint8_t, kFontDescriptionBytes> b) {
    FontDescription f;
    f.Height = GetInt32(b, 0);
    f.Width = GetInt32(b, 4);
    f.Escapement = GetInt32(b, 8);
    f.Orientation = GetInt32(b, 12);
    f.Weight = GetInt32(b, 16);
    f.Italic = b[20];
    f.Underline = b[21];
    f.StrikeOut = b[22];
    f.CharSet = b[23];
    f.OutPrecision = b[24];
    f.ClipPrecision = b[25];
    f.Quality = b[26];
    f.PitchAndFamily = b[27];
    std::size_t length = 0;
    while (length < kFaceNameBytes && b[kFaceOffset + length] != 0)
        ++length;
    f.FaceName.assign(reinterpret_cast<const char*>(&b[kFaceOffset]), length);
    return f;
}

FontBytes PackFontDescription(const FontDescription& f) {
    FontBytes b{};
    PutInt32(b, 0, f.Height);
    PutInt32(b, 4, f.Width);
    PutInt32(b, 8, f.Escapement);
    PutInt32(b, 12, f.Orientation);
    PutInt32(b, 16, f.Weight);
    b[20] = f.Italic;
    b[21] = f.Underline;
    b[22] = f.StrikeOut;
    b[23] = f.CharSet;
    b[24] = f.OutPrecision;
    b[25] = f.ClipPrecision;
    b[26] = f.Quality;
    b[27] = f.PitchAndFamily;
    // Whole characters only, and room for the closing zero byte.
    std::size_t length = 0;
    while (length < f.FaceName.size()) {
        const std::size_t next = length + Utf8CharLength(f.FaceName, length);
        if (next > kFaceNameBytes - 1) break;
        length = next;
    }
    std::copy_n(f.FaceName.begin(), length, b.begin() + kFaceOffset);
    return b;
}

int PointsToPixels(int points, int pixelsPerInch) {
    return ScaleRounded(points, pixelsPerInch, 72);
}

int PixelsToPoints(int pixels, int pixelsPerInch) {
    return ScaleRounded(pixels, 72, pixelsPerInch);
}

FontDescription FontFromStored(std::optional<std::span<const uint8_t>> stored, int defaultPoints,
                               int pixelsPerInch) {
    FontDescription f;
    if (stored && stored->size() == kFontDescriptionBytes) {
        f = UnpackFontDescription(stored->first<kFontDescriptionBytes>());
    } else {
        f = UnpackFontDescription(FontBytes{});
        f.Height = defaultPoints;
    }
    const int points = std::clamp(f.Height, kSmallestFontPoints, kLargestFontPoints);
    f.Height = -PointsToPixels(points, pixelsPerInch);
    f.Width = 0;
    f.Escapement = 0;
    f.Orientation = 0;
    if (f.Weight != kFontBold) f.Weight = kFontRegular;
    f.Underline = 0;
    f.StrikeOut = 0;
    if (f.CharSet == 0) f.CharSet = 1;
    f.OutPrecision = 0;
    f.ClipPrecision = 0;
    f.Quality = 0;
    f.PitchAndFamily = 0;
    if (f.FaceName.empty()) f.FaceName = "Arial";
    return f;
}

FontBytes StoredFromFont(const FontDescription& font, int pixelsPerInch) {
    FontDescription stored = font;
    stored.Height = PointSizeOf(font, pixelsPerInch);
    return PackFontDescription(stored);
}

int PointSizeOf(const FontDescription& font, int pixelsPerInch) {
    return PixelsToPoints(std::abs(font.Height), pixelsPerInch);
}

FontDescription ReadFont(const Settings& settings, SettingId id, int pixelsPerInch) {
    const auto bytes = ReadBytes(settings, id);
    const int defaultPoints = static_cast<int>(DefinitionOf(id).defaultValue);
    if (!bytes) return FontFromStored(std::nullopt, defaultPoints, pixelsPerInch);
    return FontFromStored(std::span<const uint8_t>(*bytes), defaultPoints, pixelsPerInch);
}

void WriteFont(Settings& settings, SettingId id, const FontDescription& font, int pixelsPerInch) {
    const FontBytes bytes = StoredFromFont(font, pixelsPerInch);
    WriteBytes(settings, id, bytes);
}

} // namespace zm
