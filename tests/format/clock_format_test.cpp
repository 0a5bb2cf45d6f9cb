#include "format/clock_format.h"
#include "format/display_format.h"
#include "format_fixture.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(ClockFormatFromPlatformPicture, TranslatesLocaleLongTimeFormats) {
    struct Row {
        const char* picture;
        const char* expected;
    };
    const Row rows[] = {
        {"h:mm:ss AP t", "h:mm:ss tt ZZ"}, // en_US
        {"h:mm:ss\xE2\x80\xAF"
         "AP t",
         "h:mm:ss\xE2\x80\xAFtt ZZ"},  // en_US, newer data
        {"HH:mm:ss t", "HH:mm:ss ZZ"}, // de_DE
        {"H:mm:ss t", "H:mm:ss ZZ"},   // 24-hour without zero
        {"h:mm:ss t", "H:mm:ss ZZ"},   // h without AP is 24-hour
        {"hh:mm:ss ap", "hh:mm:ss tt"},
        {"A h:mm", "tt h:mm"},
        {"a h:mm", "tt h:mm"},
        {"HH 'h' mm 'min' ss 's' t", "HH 'h' mm 'min' ss 's' ZZ"}, // fr_CA style
        {"HH.mm.ss", "HH.mm.ss"},
        {"HH:mm:ss.zzz", "HH:mm:ss.000"},
        {"HH:mm:ss.z", "HH:mm:ss.0"},
        {"hhh", "HH~H"}, // hh then h in the platform's reading
        {"HHH:mm", "HH~H:mm"},
        {"ttt", "ZZ"},
        {"HH 'Uhr'", "HH 'Uhr'"},
        {"HH 'o''clock'", "HH 'o''''clock'"},
        {"HH'h'mm", "HH'h'mm"},
        {"HH x mm", "HH 'x' mm"}, // letters are quoted
        {"HH|mm~ss @ 100%", "HH'|'mm'~'ss '@' 100%"},
        {"H:mm 'open", "H:mm 'open'"}, // an unclosed quote runs to the end
        {"", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ClockFormatFromPlatformPicture(r.picture), r.expected) << r.picture;
}

TEST(ClockFormatFromPlatformPicture, TheTranslationShowsWhatThePictureMeans) {
    test::FormatFixture fx;
    const DateTime t = DateTime::FromParts(2020, 3, 4, 15, 6, 7);
    struct Row {
        const char* picture;
        const char* shown;
    };
    const Row rows[] = {
        {"h:mm:ss AP t", "3:06:07 PM CET"},
        {"HH 'o''clock'", "15 o'clock"},
        {"HH x mm|~@", "15 x 06|~@"},
        {"HH:mm:ss.zzz 100%", "15:06:07.000 100%"},
        {"hhh", "1515"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(fx.Expand(ClockFormatFromPlatformPicture(r.picture), t), r.shown) << r.picture;
}

TEST(DefaultClockFormat, TheLocalesLongTimeFormatOrTheFallback) {
    LocaleDescription d;
    EXPECT_EQ(DefaultClockFormat(d), "hh:mm:ss tt");
    d.longTimeFormat = "HH:mm:ss t";
    EXPECT_EQ(DefaultClockFormat(d), "HH:mm:ss ZZ");
}

} // namespace
} // namespace zm
