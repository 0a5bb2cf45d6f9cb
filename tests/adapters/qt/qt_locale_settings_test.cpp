#include "adapters/qt/qt_locale_settings.h"

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
    EXPECT_EQ(us.firstDayOfWeek, 6); // Sunday
    EXPECT_EQ(us.firstWeekOfYear, 0);
    EXPECT_FALSE(us.metric);
    EXPECT_TRUE(us.clockFormat.starts_with("h:mm:ss tt")) << us.clockFormat;
    const LocaleSettingDefaults de =
        QtLocaleSettingDefaults(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.firstDayOfWeek, 0); // Monday
    EXPECT_TRUE(de.metric);
    EXPECT_TRUE(de.clockFormat.starts_with("HH:mm:ss")) << de.clockFormat;
}

} // namespace
} // namespace zm
