#pragma once
// The user's regional settings as QLocale reports them.

#include "format/locale_description.h"

#include <QLocale>

namespace zm {

// Date order, century, leading zeros and the date separator come from the locale's short date
// format; the 24-hour flag, the hour's leading zero and the time separator from its short time
// format; then the day and month names, the AM/PM texts and the long time format.
LocaleDescription QtLocaleDescription(const QLocale& locale = QLocale());

} // namespace zm
