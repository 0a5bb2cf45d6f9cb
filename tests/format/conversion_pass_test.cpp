#include "format/conversion_pass.h"
#include "format_fixture.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(ExpandConversions, EveryConversionOfTheTable) {
    const LocaleDescription locale = test::EnglishUs();
    const DateTime t = DateTime::FromParts(2007, 2, 4, 9, 5, 3);      // a Sunday
    const DateTime pm = DateTime::FromParts(2010, 11, 27, 0, 30, 59); // a Saturday, 12:30 AM
    struct Row {
        const char* pattern;
        DateTime moment;
        const char* expected;
    };
    const Row rows[] = {
        {"%d %#d %m %#m", t, "04 4 02 2"},
        {"%y %#y %Y", t, "07 7 2007"},
        {"%a %A %b %B", t, "Sun Sunday Feb February"},
        {"%H %#H %I %#I %p", t, "09 9 09 9 AM"},
        {"%M %#M %S %#S", t, "05 5 03 3"},
        {"%j %#j", t, "035 35"},
        {"%U %#U", t, "05 5"},
        {"%U %#U", DateTime::FromParts(2007, 1, 6), "00 0"},
        {"%U", DateTime::FromParts(2007, 1, 7), "01"},
        {"%H %I %p %j", pm, "00 12 AM 331"},
        {"%#I %p", DateTime::FromParts(2010, 1, 1, 12, 0, 0), "12 PM"},
        {"%#I %p", DateTime::FromParts(2010, 1, 1, 23, 0, 0), "11 PM"},
        {"%z|%%", t, "CET|%"},
        {"%y", DateTime::FromParts(2000, 1, 1), "00"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ExpandConversions(r.pattern, r.moment, locale, "CET"), r.expected) << r.pattern;
}

TEST(ExpandConversions, OtherPercentSequencesStandForThemselves) {
    const LocaleDescription locale;
    const DateTime t = DateTime::FromParts(2007, 2, 4);
    struct Row {
        const char* pattern;
        const char* expected;
    };
    const Row rows[] = {
        {"%", "%"},      {"%#", "%#"},     {"a%", "a%"},        {"%Q", "%Q"},
        {"%#Q", "%#Q"},  {"%#Y", "%#Y"},   {"%#%", "%#%"},      {"%%d", "%d"},
        {"%%%d", "%04"}, {"%x%c", "%x%c"}, {"%#a%a", "%#aSun"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ExpandConversions(r.pattern, t, locale, ""), r.expected) << r.pattern;
}

TEST(ExpandConversions, NamesComeFromTheLocaleDescription) {
    LocaleDescription german;
    german.longDayNames[0] = "Sonntag";
    german.shortMonthNames[1] = "Feb.";
    german.longMonthNames[1] = "Februar";
    german.amDesignator = "vorm.";
    EXPECT_EQ(ExpandConversions("%A, %#d. %B (%b) %p", DateTime::FromParts(2007, 2, 4, 8, 0, 0),
                                german, ""),
              "Sonntag, 4. Februar (Feb.) vorm.");
}

TEST(ExpandConversions, CutsAfter127Characters) {
    const LocaleDescription locale;
    const DateTime t = DateTime::FromParts(2007, 2, 4);
    EXPECT_EQ(ExpandConversions(std::string(500, 'x'), t, locale, ""), std::string(127, 'x'));
    std::string pattern = std::string(125, '-') + "%A";
    EXPECT_EQ(ExpandConversions(pattern, t, locale, ""), std::string(125, '-') + "Su");
    std::string many;
    for (int i = 0; i < 100; ++i)
        many += "%Y";
    EXPECT_EQ(ExpandConversions(many, t, locale, "").size(), 127u);
}

} // namespace
} // namespace zm
