#include "format/locale_formats.h"
#include "format_fixture.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(BuildLocaleFormats, MonthDayYearTwelveHourLocale) {
    const LocaleFormats f = BuildLocaleFormats(test::EnglishUs());
    EXPECT_EQ(f.ShortDate(), "%#m/%#d/%y");
    EXPECT_EQ(f.CompactDate(), "%#m/%#d/%y");
    EXPECT_EQ(f.ShortTime(), "%#I:%M %p");
    EXPECT_EQ(f.CompactTime(), "%#I:%M %p");
    EXPECT_EQ(f.DayDateTime(), "%a %#m/%#d/%y %#I:%M %p");
    EXPECT_EQ(f.PickerTime(), "h':'mm' 'tt");
}

TEST(BuildLocaleFormats, OrdersLeadingZerosCenturyAndTheTwentyFourHourClock) {
    struct Row {
        int order;
        bool century, dayZero, monthZero, hourZero, is24;
        const char *dateSep, *timeSep;
        const char *shortDate, *shortTime, *picker;
    };
    const Row rows[] = {
        {2, true, true, true, true, true, "-", ":", "%Y-%m-%d", "%H:%M", "HH':'mm"},
        {1, true, true, true, false, true, ".", ":", "%d.%m.%Y", "%#H:%M", "H':'mm"},
        {1, false, false, true, true, false, "/", ".", "%#d/%m/%y", "%I.%M %p", "hh'.'mm' 'tt"},
        {0, false, true, false, false, false, "/", ":", "%#m/%d/%y", "%#I:%M %p", "h':'mm' 'tt"},
        {7, false, false, false, false, false, "/", ":", "%#m/%#d/%y", "%#I:%M %p", "h':'mm' 'tt"},
    };
    for (const Row& r : rows) {
        LocaleDescription d;
        d.dateOrder = r.order;
        d.century = r.century;
        d.dayLeadingZero = r.dayZero;
        d.monthLeadingZero = r.monthZero;
        d.hourLeadingZero = r.hourZero;
        d.is24Hour = r.is24;
        d.dateSeparator = d.compactDateSeparator = r.dateSep;
        d.timeSeparator = d.compactTimeSeparator = r.timeSep;
        const LocaleFormats f(d);
        EXPECT_EQ(f.ShortDate(), r.shortDate) << r.order;
        EXPECT_EQ(f.ShortTime(), r.shortTime) << r.order;
        EXPECT_EQ(f.PickerTime(), r.picker) << r.order;
        EXPECT_EQ(f.DayDateTime(), std::string("%a ") + r.shortDate + " " + r.shortTime);
    }
}

TEST(BuildLocaleFormats, SeparatorsAreCutOrFallBack) {
    LocaleDescription d; // the platform answered nothing
    LocaleFormats f(d);
    EXPECT_EQ(f.ShortDate(), "%#m/%#d/%y");
    EXPECT_EQ(f.ShortTime(), "%#I:%M %p");
    EXPECT_EQ(f.PickerTime(), "h':'mm' 'tt");

    d.dateSeparator = " / - ";     // cut to three characters
    d.compactDateSeparator = ". "; // not one character: "/"
    d.timeSeparator = "h";
    d.compactTimeSeparator = ""; // refused: ":"
    f = LocaleFormats(d);
    EXPECT_EQ(f.ShortDate(), "%#m / %#d / %y");
    EXPECT_EQ(f.CompactDate(), "%#m/%#d/%y");
    EXPECT_EQ(f.ShortTime(), "%#Ih%M %p");
    EXPECT_EQ(f.CompactTime(), "%#I:%M %p");

    d.dateSeparator = "\xE2\x80\xAF.\xE2\x80\xAF-"; // characters, not bytes
    d.compactDateSeparator = "\xC2\xB7";
    f = LocaleFormats(d);
    EXPECT_EQ(f.ShortDate(), "%#m\xE2\x80\xAF.\xE2\x80\xAF%#d\xE2\x80\xAF.\xE2\x80\xAF%y");
    EXPECT_EQ(f.CompactDate(), "%#m\xC2\xB7%#d\xC2\xB7%y");
}

TEST(BuildLocaleFormats, SeparatorsShowThemselvesEvenWhenTheyArePercentOrQuote) {
    LocaleDescription d;
    d.dateSeparator = d.compactDateSeparator = "%";
    d.timeSeparator = d.compactTimeSeparator = "'";
    d.is24Hour = true;
    const LocaleFormats f(d);
    EXPECT_EQ(f.FormatShortDate(DateTime::FromParts(2001, 2, 3)), "2%3%01");
    EXPECT_EQ(f.FormatShortTime(DateTime::FromParts(2001, 2, 3, 4, 5)), "4'05");
    EXPECT_EQ(f.PickerTime(), "H''mm");
}

TEST(LocaleFormats, FormatDayDateTimeShowsTheDateOnlyAtMidnightWhenAsked) {
    const LocaleFormats f(test::EnglishUs());
    const DateTime midnight = DateTime::FromParts(2024, 3, 5);
    const DateTime oneMinutePast = DateTime::FromParts(2024, 3, 5, 0, 1, 0);
    EXPECT_EQ(f.FormatDayDateTime(midnight, true), "Tue 3/5/24");
    EXPECT_EQ(f.FormatDayDateTime(oneMinutePast, true), "Tue 3/5/24 12:01 AM");
    EXPECT_EQ(f.FormatDayDateTime(midnight, false), "Tue 3/5/24 12:00 AM");
    EXPECT_EQ(f.FormatDayDateTime(DateTime::FromParts(2024, 3, 5, 0, 0, 30), true), "Tue 3/5/24");
    EXPECT_EQ(f.FormatShortDate(oneMinutePast), "3/5/24");
    EXPECT_EQ(f.FormatCompactDate(oneMinutePast), "3/5/24");
    EXPECT_EQ(f.FormatShortTime(DateTime::FromParts(2024, 3, 5, 13, 7, 0)), "1:07 PM");
    EXPECT_EQ(f.FormatCompactTime(DateTime::FromParts(2024, 3, 5, 13, 7, 0)), "1:07 PM");
}

TEST(LocaleFormats, YearMonthDayLocaleShowsFourDigitYearsAndZeros) {
    LocaleDescription d;
    d.dateOrder = 2;
    d.century = d.dayLeadingZero = d.monthLeadingZero = true;
    d.dateSeparator = d.compactDateSeparator = "-";
    d.is24Hour = d.hourLeadingZero = true;
    const LocaleFormats f = BuildLocaleFormats(d);
    EXPECT_EQ(f.ShortDate(), "%Y-%m-%d");
    EXPECT_EQ(f.FormatDayDateTime(DateTime::FromParts(2009, 7, 8, 6, 5, 0), false),
              "Wed 2009-07-08 06:05");
}

} // namespace
} // namespace zm
