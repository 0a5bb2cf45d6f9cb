#include "store/text/no_case.h"

#include "platform/utf8.h"

#include <cstdint>

namespace zm {
namespace {

uint32_t FoldCodePoint(uint32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c < 0xC0) return c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32; // Latin-1
    if (c >= 0x100 && c <= 0x17F) {                           // Latin Extended-A
        if (c == 0x130) return 'i';
        if (c == 0x178) return 0xFF;
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        return (c & 1) ? c : c + 1;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32; // Greek
    if (c >= 0x410 && c <= 0x42F) return c + 32;               // Cyrillic
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

// Decodes one UTF-8 character at s[i]; an invalid byte stands for itself.
uint32_t Next(std::string_view s, size_t& i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > s.size()) {
        ++i;
        return 0xDC00 | c; // keeps invalid bytes distinct from real characters
    }
    uint32_t cp = len == 1 ? c : c & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        const unsigned char cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80) {
            ++i;
            return 0xDC00 | c;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    i += len;
    return cp;
}

void Append(std::string& out, uint32_t cp) {
    // A byte that was not UTF-8 was carried as U+DC00 + byte: it goes back out unchanged.
    if (cp >= 0xDC00 && cp <= 0xDCFF)
        out += static_cast<char>(cp & 0xFF);
    else
        AppendUtf8(out, cp);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string NoCaseKey(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();)
        Append(out, FoldCodePoint(Next(s, i)));
    return out;
}

bool NoCaseEqual(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (FoldCodePoint(Next(a, i)) != FoldCodePoint(Next(b, j))) return false;
    return i == a.size() && j == b.size();
}

bool NoCaseLess(std::string_view a, std::string_view b) {
    const std::string ka = NoCaseKey(a), kb = NoCaseKey(b);
    if (ka != kb) return ka < kb;
    return a < b;
}

std::string TrimBlanks(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return std::string(s.substr(b, e - b));
}

} // namespace zm
