#include "platform/qt/qt_locale_description.h"

#include "platform/locale_pictures.h"

namespace zm {

LocaleDescription QtLocaleDescription(const QLocale& locale) {
    LocaleDescription d;
    const DatePictureFacts date =
        ReadDatePicture(locale.dateFormat(QLocale::ShortFormat).toStdString());
    if (date.Found) {
        d.DateOrder = date.Order;
        d.Century = date.Century;
        d.DayLeadingZero = date.DayLeadingZero;
        d.MonthLeadingZero = date.MonthLeadingZero;
        d.DateSeparator = date.Separator;
        d.CompactDateSeparator = date.CompactSeparator;
    }
    const TimePictureFacts time =
        ReadTimePicture(locale.timeFormat(QLocale::ShortFormat).toStdString());
    if (time.Found) {
        d.Is24Hour = time.Is24Hour;
        d.HourLeadingZero = time.HourLeadingZero;
        d.TimeSeparator = time.Separator;
        d.CompactTimeSeparator = time.CompactSeparator;
    }
    // Qt numbers the days 1 = Monday ... 7 = Sunday; index 0 is Sunday here.
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i;
        d.LongDayNames[i] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
        d.ShortDayNames[i] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
    }
    for (int m = 1; m <= 12; ++m) {
        d.LongMonthNames[m - 1] = locale.monthName(m, QLocale::LongFormat).toStdString();
        d.ShortMonthNames[m - 1] = locale.monthName(m, QLocale::ShortFormat).toStdString();
    }
    d.AmDesignator = locale.amText().toStdString();
    d.PmDesignator = locale.pmText().toStdString();
    d.LongTimeFormat = locale.timeFormat(QLocale::LongFormat).toStdString();
    return d;
}

} // namespace zm
