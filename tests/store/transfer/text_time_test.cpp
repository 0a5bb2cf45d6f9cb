#include "format/locale_formats.h"
#include "store/transfer/import_date.h"
#include "store/transfer/text_time.h"
#include "support/import_locales.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(TextFieldFormats, WritesTheCompactDateWithAFourDigitYear) {
    const DateTime d = DateTime::FromParts(2000, 12, 31, 12, 0, 0);
    const DateTime early = DateTime::FromParts(1905, 3, 4, 9, 7, 0);
    EXPECT_EQ(TextFieldFormats(test::EnglishUs()).Date(d), "12/31/2000");
    EXPECT_EQ(TextFieldFormats(test::EnglishUs()).Date(early), "3/4/1905");
    EXPECT_EQ(TextFieldFormats(test::German()).Date(early), "04.03.1905");
    const auto locales = test::SampleLocales();
    EXPECT_EQ(TextFieldFormats(locales[3].locale).Date(early), "1905-03-04");
    // A separator the import would not read is written as '/'.
    EXPECT_EQ(TextFieldFormats(locales.back().locale).Date(early), "3/4/1905");
}

TEST(TextFieldFormats, WritesTheCompactTime) {
    const DateTime noon = DateTime::FromParts(2000, 12, 31, 12, 0, 0);
    const DateTime night = DateTime::FromParts(2000, 12, 31, 0, 5, 0);
    const DateTime evening = DateTime::FromParts(2000, 12, 31, 21, 5, 30);
    const TextFieldFormats us(test::EnglishUs());
    EXPECT_EQ(us.Time(noon), "12:00 PM");
    EXPECT_EQ(us.Time(night), "12:05 AM");
    EXPECT_EQ(us.Time(evening), "9:05:30 PM"); // seconds only when there are some
    const TextFieldFormats de(test::German());
    EXPECT_EQ(de.Time(night), "00:05");
    EXPECT_EQ(de.Time(evening), "21:05:30");
    // Without AM/PM texts a 12-hour clock could not tell 9 from 21.
    EXPECT_EQ(TextFieldFormats(test::SampleLocales().back().locale).Time(evening), "21:05:30");
}

TEST(TextFieldFormats, TimesWithoutSecondsAreTheLocalesCompactTime) {
    for (const auto& [name, locale] : test::SampleLocales()) {
        if (!locale.is24Hour && locale.amDesignator.empty()) continue;
        const TextFieldFormats fields(locale);
        const LocaleFormats formats(locale);
        for (int minute = 0; minute < 24 * 60; minute += 7) {
            const DateTime t = DateTime::FromParts(2001, 5, 6, minute / 60, minute % 60);
            ASSERT_EQ(fields.Time(t), formats.FormatCompactTime(t)) << name;
        }
    }
}

TEST(TextFieldFormats, WhatIsWrittenIsReadBack) {
    for (const auto& [name, locale] : test::SampleLocales()) {
        const TextFieldFormats fields(locale);
        for (int s = 0; s < 86400; s += 59) {
            const DateTime t = DateTime::FromSeconds(s);
            const auto back = ParseImportTime(fields.Time(t), locale);
            ASSERT_TRUE(back.has_value()) << name << " " << fields.Time(t);
            ASSERT_EQ(*back, s) << name << " " << fields.Time(t);
        }
        for (int64_t day = DaysFromCivil(1753, 1, 1); day <= DaysFromCivil(9999, 12, 31);
             day += 997) {
            const DateTime d = DateTime::FromDayNumber(day);
            ASSERT_EQ(ParseImportDate(fields.Date(d), fields.DateOrder()), d)
                << name << " " << fields.Date(d);
        }
    }
}

TEST(ImportTime, ReadsTheLocalesTimes) {
    const LocaleDescription us = test::EnglishUs();
    const LocaleDescription fi = test::SampleLocales()[4].locale; // '.' between the numbers
    const LocaleDescription ko = test::SampleLocales()[7].locale; // AM/PM text in front
    const struct {
        const char* text;
        const LocaleDescription* locale;
        int seconds; // -1: refused
    } cases[] = {
        {"3:05 PM", &us, 15 * 3600 + 300},
        {"3:05pm", &us, 15 * 3600 + 300},
        {"  3:05 p ", &us, 15 * 3600 + 300},
        {"12:00 AM", &us, 0},
        {"12:30 PM", &us, 12 * 3600 + 1800},
        {"3 PM", &us, 15 * 3600},
        {"15:05", &us, 15 * 3600 + 300},
        {"0:00", &us, 0},
        {"23:59:59", &us, 86399},
        {"9:5", &us, 9 * 3600 + 300},
        {"13:00 PM", &us, -1},
        {"24:00", &us, -1},
        {"10:60", &us, -1},
        {"10:00:60", &us, -1},
        {"15", &us, -1},
        {"3:05 XM", &us, -1},
        {"12/31/2000 10:00", &us, -1},
        {"10:00:00:00", &us, -1},
        {"100:00", &us, -1},
        {"", &us, -1},
        {":", &us, -1},
        {"PM", &us, -1},
        {"21.15", &fi, 21 * 3600 + 900},
        {"21:15", &fi, 21 * 3600 + 900},
        {"\xEC\x98\xA4\xED\x9B\x84 03:15", &ko, 15 * 3600 + 900},
        {"03:15 \xEC\x98\xA4\xEC\xA0\x84", &ko, 3 * 3600 + 900},
    };
    for (const auto& c : cases) {
        const auto got = ParseImportTime(c.text, *c.locale);
        if (c.seconds < 0) {
            EXPECT_FALSE(got.has_value()) << '"' << c.text << '"';
        } else {
            ASSERT_TRUE(got.has_value()) << '"' << c.text << '"';
            EXPECT_EQ(*got, c.seconds) << '"' << c.text << '"';
        }
    }
}

} // namespace
} // namespace zm
