#include "store/io/archive_io.h"
#include "store/text/text_codec.h"
#include "support/side_file_test_support.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using sidetest::Bytes;

std::string ReadText(const std::vector<uint8_t>& bytes, bool* ok = nullptr) {
    ArchiveReader in(bytes);
    std::string s;
    const bool r = in.Text(s);
    if (ok) *ok = r;
    return s;
}

TEST(ArchiveStringTest, LengthPrefixTakesOneThreeOrSevenBytes) {
    struct Case {
        size_t length;
        std::vector<uint8_t> prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0x12345, {0xFF, 0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'x');
        ArchiveWriter w;
        ASSERT_TRUE(w.Text(text));
        const std::vector<uint8_t>& out = w.Data();
        ASSERT_EQ(out.size(), c.prefix.size() + c.length);
        EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + c.prefix.size()), c.prefix);
        EXPECT_EQ(ReadText(out), text);
    }
}

TEST(ArchiveStringTest, LengthsCountUtf8Bytes) {
    ArchiveWriter w;
    w.Text("Café"); // five bytes
    EXPECT_EQ(w.Data(), (std::vector<uint8_t>{5, 'C', 'a', 'f', 0xC3, 0xA9}));
}

TEST(ArchiveStringTest, WindowsTextIsReadAsWindows1252) {
    // "Caf\xE9 \x80 5" as a Windows program writes it: é and the euro sign.
    const auto bytes = Bytes().U8(8).Str("Caf\xE9 \x80 5").v;
    EXPECT_EQ(ReadText(bytes), "Café € 5");
}

TEST(ArchiveStringTest, UndefinedWindows1252BytesBecomeControlCharacters) {
    EXPECT_EQ(DecodeFileText("a\x81z"), "a\xC2\x81z");
    EXPECT_EQ(DecodeFileText("\x8D\x8F\x90\x9D"), "\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(ArchiveStringTest, ValidUtf8IsKept) {
    EXPECT_EQ(DecodeFileText("Zürich – 東京"), "Zürich – 東京");
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));         // cut short
}

TEST(ArchiveStringTest, WideFormIsReadAsUtf16) {
    // 0xFF, 0xFFFE, then the length (3) and three UTF-16 units: "aé€".
    const auto bytes = Bytes().U8(0xFF).U16(0xFFFE).U8(3).U16('a').U16(0xE9).U16(0x20AC).v;
    EXPECT_EQ(ReadText(bytes), "aé€");
    // A surrogate pair and a lone surrogate.
    const auto pair = Bytes().U8(0xFF).U16(0xFFFE).U8(3).U16(0xD83D).U16(0xDE00).U16(0xDC00).v;
    EXPECT_EQ(ReadText(pair), "\xF0\x9F\x98\x80\xEF\xBF\xBD");
    // The wide length in its 3-byte form.
    auto longer = Bytes().U8(0xFF).U16(0xFFFE).U8(0xFF).U16(300);
    for (int i = 0; i < 300; ++i)
        longer.U16('w');
    EXPECT_EQ(ReadText(longer.v), std::string(300, 'w'));
}

TEST(ArchiveStringTest, LengthBeyondTheDataFailsWithoutReading) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"one-byte length", Bytes().U8(5).Str("abcd").v},
        {"16-bit length", Bytes().U8(0xFF).U16(0xFFFD).Str("abc").v},
        {"32-bit length asking for 4 GiB", Bytes().U8(0xFF).U16(0xFFFF).U32(0xFFFFFFF0).Str("x").v},
        {"wide length", Bytes().U8(0xFF).U16(0xFFFE).U8(0xFF).U16(0xFFFF).U32(0x7FFFFFFF).v},
        {"prefix cut short", Bytes().U8(0xFF).U8(0x10).v},
        {"empty", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ArchiveReader in(c.bytes);
        std::string s = "unchanged";
        EXPECT_FALSE(in.Text(s));
        EXPECT_EQ(s, "unchanged");
        EXPECT_TRUE(in.Failed());
    }
}

TEST(ArchiveReaderTest, StaysFailedAfterAShortRead) {
    const std::vector<uint8_t> bytes{1, 2, 3};
    ArchiveReader in(bytes);
    uint32_t v;
    uint8_t b;
    EXPECT_FALSE(in.U32(v));
    EXPECT_FALSE(in.U8(b));
    EXPECT_TRUE(in.Failed());
}

} // namespace
} // namespace zm
