// The setup panel's ranges, the cascades of new windows and the seven-segment layout.

#include "platform/memory_settings.h"
#include "platform/setting_table.h"
#include "timers/countdown_sound.h"
#include "timers/setup_fields.h"
#include "timers/seven_segment.h"
#include "timers/window_cascade.h"

#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(SetupFieldsTest, LeavingAFieldBringsItIntoRange) {
    struct Case {
        SetupField field;
        const char* text;
        int value;
    };
    for (const Case& c : {Case{SetupField::Hours, "25", 23}, Case{SetupField::Minutes, "75", 59},
                          Case{SetupField::Seconds, "60", 59}, Case{SetupField::Hours, "7", 7},
                          Case{SetupField::Minutes, "", 0}, Case{SetupField::Seconds, "x1", 0},
                          Case{SetupField::Hours, "-3", 0}}) {
        EXPECT_EQ(ClampSetupField(c.field, c.text), c.value) << c.text;
    }
    EXPECT_EQ(SetupDuration("25", "75", "5"), 23 * 3600 + 59 * 60 + 5);
}

TEST(WindowCascadeTest, CountdownsStepDownAndWrapIntoNewColumns) {
    const Rect area{0, 0, 1920, 1040};
    WindowCascade cascade(TimerKind::Countdown);
    for (Point expected : {Point{42, 64}, Point{84, 128}, Point{126, 192}, Point{168, 256}}) {
        EXPECT_EQ(cascade.Next(area, {140, 61}), expected);
    }
    // A short work area: 64 + 61 fits, 128 + 61 does not.
    const Rect shortArea{100, 50, 1000, 150};
    WindowCascade wrapping(TimerKind::Countdown);
    EXPECT_EQ(wrapping.Next(shortArea, {140, 61}), (Point{142, 114}));
    EXPECT_EQ(wrapping.Next(shortArea, {140, 61}), (Point{285, 114}));
    EXPECT_EQ(wrapping.Next(shortArea, {140, 61}), (Point{428, 114}));
}

TEST(WindowCascadeTest, StopwatchesHaveTheirOwnColumnAndFallBackWhenNothingFits) {
    const Rect area{0, 0, 1920, 1040};
    WindowCascade cascade(TimerKind::Stopwatch);
    EXPECT_EQ(cascade.Next(area, {128, 57}), (Point{185, 64}));
    EXPECT_EQ(cascade.Next(area, {128, 57}), (Point{227, 128}));

    const Rect tiny{0, 0, 300, 130};
    WindowCascade cramped(TimerKind::Stopwatch);
    EXPECT_EQ(cramped.Next(tiny, {128, 57}), (Point{62, 64})); // 185 and 328 do not fit
    EXPECT_EQ(cramped.Next(tiny, {128, 57}), (Point{62, 64})); // nor 205 after the fallback
}

TEST(SevenSegmentTest, LightsTheDigitsSegmentsAndFitsTheTextInTheDisplay) {
    EXPECT_EQ(LitSegments('8'), 0x7F);
    EXPECT_EQ(LitSegments('1'), (1 << 1) | (1 << 2)); // B and C
    EXPECT_EQ(LitSegments('x'), 0);
    const auto cells = LayOutGlyphs("00:01:00", 86, 23);
    ASSERT_EQ(cells.size(), 8u);
    EXPECT_TRUE(cells[2].colon);
    EXPECT_GE(cells.front().box.x, 0);
    EXPECT_LE(cells.back().box.x + cells.back().box.width, 86);
    for (const GlyphCell& c : cells) {
        EXPECT_GE(c.box.y, 0);
        EXPECT_LE(c.box.y + c.box.height, 23);
    }
}

TEST(CountdownSoundTest, BeepsEveryTwentySecondsUnlessSetOtherwise) {
    MemorySettings settings;
    const auto request = CountdownSoundRequest(settings);
    ASSERT_TRUE(request);
    EXPECT_EQ(*request, (SoundRequest{"", std::chrono::seconds(20)}));

    settings.Write("Countdown/SoundKind", "7"); // above the last kind: a sound file
    settings.Write("Countdown/SoundRepeat", "0");
    settings.Write("Countdown/SoundFile", "/sounds/gong.wav");
    EXPECT_EQ(*CountdownSoundRequest(settings), (SoundRequest{"/sounds/gong.wav", {}}));
    WriteInt(settings, SettingId::CountdownSoundKind, -1);
    EXPECT_FALSE(CountdownSoundRequest(settings));
}

} // namespace
} // namespace zm::testing
