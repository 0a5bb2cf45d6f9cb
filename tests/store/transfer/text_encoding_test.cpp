#include "store/transfer/text_encoding.h"

#include <gtest/gtest.h>
#include <string>

namespace zm {
namespace {

std::string Utf16(std::string_view ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        out.push_back(bigEndian ? '\0' : c);
        out.push_back(bigEndian ? c : '\0');
    }
    return out;
}

std::string ReadThrough(std::string_view bytes, TextEncoding& encoding) {
    StringByteSource Raw(bytes);
    EncodedTextSource source(Raw);
    std::string out;
    char chunk[7]; // small, so the held bytes are served in pieces
    for (long n; (n = source.Read(chunk, sizeof chunk)) > 0;)
        out.append(chunk, static_cast<size_t>(n));
    encoding = source.Encoding();
    return out;
}

TEST(EncodedTextSource, TellsTheEncodingByTheFirstBytes) {
    const std::string big(10000, 'x');
    struct Case {
        const char* what;
        std::string bytes;
        TextEncoding encoding;
        std::string text;
    } cases[] = {
        {"plain bytes pass", "a,b\r\n\xE9", TextEncoding::CodePage, "a,b\r\n\xE9"},
        {"longer than the probe", big + "\n", TextEncoding::CodePage, big + "\n"},
        {"UTF-16 LE", Utf16("A,1/2/2030\n", false), TextEncoding::Utf16Le, "A,1/2/2030\n"},
        {"UTF-16 BE", Utf16("A,1/2/2030\n", true), TextEncoding::Utf16Be, "A,1/2/2030\n"},
        {"UTF-16 beyond ASCII", std::string("\xFF\xFE\xE9\x00\xAC\x20", 6), TextEncoding::Utf16Le,
         "\xC3\xA9\xE2\x82\xAC"},
        {"UTF-16 without its mark", std::string("A\0,\0", 4), TextEncoding::Unreadable, ""},
        {"UTF-32", std::string("\xFF\xFE\0\0A\0\0\0", 8), TextEncoding::Unreadable, ""},
        {"empty", "", TextEncoding::CodePage, ""},
    };
    for (const Case& c : cases) {
        TextEncoding encoding{};
        EXPECT_EQ(ReadThrough(c.bytes, encoding), c.text) << c.what;
        EXPECT_EQ(encoding, c.encoding) << c.what;
    }
}

} // namespace
} // namespace zm
