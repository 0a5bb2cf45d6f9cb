#include "store/text/oem_text.h"

#include "platform/utf8.h"

#include <cerrno>
#include <cstdint>

namespace zm {

namespace {

// Code page 720 (DOS Arabic), bytes 0x80 ... 0xFF; the undefined ones keep their number.
constexpr char16_t kCp720High[128] = {
    0x0080, 0x0081, 0x00E9, 0x00E2, 0x0084, 0x00E0, 0x0086, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x008D, 0x008E, 0x008F, 0x0090, 0x0651, 0x0652, 0x00F4, 0x00A4, 0x0640, 0x00FB, 0x00F9,
    0x0621, 0x0622, 0x0623, 0x0624, 0x00A3, 0x0625, 0x0626, 0x0627, 0x0628, 0x0629, 0x062A, 0x062B,
    0x062C, 0x062D, 0x062E, 0x062F, 0x0630, 0x0631, 0x0632, 0x0633, 0x0634, 0x0635, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x0636, 0x0637, 0x0638, 0x0639, 0x063A, 0x0641, 0x00B5, 0x0642, 0x0643, 0x0644, 0x0645, 0x0646,
    0x0647, 0x0648, 0x0649, 0x064A, 0x2261, 0x064B, 0x064C, 0x064D, 0x064E, 0x064F, 0x0650, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

// The length of the UTF-8 sequence at `pos` and its code point; 0 when the bytes there are
// not a valid sequence (a stray continuation byte, an overlong form, a surrogate, a cut end).
size_t DecodeUtf8(std::string_view s, size_t pos, char32_t& cp) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[pos + i]); };
    const unsigned char c = b(0);
    size_t n;
    char32_t min;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        n = 2, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + n > s.size()) return 0;
    for (size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

// Runs the converter over `in`. At a byte it cannot convert, `onError` appends what stands for
// it and returns how many input bytes that covers (at least 1).
template <typename OnError> std::string Convert(iconv_t cd, std::string_view in, OnError onError) {
    std::string out;
    out.resize(in.size() * 2 + 16);
    char* inp = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    size_t used = 0;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    for (;;) {
        char* outp = out.data() + used;
        size_t outLeft = out.size() - used;
        const size_t r = inLeft == 0 ? iconv(cd, nullptr, nullptr, &outp, &outLeft)
                                     : iconv(cd, &inp, &inLeft, &outp, &outLeft);
        used = out.size() - outLeft;
        if (r != static_cast<size_t>(-1)) {
            if (inLeft == 0) break;
            continue;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ or EINVAL: a byte the code page or UTF-8 does not allow, or a cut sequence.
        out.resize(used);
        const size_t consumed = static_cast<size_t>(inp - in.data());
        const size_t skip = onError(out, in.substr(consumed));
        inp += skip;
        inLeft -= skip;
        used = out.size();
        out.resize(used + inLeft * 2 + 16);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
}

} // namespace

std::string CodePageName(int codePage) {
    return "CP" + std::to_string(codePage);
}

OemCodec::OemCodec(int codePage) : codePage_(codePage) {
    if (codePage == 720) {
        builtIn_ = true;
        return;
    }
    const std::string name = CodePageName(codePage);
    toUtf8_ = iconv_open("UTF-8", name.c_str());
    fromUtf8_ = iconv_open(name.c_str(), "UTF-8");
}

OemCodec::~OemCodec() {
    if (toUtf8_ != kNone) iconv_close(toUtf8_);
    if (fromUtf8_ != kNone) iconv_close(fromUtf8_);
}

std::string OemCodec::ToUtf8(std::string_view bytes) {
    if (builtIn_) {
        std::string out;
        out.reserve(bytes.size() * 2);
        for (char ch : bytes) {
            const unsigned char c = static_cast<unsigned char>(ch);
            AppendUtf8(out, c < 0x80 ? c : kCp720High[c - 0x80]);
        }
        return out;
    }
    if (toUtf8_ == kNone) return std::string(bytes);
    return Convert(toUtf8_, bytes, [](std::string& out, std::string_view rest) {
        AppendUtf8(out, static_cast<unsigned char>(rest[0]));
        return size_t{1};
    });
}

std::string OemCodec::FromUtf8(std::string_view text, char replacement) {
    if (builtIn_) {
        std::string out;
        out.reserve(text.size());
        for (size_t pos = 0; pos < text.size();) {
            char32_t cp = 0;
            const size_t n = DecodeUtf8(text, pos, cp);
            pos += n == 0 ? 1 : n;
            if (n == 0) {
                out.push_back(replacement);
            } else if (cp < 0x80) {
                out.push_back(static_cast<char>(cp));
            } else {
                char byte = replacement;
                for (int i = 0; i < 128; ++i)
                    if (kCp720High[i] == cp) {
                        byte = static_cast<char>(0x80 + i);
                        break;
                    }
                out.push_back(byte);
            }
        }
        return out;
    }
    if (fromUtf8_ == kNone) return std::string(text);
    return Convert(fromUtf8_, text, [replacement](std::string& out, std::string_view rest) {
        char32_t cp = 0;
        const size_t n = DecodeUtf8(rest, 0, cp);
        out.push_back(replacement);
        return n == 0 ? size_t{1} : n;
    });
}

} // namespace zm
