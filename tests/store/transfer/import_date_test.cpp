#include "store/transfer/import_date.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

struct DateCase {
    const char* text;
    int order;
    int year, month, day; // year 0: invalid
};

TEST(ImportDate, ReadsThreeGroupsInTheChosenOrder) {
    const DateCase cases[] = {
        {"12/31/2000", kMonthDayYear, 2000, 12, 31},
        {"12/31/2000", kDayMonthYear, 0, 0, 0}, // month 31
        {"31/12/2000", kDayMonthYear, 2000, 12, 31},
        {"2000/12/31", kYearMonthDay, 2000, 12, 31},
        {"31.12.2000", kDayMonthYear, 2000, 12, 31},
        {"2000-12-31", kYearMonthDay, 2000, 12, 31}, // a locale whose separator is '-'
        {"12-31.2000", kMonthDayYear, 2000, 12, 31},
        {"   1/2/2003", kMonthDayYear, 2003, 1, 2},
        {"1/2/2003  ", kMonthDayYear, 2003, 1, 2},
        {"0001/0002/2003", kMonthDayYear, 2003, 1, 2},
        {"2/29/2000", kMonthDayYear, 2000, 2, 29},
        {"2/29/1900", kMonthDayYear, 0, 0, 0},
        {"4/31/2001", kMonthDayYear, 0, 0, 0},
        {"0/1/2001", kMonthDayYear, 0, 0, 0},
        {"13/1/2001", kMonthDayYear, 0, 0, 0},
        // Out-of-range orders count as the nearest one.
        {"31/12/2000", 7, 0, 0, 0},
        {"2000/12/31", 7, 2000, 12, 31},
        {"12/31/2000", -3, 2000, 12, 31},
    };
    for (const DateCase& c : cases) {
        const DateTime d = ParseImportDate(c.text, c.order);
        if (c.year == 0) {
            EXPECT_FALSE(d.IsValid()) << c.text << " order " << c.order;
            continue;
        }
        ASSERT_TRUE(d.IsValid()) << c.text << " order " << c.order;
        EXPECT_EQ(d, DateTime::FromParts(c.year, c.month, c.day)) << c.text;
    }
}

TEST(ImportDate, TwoDigitAndOutOfRangeYears) {
    const struct {
        const char* text;
        int year;
    } cases[] = {
        {"1/2/3", 2003},    {"1/2/03", 2003},   {"1/2/0", 2000},    {"1/2/9", 2009},
        {"1/2/10", 1910},   {"1/2/99", 1999},   {"1/2/100", 1753},  {"1/2/1700", 1753},
        {"1/2/1752", 1753}, {"1/2/1753", 1753}, {"1/2/9999", 9999}, {"1/2/0000", 2000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseImportDate(c.text, kMonthDayYear), DateTime::FromParts(c.year, 1, 2))
            << c.text;
    }
}

TEST(ImportDate, RefusesAnythingButThreeGroups) {
    for (const char* text :
         {"", "   ", "12/31", "12/31/", "/12/31/2000", "12//31/2000", "12/31/20000", "12/31/2000/1",
          "12/31/2000 10:00", "12/31/2000 AM", "12 31 2000", "12,31,2000", "a/b/c", "12/31/2000x",
          "\t12/31/2000", "+1/2/2000", "1/-2/2000", "12/31/2000\r\n"}) {
        EXPECT_FALSE(ParseImportDate(text, kMonthDayYear).IsValid()) << '"' << text << '"';
    }
}

TEST(ImportDate, ClampsTheStoredOrder) {
    EXPECT_EQ(ClampDateOrder(-1), 0);
    EXPECT_EQ(ClampDateOrder(0), 0);
    EXPECT_EQ(ClampDateOrder(2), 2);
    EXPECT_EQ(ClampDateOrder(3), 2);
}

} // namespace
} // namespace zm
