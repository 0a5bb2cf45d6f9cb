#include "format/locale_formats.h"

#include "format/conversion_pass.h"
#include "platform/utf8.h"

namespace zm {
namespace {

// The separator as the formats show it: up to 3 characters of the locale's separator, else the
// fallback.
std::string FullSeparator(const std::string& given, const char* fallback) {
    return given.empty() ? fallback : std::string(Utf8Prefix(given, 3));
}

// The one-character separator, else the fallback.
std::string OneCharSeparator(const std::string& given, const char* fallback) {
    return Utf8Length(given) == 1 ? given : fallback;
}

// A separator stands for itself in the intermediate form: a percent sign in it is doubled so
// that the final pass shows it instead of starting a conversion.
std::string Escaped(const std::string& separator) {
    std::string text;
    for (char c : separator) {
        text += c;
        if (c == '%') text += '%';
    }
    return text;
}

std::string DatePattern(const LocaleDescription& l, const std::string& separator) {
    const std::string sep = Escaped(separator);
    const std::string day = l.dayLeadingZero ? "%d" : "%#d";
    const std::string month = l.monthLeadingZero ? "%m" : "%#m";
    const std::string year = l.century ? "%Y" : "%y";
    switch (l.dateOrder) {
    case 1:
        return day + sep + month + sep + year;
    case 2:
        return year + sep + month + sep + day;
    default:
        return month + sep + day + sep + year;
    }
}

std::string TimePattern(const LocaleDescription& l, const std::string& separator) {
    const std::string sep = Escaped(separator);
    if (l.is24Hour) return (l.hourLeadingZero ? "%H" : "%#H") + sep + "%M";
    return (l.hourLeadingZero ? "%I" : "%#I") + sep + "%M %p";
}

// The picker's picture: hours and minutes with the separator quoted, and the designator on a
// 12-hour clock. A quote as separator cannot stand inside a quoted literal and is written as a
// doubled quote outside one.
std::string PickerPattern(const LocaleDescription& l, const std::string& separator) {
    const std::string hour =
        l.is24Hour ? (l.hourLeadingZero ? "HH" : "H") : (l.hourLeadingZero ? "hh" : "h");
    const std::string sep = separator == "'" ? "''" : "'" + separator + "'";
    return hour + sep + "mm" + (l.is24Hour ? "" : "' 'tt");
}

} // namespace

LocaleFormats::LocaleFormats() : LocaleFormats(LocaleDescription{}) {}

LocaleFormats::LocaleFormats(LocaleDescription locale) : locale_(std::move(locale)) {
    const std::string dateSep = FullSeparator(locale_.dateSeparator, "/");
    const std::string compactDateSep = OneCharSeparator(locale_.compactDateSeparator, "/");
    const std::string timeSep = FullSeparator(locale_.timeSeparator, ":");
    const std::string compactTimeSep = OneCharSeparator(locale_.compactTimeSeparator, ":");
    shortDate_ = DatePattern(locale_, dateSep);
    compactDate_ = DatePattern(locale_, compactDateSep);
    shortTime_ = TimePattern(locale_, timeSep);
    compactTime_ = TimePattern(locale_, compactTimeSep);
    dayDateTime_ = "%a " + shortDate_ + " " + shortTime_;
    pickerTime_ = PickerPattern(locale_, compactTimeSep);
}

std::string LocaleFormats::Expand(const std::string& format, DateTime moment) const {
    return ExpandConversions(format, moment, locale_, {});
}

std::string LocaleFormats::FormatDayDateTime(DateTime moment, bool dateOnlyAtMidnight) const {
    if (dateOnlyAtMidnight && moment.Hour() == 0 && moment.Minute() == 0)
        return Expand("%a " + shortDate_, moment);
    return Expand(dayDateTime_, moment);
}

std::string LocaleFormats::FormatShortDate(DateTime moment) const {
    return Expand(shortDate_, moment);
}
std::string LocaleFormats::FormatCompactDate(DateTime moment) const {
    return Expand(compactDate_, moment);
}
std::string LocaleFormats::FormatShortTime(DateTime moment) const {
    return Expand(shortTime_, moment);
}
std::string LocaleFormats::FormatCompactTime(DateTime moment) const {
    return Expand(compactTime_, moment);
}

LocaleFormats BuildLocaleFormats(const LocaleDescription& locale) {
    return LocaleFormats(locale);
}

} // namespace zm
