#include "model/describe.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

EventRecord Patterned(uint32_t pattern, uint32_t param, DateTime start) {
    EventRecord e;
    e.start = start;
    e.SetPattern(pattern, param);
    return e;
}

// Names of another language, to see that day and month names come from the locale.
class GermanNames final : public LocaleNames {
public:
    std::string LongDayName(int dow) const override {
        static const char* const kDays[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                            "Donnerstag", "Freitag", "Samstag"};
        return kDays[dow - 1];
    }
    std::string ShortDayName(int dow) const override { return LongDayName(dow).substr(0, 2); }
    std::string LongMonthName(int m) const override { return m == 5 ? "Mai" : "?"; }
    std::string ShortMonthName(int m) const override { return LongMonthName(m); }
};

const DateTime kLastFridayOfMay = DateTime::FromParts(2024, 5, 31, 9, 0);
const DateTime kSecondTuesdayOfMay = DateTime::FromParts(2024, 5, 14, 9, 0);
const DateTime kFirstMondayOfSeptember = DateTime::FromParts(2024, 9, 2, 9, 0);
const DateTime kMay15 = DateTime::FromParts(2001, 5, 15, 12, 0);

struct PatternCase {
    const char* what;
    uint32_t pattern;
    uint32_t param;
    DateTime start;
    const char* text;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.what;
}

class DescribePatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(DescribePatternTest, GivesTheEnglishText) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(DescribePattern(Patterned(c.pattern, c.param, c.start), EnglishLocaleNames()), c.text)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DescribePatternTest,
    ::testing::Values(
        PatternCase{"daily", 0x1100, 1, kLastFridayOfMay, "Every day"},
        PatternCase{"every 3 days", 0x1100, 3, kLastFridayOfMay, "Every 3 days"},
        PatternCase{"Sunday only", 0x1200 | kSunday, 1, kLastFridayOfMay, "Every Sunday"},
        PatternCase{"all seven days", 0x1200 | kWeekdayMask, 1, kLastFridayOfMay,
                    "Every Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday"},
        PatternCase{"two weeks", 0x1200 | kFriday | kMonday, 2, kLastFridayOfMay,
                    "Every 2 weeks on Monday, Friday"},
        PatternCase{"day 15 monthly", 0x1400, (15 << 16) | 1, kLastFridayOfMay,
                    "Day 15 of every month"},
        PatternCase{"day 31 every 2 months", 0x1400, (31 << 16) | 2, kLastFridayOfMay,
                    "Day 31 of every 2 months"},
        PatternCase{"last Friday every 3 months", 0x2400 | kOrdLast | kFriday, (31 << 16) | 3,
                    kLastFridayOfMay, "The last Friday of every 3 months"},
        PatternCase{"second Tuesday monthly", 0x2400 | kOrdSecond | kTuesday, (14 << 16) | 1,
                    kSecondTuesdayOfMay, "The second Tuesday of every month"},
        PatternCase{"yearly by date", 0x1800, 1, kMay15, "Every May 15"},
        PatternCase{"yearly by weekday", 0x2800 | kOrdFirst | kMonday, 12, kFirstMondayOfSeptember,
                    "The first Monday of September"},
        PatternCase{"no recurrence", 0, 0, kLastFridayOfMay, ""},
        PatternCase{"two kinds at once", 0x1300, 1, kLastFridayOfMay, ""},
        PatternCase{"monthly without a form", 0x0400, 1, kLastFridayOfMay, ""},
        PatternCase{"yearly without a form", 0x0800, 1, kLastFridayOfMay, ""}));

TEST(DescribePattern, TakesDayAndMonthNamesFromTheLocale) {
    EXPECT_EQ(DescribePattern(Patterned(0x1200 | kMonday | kSunday, 1, kMay15), GermanNames()),
              "Every Montag, Sonntag");
    EXPECT_EQ(DescribePattern(Patterned(0x1800, 1, kMay15), GermanNames()), "Every Mai 15");
}

struct AmountCase {
    AmountUnit unit;
    uint32_t count;
    const char* text;
};

TEST(DescribeAmount, UsesSingularForOneAndTheBeforeStartWording) {
    const AmountCase cases[] = {
        {AmountUnit::Minute, 1, "1 minute"},
        {AmountUnit::Minute, 30, "30 minutes"},
        {AmountUnit::Minute, 0, "0 minutes"},
        {AmountUnit::Hour, 1, "1 hour"},
        {AmountUnit::Hour, 12, "12 hours"},
        {AmountUnit::Day, 2, "2 days"},
        {AmountUnit::Week, 1, "1 week"},
        {AmountUnit::Week, 32767, "32767 weeks"},
        {AmountUnit::Minute, 0x8000 | 10, "10 minutes before start"},
        {AmountUnit::Hour, 0x8000 | 1, "1 hour before start"},
        {static_cast<AmountUnit>(4), 1, ""},
        {static_cast<AmountUnit>(5), 2, ""},
    };
    for (const AmountCase& c : cases)
        EXPECT_EQ(DescribeAmount(c.unit, c.count), c.text)
            << static_cast<uint32_t>(c.unit) << "/" << c.count;
    EXPECT_EQ(DescribeAmount(TimeAmount(0x18001)), "1 hour before start");
}

TEST(AgeAt, CountsWholeYearsSinceTheStart) {
    EventRecord birthday = Patterned(0x1800, 1, DateTime::FromParts(1970, 6, 10, 0, 0));
    birthday.SetFlag(kAge, true);
    EXPECT_EQ(AgeAt(birthday, DateTime::FromParts(2001, 6, 10, 0, 0)), "31");
    EXPECT_EQ(AgeAt(birthday, DateTime::FromParts(2001, 6, 9, 23, 59)), "30");
    EXPECT_EQ(AgeAt(birthday, DateTime::FromParts(2001, 5, 31)), "30");
    EXPECT_EQ(AgeAt(birthday, DateTime::FromParts(1960, 1, 1)), "0"); // before the start
    EXPECT_EQ(AgeSuffix(birthday, DateTime::FromParts(2001, 6, 10)), " ( 31 years )");

    EventRecord leap = Patterned(0x1800, 1, DateTime::FromParts(2000, 2, 29));
    leap.SetFlag(kAge, true);
    EXPECT_EQ(AgeAt(leap, DateTime::FromParts(2001, 2, 28)), "0");
    EXPECT_EQ(AgeAt(leap, DateTime::FromParts(2001, 3, 1)), "1");
}

TEST(AgeAt, IsEmptyWithoutTheAgeOptionOrForOtherKinds) {
    const DateTime later = DateTime::FromParts(2001, 6, 10);
    EXPECT_EQ(AgeAt(Patterned(0x1800, 1, DateTime::FromParts(1970, 6, 10)), later), "");
    EventRecord monthly = Patterned(0x1400, (10 << 16) | 1, DateTime::FromParts(1970, 6, 10));
    monthly.SetFlag(kAge, true);
    EXPECT_EQ(AgeAt(monthly, later), "");
    EXPECT_EQ(AgeSuffix(monthly, later), "");
}

TEST(TimeLeftSuffix, OverdueWinsThenDaysAboveZero) {
    EXPECT_EQ(TimeLeftSuffix(true, 3), " [ overdue ]");
    EXPECT_EQ(TimeLeftSuffix(false, 0), "");
    EXPECT_EQ(TimeLeftSuffix(false, -2), "");
    EXPECT_EQ(TimeLeftSuffix(false, 1), " [ 1 day more ]");
    EXPECT_EQ(TimeLeftSuffix(false, 3), " [ 3 days more ]");
}

} // namespace
} // namespace zm
