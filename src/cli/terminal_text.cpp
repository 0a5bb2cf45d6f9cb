#include "cli/terminal_text.h"

#include <cstdio>

namespace zm {
namespace {

std::string Escaped(unsigned char c) {
    switch (c) {
    case '\r':
        return "\\r";
    case 0x1B:
        return "\\e";
    case '\b':
        return "\\b";
    default: {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\x%02x", c);
        return buf;
    }
    }
}

bool IsC0(unsigned char c) {
    return (c < 0x20 && c != '\n' && c != '\t') || c == 0x7F;
}

std::string EscapedC1(unsigned char second) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\u%04x", second);
    return buf;
}

} // namespace

std::string EscapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsC0(c)) {
            out += Escaped(c);
        } else if (c == 0xC2 && i + 1 < text.size() &&
                   (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80) {
            out += EscapedC1(static_cast<unsigned char>(text[++i]));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

EscapingStreamBuf::int_type EscapingStreamBuf::overflow(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    const auto c = static_cast<unsigned char>(traits_type::to_char_type(ch));
    std::string piece;
    if (leadC2_) {
        leadC2_ = false;
        if ((c & 0xE0) == 0x80) {
            piece = EscapedC1(c);
        } else {
            piece = "\xC2";
            if (c == 0xC2) {
                leadC2_ = true;
            } else {
                piece += IsC0(c) ? Escaped(c) : std::string(1, static_cast<char>(c));
            }
        }
    } else if (c == 0xC2) {
        leadC2_ = true;
    } else {
        piece = IsC0(c) ? Escaped(c) : std::string(1, static_cast<char>(c));
    }
    const auto size = static_cast<std::streamsize>(piece.size());
    return target_.sputn(piece.data(), size) == size ? ch : traits_type::eof();
}

EscapingStreamBuf::~EscapingStreamBuf() {
    // A lone first byte at the very end is passed on as it was.
    if (leadC2_) target_.sputc('\xC2');
    sync();
}

int EscapingStreamBuf::sync() {
    return target_.pubsync();
}

EscapedStream::EscapedStream(std::ostream& stream, bool escape)
    : stream_(stream), original_(stream.rdbuf()) {
    if (!escape || !original_) return;
    escaping_ = std::make_unique<EscapingStreamBuf>(*original_);
    stream_.rdbuf(escaping_.get());
}

EscapedStream::~EscapedStream() {
    if (!escaping_) return;
    stream_.flush();
    stream_.rdbuf(original_);
}

} // namespace zm
