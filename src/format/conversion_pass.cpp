#include "format/conversion_pass.h"

#include "platform/utf8.h"

namespace zm {
namespace {

// The decimal digits of value (0 or more), at least width of them.
std::string Number(int value, int width) {
    char digits[16];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && n < 15);
    while (n < width && n < 15)
        digits[n++] = '0';
    std::string text;
    while (n > 0)
        text += digits[--n];
    return text;
}

struct Fields {
    int year, month, day, hour, minute, second;
    int dayOfWeek; // 1 = Sunday
    int dayOfYear; // 1 ... 366
};

Fields FieldsOf(DateTime t) {
    const YearMonthDay ymd = t.Ymd();
    return Fields{ymd.year,   ymd.month,  ymd.day,       t.Hour(),
                  t.Minute(), t.Second(), t.DayOfWeek(), t.DayOfYear()};
}

// Replaces text (appending, which sidesteps a false -Wrestrict warning of GCC 12 on assigning).
void Set(std::string& text, std::string_view value) {
    text.clear();
    text.append(value);
}

// The text of conversion letter c (alternate: written with "#", no leading zeros); false when c
// is not a conversion.
bool Convert(char c, bool alternate, const Fields& f, const LocaleDescription& locale,
             std::string_view zoneName, std::string& text) {
    const int width = alternate ? 1 : 2;
    const int hour12 = f.hour % 12 == 0 ? 12 : f.hour % 12;
    switch (c) {
    case 'd':
        Set(text, Number(f.day, width));
        return true;
    case 'm':
        Set(text, Number(f.month, width));
        return true;
    case 'y':
        Set(text, Number(f.year % 100, width));
        return true;
    case 'H':
        Set(text, Number(f.hour, width));
        return true;
    case 'I':
        Set(text, Number(hour12, width));
        return true;
    case 'M':
        Set(text, Number(f.minute, width));
        return true;
    case 'S':
        Set(text, Number(f.second, width));
        return true;
    case 'j':
        Set(text, Number(f.dayOfYear, alternate ? 1 : 3));
        return true;
    case 'U':
        Set(text, Number((f.dayOfYear - 1 + 7 - (f.dayOfWeek - 1)) / 7, width));
        return true;
    default:
        break;
    }
    if (alternate) return false;
    switch (c) {
    case 'Y':
        Set(text, Number(f.year, 4));
        return true;
    case 'a':
        Set(text, locale.shortDayNames[f.dayOfWeek - 1]);
        return true;
    case 'A':
        Set(text, locale.longDayNames[f.dayOfWeek - 1]);
        return true;
    case 'b':
        Set(text, locale.shortMonthNames[f.month - 1]);
        return true;
    case 'B':
        Set(text, locale.longMonthNames[f.month - 1]);
        return true;
    case 'p':
        Set(text, f.hour < 12 ? locale.amDesignator : locale.pmDesignator);
        return true;
    case 'z':
        Set(text, std::string(zoneName));
        return true;
    case '%':
        Set(text, "%");
        return true;
    default:
        return false;
    }
}

} // namespace

bool IsShowableMoment(DateTime moment) {
    static constexpr int64_t kFirstDay = DaysFromCivil(kMinYear, 1, 1);
    static constexpr int64_t kLastDay = DaysFromCivil(kMaxYear, 12, 31);
    return moment.IsValid() && moment.DayNumber() >= kFirstDay && moment.DayNumber() <= kLastDay;
}

std::string ExpandConversions(std::string_view pattern, DateTime moment,
                              const LocaleDescription& locale, std::string_view zoneName) {
    std::string out;
    if (!IsShowableMoment(moment)) return out;
    const Fields fields = FieldsOf(moment);
    std::size_t count = 0;
    std::string text;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const std::size_t plain = pattern.find('%', i);
        const std::size_t stop = plain == std::string_view::npos ? pattern.size() : plain;
        if (!AppendLimited(out, count, pattern.substr(i, stop - i), kMaxExpandedLength)) break;
        if (stop == pattern.size()) break;
        i = stop + 1;
        const bool alternate = i < pattern.size() && pattern[i] == '#';
        const std::size_t letter = alternate ? i + 1 : i;
        if (letter < pattern.size() &&
            Convert(pattern[letter], alternate, fields, locale, zoneName, text)) {
            i = letter + 1;
        } else {
            // Not a conversion: the "%" (and a "#" after it) stands for itself.
            Set(text, alternate ? "%#" : "%");
            i = alternate ? i + 1 : i;
        }
        if (!AppendLimited(out, count, text, kMaxExpandedLength)) break;
    }
    return out;
}

} // namespace zm
