#include "store/transfer/text_time.h"

#include "platform/ascii_text.h"
#include "platform/utf8.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace zm {

namespace {

LocaleDescription ExportDates(LocaleDescription locale) {
    locale.century = true;
    const std::string& sep = locale.compactDateSeparator;
    if (sep != "." && sep != "/" && sep != "-") locale.compactDateSeparator.assign(1, '/');
    return locale;
}

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

// The locale's one-character time separator, unless it is a digit, a letter or a blank, which
// the import could not tell from the numbers and AM/PM texts around it.
std::string ExportTimeSeparator(const std::string& sep) {
    if (Utf8Length(sep) != 1) return ":";
    const unsigned char c = static_cast<unsigned char>(sep[0]);
    if (c < 0x80 && !std::ispunct(c)) return ":";
    return sep;
}

enum class Half { None, Am, Pm };

// Takes an AM/PM text off the front or the back of the text.
Half TakeDesignator(std::string_view& text, const LocaleDescription& locale) {
    struct Candidate {
        std::string_view word;
        Half half;
    };
    std::vector<Candidate> candidates = {{locale.amDesignator, Half::Am},
                                         {locale.pmDesignator, Half::Pm},
                                         {"AM", Half::Am},
                                         {"PM", Half::Pm},
                                         {"A", Half::Am},
                                         {"P", Half::Pm}};
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Candidate& a, const Candidate& b) { return a.word.size() > b.word.size(); });
    for (const Candidate& c : candidates) {
        const std::string_view word = TrimAsciiSpace(c.word);
        if (word.empty() || word.size() > text.size()) continue;
        if (EqualsIgnoringAsciiCase(text.substr(text.size() - word.size()), word)) {
            text = TrimAsciiSpace(text.substr(0, text.size() - word.size()));
            return c.half;
        }
        if (EqualsIgnoringAsciiCase(text.substr(0, word.size()), word)) {
            text = TrimAsciiSpace(text.substr(word.size()));
            return c.half;
        }
    }
    return Half::None;
}

// One group of one or two digits.
bool TakeNumber(std::string_view& text, int& value) {
    size_t n = 0;
    value = 0;
    while (n < text.size() && n < 3 && text[n] >= '0' && text[n] <= '9')
        value = value * 10 + (text[n++] - '0');
    if (n == 0 || n > 2) return false;
    text.remove_prefix(n);
    return true;
}

bool TakeSeparator(std::string_view& text, const std::vector<std::string_view>& separators) {
    text = TrimAsciiSpace(text);
    for (std::string_view sep : separators)
        if (!sep.empty() && text.substr(0, sep.size()) == sep) {
            text = TrimAsciiSpace(text.substr(sep.size()));
            return true;
        }
    return false;
}

} // namespace

TextFieldFormats::TextFieldFormats(const LocaleDescription& locale)
    : dates_(ExportDates(locale)),
      dateOrder_(locale.dateOrder < 0 || locale.dateOrder > 2 ? 0 : locale.dateOrder),
      twelveHour_(!locale.is24Hour && !locale.amDesignator.empty() && !locale.pmDesignator.empty()),
      hourLeadingZero_(locale.hourLeadingZero),
      timeSeparator_(ExportTimeSeparator(locale.compactTimeSeparator)), am_(locale.amDesignator),
      pm_(locale.pmDesignator) {}

std::string TextFieldFormats::Time(DateTime moment) const {
    int hour = moment.Hour();
    if (twelveHour_) hour = hour % 12 == 0 ? 12 : hour % 12;
    std::string text = hourLeadingZero_ ? TwoDigits(hour) : std::to_string(hour);
    text += timeSeparator_ + TwoDigits(moment.Minute());
    if (moment.Second() != 0) text += timeSeparator_ + TwoDigits(moment.Second());
    if (twelveHour_) text += " " + (moment.Hour() < 12 ? am_ : pm_);
    return text;
}

std::optional<int> ParseImportTime(std::string_view text, const LocaleDescription& locale) {
    text = TrimAsciiSpace(text);
    const Half half = TakeDesignator(text, locale);
    std::vector<std::string_view> separators = {locale.timeSeparator, locale.compactTimeSeparator,
                                                ":"};
    std::sort(separators.begin(), separators.end(),
              [](std::string_view a, std::string_view b) { return a.size() > b.size(); });

    int hour = 0, minute = 0, second = 0;
    if (!TakeNumber(text, hour)) return std::nullopt;
    if (text.empty()) {
        if (half == Half::None) return std::nullopt;
    } else {
        if (!TakeSeparator(text, separators) || !TakeNumber(text, minute)) return std::nullopt;
        if (!text.empty() && (!TakeSeparator(text, separators) || !TakeNumber(text, second)))
            return std::nullopt;
        if (!TrimAsciiSpace(text).empty()) return std::nullopt;
    }
    if (minute > 59 || second > 59) return std::nullopt;
    if (half == Half::None) {
        if (hour > 23) return std::nullopt;
    } else {
        if (hour > 12) return std::nullopt;
        hour %= 12;
        if (half == Half::Pm) hour += 12;
    }
    return hour * 3600 + minute * 60 + second;
}

} // namespace zm
