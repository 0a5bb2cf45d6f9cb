#include "edit/typed_time.h"

#include "model/amount_parse.h"

#include <algorithm>
#include <cctype>

namespace zm {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool NoCaseStartsWith(std::string_view text, std::string_view prefix) {
    if (prefix.empty() || prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// Reads one to two digits; -1 when there are none.
int ReadNumber(std::string_view& s) {
    int value = 0;
    size_t n = 0;
    while (n < s.size() && n < 2 && std::isdigit(static_cast<unsigned char>(s[n])))
        value = value * 10 + (s[n++] - '0');
    if (n == 0) return -1;
    s.remove_prefix(n);
    return value;
}

bool ReadSeparator(std::string_view& s, std::string_view separator) {
    if (!s.empty() && (s.front() == ':' || s.front() == '.')) {
        s.remove_prefix(1);
        return true;
    }
    if (!separator.empty() && s.starts_with(separator)) {
        s.remove_prefix(separator.size());
        return true;
    }
    return false;
}

// 0 none, 1 am, 2 pm, -1 something else.
int ReadDayHalf(std::string_view s, DayHalfNames halves) {
    s = Trim(s);
    if (s.empty()) return 0;
    for (int half = 1; half <= 2; ++half) {
        const std::string_view name = half == 1 ? halves.am : halves.pm;
        if (s.size() == name.size() && NoCaseStartsWith(s, name)) return half;
        if (s.size() == 1 && NoCaseStartsWith(name, s)) return half;
    }
    return -1;
}

} // namespace

std::optional<int> ParseTimeOfDay(std::string_view text, DayHalfNames halves,
                                  std::string_view separator) {
    std::string_view s = Trim(text);
    int hour = ReadNumber(s);
    if (hour < 0) return std::nullopt;
    int minute = 0;
    int second = 0;
    if (ReadSeparator(s, separator)) {
        minute = ReadNumber(s);
        if (minute < 0) return std::nullopt;
        if (ReadSeparator(s, separator)) {
            second = ReadNumber(s);
            if (second < 0) return std::nullopt;
        }
    }
    const int half = ReadDayHalf(s, halves);
    if (half < 0 || minute > 59 || second > 59) return std::nullopt;
    if (half == 0) {
        if (hour > 23) return std::nullopt;
    } else {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (half == 2 ? 12 : 0);
    }
    return hour * 3600 + minute * 60 + second;
}

TypedTime ReadTypedTime(std::string_view text, DateTime now, DayHalfNames halves,
                        std::string_view separator) {
    TypedTime result;
    if (const auto seconds = ParseTimeOfDay(text, halves, separator)) {
        result.ok = true;
        result.moment = now.Date() + DateTimeSpan::Seconds(*seconds);
        return result;
    }
    const std::string_view s = Trim(text);
    if (!s.starts_with('+')) return result;
    const ParsedAmount amount = ParseAmount(s.substr(1), true);
    if (amount.code != kAmountOk) return result;
    result.ok = true;
    result.relative = true;
    result.moment = now + amount.Amount().ToSpan();
    return result;
}

TimeTyping::TimeTyping(DayHalfNames halves, std::string_view separator)
    : am_(halves.am), pm_(halves.pm), separator_(separator) {}

std::optional<int> TimeTyping::Type(std::string_view characters) {
    text_ += characters;
    return Read();
}

std::optional<int> TimeTyping::Erase() {
    while (!text_.empty() && (static_cast<unsigned char>(text_.back()) & 0xC0) == 0x80)
        text_.pop_back();
    if (!text_.empty()) text_.pop_back();
    return Read();
}

std::optional<int> TimeTyping::Read() const {
    std::string_view s = Trim(text_);
    // Hours and minutes run together: "930", "2130".
    if ((s.size() == 3 || s.size() == 4) && std::all_of(s.begin(), s.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        })) {
        const int hour = std::stoi(std::string(s.substr(0, s.size() - 2)));
        const int minute = std::stoi(std::string(s.substr(s.size() - 2)));
        if (hour > 23 || minute > 59) return std::nullopt;
        return hour * 3600 + minute * 60;
    }
    // A separator typed last waits for the minutes.
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        s = Trim(s);
        if (!s.empty() && (s.back() == ':' || s.back() == '.')) {
            s.remove_suffix(1);
            trimmed = true;
        } else if (!separator_.empty() && s.ends_with(separator_)) {
            s.remove_suffix(separator_.size());
            trimmed = true;
        }
    }
    return ParseTimeOfDay(s, {am_, pm_}, separator_);
}

std::string ToolkitTimeFormat(std::string_view picker) {
    std::string out;
    bool quoted = false;
    for (size_t i = 0; i < picker.size(); ++i) {
        const char c = picker[i];
        if (c == '\'') quoted = !quoted;
        if (!quoted && c == 't') {
            out += "AP";
            if (i + 1 < picker.size() && picker[i + 1] == 't') ++i;
            continue;
        }
        out += c;
    }
    return out;
}

int HalfHourEntryAtOrBefore(int secondsOfDay) {
    if (secondsOfDay < 0) return 0;
    const int entry = secondsOfDay / 1800;
    return entry > 47 ? 47 : entry;
}

} // namespace zm
