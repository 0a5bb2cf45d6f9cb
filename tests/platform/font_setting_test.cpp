#include "platform/font_setting.h"
#include "platform/memory_settings.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

FontBytes StoredFont(int32_t points, int32_t weight, const char* face, uint8_t charSet = 0) {
    FontDescription f;
    f.Height = points;
    f.Width = 7;
    f.Escapement = 900;
    f.Orientation = 900;
    f.Weight = weight;
    f.Italic = 1;
    f.Underline = 1;
    f.StrikeOut = 1;
    f.CharSet = charSet;
    f.OutPrecision = 3;
    f.ClipPrecision = 2;
    f.Quality = 5;
    f.PitchAndFamily = 0x22;
    f.FaceName = face;
    return PackFontDescription(f);
}

TEST(FontSetting, StoredFontsReadByTheRules) {
    struct Case {
        int32_t points;
        int32_t weight;
        const char* face;
        uint8_t charSet;
        int32_t height; // at 96 pixels per inch
        int32_t readWeight;
        const char* readFace;
        uint8_t readCharSet;
    };
    const Case cases[] = {
        {11, 700, "DejaVu Sans", 0, -15, 700, "DejaVu Sans", 1},
        {30, 600, "Liberation Serif", 238, -32, 400, "Liberation Serif", 238},
        {2, 400, "", 1, -11, 400, "Arial", 1},
        {-12, 900, "Noto Sans", 0, -11, 400, "Noto Sans", 1},
        {24, 701, "Cantarell", 0, -32, 400, "Cantarell", 1},
    };
    for (const Case& c : cases) {
        const FontBytes stored = StoredFont(c.points, c.weight, c.face, c.charSet);
        const FontDescription f = FontFromStored(std::span<const uint8_t>(stored), 8, 96);
        EXPECT_EQ(f.Height, c.height) << c.points;
        EXPECT_EQ(f.Weight, c.readWeight) << c.weight;
        EXPECT_EQ(f.FaceName, c.readFace);
        EXPECT_EQ(f.CharSet, c.readCharSet);
        EXPECT_EQ(f.Italic, 1);
        const FontDescription cleared{f.Height, 0,         0, 0, f.Weight, 1, 0,
                                      0,        f.CharSet, 0, 0, 0,        0, f.FaceName};
        EXPECT_EQ(f, cleared);
    }
}

TEST(FontSetting, MissingOrDamagedFontsAreArialAtTheSettingsSize) {
    MemorySettings s;
    EXPECT_EQ(ReadFont(s, SettingId::MainWindowFont, 96).Height, -11);  // 8 points
    EXPECT_EQ(ReadFont(s, SettingId::PrintHeaderFont, 96).Height, -24); // 18 points
    s.write("Fonts/MainWindow", std::string(80, '0'));                  // 40 bytes
    const FontDescription f = ReadFont(s, SettingId::MainWindowFont, 96);
    EXPECT_EQ(f.FaceName, "Arial");
    EXPECT_EQ(f.Height, -11);
    EXPECT_EQ(f.Weight, 400);
    EXPECT_EQ(f.Italic, 0);
}

TEST(FontSetting, EverySizeComesBackUnchangedAtEveryResolution) {
    for (const int dpi : {72, 96, 110, 120, 144, 168, 192, 288}) {
        for (int points = kSmallestFontPoints; points <= kLargestFontPoints; ++points) {
            MemorySettings s;
            FontDescription f;
            f.Height = -PointsToPixels(points, dpi);
            f.FaceName = "DejaVu Sans";
            WriteFont(s, SettingId::CalendarFont, f, dpi);
            for (int save = 0; save < 3; ++save)
                WriteFont(s, SettingId::CalendarFont, ReadFont(s, SettingId::CalendarFont, dpi),
                          dpi);
            const FontDescription back = ReadFont(s, SettingId::CalendarFont, dpi);
            EXPECT_EQ(PointSizeOf(back, dpi), points) << points << " pt at " << dpi;
            EXPECT_EQ(back.Height, f.Height) << points << " pt at " << dpi;
        }
    }
}

TEST(FontSetting, FaceNamesAreCutToWholeCharactersWithRoomForTheEnd) {
    FontDescription f;
    f.FaceName = std::string(30, 'x') + "\xC3\xA9" + "yz"; // the two-byte letter would end at 32
    const FontBytes bytes = PackFontDescription(f);
    EXPECT_EQ(UnpackFontDescription(bytes).FaceName, std::string(30, 'x'));
    f.FaceName = std::string(29, 'x') + "\xC3\xA9" + "yz";
    EXPECT_EQ(UnpackFontDescription(PackFontDescription(f)).FaceName,
              std::string(29, 'x') + "\xC3\xA9");
}

} // namespace
} // namespace zm
