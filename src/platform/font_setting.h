#pragma once
// Fonts in the settings: the 60-byte font description of the platform the settings come from
// (little-endian: height, width, escapement, orientation, weight as 32-bit numbers; then the
// italic, underline, strike-out, character set, output precision, clip precision, quality and
// pitch-and-family bytes; then a 32-byte face name ending in a zero byte), whose height field
// holds a size in points. In memory the height is in device pixels, negative: the character
// height without the internal leading.

#include "platform/setting_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zm {

inline constexpr std::size_t kFontDescriptionBytes = 60;
inline constexpr std::size_t kFaceNameBytes = 32;
inline constexpr int kFontRegular = 400;
inline constexpr int kFontBold = 700;
inline constexpr int kSmallestFontPoints = 8;
inline constexpr int kLargestFontPoints = 24;

using FontBytes = std::array<uint8_t, kFontDescriptionBytes>;

struct FontDescription {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = kFontRegular;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 1; // 1: the default character set
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::string faceName; // UTF-8, at most 31 bytes
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// The fields as they stand in the bytes, and back; no rule applied. A face name is cut to whole
// characters within 31 bytes.
FontDescription UnpackFontDescription(std::span<const uint8_t, kFontDescriptionBytes> bytes);
FontBytes PackFontDescription(const FontDescription& font);

// Points and device pixels at a number of pixels per logical inch, both rounded to the nearest
// whole number, so a size in points comes back unchanged from pixels at any resolution of 72
// pixels per inch or more.
int PointsToPixels(int points, int pixelsPerInch);
int PixelsToPoints(int pixels, int pixelsPerInch);

// The font a stored value stands for. A missing value, or one of another length than 60 bytes,
// is an all-zero description of defaultPoints. Then: the size in points is clamped to 8..24
// and becomes pixels; width, escapement and orientation become 0; a weight of 700 stays, any
// other becomes 400; underline and strike-out are cleared; character set 0 becomes 1; output
// precision, clip precision, quality and pitch-and-family become 0; an empty face name becomes
// "Arial"; the italic flag stays.
FontDescription FontFromStored(std::optional<std::span<const uint8_t>> stored, int defaultPoints,
                               int pixelsPerInch);
// The stored form: the height back in points.
FontBytes StoredFromFont(const FontDescription& font, int pixelsPerInch);

// The size in points of a font in memory.
int PointSizeOf(const FontDescription& font, int pixelsPerInch);

// A font setting of the table, read and written with the rules above.
FontDescription ReadFont(const Settings& settings, SettingId id, int pixelsPerInch);
void WriteFont(Settings& settings, SettingId id, const FontDescription& font, int pixelsPerInch);

} // namespace zm
