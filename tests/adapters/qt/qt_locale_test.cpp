#include "adapters/qt/qt_locale_description.h"
#include "adapters/qt/qt_locale_names.h"
#include "format/clock_format.h"
#include "format/locale_formats.h"
#include "model/date_time.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(QtLocale, UnitedStatesEnglishGivesMonthDayYearAndATwelveHourClock) {
    const LocaleDescription d =
        QtLocaleDescription(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(d.dateOrder, 0);
    EXPECT_FALSE(d.is24Hour);
    EXPECT_EQ(d.dateSeparator, "/");
    EXPECT_EQ(d.timeSeparator, ":");
    EXPECT_EQ(d.amDesignator, "AM");
    const LocaleFormats f = BuildLocaleFormats(d);
    const DateTime t = DateTime::FromParts(2024, 3, 5, 15, 4, 0);
    EXPECT_EQ(f.FormatShortTime(t), "3:04 PM");
}

TEST(QtLocale, GermanGivesDayMonthYearAndATwentyFourHourClock) {
    const LocaleDescription d = QtLocaleDescription(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(d.dateOrder, 1);
    EXPECT_TRUE(d.is24Hour);
    EXPECT_EQ(d.dateSeparator, ".");
    EXPECT_EQ(DefaultClockFormat(d).find("HH"), 0u);
    EXPECT_EQ(QtLocaleNames(QLocale(QLocale::German, QLocale::Germany)).LongDayName(1), "Sonntag");
}

} // namespace
} // namespace zm
