#include "platform/memory_settings.h"
#include "platform/program_settings.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(ProgramSettings, StoredValuesReadByTheirRules) {
    using enum SettingId;
    struct Case {
        SettingId id;
        const char* stored; // null: not stored
        int64_t read;
    };
    const Case cases[] = {
        {MainView, "7", 0},
        {MainView, "3", 3},
        {MainView, "-1", 0},
        {FirstWeekOfYear, "5", 2},
        {FirstWeekOfYear, "-4", 0},
        {FirstDayOfWeek, "9", 6},
        {FirstDayOfWeek, "6", 6},
        {StartupDelay, nullptr, 1},
        {StartupDelay, "0", 1},
        {StartupDelay, "1", 1},
        {StartupDelay, "2", 2},
        {StartupDelay, "9", 9},
        {StartupDelay, "25", 10},
        {MainWindowHotKey, "70000", 0},
        {CalendarHotKey, "2117", 2117},
        {ClockMargins, "150", 99},
        {ClockAlignment, "-1", 0},
        {ClockAlignment, "5", 2},
        {ClockTextColour, nullptr, -1},
        {ClockTextColour, "16777216", -1},
        {ClockChimes, nullptr, 0x10001},
        {ClockPosition, "-1", -1},
        {RightToLeft, nullptr, -1},
        {RightToLeft, "7", 7},
    };
    for (const Case& c : cases) {
        MemorySettings s;
        if (c.stored) s.Write(DefinitionOf(c.id).key, c.stored);
        EXPECT_EQ(ReadInt(s, c.id), c.read)
            << DefinitionOf(c.id).key << " = " << (c.stored ? c.stored : "none");
    }
}

TEST(ProgramSettings, LocaleDefaultsApplyOnlyWhenNothingIsStored) {
    LocaleSettingDefaults locale;
    locale.firstWeekOfYear = 2;
    locale.firstDayOfWeek = 6;
    locale.clockFormat = "HH:mm";
    MemorySettings s;
    ProgramSettings v = LoadProgramSettings(s, locale);
    EXPECT_EQ(v.firstWeekOfYear, 2);
    EXPECT_EQ(v.firstDayOfWeek, 6);
    EXPECT_EQ(ReadText(s, SettingId::ClockFormat, locale), "HH:mm");
    EXPECT_EQ(ReadText(s, SettingId::ClockFormat), "hh:mm:ss tt");

    s.Write("Calendar/FirstWeekOfYear", "0");
    s.Write("Calendar/FirstDayOfWeek", "x");
    s.Write("Clock/Format", "");
    v = LoadProgramSettings(s, locale);
    EXPECT_EQ(v.firstWeekOfYear, 0);
    EXPECT_EQ(v.firstDayOfWeek, 6);
    EXPECT_EQ(ReadText(s, SettingId::ClockFormat, locale), "");
}

TEST(ProgramSettings, TheLocalesOwnNumbersBecomeSettings) {
    struct Case {
        std::optional<int64_t> locale;
        int64_t firstWeek;
        int64_t firstDay;
    };
    const Case cases[] = {
        {std::nullopt, 0, 0},
        {-1, 0, 0},
        {0, 0, 0},
        {1, 2, 1},
        {2, 1, 2},
        {5, 1, 5},
        {6, 1, 6},
        {7, 1, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstWeekOfYearFromLocale(c.locale), c.firstWeek) << c.locale.value_or(-99);
        EXPECT_EQ(FirstDayOfWeekFromLocale(c.locale), c.firstDay) << c.locale.value_or(-99);
    }
}

TEST(ProgramSettings, SavedBackNormalisedExceptTheReminderSound) {
    MemorySettings s;
    s.Write("MainWindow/View", "7");
    s.Write("Calendar/FirstWeekOfYear", "5");
    s.Write("General/StartupDelay", "0");
    s.Write("Calendar/WorkWeek", "300");
    s.Write("General/NewTimePicker", "5");
    ProgramSettings v = LoadProgramSettings(s, {});
    v.reminderSound = false;
    SaveProgramSettings(s, v);
    EXPECT_EQ(s.values.at("MainWindow/View"), "0");
    EXPECT_EQ(s.values.at("Calendar/FirstWeekOfYear"), "2");
    EXPECT_EQ(s.values.at("General/StartupDelay"), "1");
    EXPECT_EQ(s.values.at("Calendar/WorkWeek"), "127");
    EXPECT_EQ(s.values.at("General/NewTimePicker"), "true");
    EXPECT_FALSE(s.values.contains("General/ReminderSound"));

    MemorySettings again;
    SaveProgramSettings(again, LoadProgramSettings(s, {}));
    EXPECT_EQ(again.values, s.values);
}

TEST(ProgramSettings, ClockFormatIsCutToItsLongestOnReadAndWrite) {
    // 380 plain characters and then six two-byte ones: 383 characters keep three of them.
    std::string format(380, 'h');
    for (int i = 0; i < 6; ++i)
        format += "\xC3\xA9";
    MemorySettings s;
    s.Write("Clock/Format", format);
    const std::string read = ReadText(s, SettingId::ClockFormat);
    EXPECT_EQ(read, std::string(380, 'h') + "\xC3\xA9\xC3\xA9\xC3\xA9");
    WriteText(s, SettingId::ClockFormat, format);
    EXPECT_EQ(s.values.at("Clock/Format"), read);
}

TEST(ProgramSettings, RightToLeftFollowsTheStoredValueOrTheLocale) {
    struct Case {
        const char* stored;
        bool support;
        const char* language;
        bool rightToLeft;
    };
    const Case cases[] = {
        {nullptr, true, "Hebrew", true},   {nullptr, true, "HEBREW", true},
        {nullptr, false, "Hebrew", false}, {nullptr, true, "Arabic", false},
        {"1", false, "English", true},     {"0", true, "Hebrew", false},
        {"2", true, "Hebrew", false},      {"-1", true, "Hebrew", true},
    };
    for (const Case& c : cases) {
        MemorySettings s;
        if (c.stored) s.Write("General/RightToLeft", c.stored);
        EXPECT_EQ(ReadsRightToLeft(s, c.support, c.language), c.rightToLeft)
            << (c.stored ? c.stored : "none") << " " << c.language;
    }
}

TEST(ProgramSettings, TheFirstRunIsTakenOnce) {
    MemorySettings s;
    EXPECT_TRUE(TakeFirstRun(s));
    EXPECT_FALSE(TakeFirstRun(s));
    s.Write("General/FirstRun", "349");
    EXPECT_TRUE(TakeFirstRun(s));
    EXPECT_EQ(s.values.at("General/FirstRun"), "350");
}

TEST(ProgramSettings, BytesMustBeHexadecimalOfTheSettingsLength) {
    MemorySettings s;
    const std::vector<uint8_t> margins(16, 0xA5);
    WriteBytes(s, SettingId::PageMargins, margins);
    EXPECT_EQ(ReadBytes(s, SettingId::PageMargins), margins);
    const std::string damagedValues[] = {"", "a5", std::string(32, 'z'), std::string(34, 'a')};
    for (const std::string& damaged : damagedValues) {
        s.Write("Printing/Margins", damaged);
        EXPECT_EQ(ReadBytes(s, SettingId::PageMargins), std::nullopt) << damaged;
    }
    MemorySettings other;
    WriteBytes(other, SettingId::PageMargins, std::vector<uint8_t>(15));
    EXPECT_TRUE(other.values.empty());
}

} // namespace
} // namespace zm
