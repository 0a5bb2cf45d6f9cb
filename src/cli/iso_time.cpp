#include "cli/iso_time.h"

#include <cstdio>

namespace zm {
namespace {

// Exactly `width` decimal digits at `pos`.
std::optional<int> Digits(std::string_view text, size_t pos, size_t width) {
    if (pos + width > text.size()) return std::nullopt;
    int v = 0;
    for (size_t i = pos; i < pos + width; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

bool CharAt(std::string_view text, size_t pos, char c) {
    return pos < text.size() && text[pos] == c;
}

std::optional<DateTime> Build(int y, int mo, int d, int h, int mi, int s) {
    const DateTime t = DateTime::FromParts(y, mo, d, h, mi, s);
    if (!t.IsValid()) return std::nullopt;
    return t;
}

} // namespace

std::optional<DateTime> ParseCliDate(std::string_view text) {
    if (text.size() != 10 || !CharAt(text, 4, '-') || !CharAt(text, 7, '-')) return std::nullopt;
    const auto y = Digits(text, 0, 4);
    const auto mo = Digits(text, 5, 2);
    const auto d = Digits(text, 8, 2);
    if (!y || !mo || !d) return std::nullopt;
    return Build(*y, *mo, *d, 0, 0, 0);
}

std::optional<DateTime> ParseCliInstant(std::string_view text) {
    if (text.size() == 10) return ParseCliDate(text);
    // YYYY-MM-DD?HH:MM or YYYY-MM-DD?HH:MM:SS
    if (text.size() != 16 && text.size() != 19) return std::nullopt;
    const auto date = ParseCliDate(text.substr(0, 10));
    if (!date || !(CharAt(text, 10, 'T') || CharAt(text, 10, ' ')) || !CharAt(text, 13, ':'))
        return std::nullopt;
    const auto h = Digits(text, 11, 2);
    const auto mi = Digits(text, 14, 2);
    std::optional<int> s = 0;
    if (text.size() == 19) s = CharAt(text, 16, ':') ? Digits(text, 17, 2) : std::nullopt;
    if (!h || !mi || !s) return std::nullopt;
    return Build(date->Year(), date->Month(), date->Day(), *h, *mi, *s);
}

std::string IsoInstant(DateTime t) {
    const YearMonthDay ymd = t.Ymd();
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", ymd.year, ymd.month, ymd.day,
                  t.Hour(), t.Minute(), t.Second());
    return text;
}

std::string IsoDate(DateTime t) {
    return IsoInstant(t).substr(0, 10);
}

} // namespace zm
