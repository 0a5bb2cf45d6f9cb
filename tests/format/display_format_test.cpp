#include "format/beat_time.h"
#include "format/display_format.h"
#include "format_fixture.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using test::FormatFixture;

struct Case {
    const char* format;
    DateTime moment;
    const char* expected;
};

void ExpectAll(const FormatFixture& fx, std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(fx.Expand(c.format, c.moment), c.expected) << "format: " << c.format;
}

const DateTime k150405 = DateTime::FromParts(2021, 6, 9, 15, 4, 5);
const DateTime kJan1st2000 = DateTime::FromParts(2000, 1, 1, 0, 7, 9);
const DateTime kJan31st2000 = DateTime::FromParts(2000, 1, 31, 5, 7, 9); // a Monday

TEST(ExpandDisplayFormat, CodesByLetterAndRunLength) {
    FormatFixture fx;
    ExpectAll(fx,
              {
                  {"hh:mm:ss tt", k150405, "03:04:05 PM"},
                  {"h:m:s", k150405, "3:4:5"},
                  {"H HH h hh", kJan31st2000, "5 05 5 05"},
                  {"m mm mmm s ss sss", kJan31st2000, "7 07 07 9 09 09"},
                  {"d MMM ''yy (ddd)", kJan1st2000, "1 Jan '00 (Sat)"},
                  {"dddddd", kJan1st2000, "Saturday"},
                  {"yyy", kJan1st2000, "2000"},
                  {"y yy yyyy yyyyy", DateTime::FromParts(2005, 3, 4), "5 05 2005 2005"},
                  {"M MM MMM MMMM MMMMMM", DateTime::FromParts(2005, 3, 4), "3 03 Mar March March"},
                  {"D DD DDD", DateTime::FromParts(2005, 3, 4), "63 063 063"},
                  {"ZZ Z", kJan1st2000, "CET CET"},
                  {"gg", kJan1st2000, "A.D."},
                  {"t tt ttt", k150405, "P PM PM"},
                  {"t tt", kJan31st2000, "A AM"},
              });
}

TEST(ExpandDisplayFormat, RunsEndAtADifferentCharacterOrAHiddenSeparator) {
    FormatFixture fx;
    ExpectAll(fx, {
                      {"dd~MM", kJan31st2000, "3101"},
                      {"ddMM", kJan31st2000, "3101"},
                      {"dd~dd", kJan31st2000, "3131"},
                      {"dddd", kJan31st2000, "Monday"},
                      {"h~h~h", kJan31st2000, "555"},
                  });
}

TEST(ExpandDisplayFormat, QuotesPercentSignsAndPlainCharacters) {
    FormatFixture fx;
    const DateTime sundayJan1st = DateTime::FromParts(2023, 1, 1, 9, 0, 0);
    ASSERT_EQ(sundayJan1st.DayOfWeek(), 1);
    ExpectAll(fx, {
                      {"'Week' w", sundayJan1st, "Week 1"},
                      {"ww", DateTime::FromParts(2023, 1, 8), "02"},
                      {"%", sundayJan1st, "%"},
                      {"100%", sundayJan1st, "100%"},
                      {"%d", sundayJan1st, "%1"},
                      {"%%", sundayJan1st, "%%"},
                      {"hh 'mm ss", sundayJan1st, "09 mm ss"},
                      {"'It''s'", sundayJan1st, "Its"},
                      {"I''x", sundayJan1st, "I'x"},
                      {"''", sundayJan1st, "'"},
                      {"'%d/%m'", sundayJan1st, "01/01"},
                      {"'%Q %' %", sundayJan1st, "%Q % %"},
                      {"Y S T W X", sundayJan1st, "Y S T W X"},
                      {"", sundayJan1st, ""},
                      {"~~~", sundayJan1st, ""},
                      {"HH|mm", sundayJan1st, "09\n00"},
                      {"||", sundayJan1st, "\n\n"},
                      {"'Zeit:' HH' Uhr'", sundayJan1st, "Zeit: 09 Uhr"},
                      {"'\xD0\x92\xD1\x80\xD0\xB5\xD0\xBC\xD1\x8F' H", sundayJan1st,
                       "\xD0\x92\xD1\x80\xD0\xB5\xD0\xBC\xD1\x8F 9"},
                  });
}

TEST(ExpandDisplayFormat, TheClocksAppendedLineBreakJoinsAnUnclosedLiteral) {
    FormatFixture fx;
    EXPECT_EQ(fx.Expand(std::string("HH:mm") + "|", k150405), "15:04\n");
    EXPECT_EQ(fx.Expand(std::string("HH 'open") + "|", k150405), "15 open|");
    EXPECT_EQ(fx.Expand(std::string("'Empty Clock'") + "|", k150405), "Empty Clock\n");
}

TEST(ExpandDisplayFormat, EraAndDesignatorFallBackToTheirLettersWhenThePlatformFails) {
    FormatFixture fx;
    test::FailingFormatter failing;
    const DisplayFormatContext context{fx.locale, failing, fx.clock};
    EXPECT_EQ(ExpandDisplayFormat("gg yyyy", kJan1st2000, context), "gg 2000");
    EXPECT_EQ(ExpandDisplayFormat("hh:mm t|tt", k150405, context), "03:04 t\ntt");
}

TEST(ExpandDisplayFormat, PlatformTextsGoThroughTheFinalPassAndAreCut) {
    FormatFixture fx;
    test::FixedFormatter percent("%Y");
    EXPECT_EQ(ExpandDisplayFormat("gg", kJan1st2000, {fx.locale, percent, fx.clock}), "2000");

    test::FixedFormatter huge(std::string(1000, 'E'));
    const DisplayFormatContext context{fx.locale, huge, fx.clock};
    EXPECT_EQ(DisplayFormatToIntermediate("gg", kJan1st2000, context), std::string(383, 'E'));
    EXPECT_EQ(ExpandDisplayFormat("gg", kJan1st2000, context), std::string(127, 'E'));
}

TEST(ExpandDisplayFormat, BeatShowsTheCurrentTimeAtUtcPlusOne) {
    FormatFixture fx;
    struct Row {
        int h, m, s;
        const char* text;
    };
    for (const Row& r : {Row{23, 0, 0, "@0"}, Row{12, 0, 0, "@541"}, Row{22, 59, 59, "@999"},
                         Row{23, 1, 26, "@0"}, Row{23, 1, 27, "@1"}, Row{0, 0, 0, "@41"}}) {
        fx.clock.utc = CivilTime{2020, 5, 5, r.h, r.m, r.s};
        // The moment shown does not matter; repeating "@" does not repeat the text.
        EXPECT_EQ(fx.Expand("@", kJan1st2000), r.text);
        EXPECT_EQ(fx.Expand("@@@", k150405), r.text);
    }
}

TEST(SwatchBeats, WholeSecondsAgreeWithTheDayFractionFormula) {
    for (int sec = 0; sec < 86400; ++sec) {
        const CivilTime utc{2020, 1, 1, sec / 3600, sec / 60 % 60, sec % 60};
        const int h = (utc.hour + 1) % 24;
        const double fraction = h / 24.0 + utc.minute / 1440.0 + utc.second / 86400.0;
        const auto seconds = static_cast<long long>(fraction * 86400.0 + 5.787037037037037e-6);
        ASSERT_EQ(SwatchBeats(utc), static_cast<int>(seconds * 10 / 864)) << sec;
    }
}

TEST(ExpandDisplayFormat, LongRunsAndLiteralsKeepTheirFirst383Characters) {
    FormatFixture fx;
    const auto context = fx.Context();
    EXPECT_EQ(fx.Expand(std::string(5000, 'd'), kJan31st2000), "Monday");
    EXPECT_EQ(DisplayFormatToIntermediate(std::string(5000, 'y'), kJan31st2000, context), "%Y");
    EXPECT_EQ(DisplayFormatToIntermediate(std::string(1000, ':'), kJan31st2000, context),
              std::string(383, ':'));
    EXPECT_EQ(
        DisplayFormatToIntermediate("'" + std::string(1000, 'x') + "'dd", kJan31st2000, context),
        std::string(383, 'x') + "%d");
    // Unclosed, and in characters rather than bytes.
    std::string wide;
    for (int i = 0; i < 500; ++i)
        wide += "\xC3\xA9";
    std::string kept;
    for (int i = 0; i < 383; ++i)
        kept += "\xC3\xA9";
    EXPECT_EQ(DisplayFormatToIntermediate("'" + wide, kJan31st2000, context), kept);
}

TEST(ExpandDisplayFormat, TheTextIsCutAfter127Characters) {
    FormatFixture fx;
    std::string format;
    for (int i = 0; i < 40; ++i)
        format += "dddd~";
    std::string expected;
    for (int i = 0; i < 40; ++i)
        expected += "Monday";
    EXPECT_EQ(fx.Expand(format, kJan31st2000), expected.substr(0, 127));

    std::string wide;
    for (int i = 0; i < 300; ++i)
        wide += "\xC3\xA9";
    const std::string text = fx.Expand("'" + wide + "'", kJan31st2000);
    EXPECT_EQ(text.size(), 254u);
    EXPECT_EQ(text, wide.substr(0, 254));
}

TEST(ExpandDisplayFormat, AMomentOutsideTheShowableYearsGivesNoText) {
    FormatFixture fx;
    EXPECT_EQ(fx.Expand("'x' dd", DateTime::Invalid()), "");
    EXPECT_EQ(fx.Expand("'x' dd", DateTime::FromDayNumber(DaysFromCivil(10000, 1, 1))), "");
    EXPECT_EQ(fx.Expand("'x' dd", DateTime::FromDayNumber(DaysFromCivil(99, 12, 31))), "");
    EXPECT_EQ(fx.Expand("yyyy", DateTime::FromParts(100, 1, 1)), "0100");
    EXPECT_EQ(fx.Expand("yyyy", DateTime::FromParts(9999, 12, 31, 23, 59, 59)), "9999");
}

// The week code follows the calendar's week settings; without them weeks count from Sunday.
TEST(ExpandDisplayFormat, WeekNumbersFollowTheWeekSettings) {
    FormatFixture fx;
    const DateTime sunday = DateTime::FromParts(2021, 1, 3, 12, 0, 0);
    const DateTime monday = DateTime::FromParts(2021, 1, 4, 12, 0, 0);
    struct Row {
        int rule;
        const char* sundayWeek;
        const char* mondayWeek;
    };
    for (const Row& row : {Row{kWeekStartsOnJan1, "1", "02"}, Row{kFirstFourDayWeek, "53", "01"},
                           Row{kFirstFullWeek, "52", "01"}}) {
        const WeekNumbering weeks{0, row.rule};
        DisplayFormatContext context = fx.Context();
        context.weeks = &weeks;
        EXPECT_EQ(ExpandDisplayFormat("w", sunday, context), row.sundayWeek) << row.rule;
        EXPECT_EQ(ExpandDisplayFormat("ww", monday, context), row.mondayWeek) << row.rule;
    }
    EXPECT_EQ(fx.Expand("ww", DateTime::FromParts(2021, 1, 1)), "00");
}

} // namespace
} // namespace zm
