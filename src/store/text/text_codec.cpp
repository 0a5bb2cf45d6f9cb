#include "store/text/text_codec.h"

#include "platform/byte_order.h"
#include "platform/utf8.h"

#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace zm {
namespace {

// The length of the UTF-8 sequence that starts at p (at most n bytes available), or 0 when no
// valid sequence starts there.
size_t Utf8SequenceLength(const unsigned char* p, size_t n) {
    const unsigned char c = p[0];
    if (c < 0x80) return 1;
    size_t len;
    unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        if (c == 0xE0) lo = 0xA0; // no overlong forms
        if (c == 0xED) hi = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (n < len) return 0;
    if (p[1] < lo || p[1] > hi) return 0;
    for (size_t i = 2; i < len; ++i)
        if ((p[i] & 0xC0) != 0x80) return 0;
    return len;
}

void AppendLatin1(std::string& out, unsigned char c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// An open converter, closed again when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return cd_; }

private:
    iconv_t cd_;
};

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t n = bytes.size();
    while (n > 0) {
        const size_t len = Utf8SequenceLength(p, n);
        if (len == 0) return false;
        p += len;
        n -= len;
    }
    return true;
}

std::string DecodeFileText(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return SingleByteToUtf8(bytes, kWindowsCodePage);
}

std::string SingleByteToUtf8(std::string_view bytes, const char* codePage) {
    std::string out;
    Converter conv("UTF-8", codePage);
    if (!conv.Ok()) {
        // Without a converter for the code page, its upper half is read as Latin-1.
        for (unsigned char c : bytes)
            AppendLatin1(out, c);
        return out;
    }
    // One byte of a single-byte code page is at most 3 bytes of UTF-8 (a character of the
    // basic plane), so this buffer is always large enough.
    std::string buf(bytes.size() * 3 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* outPtr = buf.data();
    size_t outLeft = buf.size();
    while (inLeft > 0) {
        if (iconv(conv.Get(), &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) break;
        if (errno != EILSEQ && errno != EINVAL) break;
        // A byte the code page does not define.
        std::string one;
        AppendLatin1(one, static_cast<unsigned char>(*in));
        if (one.size() > outLeft) break;
        for (char c : one)
            *outPtr++ = c;
        outLeft -= one.size();
        ++in;
        --inLeft;
    }
    buf.resize(buf.size() - outLeft);
    return buf;
}

std::string Utf8ToSingleByte(std::string_view text, const char* codePage, char replacement) {
    Converter conv(codePage, "UTF-8");
    std::string out;
    out.reserve(text.size());
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    size_t n = text.size();
    // Each character is converted on its own, so that one the code page cannot hold is
    // replaced exactly once, whatever the converter does with it.
    while (n > 0) {
        const size_t len = Utf8SequenceLength(p, n);
        if (len == 0) {
            out.push_back(replacement);
            ++p;
            --n;
            continue;
        }
        if (len == 1) {
            out.push_back(static_cast<char>(*p));
        } else if (!conv.Ok()) {
            out.push_back(replacement);
        } else {
            char outBuf[8];
            // The converter only reads its input, whatever its declaration says.
            char* in = const_cast<char*>(reinterpret_cast<const char*>(p));
            size_t inLeft = len;
            char* o = outBuf;
            size_t outLeft = sizeof outBuf;
            iconv(conv.Get(), nullptr, nullptr, nullptr, nullptr);
            if (iconv(conv.Get(), &in, &inLeft, &o, &outLeft) == static_cast<size_t>(-1) ||
                o == outBuf) {
                out.push_back(replacement);
            } else {
                out.append(outBuf, static_cast<size_t>(o - outBuf));
            }
        }
        p += len;
        n -= len;
    }
    return out;
}

std::string Utf8FromUtf16Le(std::span<const uint8_t> bytes) {
    std::string out;
    const size_t units = bytes.size() / 2;
    out.reserve(units * 3);
    auto unit = [&](size_t k) { return uint32_t{GetLe16(bytes.data() + 2 * k)}; };
    for (size_t k = 0; k < units; ++k) {
        uint32_t u = unit(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
            const uint32_t lo = unit(k + 1);
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00));
                ++k;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) u = 0xFFFD;
        AppendUtf8(out, u);
    }
    return out;
}

} // namespace zm
