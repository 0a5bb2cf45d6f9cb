#include "model/week_settings.h"
#include "platform/memory_settings.h"
#include "platform/setting_table.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(WeekSettings, TheDefaultsAreThoseOfTheSettings) {
    const MemorySettings nothingStored;
    const WeekSettings week;
    EXPECT_EQ(week.workWeek, ReadInt(nothingStored, SettingId::WorkWeek));
    EXPECT_EQ(week.checkWeekendEvents, ReadBool(nothingStored, SettingId::CheckWeekendEvents));
    for (int dow = 1; dow <= 7; ++dow)
        EXPECT_FALSE(week.IsLastWorkday(dow)) << dow;
}

TEST(WeekSettings, AreReadFromTheSettingsAndDefaultAsTheSettingTableDoes) {
    MemorySettings settings;
    EXPECT_EQ(ReadWeekSettings(settings), WeekSettings{});
    EXPECT_TRUE(WeekSettings{}.IsWorkday(1)); // every day is a working day
    settings.Write("Calendar/WorkWeek", "62");
    settings.Write("Calendar/CheckWeekendEvents", "true");
    EXPECT_EQ(ReadWeekSettings(settings), (WeekSettings{0x3E, true}));
}

} // namespace
} // namespace zm
