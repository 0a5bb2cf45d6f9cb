#include "adapters/qt/qt_locale_settings.h"

#include "adapters/qt/qt_locale_description.h"
#include "format/clock_format.h"

#include <langinfo.h>
#include <locale.h>

namespace zm {
namespace {

// The C library's rule for the first week under the locale's name; nothing when the locale is
// not installed.
std::optional<int> MinimalDaysOfFirstWeek(const QLocale& locale) {
    locale_t c = nullptr;
    if (locale == QLocale::system()) c = newlocale(LC_TIME_MASK, "", nullptr);
    if (!c) c = newlocale(LC_TIME_MASK, (locale.name() + ".UTF-8").toUtf8().constData(), nullptr);
    if (!c) c = newlocale(LC_TIME_MASK, locale.name().toUtf8().constData(), nullptr);
    if (!c) return std::nullopt;
    const char* rule = nl_langinfo_l(_NL_TIME_WEEK_1STWEEK, c);
    const std::optional<int> days =
        rule ? std::optional<int>(static_cast<unsigned char>(*rule)) : std::nullopt;
    freelocale(c);
    return days;
}

} // namespace

std::optional<int64_t> LocaleFirstWeekFromMinimalDays(int minimalDays) {
    switch (minimalDays) {
    case 1:
        return 0;
    case 7:
        return 1;
    case 4:
        return 2;
    default:
        return std::nullopt;
    }
}

LocaleSettingDefaults QtLocaleSettingDefaults(const QLocale& locale) {
    LocaleSettingDefaults d;
    const std::optional<int> days = MinimalDaysOfFirstWeek(locale);
    d.firstWeekOfYear =
        FirstWeekOfYearFromLocale(days ? LocaleFirstWeekFromMinimalDays(*days) : std::nullopt);
    // Qt counts Monday = 1 ... Sunday = 7.
    d.firstDayOfWeek = FirstDayOfWeekFromLocale(static_cast<int>(locale.firstDayOfWeek()) - 1);
    d.metric = locale.measurementSystem() == QLocale::MetricSystem;
    d.clockFormat = DefaultClockFormat(QtLocaleDescription(locale));
    return d;
}

} // namespace zm
