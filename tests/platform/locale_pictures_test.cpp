#include "platform/locale_formatter.h"
#include "platform/locale_pictures.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(TokenizePicture, FieldsLiteralsAndQuotes) {
    const std::vector<PictureToken> expected = {{'H', 2, ""}, {0, 0, " o'clock, "}, {'m', 2, ""},
                                                {0, 0, " x"}, {'A', 1, ""},         {'P', 1, ""}};
    EXPECT_EQ(TokenizePicture("HH 'o''clock', mm xAP"), expected);
    const std::vector<PictureToken> unclosed = {{'d', 1, ""}, {0, 0, "'. open"}};
    EXPECT_EQ(TokenizePicture("d''. 'open"), unclosed);
}

TEST(ReadDatePicture, ShortDateFormatsOfSeveralLocales) {
    struct Row {
        const char* picture;
        int order;
        bool century, dayZero, monthZero;
        const char *separator, *compact;
    };
    const Row rows[] = {
        {"M/d/yy", 0, false, false, false, "/", "/"},    // en_US
        {"dd/MM/yyyy", 1, true, true, true, "/", "/"},   // en_GB
        {"dd.MM.yy", 1, false, true, true, ".", "."},    // de_DE
        {"yyyy-MM-dd", 2, true, true, true, "-", "-"},   // sv_SE
        {"d. M. yy", 1, false, false, false, ". ", "."}, // cs_CZ
        {"yyyy/M/d", 2, true, false, false, "/", "/"},   // zh_CN
        {"d 'de' MMM yyyy", 1, true, false, false, " de ", ""},
        {"yy. M. d.", 2, false, false, false, ". ", "."},                                  // ko_KR
        {"d\xE2\x80\x8F/M\xE2\x80\x8F/yyyy", 1, true, false, false, "\xE2\x80\x8F/", "/"}, // ar_EG
        {"ddd d/M/yy", 1, false, false, false, "/", "/"}, // a weekday name is no date field
    };
    for (const Row& r : rows) {
        const DatePictureFacts f = ReadDatePicture(r.picture);
        EXPECT_TRUE(f.found) << r.picture;
        EXPECT_EQ(f.order, r.order) << r.picture;
        EXPECT_EQ(f.century, r.century) << r.picture;
        EXPECT_EQ(f.dayLeadingZero, r.dayZero) << r.picture;
        EXPECT_EQ(f.monthLeadingZero, r.monthZero) << r.picture;
        EXPECT_EQ(f.separator, r.separator) << r.picture;
        EXPECT_EQ(f.compactSeparator, r.compact) << r.picture;
    }
    EXPECT_FALSE(ReadDatePicture("").found);
    EXPECT_FALSE(ReadDatePicture("'today'").found);
}

TEST(ReadTimePicture, ShortTimeFormatsOfSeveralLocales) {
    struct Row {
        const char* picture;
        bool is24, hourZero;
        const char *separator, *compact;
    };
    const Row rows[] = {
        {"h:mm AP", false, false, ":", ":"}, // en_US
        {"h:mm\xE2\x80\xAF"
         "AP",
         false, false, ":", ":"},              // en_US, newer data
        {"HH:mm", true, true, ":", ":"},       // de_DE
        {"H.mm", true, false, ".", "."},       // fi_FI
        {"HH 'h' mm", true, true, " h ", "h"}, // fr_CA
        {"AP h:mm", false, false, ":", ":"},   // ko_KR
        {"ap hh:mm", false, true, ":", ":"},
    };
    for (const Row& r : rows) {
        const TimePictureFacts f = ReadTimePicture(r.picture);
        EXPECT_TRUE(f.found) << r.picture;
        EXPECT_EQ(f.is24Hour, r.is24) << r.picture;
        EXPECT_EQ(f.hourLeadingZero, r.hourZero) << r.picture;
        EXPECT_EQ(f.separator, r.separator) << r.picture;
        EXPECT_EQ(f.compactSeparator, r.compact) << r.picture;
    }
    EXPECT_FALSE(ReadTimePicture("mm:ss").found);
}

TEST(CompactSeparator, OneCharacterOrNothing) {
    EXPECT_EQ(CompactSeparator("/"), "/");
    EXPECT_EQ(CompactSeparator(" "), " ");
    EXPECT_EQ(CompactSeparator("\xC2\xB7"), "\xC2\xB7");
    EXPECT_EQ(CompactSeparator(". "), ".");
    EXPECT_EQ(CompactSeparator("\xE2\x80\xAF-\xC2\xA0"), "-");
    EXPECT_EQ(CompactSeparator(" de "), "");
    EXPECT_EQ(CompactSeparator(""), "");
}

TEST(EnglishLocaleFormatter, EraAndDesignators) {
    const EnglishLocaleFormatter f;
    const CivilTime morning{2000, 1, 1, 11, 59, 59};
    const CivilTime afternoon{2000, 1, 1, 12, 0, 0};
    EXPECT_EQ(f.FormatDate("gg", morning), "A.D.");
    EXPECT_EQ(f.FormatTime("t", morning), "A");
    EXPECT_EQ(f.FormatTime("tt", afternoon), "PM");
    EXPECT_EQ(f.FormatTime("gt", afternoon), std::nullopt);
    EXPECT_EQ(f.FormatDate("", afternoon), std::nullopt);
}

} // namespace
} // namespace zm
