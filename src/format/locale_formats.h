#pragma once
// The six locale formats: built once from the user's regional settings and kept for the life of
// the process. ShortDate, CompactDate, ShortTime, CompactTime and DayDateTime are in the
// strftime-style intermediate form; PickerTime is in the clock's picture language, for the time
// pickers. None of them shows seconds.

#include "format/locale_description.h"
#include "model/date_time.h"

#include <string>

namespace zm {

class LocaleFormats {
public:
    // The formats of a platform that answers nothing (see LocaleDescription).
    LocaleFormats();
    explicit LocaleFormats(LocaleDescription locale);

    const std::string& ShortDate() const { return shortDate_; }
    const std::string& CompactDate() const { return compactDate_; }
    const std::string& ShortTime() const { return shortTime_; }
    const std::string& CompactTime() const { return compactTime_; }
    const std::string& DayDateTime() const { return dayDateTime_; }
    const std::string& PickerTime() const { return pickerTime_; }
    const LocaleDescription& Locale() const { return locale_; }

    // Weekday, date and time; weekday and date only when dateOnlyAtMidnight is set and the
    // moment's hour and minute are both 0.
    std::string FormatDayDateTime(DateTime moment, bool dateOnlyAtMidnight) const;
    std::string FormatShortDate(DateTime moment) const;
    std::string FormatCompactDate(DateTime moment) const;
    std::string FormatShortTime(DateTime moment) const;
    std::string FormatCompactTime(DateTime moment) const;

private:
    std::string Expand(const std::string& format, DateTime moment) const;

    LocaleDescription locale_;
    std::string shortDate_;
    std::string compactDate_;
    std::string shortTime_;
    std::string compactTime_;
    std::string dayDateTime_;
    std::string pickerTime_;
};

// Derives the six formats from the locale description.
LocaleFormats BuildLocaleFormats(const LocaleDescription& locale);

} // namespace zm
