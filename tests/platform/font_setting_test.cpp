#include "platform/font_setting.h"
#include "platform/memory_settings.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

FontBytes StoredFont(int32_t points, int32_t weight, const char* face, uint8_t charSet = 0) {
    FontDescription f;
    f.height = points;
    f.width = 7;
    f.escapement = 900;
    f.orientation = 900;
    f.weight = weight;
    f.italic = 1;
    f.underline = 1;
    f.strikeOut = 1;
    f.charSet = charSet;
    f.outPrecision = 3;
    f.clipPrecision = 2;
    f.quality = 5;
    f.pitchAndFamily = 0x22;
    f.faceName = face;
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
        EXPECT_EQ(f.height, c.height) << c.points;
        EXPECT_EQ(f.weight, c.readWeight) << c.weight;
        EXPECT_EQ(f.faceName, c.readFace);
        EXPECT_EQ(f.charSet, c.readCharSet);
        EXPECT_EQ(f.italic, 1);
        const FontDescription cleared{f.height, 0,         0, 0, f.weight, 1, 0,
                                      0,        f.charSet, 0, 0, 0,        0, f.faceName};
        EXPECT_EQ(f, cleared);
    }
}

TEST(FontSetting, MissingOrDamagedFontsAreArialAtTheSettingsSize) {
    MemorySettings s;
    EXPECT_EQ(ReadFont(s, SettingId::MainWindowFont, 96).height, -11);  // 8 points
    EXPECT_EQ(ReadFont(s, SettingId::PrintHeaderFont, 96).height, -24); // 18 points
    s.Write("Fonts/MainWindow", std::string(80, '0'));                  // 40 bytes
    const FontDescription f = ReadFont(s, SettingId::MainWindowFont, 96);
    EXPECT_EQ(f.faceName, "Arial");
    EXPECT_EQ(f.height, -11);
    EXPECT_EQ(f.weight, 400);
    EXPECT_EQ(f.italic, 0);
}

TEST(FontSetting, EverySizeComesBackUnchangedAtEveryResolution) {
    for (const int dpi : {72, 96, 110, 120, 144, 168, 192, 288}) {
        for (int points = kSmallestFontPoints; points <= kLargestFontPoints; ++points) {
            MemorySettings s;
            FontDescription f;
            f.height = -PointsToPixels(points, dpi);
            f.faceName = "DejaVu Sans";
            WriteFont(s, SettingId::CalendarFont, f, dpi);
            for (int save = 0; save < 3; ++save)
                WriteFont(s, SettingId::CalendarFont, ReadFont(s, SettingId::CalendarFont, dpi),
                          dpi);
            const FontDescription back = ReadFont(s, SettingId::CalendarFont, dpi);
            EXPECT_EQ(PointSizeOf(back, dpi), points) << points << " pt at " << dpi;
            EXPECT_EQ(back.height, f.height) << points << " pt at " << dpi;
        }
    }
}

TEST(FontSetting, FaceNamesAreCutToWholeCharactersWithRoomForTheEnd) {
    FontDescription f;
    f.faceName = std::string(30, 'x') + "\xC3\xA9" + "yz"; // the two-byte letter would end at 32
    const FontBytes bytes = PackFontDescription(f);
    EXPECT_EQ(UnpackFontDescription(bytes).faceName, std::string(30, 'x'));
    f.faceName = std::string(29, 'x') + "\xC3\xA9" + "yz";
    EXPECT_EQ(UnpackFontDescription(PackFontDescription(f)).faceName,
              std::string(29, 'x') + "\xC3\xA9");
}

} // namespace
} // namespace zm
