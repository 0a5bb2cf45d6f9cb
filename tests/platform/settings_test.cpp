#include "platform/data_folder.h"
#include "platform/memory_settings.h"
#include "platform/setting_table.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(DataFolder, TakesTheFirstVariableThatGivesAFolder) {
    struct Case {
        const char* zantimoreHome;
        const char* xdgDataHome;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/data/z", "/xdg", "/home/u", "/data/z"},
        {"", "/xdg", "/home/u", "/xdg/zantimore"},
        {nullptr, "/xdg/", "/home/u", "/xdg/zantimore"},
        {nullptr, "relative/xdg", "/home/u", "/home/u/.local/share/zantimore"},
        {nullptr, "", "/home/u/", "/home/u/.local/share/zantimore"},
        {nullptr, nullptr, nullptr, ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DataFolderFrom(c.zantimoreHome, c.xdgDataHome, c.home), c.folder)
            << (c.zantimoreHome ? c.zantimoreHome : "null") << " "
            << (c.xdgDataHome ? c.xdgDataHome : "null");
}

TEST(SettingTable, KeysAreUniqueAndDefaultsLieInTheirRanges) {
    for (const SettingDefinition& d : AllSettings()) {
        EXPECT_EQ(&DefinitionOf(d.id), &d);
        EXPECT_EQ(FindSetting(d.key), &d);
        EXPECT_GE(d.defaultValue, d.min) << d.key;
        EXPECT_LE(d.defaultValue, d.max) << d.key;
    }
    EXPECT_EQ(FindSetting("calendar/workweek"), nullptr);
}

TEST(SettingTable, MissingOrDamagedValuesReadAsSomethingSensible) {
    struct Case {
        const char* stored; // null: not stored
        int64_t workWeek;
        bool checkWeekend;
    };
    const Case cases[] = {
        {nullptr, 127, false}, {"65", 65, true},
        {" 127 ", 127, true},  {"+3", 3, true},
        {"128", 127, true},    {"-1", 127, true},
        {"abc", 127, false},   {"", 127, false},
        {"true", 127, true},   {"TRUE", 127, true},
        {"0", 0, false},       {"1", 1, true},
        {"7x", 127, false},    {"99999999999999999999", 127, false},
    };
    for (const Case& c : cases) {
        MemorySettings s;
        if (c.stored) {
            s.Write("Calendar/WorkWeek", c.stored);
            s.Write("Calendar/CheckWeekendEvents", c.stored);
        }
        EXPECT_EQ(ReadInt(s, SettingId::WorkWeek), c.workWeek) << (c.stored ? c.stored : "null");
        EXPECT_EQ(ReadBool(s, SettingId::CheckWeekendEvents), c.checkWeekend)
            << (c.stored ? c.stored : "null");
    }
}

TEST(SettingTable, WritesReadBackTheSameAndOutOfRangeValuesAreNotStored) {
    MemorySettings s;
    WriteInt(s, SettingId::WorkWeek, 0x41);
    WriteBool(s, SettingId::CheckWeekendEvents, true);
    EXPECT_EQ(ReadInt(s, SettingId::WorkWeek), 0x41);
    EXPECT_TRUE(ReadBool(s, SettingId::CheckWeekendEvents));
    EXPECT_EQ(s.values.at("Calendar/CheckWeekendEvents"), "true");

    WriteInt(s, SettingId::ImportDateOrder, 7);
    EXPECT_EQ(s.values.at("LastImpDateF"), "2");
    s.values["LastImpDateF"] = "-3";
    EXPECT_EQ(ReadInt(s, SettingId::ImportDateOrder), 0);
}

} // namespace
} // namespace zm
