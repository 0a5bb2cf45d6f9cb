#include "adapters/gui/qt_font.h"
#include "platform/memory_settings.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(QtFont, EveryPointSizeSurvivesTheTripThroughQFontAndTheSettings) {
    for (const int dpi : {72, 96, 120, 144, 192}) {
        for (int points = kSmallestFontPoints; points <= kLargestFontPoints; ++points) {
            // A font as the font dialog gives it: in points.
            QFont chosen(QStringLiteral("DejaVu Sans"));
            chosen.setPointSize(points);
            chosen.setBold(points % 2 == 0);
            chosen.setItalic(points % 3 == 0);
            MemorySettings s;
            WriteFont(s, SettingId::ClockFont, FontFromQFont(chosen, dpi), dpi);
            for (int save = 0; save < 3; ++save) {
                const QFont shown = ToQFont(ReadFont(s, SettingId::ClockFont, dpi));
                WriteFont(s, SettingId::ClockFont, FontFromQFont(shown, dpi), dpi);
            }
            const FontDescription back = ReadFont(s, SettingId::ClockFont, dpi);
            EXPECT_EQ(PointSizeOf(back, dpi), points) << points << " pt at " << dpi;
            EXPECT_EQ(back.weight, points % 2 == 0 ? kFontBold : kFontRegular);
            EXPECT_EQ(back.italic, points % 3 == 0 ? 1 : 0);
            EXPECT_EQ(back.faceName, "DejaVu Sans");
        }
    }
}

TEST(QtFont, ADescriptionBecomesTheQFontItDescribes) {
    FontDescription d;
    d.height = -15;
    d.weight = kFontBold;
    d.italic = 1;
    d.faceName = "Liberation Serif";
    const QFont f = ToQFont(d);
    EXPECT_EQ(f.pixelSize(), 15);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.italic());
    EXPECT_EQ(f.family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(FontFromQFont(f, 96), d);
    EXPECT_GT(ScreenPixelsPerInch(), 0);
}

} // namespace
} // namespace zm
