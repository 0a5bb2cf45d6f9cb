#include "store/text/oem_code_page.h"
#include "store/text/oem_text.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(OemCodePage, FollowsTheLocaleAsWindowsDoes) {
    const struct {
        const char* locale;
        int page;
    } cases[] = {
        {"en_US.UTF-8", 437}, {"en-GB", 850},       {"de_DE", 850},   {"pt_BR", 850},
        {"pl_PL", 852},       {"ru_RU", 866},       {"el_GR", 737},   {"tr_TR", 857},
        {"az-Cyrl-AZ", 866},  {"lt_LT", 775},       {"he_IL", 862},   {"ar_SA", 720},
        {"sr_RS", 855},       {"sr_RS@latin", 852}, {"zh-Hant", 950}, {"zh_CN", 936},
        {"ja_JP", 932},       {"C", 437},           {"", 437},        {"hi_IN", 437},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OemCodePageForLocale(c.locale), c.page) << c.locale;
}

TEST(OemCodec, ConvertsBothWays) {
    const struct {
        int page;
        std::string oem;
        std::string utf8;
    } cases[] = {
        {437, "Caf\x82 \x9c", "Caf\xC3\xA9 \xC2\xA3"},         // é, £
        {850, "M\x81nchen \x9d", "M\xC3\xBCnchen \xC3\x98"},   // ü, Ø
        {852, "\x9d\xa5", "\xC5\x81\xC4\x85"},                 // Ł, ą
        {866, "\x8f\xe0\xa8", "\xD0\x9F\xD1\x80\xD0\xB8"},     // При
        {737, "\x80", "\xCE\x91"},                             // Α
        {720, "\x9f\xa0", "\xD8\xA7\xD8\xA8"},                 // ا ب (built in)
        {932, "\x93\xfa\x96\x7b", "\xE6\x97\xA5\xE6\x9C\xAC"}, // 日本, two bytes each
    };
    for (const auto& c : cases) {
        OemCodec codec(c.page);
        ASSERT_TRUE(codec.Available()) << c.page;
        EXPECT_EQ(codec.ToUtf8(c.oem), c.utf8) << c.page;
        EXPECT_EQ(codec.FromUtf8(c.utf8), c.oem) << c.page;
    }
}

TEST(OemCodec, WhatThePageCannotHoldBecomesAQuestionMark) {
    OemCodec codec(437);
    EXPECT_EQ(codec.FromUtf8("a\xE2\x82\xAC"
                             "b"),
              "a?b"); // the euro sign
    EXPECT_EQ(codec.FromUtf8("a\xFF"
                             "b\xC3"),
              "a?b?"); // not UTF-8
    OemCodec arabic(720);
    EXPECT_EQ(arabic.FromUtf8("\xE2\x82\xAC\xC3"), "??");
}

TEST(OemCodec, UndefinedBytesKeepTheirNumber) {
    OemCodec arabic(720);
    EXPECT_EQ(arabic.ToUtf8("\x80"), "\xC2\x80");
    EXPECT_EQ(arabic.FromUtf8("\xC2\x80"), "\x80");
    OemCodec japanese(932);
    EXPECT_EQ(japanese.ToUtf8("a\x81"), "a\xC2\x81"); // a lead byte cut off at the end
}

TEST(OemCodec, EveryByteOfEverySinglePageSurvivesARoundTrip) {
    for (int page : {437, 720, 737, 775, 850, 852, 855, 857, 862, 866}) {
        OemCodec codec(page);
        ASSERT_TRUE(codec.Available()) << page;
        std::string all;
        for (int b = 1; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        const std::string back = codec.FromUtf8(codec.ToUtf8(all));
        // Bytes a page leaves undefined may come back as '?'; every defined one must be kept.
        ASSERT_EQ(back.size(), all.size()) << page;
        int lost = 0;
        for (size_t i = 0; i < all.size(); ++i)
            lost += back[i] != all[i];
        EXPECT_LE(lost, 8) << page;
    }
}

} // namespace
} // namespace zm
