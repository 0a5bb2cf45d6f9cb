#include "adapters/plain/ini_text.h"

#include "platform/utf8.h"

#include <optional>

namespace zm {
namespace {

// UTF-16 text, as QSettings holds it between the file's bytes and the value.
using Units = std::u16string;

void AppendUtf8AsUnits(Units& out, std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t cp = len == 1   ? lead
                      : len == 2 ? lead & 0x1F
                      : len == 3 ? lead & 0x0F
                                 : lead & 0x07;
        bool valid = lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4);
        for (std::size_t k = 1; valid && k < len; ++k) {
            const auto next = i + k < bytes.size() ? static_cast<unsigned char>(bytes[i + k]) : 0;
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += len;
    }
}

std::string UnitsToUtf8(const Units& units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000) {
            AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u < 0xE000) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (IsSpace(s.front()) || s.front() == '\v' || s.front() == '\f'))
        s.remove_prefix(1);
    while (!s.empty() && (IsSpace(s.back()) || s.back() == '\v' || s.back() == '\f'))
        s.remove_suffix(1);
    return s;
}

// "\" stands for "/", "%XX" and "%UXXXX" for a character; anything else is itself.
Units UnescapedKey(std::string_view key) {
    Units decoded;
    AppendUtf8AsUnits(decoded, key);
    Units result;
    std::size_t i = 0;
    while (i < decoded.size()) {
        const char16_t ch = decoded[i];
        if (ch == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (ch != u'%' || i == decoded.size() - 1) {
            result += ch;
            ++i;
            continue;
        }
        std::size_t first = i + 1;
        std::size_t digits = 2;
        if (decoded[i + 1] == u'U') {
            ++first;
            digits = 4;
        }
        unsigned value = 0;
        bool ok = first + digits <= decoded.size();
        for (std::size_t k = 0; ok && k < digits; ++k) {
            const char16_t d = decoded[first + k];
            const int h = d < 0x80 ? HexValue(static_cast<char>(d)) : -1;
            ok = h >= 0;
            value = value * 16 + static_cast<unsigned>(h);
        }
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += static_cast<char16_t>(value);
        i = first + digits;
    }
    return result;
}

void ChopTrailingSpaces(Units& s, std::size_t limit) {
    while (s.size() > limit && (s.back() == u' ' || s.back() == u'\t'))
        s.pop_back();
}

// A value: escapes, quoted parts, and a list when an unquoted comma separates items.
struct UnescapedValue {
    Units text;
    bool isList = false;
};

UnescapedValue UnescapedValueOf(std::string_view str) {
    UnescapedValue out;
    Units& s = out.text;
    bool inQuotes = false;
    bool quoted = false;
    std::size_t i = 0;
    auto skipSpaces = [&] {
        while (i < str.size() && (str[i] == ' ' || str[i] == '\t'))
            ++i;
    };
    skipSpaces();
    std::size_t chopLimit = s.size();
    while (i < str.size()) {
        const char c = str[i];
        if (c == '\\') {
            ++i;
            if (i >= str.size()) return out;
            const char e = str[i++];
            static constexpr std::string_view kFrom = "abfnrtv\"?'\\";
            static constexpr std::string_view kTo = "\a\b\f\n\r\t\v\"?'\\";
            if (const auto at = kFrom.find(e); at != std::string_view::npos) {
                s += static_cast<char16_t>(kTo[at]);
                chopLimit = s.size(); // an escaped space is kept
                continue;
            }
            if (e == 'x' || (e >= '0' && e <= '7')) {
                const int base = e == 'x' ? 16 : 8;
                unsigned value = e == 'x' ? 0 : static_cast<unsigned>(e - '0');
                if (e == 'x' && (i >= str.size() || HexValue(str[i]) < 0)) {
                    chopLimit = s.size();
                    continue;
                }
                while (i < str.size()) {
                    const int d = HexValue(str[i]);
                    if (d < 0 || d >= base) break;
                    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
                    ++i;
                }
                s += static_cast<char16_t>(value);
                chopLimit = s.size();
                continue;
            }
            if ((e == '\n' || e == '\r') && i < str.size() && (str[i] == '\n' || str[i] == '\r') &&
                str[i] != e)
                ++i;
            chopLimit = s.size();
            continue;
        }
        if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                chopLimit = s.size();
            }
            continue;
        }
        if (c == ',' && !inQuotes) {
            if (!quoted) ChopTrailingSpaces(s, chopLimit);
            out.isList = true;
            s.clear();
            quoted = false;
            ++i;
            skipSpaces();
            chopLimit = 0;
            continue;
        }
        std::size_t j = i + 1;
        while (j < str.size() && str[j] != '\\' && str[j] != '"' && str[j] != ',')
            ++j;
        AppendUtf8AsUnits(s, str.substr(i, j - i));
        i = j;
    }
    if (!quoted) ChopTrailingSpaces(s, chopLimit);
    return out;
}

bool StartsWith(const Units& s, std::u16string_view prefix) {
    return s.size() >= prefix.size() && std::u16string_view(s).substr(0, prefix.size()) == prefix;
}

// The string QSettings gives for the stored text.
std::string ValueText(std::string_view raw) {
    const UnescapedValue v = UnescapedValueOf(raw);
    if (v.isList) return {};
    const Units& s = v.text;
    if (!s.empty() && s.front() == u'@') {
        if (s.back() == u')') {
            if (StartsWith(s, u"@ByteArray(")) {
                std::string bytes;
                for (std::size_t k = 11; k + 1 < s.size(); ++k)
                    bytes += static_cast<char>(s[k] & 0xFF);
                Units asText;
                AppendUtf8AsUnits(asText, bytes);
                return UnitsToUtf8(asText);
            }
            if (StartsWith(s, u"@String(")) return UnitsToUtf8(s.substr(8, s.size() - 9));
            if (StartsWith(s, u"@Invalid(") || StartsWith(s, u"@Variant(") ||
                StartsWith(s, u"@DateTime(") || StartsWith(s, u"@Rect(") ||
                StartsWith(s, u"@Size(") || StartsWith(s, u"@Point("))
                return {};
        }
        if (StartsWith(s, u"@@")) return UnitsToUtf8(s.substr(1));
    }
    return UnitsToUtf8(s);
}

// One logical line from pos: its start, length and the first unquoted "=" (npos when none).
// A quoted part and a backslash may carry it over line ends; ";" outside quotes ends it and a
// line that starts with ";" is a comment.
struct IniLine {
    std::size_t start = 0;
    std::size_t length = 0;
    std::size_t equals = std::string_view::npos;
};

std::optional<IniLine> NextLine(std::string_view data, std::size_t& pos) {
    IniLine line;
    line.start = pos;
    while (line.start < data.size() && IsSpace(data[line.start]))
        ++line.start;
    bool inQuotes = false;
    std::size_t i = line.start;
    while (i < data.size()) {
        const char ch = data[i++];
        if (ch == '=') {
            if (!inQuotes && line.equals == std::string_view::npos) line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < data.size()) {
                const char next = data[i++];
                if (i < data.size() &&
                    ((next == '\n' && data[i] == '\r') || (next == '\r' && data[i] == '\n')))
                    ++i;
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == line.start + 1) {
                while (i < data.size() && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < data.size() && IsSpace(data[i]))
                    ++i;
                line.start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.length = i - line.start;
    if (line.length == 0) return std::nullopt;
    return line;
}

bool EqualsCaseless(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

} // namespace

std::map<std::string, std::string, std::less<>> ParseIniSettings(std::string_view data) {
    std::map<std::string, std::string, std::less<>> values;
    if (data.substr(0, 3) == "\xEF\xBB\xBF") data.remove_prefix(3);
    std::string section; // the key prefix: "" or "Group/"
    std::size_t pos = 0;
    while (const auto line = NextLine(data, pos)) {
        const std::string_view text = data.substr(line->start, line->length);
        if (text.front() == '[') {
            const std::size_t close = text.find(']');
            const std::string_view name = Trimmed(
                text.substr(1, close == std::string_view::npos ? text.size() - 1 : close - 1));
            if (EqualsCaseless(name, "general")) {
                section.clear();
            } else if (EqualsCaseless(name, "%general")) {
                section = std::string(name.substr(1)) + "/";
            } else {
                section = UnitsToUtf8(UnescapedKey(name)) + "/";
            }
            continue;
        }
        if (line->equals == std::string_view::npos) continue;
        const std::size_t equals = line->equals - line->start;
        const std::string key =
            section + UnitsToUtf8(UnescapedKey(Trimmed(text.substr(0, equals))));
        values.insert_or_assign(key, ValueText(text.substr(equals + 1)));
    }
    return values;
}

} // namespace zm
