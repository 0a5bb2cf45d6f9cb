#include "clock/chime.h"
#include "clock/clock_look.h"
#include "clock/clock_text.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(ClockText, KeptFormatAlwaysEndsWithABreak) {
    EXPECT_EQ(ClockFormatToKeep(""), "'Empty Clock'|");
    EXPECT_EQ(ClockFormatToKeep("hh:mm|dddd"), "hh:mm|dddd|");
    EXPECT_EQ(ClockLines("10:00\n"), (std::vector<std::string>{"10:00"}));
    EXPECT_EQ(ClockLines("10:00\nMonday\n"), (std::vector<std::string>{"10:00", "Monday"}));
    EXPECT_EQ(ClockLines("a\n\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(ClockLines("'open|"), (std::vector<std::string>{"'open|"}));
}

TEST(ClockText, DrawsOnlyWhenTheTextChanges) {
    ClockText text;
    EXPECT_TRUE(text.Update("10:00:00\n"));
    EXPECT_FALSE(text.Update("10:00:00\n"));
    EXPECT_TRUE(text.Update("10:00:01\n"));
    text.Forget();
    EXPECT_TRUE(text.Update("10:00:01\n"));
    EXPECT_EQ(text.Shown(), "10:00:01\n");
}

TEST(ClockLook, SizeAndShades) {
    EXPECT_EQ(ClockWindowSize({50, 16}, 5, true), (Size{64, 30}));
    EXPECT_EQ(ClockWindowSize({50, 16}, 0, false), (Size{50, 16}));
    EXPECT_EQ(CustomClockColours(0x0000FF, 0x804020),
              (ClockColours{0x0000FF, 0x804020, 0xBF9F8F, 0x402010}));
}

DateTime At(int hour, int minute, int second) {
    return DateTime::FromParts(2026, 12, 7, hour, minute, second);
}

// Four ticks a second across the minute chime once; the sound switch and the chime word decide
// which one sounds.
TEST(ChimeClock, OncePerFullAndHalfHour) {
    ChimeClock chimes;
    int hour = 0;
    int half = 0;
    for (int second = 0; second < 120; ++second) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            hour += chimes.Tick(At(10, second / 60, second % 60), true, true, kBothChimes) ==
                    Chime::Hour;
            half += chimes.Tick(At(10, 29 + second / 60, second % 60), true, true, kBothChimes) ==
                    Chime::HalfHour;
        }
    }
    EXPECT_EQ(hour, 1);
    EXPECT_EQ(half, 1);
    EXPECT_EQ(chimes.Tick(At(11, 0, 0), true, true, kBothChimes), Chime::Hour);

    ChimeClock quiet;
    EXPECT_EQ(quiet.Tick(At(10, 0, 0), true, false, kBothChimes), Chime::None);
    // The minute is used up although it was silent.
    EXPECT_EQ(quiet.Tick(At(10, 0, 30), true, true, kBothChimes), Chime::None);
    EXPECT_EQ(quiet.Tick(At(10, 30, 0), false, true, kBothChimes), Chime::None);
    EXPECT_EQ(quiet.Tick(At(10, 30, 1), true, true, 0x00010000), Chime::HalfHour);
    EXPECT_EQ(quiet.Tick(At(11, 0, 0), true, true, 0x00010000), Chime::None);
}

} // namespace
} // namespace zm
