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
    f.height = GetInt32(b, 0);
    f.width = GetInt32(b, 4);
    f.escapement = GetInt32(b, 8);
    f.orientation = GetInt32(b, 12);
    f.weight = GetInt32(b, 16);
    f.italic = b[20];
    f.underline = b[21];
    f.strikeOut = b[22];
    f.charSet = b[23];
    f.outPrecision = b[24];
    f.clipPrecision = b[25];
    f.quality = b[26];
    f.pitchAndFamily = b[27];
    std::size_t length = 0;
    while (length < kFaceNameBytes && b[kFaceOffset + length] != 0)
        ++length;
    f.faceName.assign(reinterpret_cast<const char*>(&b[kFaceOffset]), length);
    return f;
}

FontBytes PackFontDescription(const FontDescription& f) {
    FontBytes b{};
    PutInt32(b, 0, f.height);
    PutInt32(b, 4, f.width);
    PutInt32(b, 8, f.escapement);
    PutInt32(b, 12, f.orientation);
    PutInt32(b, 16, f.weight);
    b[20] = f.italic;
    b[21] = f.underline;
    b[22] = f.strikeOut;
    b[23] = f.charSet;
    b[24] = f.outPrecision;
    b[25] = f.clipPrecision;
    b[26] = f.quality;
    b[27] = f.pitchAndFamily;
    // Whole characters only, and room for the closing zero byte.
    std::size_t length = 0;
    while (length < f.faceName.size()) {
        const std::size_t next = length + Utf8CharLength(f.faceName, length);
        if (next > kFaceNameBytes - 1) break;
        length = next;
    }
    std::copy_n(f.faceName.begin(), length, b.begin() + kFaceOffset);
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
        f.height = defaultPoints;
    }
    const int points = std::clamp(f.height, kSmallestFontPoints, kLargestFontPoints);
    f.height = -PointsToPixels(points, pixelsPerInch);
    f.width = 0;
    f.escapement = 0;
    f.orientation = 0;
    if (f.weight != kFontBold) f.weight = kFontRegular;
    f.underline = 0;
    f.strikeOut = 0;
    if (f.charSet == 0) f.charSet = 1;
    f.outPrecision = 0;
    f.clipPrecision = 0;
    f.quality = 0;
    f.pitchAndFamily = 0;
    if (f.faceName.empty()) f.faceName = "Arial";
    return f;
}

FontBytes StoredFromFont(const FontDescription& font, int pixelsPerInch) {
    FontDescription stored = font;
    stored.height = PointSizeOf(font, pixelsPerInch);
    return PackFontDescription(stored);
}

int PointSizeOf(const FontDescription& font, int pixelsPerInch) {
    return PixelsToPoints(std::abs(font.height), pixelsPerInch);
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
