#include "edit/typed_time.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>
#include <vector>

namespace zm {
namespace {
using namespace testing;

TEST(ParseTimeOfDay, ReadsTheLocalesForms) {
    struct Case {
        const char* text;
        int seconds; // -1: refused
    };
    const Case cases[] = {
        {"9:30", 9 * 3600 + 1800},
        {" 21.05 ", 21 * 3600 + 300},
        {"9:30 pm", 21 * 3600 + 1800},
        {"12:00 AM", 0},
        {"12 p", 12 * 3600},
        {"7am", 7 * 3600},
        {"23:59:59", 86399},
        {"0", 0},
        {"24:00", -1},
        {"13 pm", -1},
        {"9:60", -1},
        {"9:", -1},
        {"nine", -1},
        {"9:30 xm", -1},
        {"", -1},
    };
    for (const Case& c : cases) {
        const auto got = ParseTimeOfDay(c.text);
        EXPECT_EQ(got.value_or(-1), c.seconds) << c.text;
    }
    EXPECT_EQ(ParseTimeOfDay("9h30", {}, "h").value_or(-1), 9 * 3600 + 1800);
}

TEST(ReadTypedTime, PlusAnAmountCountsFromNowAcrossMidnight) {
    const DateTime now = At(2026, 12, 7, 23, 30);
    const TypedTime later = ReadTypedTime("+2 hours", now);
    ASSERT_TRUE(later.ok);
    EXPECT_TRUE(later.relative);
    EXPECT_EQ(later.moment, At(2026, 12, 8, 1, 30));

    const TypedTime plain = ReadTypedTime("8:15", now);
    EXPECT_FALSE(plain.relative);
    EXPECT_EQ(plain.moment, At(2026, 12, 7, 8, 15));
    EXPECT_FALSE(ReadTypedTime("+soon", now).ok);
    EXPECT_FALSE(ReadTypedTime("2 hours", now).ok);
}

TEST(TimeTyping, ReadsTheCharactersTogetherAsTheyCome) {
    constexpr int kH = 3600;
    struct Case {
        const char* keys;
        std::vector<int> seconds; // after each key; -1 while the text means no time yet
    } const cases[] = {
        {"21:30", {2 * kH, 21 * kH, 21 * kH, 21 * kH + 180, 21 * kH + 1800}},
        {"9:30 PM",
         {9 * kH, 9 * kH, 9 * kH + 180, 9 * kH + 1800, 9 * kH + 1800, 21 * kH + 1800,
          21 * kH + 1800}},
        {"2130", {2 * kH, 21 * kH, 2 * kH + 780, 21 * kH + 1800}},
        {"7.05", {7 * kH, 7 * kH, 7 * kH, 7 * kH + 300}},
        {"25", {2 * kH, -1}},
        {"x", {-1}},
    };
    for (const Case& c : cases) {
        TimeTyping typing;
        const std::string keys = c.keys;
        for (size_t i = 0; i < keys.size(); ++i)
            EXPECT_EQ(typing.Type(keys.substr(i, 1)).value_or(-1), c.seconds[i])
                << c.keys << " after " << i + 1;
    }
    TimeTyping typing({"vorm.", "nachm."}, "h");
    typing.Type("10h4");
    EXPECT_EQ(typing.Type("5").value_or(-1), 10 * kH + 45 * 60);
    EXPECT_EQ(typing.Erase().value_or(-1), 10 * kH + 4 * 60);
    EXPECT_EQ(typing.Erase().value_or(-1), 10 * kH); // "10h" waits for the minutes
    EXPECT_EQ(typing.Text(), "10h");
}

TEST(ToolkitTimeFormat, GivesTheDayHalfAsAP) {
    EXPECT_EQ(ToolkitTimeFormat("h':'mm' 'tt"), "h':'mm' 'AP");
    EXPECT_EQ(ToolkitTimeFormat("HH'.'mm"), "HH'.'mm");
    EXPECT_EQ(ToolkitTimeFormat("h'tt'mm t"), "h'tt'mm AP");
}

TEST(HalfHourEntryAtOrBefore, PicksTheLastEntryNotLater) {
    EXPECT_EQ(HalfHourEntryAtOrBefore(0), 0);
    EXPECT_EQ(HalfHourEntryAtOrBefore(9 * 3600 + 1799), 18);
    EXPECT_EQ(HalfHourEntryAtOrBefore(9 * 3600 + 1800), 19);
    EXPECT_EQ(HalfHourEntryAtOrBefore(86399), 47);
}

} // namespace
} // namespace zm
