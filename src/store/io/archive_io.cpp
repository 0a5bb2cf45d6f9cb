#include "store/io/archive_io.h"

#include "store/text/text_codec.h"

namespace zm {

bool ArchiveReader::take(size_t n, const uint8_t*& p) {
    if (failed_ || n > remaining()) {
        failed_ = true;
        return false;
    }
    p = data_.data() + pos_;
    pos_ += n;
    return true;
}

bool ArchiveReader::u8(uint8_t& v) {
    const uint8_t* p;
    if (!take(1, p)) return false;
    v = p[0];
    return true;
}

bool ArchiveReader::u16(uint16_t& v) {
    const uint8_t* p;
    if (!take(2, p)) return false;
    v = static_cast<uint16_t>(p[0] | p[1] << 8);
    return true;
}

bool ArchiveReader::u32(uint32_t& v) {
    const uint8_t* p;
    if (!take(4, p)) return false;
    v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
        static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
    return true;
}

bool ArchiveReader::i32(int32_t& v) {
    uint32_t u;
    if (!u32(u)) return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool ArchiveReader::bytes(size_t n, std::span<const uint8_t>& out) {
    const uint8_t* p;
    if (!take(n, p)) return false;
    out = std::span<const uint8_t>(p, n);
    return true;
}

bool ArchiveReader::skip(size_t n) {
    const uint8_t* p;
    return take(n, p);
}

bool ArchiveReader::textLength(uint32_t& length, bool& wide) {
    wide = false;
    uint8_t b;
    uint16_t w;
    if (!u8(b)) return false;
    if (b < 0xFF) {
        length = b;
        return true;
    }
    if (!u16(w)) return false;
    if (w == 0xFFFE) {
        // UTF-16 text: the length starts over in the same form.
        wide = true;
        if (!u8(b)) return false;
        if (b < 0xFF) {
            length = b;
            return true;
        }
        if (!u16(w)) return false;
    }
    if (w < 0xFFFF) {
        length = w;
        return true;
    }
    return u32(length);
}

bool ArchiveReader::text(std::string& out) {
    uint32_t length;
    bool wide;
    if (!textLength(length, wide)) return false;
    const uint64_t size = wide ? uint64_t{length} * 2 : length;
    if (size > remaining()) {
        failed_ = true;
        return false;
    }
    std::span<const uint8_t> raw;
    if (!bytes(static_cast<size_t>(size), raw)) return false;
    if (wide) {
        out = Utf8FromUtf16Le(raw);
    } else {
        out = DecodeFileText(
            std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
    }
    return true;
}

void ArchiveWriter::u16(uint16_t v) {
    out_.push_back(static_cast<uint8_t>(v));
    out_.push_back(static_cast<uint8_t>(v >> 8));
}

void ArchiveWriter::u32(uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out_.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void ArchiveWriter::patchU32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out_[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

bool ArchiveWriter::text(std::string_view s) {
    const uint64_t n = s.size();
    if (n >= 0xFFFFFFFFu) return false;
    if (n < 0xFF) {
        u8(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        u8(0xFF);
        u16(static_cast<uint16_t>(n));
    } else {
        u8(0xFF);
        u16(0xFFFF);
        u32(static_cast<uint32_t>(n));
    }
    out_.insert(out_.end(), s.begin(), s.end());
    return true;
}

} // namespace zm
