#include "platform/utf8.h"

namespace zm {
namespace {
bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
} // namespace

std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    std::size_t n = 1;
    while (n < 4 && pos + n < text.size() &&
           IsContinuation(static_cast<unsigned char>(text[pos + n])))
        ++n;
    return n;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8CharLength(text, pos))
        ++count;
    return count;
}

std::size_t Utf8Offset(std::string_view text, std::size_t index) {
    std::size_t pos = 0;
    for (; index > 0 && pos < text.size(); --index)
        pos += Utf8CharLength(text, pos);
    return pos;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t max) {
    return text.substr(0, Utf8Offset(text, max));
}

bool AppendLimited(std::string& out, std::size_t& count, std::string_view text, std::size_t max) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (count >= max) return false;
        const std::size_t n = Utf8CharLength(text, pos);
        out.append(text.substr(pos, n));
        pos += n;
        ++count;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace zm
