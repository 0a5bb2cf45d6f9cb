#include "store/archive_text.h"

#include <cerrno>
#include <iconv.h>

namespace zm {
namespace {

void AppendUtf8(std::string& out, uint32_t cp) {
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

// Byte for byte as Latin-1: the last resort when the C library has no Windows-1252 converter.
std::string FromLatin1(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes)
        AppendUtf8(out, c);
    return out;
}

class Cp1252Converter {
public:
    Cp1252Converter() : cd_(iconv_open("UTF-8", "WINDOWS-1252")) {}
    ~Cp1252Converter() {
        if (ok()) iconv_close(cd_);
    }
    Cp1252Converter(const Cp1252Converter&) = delete;
    Cp1252Converter& operator=(const Cp1252Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::string convert(std::string_view bytes) {
        // Every Windows-1252 character is at most three bytes of UTF-8.
        std::string out(bytes.size() * 3, '\0');
        char* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        char* dst = out.data();
        size_t dstLeft = out.size();
        while (inLeft > 0) {
            if (iconv(cd_, &in, &inLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
            if (errno != EILSEQ && errno != EINVAL) break;
            // A byte Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
            const unsigned char c = static_cast<unsigned char>(*in);
            std::string one;
            AppendUtf8(one, c);
            if (one.size() > dstLeft) break;
            for (char b : one) {
                *dst++ = b;
                --dstLeft;
            }
            ++in;
            --inLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(out.size() - dstLeft);
        return out;
    }

private:
    iconv_t cd_;
};

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    const size_t n = bytes.size();
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len;
        uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (n - i < static_cast<size_t>(len)) return false;
        for (int k = 1; k < len; ++k) {
            const unsigned char cc = static_cast<unsigned char>(bytes[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

std::string TextFromFileBytes(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    Cp1252Converter conv;
    if (!conv.ok()) return FromLatin1(bytes);
    return conv.convert(bytes);
}

std::string Utf8FromUtf16Le(std::span<const uint8_t> bytes) {
    std::string out;
    const size_t units = bytes.size() / 2;
    out.reserve(units * 3);
    auto unit = [&](size_t k) {
        return static_cast<uint32_t>(bytes[2 * k] | bytes[2 * k + 1] << 8);
    };
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
