#include "model/amount_choices.h"
#include "model/amount_parse.h"
#include "model/describe.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

struct ParseCase {
    const char* text;
    bool zeroAllowed;
    AmountParseCode code;
    AmountUnit unit;
    uint32_t count;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << '"' << c.text << '"' << (c.zeroAllowed ? " zero allowed" : "");
}

class ParseAmountTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseAmountTest, ReadsCountAndUnit) {
    const ParseCase& c = GetParam();
    const ParsedAmount r = ParseAmount(c.text, c.zeroAllowed);
    EXPECT_EQ(r.code, c.code) << '"' << c.text << '"';
    if (c.code == kAmountOk) {
        EXPECT_EQ(r.unit, c.unit) << '"' << c.text << '"';
        EXPECT_EQ(r.count, c.count) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Valid, ParseAmountTest,
    ::testing::Values(ParseCase{"15", false, kAmountOk, AmountUnit::Minute, 15},
                      ParseCase{"  15  ", false, kAmountOk, AmountUnit::Minute, 15},
                      ParseCase{"\t15\r\n", false, kAmountOk, AmountUnit::Minute, 15},
                      ParseCase{"00015", false, kAmountOk, AmountUnit::Minute, 15},
                      ParseCase{"2 d", false, kAmountOk, AmountUnit::Day, 2},
                      ParseCase{"2h", false, kAmountOk, AmountUnit::Hour, 2},
                      ParseCase{"2 H", false, kAmountOk, AmountUnit::Hour, 2},
                      ParseCase{"1 hour", false, kAmountOk, AmountUnit::Hour, 1},
                      ParseCase{"3 Hours ", false, kAmountOk, AmountUnit::Hour, 3},
                      ParseCase{"5 min", false, kAmountOk, AmountUnit::Minute, 5},
                      ParseCase{"5 m", false, kAmountOk, AmountUnit::Minute, 5},
                      ParseCase{"1 minute", false, kAmountOk, AmountUnit::Minute, 1},
                      ParseCase{"1 w", false, kAmountOk, AmountUnit::Week, 1},
                      ParseCase{"1 WEEK", false, kAmountOk, AmountUnit::Week, 1},
                      ParseCase{"5\tdays", false, kAmountOk, AmountUnit::Day, 5},
                      ParseCase{"32767", false, kAmountOk, AmountUnit::Minute, 32767},
                      ParseCase{"0", true, kAmountOk, AmountUnit::Minute, 0},
                      ParseCase{"0 hours", true, kAmountOk, AmountUnit::Minute, 0},
                      ParseCase{"", true, kAmountOk, AmountUnit::Minute, 0},
                      ParseCase{"   ", true, kAmountOk, AmountUnit::Minute, 0}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ParseAmountTest,
    ::testing::Values(
        ParseCase{"32768", false, kAmountTooLarge, AmountUnit::Minute, 0},
        ParseCase{"99999999999999999999999", true, kAmountTooLarge, AmountUnit::Minute, 0},
        ParseCase{"40000 fortnights", false, kAmountTooLarge, AmountUnit::Minute, 0},
        ParseCase{"3 fortnights", false, kAmountNotValid, AmountUnit::Minute, 0},
        ParseCase{"0", false, kAmountNotValid, AmountUnit::Minute, 0},
        ParseCase{"0 days", false, kAmountNotValid, AmountUnit::Minute, 0},
        ParseCase{"", false, kAmountNotValid, AmountUnit::Minute, 0},
        ParseCase{"hours", true, kAmountNotValid, AmountUnit::Minute, 0},
        ParseCase{"-5", true, kAmountNotValid, AmountUnit::Minute, 0},
        ParseCase{"1.5 hours", false, kAmountNotValid, AmountUnit::Minute, 0},
        ParseCase{"5 mins", false, kAmountNotValid, AmountUnit::Minute, 0},
        ParseCase{"5 minutes 3", false, kAmountNotValid, AmountUnit::Minute, 0},
        ParseCase{"10 minutes before start", false, kAmountNotValid, AmountUnit::Minute, 0},
        ParseCase{"5 \xc3\xa9", false, kAmountNotValid, AmountUnit::Minute, 0}));

TEST(ParseAmount, ReadsBackEveryDescription) {
    for (AmountUnit unit :
         {AmountUnit::Minute, AmountUnit::Hour, AmountUnit::Day, AmountUnit::Week}) {
        for (uint32_t count : {1u, 2u, 5u, 59u, 60u, 999u, 1000u, 32766u, 32767u}) {
            const std::string text = DescribeAmount(unit, count);
            const ParsedAmount r = ParseAmount(text, false);
            EXPECT_EQ(r.code, kAmountOk) << text;
            EXPECT_EQ(r.Amount(), TimeAmount::Of(unit, count)) << text;
        }
    }
}

TEST(AmountChoices, HoldTheFixedListWithAndWithoutZero) {
    const auto with = AmountChoices(true);
    const auto without = AmountChoices(false);
    ASSERT_EQ(with.size(), 14u);
    ASSERT_EQ(without.size(), 13u);
    EXPECT_EQ(with[0], TimeAmount(0));
    EXPECT_EQ(without[0], TimeAmount::Of(AmountUnit::Minute, 5));
    std::string texts;
    for (TimeAmount a : without)
        texts += DescribeAmount(a) + ";";
    EXPECT_EQ(texts, "5 minutes;10 minutes;15 minutes;30 minutes;1 hour;2 hours;4 hours;8 hours;"
                     "12 hours;1 day;2 days;3 days;1 week;");
    EXPECT_EQ(FindAmountChoice(TimeAmount::Of(AmountUnit::Hour, 2), false), 5);
    EXPECT_EQ(FindAmountChoice(TimeAmount::Of(AmountUnit::Hour, 2), true), 6);
    EXPECT_EQ(FindAmountChoice(TimeAmount(0), false), -1);
    EXPECT_EQ(FindAmountChoice(TimeAmount::Of(AmountUnit::Hour, 3), true), -1);
}

TEST(ReadAmountChoice, UsesTheSelectedEntryUntilTheTextIsEdited) {
    auto r = ReadAmountChoice(4, "1 hour", false);
    EXPECT_EQ(r.code, kAmountOk);
    EXPECT_EQ(r.amount, TimeAmount::Of(AmountUnit::Hour, 1));

    r = ReadAmountChoice(4, "2 h", false); // typed over the selected entry
    EXPECT_EQ(r.code, kAmountOk);
    EXPECT_EQ(r.amount, TimeAmount::Of(AmountUnit::Hour, 2));
    EXPECT_EQ(r.text, "2 hours");

    r = ReadAmountChoice(-1, "3 fortnights", false);
    EXPECT_EQ(r.code, kAmountNotValid);
    EXPECT_EQ(r.text, "3 fortnights"); // the typed text stays for the user to correct

    EXPECT_EQ(ReadAmountChoice(0, "0 minutes", true).amount, TimeAmount(0));
    EXPECT_EQ(ReadAmountChoice(-1, "0", false).code, kAmountNotValid);
    EXPECT_EQ(ReadAmountChoice(99, "40000", false).code, kAmountTooLarge);
}

} // namespace
} // namespace zm
