#pragma once
// Text in a DOS (OEM) code page, converted to and from the program's UTF-8 through the C
// library's converter. Code page 720 (Arabic), which the converter does not know, is built in.

#include <iconv.h>
#include <string>
#include <string_view>

namespace zm {

class OemCodec {
public:
    explicit OemCodec(int codePage);
    ~OemCodec();
    OemCodec(const OemCodec&) = delete;
    OemCodec& operator=(const OemCodec&) = delete;

    int CodePage() const { return codePage_; }
    // False when the system has no converter for the code page.
    bool Available() const { return builtIn_ || (toUtf8_ != kNone && fromUtf8_ != kNone); }

    // Bytes of the code page as UTF-8. A byte (or pair) the code page does not define becomes
    // the character with the same number, as Windows reads it; nothing is dropped.
    std::string ToUtf8(std::string_view bytes);
    // UTF-8 text in the code page. A character the code page cannot hold, or a byte that is
    // not UTF-8, becomes `replacement`.
    std::string FromUtf8(std::string_view text, char replacement = '?');

private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);

    int codePage_;
    bool builtIn_ = false;
    iconv_t toUtf8_ = kNone;
    iconv_t fromUtf8_ = kNone;
};

// The converter's name of a code page: "CP437", "CP850", ...
std::string CodePageName(int codePage);

} // namespace zm
