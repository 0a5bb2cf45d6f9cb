#include "adapters/qt/qt_locale_description.h"

#include "platform/locale_pictures.h"

namespace zm {

LocaleDescription QtLocaleDescription(const QLocale& locale) {
    LocaleDescription d;
    const DatePictureFacts date =
        ReadDatePicture(locale.dateFormat(QLocale::ShortFormat).toStdString());
    if (date.found) {
        d.dateOrder = date.order;
        d.century = date.century;
        d.dayLeadingZero = date.dayLeadingZero;
        d.monthLeadingZero = date.monthLeadingZero;
        d.dateSeparator = date.separator;
        d.compactDateSeparator = date.compactSeparator;
    }
    const TimePictureFacts time =
        ReadTimePicture(locale.timeFormat(QLocale::ShortFormat).toStdString());
    if (time.found) {
        d.is24Hour = time.is24Hour;
        d.hourLeadingZero = time.hourLeadingZero;
        d.timeSeparator = time.separator;
        d.compactTimeSeparator = time.compactSeparator;
    }
    // Qt numbers the days 1 = Monday ... 7 = Sunday; index 0 is Sunday here.
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i;
        d.longDayNames[i] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
        d.shortDayNames[i] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
    }
    for (int m = 1; m <= 12; ++m) {
        d.longMonthNames[m - 1] = locale.monthName(m, QLocale::LongFormat).toStdString();
        d.shortMonthNames[m - 1] = locale.monthName(m, QLocale::ShortFormat).toStdString();
    }
    d.amDesignator = locale.amText().toStdString();
    d.pmDesignator = locale.pmText().toStdString();
    d.longTimeFormat = locale.timeFormat(QLocale::LongFormat).toStdString();
    return d;
}

} // namespace zm
