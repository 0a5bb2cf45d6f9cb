#include "platform/byte_order.h"
#include "store/library/library_format.h"
#include "support/library_fixture.h"

#include <cstring>
#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::MemoryLibrary;

TEST(LibraryFormat, ANewLibraryIsTheHeaderAndAZeroIndex) {
    MemoryLibrary m;
    const FileBytes& b = *m.bytes;
    ASSERT_EQ(b.size(), 8256u);
    EXPECT_EQ(std::memcmp(b.data(), "ZANTIMORE", 9), 0);
    EXPECT_EQ(b[9], 0);
    EXPECT_EQ(GetLe32(&b[10]), 0x00030005u);
    EXPECT_EQ(GetLe32(&b[14]), 256u);
    EXPECT_EQ(GetLe32(&b[18]), 256u);
    EXPECT_EQ(GetLe32(&b[22]), 4000u);
    EXPECT_EQ(GetLe32(&b[26]), 2u);
    for (size_t i = 30; i < b.size(); ++i)
        ASSERT_EQ(b[i], 0) << "byte " << i;
    EXPECT_EQ(m.library.Version(), 0x00030005u);
    EXPECT_EQ(m.library.CountEvents(), 0);
}

// A new library with one header field changed, opened again.
LibraryResult OpenWith(size_t offset, uint32_t value, size_t keep = SIZE_MAX) {
    MemoryLibrary m;
    m.library.Close();
    PutLe32(m.bytes->data() + offset, value);
    if (keep < m.bytes->size()) m.bytes->resize(keep);
    EventLibrary other;
    const LibraryResult rc = m.Reopen(other);
    EXPECT_EQ(other.IsOpen(), rc == LibraryResult::Ok);
    return rc;
}

TEST(LibraryFormat, HeaderChecksGiveTheirCodes) {
    struct Case {
        const char* what;
        size_t offset;
        uint32_t value;
        size_t keep;
        LibraryResult code;
    };
    const Case cases[] = {
        {"current version", 10, 0x00030005, SIZE_MAX, LibraryResult::Ok},
        {"value at 14 is not checked", 14, 12345, SIZE_MAX, LibraryResult::Ok},
        {"reserved bytes are not checked", 40, 0xFFFFFFFF, SIZE_MAX, LibraryResult::Ok},
        {"magic", 0, 0x58585858 /* "XXXX" */, SIZE_MAX, LibraryResult::BadFormat},
        {"block size", 18, 512, SIZE_MAX, LibraryResult::BadFormat},
        {"entry count", 22, 3999, SIZE_MAX, LibraryResult::BadFormat},
        {"entry size", 26, 4, SIZE_MAX, LibraryResult::BadFormat},
        {"first format", 10, 0x00010001, SIZE_MAX, LibraryResult::OldVersion},
        {"0x00020002", 10, 0x00020002, SIZE_MAX, LibraryResult::OldVersion},
        {"0x00020003", 10, 0x00020003, SIZE_MAX, LibraryResult::OldVersion},
        {"0x00020004", 10, 0x00020004, SIZE_MAX, LibraryResult::OldVersion},
        {"0x00020005", 10, 0x00020005, SIZE_MAX, LibraryResult::OldVersion},
        {"0x00030000", 10, 0x00030000, SIZE_MAX, LibraryResult::OldVersion},
        {"unknown 0x00040000", 10, 0x00040000, SIZE_MAX, LibraryResult::UnknownVersion},
        {"unknown 0x00030006", 10, 0x00030006, SIZE_MAX, LibraryResult::UnknownVersion},
        {"shorter than a header", 10, 0x00030005, 255, LibraryResult::ReadError},
        {"empty file", 10, 0x00030005, 0, LibraryResult::ReadError},
        {"index cut short", 10, 0x00030005, 8255, LibraryResult::ReadError},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OpenWith(c.offset, c.value, c.keep), c.code) << c.what;
}

TEST(LibraryFormat, OldVersionsOpenForConversionOnlyWithTheirGeometry) {
    uint32_t version = 0;
    unsigned char h[256];
    WriteLibraryHeader(h, 0x00020004);
    EXPECT_EQ(CheckLibraryHeader(h, true, version), LibraryResult::Ok);
    EXPECT_EQ(version, 0x00020004u);
    PutLe32(h + 22, 100);
    EXPECT_EQ(CheckLibraryHeader(h, true, version), LibraryResult::BadFormat);

    WriteLibraryHeader(h, 0x00010001);
    EXPECT_EQ(CheckLibraryHeader(h, true, version),
              LibraryResult::BadFormat); // the value at 14 must be 208
    PutLe32(h + 14, 208);
    EXPECT_EQ(CheckLibraryHeader(h, true, version), LibraryResult::Ok);
    EXPECT_EQ(CheckLibraryHeader(h, false, version), LibraryResult::OldVersion);
    EXPECT_EQ(version, 0x00010001u);
}

TEST(LibraryFormat, ReadVersionNeedsOnlyTheMagicAndAKnownVersion) {
    struct Case {
        uint32_t version;
        bool goodMagic;
        LibraryResult code;
    };
    for (const Case c :
         {Case{0x00030005, true, LibraryResult::Ok}, Case{0x00020003, true, LibraryResult::Ok},
          Case{0x00010001, true, LibraryResult::Ok},
          Case{0x00040000, true, LibraryResult::UnknownVersion},
          Case{0x00030005, false, LibraryResult::BadFormat}}) {
        auto bytes = std::make_shared<FileBytes>(256, 0);
        WriteLibraryHeader(bytes->data(), c.version);
        if (!c.goodMagic) (*bytes)[8] = 'X';
        MemoryFile f(bytes);
        uint32_t v = 99;
        EXPECT_EQ(ReadLibraryVersion(f, v), c.code) << std::hex << c.version;
        EXPECT_EQ(v, c.code == LibraryResult::Ok ? c.version : 0u);
    }
    MemoryFile tooShort(std::make_shared<FileBytes>(100, 0));
    uint32_t v;
    EXPECT_EQ(ReadLibraryVersion(tooShort, v), LibraryResult::ReadError);
}

} // namespace
} // namespace zm
