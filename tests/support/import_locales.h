#pragma once
// Hand-filled regional settings for the import and export tests.

#include "format/locale_description.h"

#include <string>
#include <vector>

namespace zm::test {

struct NamedLocale {
    std::string name;
    LocaleDescription locale;
};

inline LocaleDescription MakeLocale(int order, bool century, bool dayZero, bool monthZero,
                                    const std::string& dateSep, bool is24, bool hourZero,
                                    const std::string& timeSep, const std::string& am = "AM",
                                    const std::string& pm = "PM") {
    LocaleDescription d;
    d.dateOrder = order;
    d.century = century;
    d.dayLeadingZero = dayZero;
    d.monthLeadingZero = monthZero;
    d.dateSeparator = dateSep;
    d.compactDateSeparator = dateSep.size() == 1 ? dateSep : "";
    d.is24Hour = is24;
    d.hourLeadingZero = hourZero;
    d.timeSeparator = timeSep;
    d.compactTimeSeparator = timeSep.size() == 1 ? timeSep : "";
    d.amDesignator = am;
    d.pmDesignator = pm;
    return d;
}

inline LocaleDescription EnglishUs() {
    return MakeLocale(0, false, false, false, "/", false, false, ":");
}
inline LocaleDescription German() {
    return MakeLocale(1, true, true, true, ".", true, true, ":");
}

// Locales of different orders, separators, clocks and AM/PM texts.
inline std::vector<NamedLocale> SampleLocales() {
    return {
        {"en_US", EnglishUs()},
        {"de_DE", German()},
        {"en_GB", MakeLocale(1, true, true, true, "/", true, true, ":")},
        {"sv_SE", MakeLocale(2, true, true, true, "-", true, true, ":")},
        {"fi_FI", MakeLocale(1, true, false, false, ".", true, false, ".")},
        {"hu_HU", MakeLocale(2, true, true, true, ". ", true, false, ":", "de.", "du.")},
        {"el_GR", MakeLocale(1, false, false, false, "/", false, false, ":", "\xCF\x80.\xCE\xBC.",
                             "\xCE\xBC.\xCE\xBC.")},
        {"ko_KR", MakeLocale(2, false, true, true, "-", false, true, ":",
                             "\xEC\x98\xA4\xEC\xA0\x84", "\xEC\x98\xA4\xED\x9B\x84")},
        {"odd_12h_no_designators",
         MakeLocale(0, false, false, false, " ", false, false, "h", "", "")},
    };
}

} // namespace zm::test
