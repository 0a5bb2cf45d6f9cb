#include "store/transfer/text_encoding.h"

#include "store/text/text_codec.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace zm {

namespace {

constexpr size_t kProbeSize = 4096;

TextEncoding EncodingOf(std::string_view start) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(start[i]); };
    if (start.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE) {
        // FF FE 00 00 is the mark of UTF-32.
        if (start.size() >= 4 && byte(2) == 0 && byte(3) == 0) return TextEncoding::Unreadable;
        return TextEncoding::Utf16Le;
    }
    if (start.size() >= 2 && byte(0) == 0xFE && byte(1) == 0xFF) return TextEncoding::Utf16Be;
    if (start.find('\0') != std::string_view::npos) return TextEncoding::Unreadable;
    return TextEncoding::CodePage;
}

} // namespace

bool EncodedTextSource::ReadAll() {
    char chunk[kProbeSize];
    for (;;) {
        const long n = raw_.Read(chunk, sizeof chunk);
        if (n < 0) return false;
        if (n == 0) return true;
        held_.append(chunk, static_cast<size_t>(n));
    }
}

bool EncodedTextSource::Detect() {
    if (detected_) return !failed_;
    detected_ = true;
    // A short read is not the end of the data: read until the probe is full or the data ends.
    char chunk[kProbeSize];
    while (held_.size() < kProbeSize) {
        const long n = raw_.Read(chunk, kProbeSize - held_.size());
        if (n < 0) return !(failed_ = true);
        if (n == 0) break;
        held_.append(chunk, static_cast<size_t>(n));
    }
    encoding_ = EncodingOf(held_);
    if (!IsUnicode()) return true;

    if (!ReadAll()) return !(failed_ = true);
    std::string units = held_.substr(2); // without the byte order mark
    if (encoding_ == TextEncoding::Utf16Be)
        for (size_t i = 0; i + 1 < units.size(); i += 2)
            std::swap(units[i], units[i + 1]);
    held_ =
        Utf8FromUtf16Le(std::span(reinterpret_cast<const uint8_t*>(units.data()), units.size()));
    return true;
}

long EncodedTextSource::Read(char* data, size_t capacity) {
    if (!Detect()) return -1;
    if (encoding_ == TextEncoding::Unreadable) return 0;
    if (pos_ < held_.size()) {
        const size_t n = std::min(capacity, held_.size() - pos_);
        std::memcpy(data, held_.data() + pos_, n);
        pos_ += n;
        return static_cast<long>(n);
    }
    return IsUnicode() ? 0 : raw_.Read(data, capacity);
}

} // namespace zm
