#include "store/text/text_codec.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(TextCodec, RecognisesValidUtf8) {
    struct Case {
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"plain ASCII", true},
        {"\xc3\xa9", true},          // é
        {"\xe2\x82\xac", true},      // €
        {"\xf0\x9f\x98\x80", true},  // an emoji
        {"\xe9", false},             // é in Windows-1252
        {"\xc3", false},             // cut short
        {"\xc0\xaf", false},         // overlong
        {"\xe0\x80\xaf", false},     // overlong
        {"\xed\xa0\x80", false},     // a surrogate
        {"\xf4\x90\x80\x80", false}, // above U+10FFFF
        {"\x80", false},             // a lone continuation byte
        {"caf\xc3\xa9 \x93", false}, // valid, then a Windows quote
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(TextCodec, DecodesWindows1252) {
    EXPECT_EQ(DecodeFileText("Caf\xe9 \x80\x92\x99\x9f"), "Café €’™Ÿ");
    EXPECT_EQ(DecodeFileText("\xa0\xff"), "\u00a0ÿ");
    // Bytes that Windows-1252 leaves undefined keep their number, as Windows reads them.
    EXPECT_EQ(DecodeFileText("a\x81z\x8d\x8f\x90\x9d"), "a\u0081z\u008d\u008f\u0090\u009d");
    EXPECT_EQ(DecodeFileText("d\xc3\xa9j\xc3\xa0"), "déjà");
}

TEST(TextCodec, DosCodePageBothWays) {
    EXPECT_EQ(SingleByteToUtf8("\x81\x84\x94\xe1", "CP437"), "üäöß");
    EXPECT_EQ(Utf8ToSingleByte("üäöß", "CP437"), "\x81\x84\x94\xe1");
}

TEST(TextCodec, EncodingReplacesWhatTheCodePageCannotHold) {
    EXPECT_EQ(Utf8ToSingleByte("Café €", kWindowsCodePage), "Caf\xe9 \x80");
    EXPECT_EQ(Utf8ToSingleByte("a\xe2\x98\x83z", kWindowsCodePage), "a?z"); // a snowman
    EXPECT_EQ(Utf8ToSingleByte("a\xffz", kWindowsCodePage, '_'), "a_z");    // not UTF-8
    EXPECT_EQ(Utf8ToSingleByte("", kWindowsCodePage), "");
}

} // namespace
} // namespace zm
