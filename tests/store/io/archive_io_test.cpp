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
    const bool r = in.text(s);
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
        ASSERT_TRUE(w.text(text));
        const std::vector<uint8_t>& out = w.data();
        ASSERT_EQ(out.size(), c.prefix.size() + c.length);
        EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + c.prefix.size()), c.prefix);
        EXPECT_EQ(ReadText(out), text);
    }
}

TEST(ArchiveStringTest, LengthsCountUtf8Bytes) {
    ArchiveWriter w;
    w.text("Café"); // five bytes
    EXPECT_EQ(w.data(), (std::vector<uint8_t>{5, 'C', 'a', 'f', 0xC3, 0xA9}));
}

TEST(ArchiveStringTest, WindowsTextIsReadAsWindows1252) {
    // "Caf\xE9 \x80 5" as a Windows program writes it: é and the euro sign.
    const auto bytes = Bytes().u8(8).str("Caf\xE9 \x80 5").v;
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
    const auto bytes = Bytes().u8(0xFF).u16(0xFFFE).u8(3).u16('a').u16(0xE9).u16(0x20AC).v;
    EXPECT_EQ(ReadText(bytes), "aé€");
    // A surrogate pair and a lone surrogate.
    const auto pair = Bytes().u8(0xFF).u16(0xFFFE).u8(3).u16(0xD83D).u16(0xDE00).u16(0xDC00).v;
    EXPECT_EQ(ReadText(pair), "\xF0\x9F\x98\x80\xEF\xBF\xBD");
    // The wide length in its 3-byte form.
    auto longer = Bytes().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(300);
    for (int i = 0; i < 300; ++i)
        longer.u16('w');
    EXPECT_EQ(ReadText(longer.v), std::string(300, 'w'));
}

TEST(ArchiveStringTest, LengthBeyondTheDataFailsWithoutReading) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"one-byte length", Bytes().u8(5).str("abcd").v},
        {"16-bit length", Bytes().u8(0xFF).u16(0xFFFD).str("abc").v},
        {"32-bit length asking for 4 GiB", Bytes().u8(0xFF).u16(0xFFFF).u32(0xFFFFFFF0).str("x").v},
        {"wide length", Bytes().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFFF).u32(0x7FFFFFFF).v},
        {"prefix cut short", Bytes().u8(0xFF).u8(0x10).v},
        {"empty", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ArchiveReader in(c.bytes);
        std::string s = "unchanged";
        EXPECT_FALSE(in.text(s));
        EXPECT_EQ(s, "unchanged");
        EXPECT_TRUE(in.failed());
    }
}

TEST(ArchiveReaderTest, StaysFailedAfterAShortRead) {
    const std::vector<uint8_t> bytes{1, 2, 3};
    ArchiveReader in(bytes);
    uint32_t v;
    uint8_t b;
    EXPECT_FALSE(in.u32(v));
    EXPECT_FALSE(in.u8(b));
    EXPECT_TRUE(in.failed());
}

} // namespace
} // namespace zm
