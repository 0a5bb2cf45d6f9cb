#include "store/io/archive_io.h"

#include "platform/byte_order.h"
#include "store/text/text_codec.h"

namespace zm {

bool ArchiveReader::Take(size_t n, const uint8_t*& p) {
    if (failed_ || n > Remaining()) {
        failed_ = true;
        return false;
    }
    p = data_.data() + pos_;
    pos_ += n;
    return true;
}

bool ArchiveReader::U8(uint8_t& v) {
    const uint8_t* p;
    if (!Take(1, p)) return false;
    v = p[0];
    return true;
}

bool ArchiveReader::U16(uint16_t& v) {
    const uint8_t* p;
    if (!Take(2, p)) return false;
    v = GetLe16(p);
    return true;
}

bool ArchiveReader::U32(uint32_t& v) {
    const uint8_t* p;
    if (!Take(4, p)) return false;
    v = GetLe32(p);
    return true;
}

bool ArchiveReader::I32(int32_t& v) {
    uint32_t u;
    if (!U32(u)) return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool ArchiveReader::Bytes(size_t n, std::span<const uint8_t>& out) {
    const uint8_t* p;
    if (!Take(n, p)) return false;
    out = std::span<const uint8_t>(p, n);
    return true;
}

bool ArchiveReader::Skip(size_t n) {
    const uint8_t* p;
    return Take(n, p);
}

bool ArchiveReader::TextLength(uint32_t& length, bool& wide) {
    wide = false;
    uint8_t b;
    uint16_t w;
    if (!U8(b)) return false;
    if (b < 0xFF) {
        length = b;
        return true;
    }
    if (!U16(w)) return false;
    if (w == 0xFFFE) {
        // UTF-16 text: the length starts over in the same form.
        wide = true;
        if (!U8(b)) return false;
        if (b < 0xFF) {
            length = b;
            return true;
        }
        if (!U16(w)) return false;
    }
    if (w < 0xFFFF) {
        length = w;
        return true;
    }
    return U32(length);
}

bool ArchiveReader::Text(std::string& out) {
    uint32_t length;
    bool wide;
    if (!TextLength(length, wide)) return false;
    const uint64_t size = wide ? uint64_t{length} * 2 : length;
    if (size > Remaining()) {
        failed_ = true;
        return false;
    }
    std::span<const uint8_t> raw;
    if (!Bytes(static_cast<size_t>(size), raw)) return false;
    if (wide) {
        out = Utf8FromUtf16Le(raw);
    } else {
        out =
            DecodeFileText(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
    }
    return true;
}

void ArchiveWriter::U16(uint16_t v) {
    AppendLe16(out_, v);
}

void ArchiveWriter::U32(uint32_t v) {
    AppendLe32(out_, v);
}

void ArchiveWriter::PatchU32(size_t at, uint32_t v) {
    PutLe32(out_.data() + at, v);
}

bool ArchiveWriter::Text(std::string_view s) {
    const uint64_t n = s.size();
    if (n >= 0xFFFFFFFFu) return false;
    if (n < 0xFF) {
        U8(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        U8(0xFF);
        U16(static_cast<uint16_t>(n));
    } else {
        U8(0xFF);
        U16(0xFFFF);
        U32(static_cast<uint32_t>(n));
    }
    out_.insert(out_.end(), s.begin(), s.end());
    return true;
}

} // namespace zm
