#pragma once
// The defaults of the settings that follow the user's locale: the first day of the week, the
// measurement system and the clock's format (the long time format) from QLocale, the first week
// of the year from the C library's locale data (QLocale does not carry it).

#include "platform/setting_table.h"

#include <QLocale>
#include <optional>

namespace zm {

LocaleSettingDefaults QtLocaleSettingDefaults(const QLocale& locale = QLocale());

// The locale's first week of the year in the settings' origin numbering (0 the week of Jan 1,
// 1 the first full week, 2 the first 4-day week) from the number of days the C library says
// the first week must have in the new year (1, 7 or 4); nothing for any other number.
std::optional<int64_t> LocaleFirstWeekFromMinimalDays(int minimalDays);

} // namespace zm
