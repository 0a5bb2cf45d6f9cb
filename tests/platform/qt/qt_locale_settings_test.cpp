#include "platform/qt/qt_locale_settings.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(QtLocaleSettings, TheFirstWeekRuleOfTheCLibraryBecomesTheSetting) {
    struct Case {
        int minimalDays;
        int64_t setting; // 0 Jan 1, 1 first 4-day week, 2 first full week
    };
    const Case cases[] = {{1, 0}, {4, 1}, {7, 2}, {0, 0}, {3, 0}, {8, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(FirstWeekOfYearFromLocale(LocaleFirstWeekFromMinimalDays(c.minimalDays)),
                  c.setting)
            << c.minimalDays;
}

TEST(QtLocaleSettings, TheFirstDayTheMeasuresAndTheClockComeFromQLocale) {
    const LocaleSettingDefaults us =
        QtLocaleSettingDefaults(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.FirstDayOfWeek, 6); // Sunday
    EXPECT_EQ(us.FirstWeekOfYear, 0);
    EXPECT_FALSE(us.Metric);
    EXPECT_TRUE(us.ClockFormat.starts_with("h:mm:ss tt")) << us.ClockFormat;
    const LocaleSettingDefaults de =
        QtLocaleSettingDefaults(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.FirstDayOfWeek, 0); // Monday
    EXPECT_TRUE(de.Metric);
    EXPECT_TRUE(de.ClockFormat.starts_with("HH:mm:ss")) << de.ClockFormat;
}

} // namespace
} // namespace zm
