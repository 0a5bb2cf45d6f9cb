#include "platform/memory_settings.h"
#include "res/artwork.h"
#include "store/types/image_list_stream.h"
#include "store/io/side_file.h"
#include "support/side_file_test_support.h"
#include "store/types/types_file.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zm {
namespace {

using sidetest::Bytes;
using sidetest::FileExists;
using sidetest::ReadBytes;
using sidetest::TempFolder;
using sidetest::U32At;
using sidetest::WriteBytes;

// The bytes of a types-file header.
Bytes Header(uint32_t schema, uint32_t types, uint32_t filters = 0) {
    Bytes b;
    b.str("ZANTIMORETYPES").zeros(1).u32(schema).zeros(20).u32(types).u32(filters);
    b.zeros(512 - b.v.size());
    return b;
}

void AppendImageLists(Bytes& b, size_t smallCount, size_t largeCount) {
    std::vector<IconImage> small, large;
    for (size_t i = 0; i < smallCount; ++i)
        small.push_back(PredefinedTypeIcon(int(i % 11), 16));
    for (size_t i = 0; i < largeCount; ++i)
        large.push_back(PredefinedTypeIcon(int(i % 11), 32));
    ArchiveWriter w;
    WriteImageListStream(w, 16, small);
    WriteImageListStream(w, 32, large);
    b.raw(w.data());
}

// A type record of schema 1 (fields 1-8).
void AppendRecordV1(Bytes& b, const std::string& name, uint32_t flags = 0x02) {
    b.u32(0x78654321).u32(flags).u32(0x0000FF).u32(0x1E).u32(5).u32(0x00010001);
    b.u8(static_cast<uint8_t>(name.size())).str(name).u8(0);
}

// The rest of a schema-2/3 record (fields 9-14).
void AppendRecordTail(Bytes& b, uint32_t soundPause) {
    b.u32(0x0000FF).u32(0xBCFFFF).zeros(60).u32(0x00090000).u32(soundPause).zeros(56);
}

TypeList SampleList() {
    TypeList list;
    EventType a;
    a.Name = "Zürich office";
    a.Flags = kTypeCustomColours | kTypeCustomFont | kTypeFixedStartTime | kTypeSkipWhenOver;
    a.Colour = 0x123456;
    a.Duration = TimeAmount(0x10002);
    a.Advance = TimeAmount(0x20003);
    a.Sound = 0x00010002;
    a.SoundFile = "/home/user/sounds/" + std::string(300, 'x') + ".wav";
    a.TextColour = 0xFFFFFF;
    a.BackColour = 0x000080;
    for (size_t i = 0; i < a.Font.size(); ++i)
        a.Font[i] = static_cast<uint8_t>(i * 3);
    a.StartTime = 0x0008001E;
    a.SoundPause = 0x00020005;
    list.addType(a, PredefinedTypeIcon(6, 16), PredefinedTypeIcon(6, 32));
    EventType b;
    b.Name = "plain";
    list.addType(b, PredefinedTypeIcon(2, 16), PredefinedTypeIcon(2, 32));
    list.filters() = {{1, "Everything", {"Zürich office", "plain"}}, {0, "Empty", {}}};
    return list;
}

void ExpectSameTypes(const TypeList& a, const TypeList& b) {
    EXPECT_EQ(a.types(), b.types());
    EXPECT_EQ(a.smallIcons(), b.smallIcons());
    EXPECT_EQ(a.largeIcons(), b.largeIcons());
    EXPECT_EQ(a.filters(), b.filters());
}

class TypesFileTest : public ::testing::Test {
protected:
    std::string path() const { return folder.file("Zantimo.TP0"); }
    SideFileOutcome load(TypeList& list) { return loadTypes(list, folder.path(), settings); }

    TempFolder folder;
    MemorySettings settings;
};

TEST_F(TypesFileTest, FirstStartCreatesThePredefinedTypes) {
    TypeList list;
    const SideFileOutcome r = load(list);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.created);
    EXPECT_FALSE(r.replaced);
    ASSERT_EQ(list.typeCount(), 11u);
    EXPECT_EQ(list.typeAt(0)->Name, "Alarm");
    EXPECT_EQ(list.typeAt(10)->Name, "TV program");

    const std::vector<uint8_t> file = ReadBytes(path());
    ASSERT_GT(file.size(), 512u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 14), "ZANTIMORETYPES");
    EXPECT_EQ(U32At(file, 15), 3u);
    EXPECT_EQ(U32At(file, 39), 11u);
    EXPECT_EQ(U32At(file, 43), 0u);
    EXPECT_EQ(U32At(file, file.size() - 4), 0u); // no filter records

    TypeList again;
    const SideFileOutcome r2 = load(again);
    ASSERT_TRUE(r2.ok());
    EXPECT_FALSE(r2.created);
    ExpectSameTypes(again, list);
}

TEST_F(TypesFileTest, SmallFileIsWrittenByteForByte) {
    TypeList list;
    EventType t;
    t.Name = "Gym";
    t.Flags = kTypeInFilter | kTypeYearly; // InFilter is not written
    t.Colour = 0x00A0B0C0;
    t.Duration = TimeAmount(0x10001);
    t.Advance = TimeAmount(10);
    t.Sound = 2;
    t.SoundFile = "b.wav";
    t.TextColour = 0x01;
    t.BackColour = 0x02;
    t.Font[0] = 0xF4; // height -12
    t.Font[59] = 0x7A;
    t.StartTime = 0x00070000;
    t.SoundPause = 0x00000015;
    list.addType(t, PredefinedTypeIcon(0, 16), PredefinedTypeIcon(0, 32));
    list.filters() = {{1, "Sport", {"Gym"}}};
    const std::vector<uint8_t> f = SerializeTypesFile(list);

    Bytes header = Header(3, 1, 1);
    EXPECT_EQ(std::vector<uint8_t>(f.begin(), f.begin() + 512), header.v);

    // Small image list: 28-byte header, 24-bit bitmap 64 x 16, 1-bit mask 64 x 16.
    size_t at = 512;
    EXPECT_EQ(f[at], 'I');
    EXPECT_EQ(f[at + 1], 'L');
    EXPECT_EQ(sidetest::U16At(f, at + 4), 1);
    EXPECT_EQ(sidetest::U16At(f, at + 10), 16);
    at += 28 + (54 + 64 * 3 * 16) + (62 + 8 * 16);
    // Large image list: 128 x 32.
    EXPECT_EQ(f[at], 'I');
    EXPECT_EQ(sidetest::U16At(f, at + 10), 32);
    at += 28 + (54 + 128 * 3 * 32) + (62 + 16 * 32);

    Bytes record;
    record.u32(0x78654321).u32(0x10).u32(0x00A0B0C0).u32(0x10001).u32(10).u32(2);
    record.u8(3).str("Gym").u8(5).str("b.wav");
    record.u32(1).u32(2).u8(0xF4).zeros(58).u8(0x7A).u32(0x00070000).u32(0x15).zeros(56);
    record.u32(1).u32(1).u8(5).str("Sport").u32(1).u8(3).str("Gym");
    EXPECT_EQ(std::vector<uint8_t>(f.begin() + static_cast<ptrdiff_t>(at), f.end()), record.v);
}

TEST_F(TypesFileTest, SaveAndLoadKeepEveryField) {
    const TypeList list = SampleList();
    ASSERT_TRUE(saveTypes(list, folder.path(), settings).ok());
    const std::vector<uint8_t> first = ReadBytes(path());
    TypeList loaded;
    ASSERT_TRUE(load(loaded).ok());
    ExpectSameTypes(loaded, list);
    ASSERT_TRUE(saveTypes(loaded, folder.path(), settings).ok());
    EXPECT_EQ(ReadBytes(path()), first);
    EXPECT_FALSE(FileExists(path() + ".new"));
}

TEST_F(TypesFileTest, ImageListsShorterThanTheTypeCountAreUnreadable) {
    Bytes b = Header(3, 11);
    AppendImageLists(b, 10, 11);
    for (int i = 0; i < 11; ++i) {
        AppendRecordV1(b, "Type " + std::to_string(i));
        AppendRecordTail(b, 30);
    }
    b.u32(0);
    WriteBytes(path(), b.v);
    TypeList list;
    list.addType(EventType{}, {}, {});
    const SideFileOutcome r = load(list);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.replaced);
    EXPECT_EQ(r.keptAs, path() + ".bak");
    EXPECT_EQ(ReadBytes(r.keptAs), b.v); // nothing lost
    ASSERT_EQ(list.typeCount(), 11u);
    EXPECT_EQ(list.typeAt(0)->Name, "Alarm");
    EXPECT_EQ(U32At(ReadBytes(path()), 39), 11u);
}

TEST_F(TypesFileTest, SchemaOneLoadsWithDefaultsAndIsSavedAsSchemaThree) {
    Bytes b = Header(1, 2);
    AppendImageLists(b, 2, 2);
    AppendRecordV1(b, "Call");
    AppendRecordV1(b, "Old type", 0x03); // with InFilter
    WriteBytes(path(), b.v);
    TypeList list;
    list.systemColours = {0x0A0B0C, 0xD0E0F0};
    const SideFileOutcome r = load(list);
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.replaced);
    ASSERT_EQ(list.typeCount(), 2u);
    for (const EventType& t : list.types()) {
        SCOPED_TRACE(t.Name);
        EXPECT_EQ(t.TextColour, 0x0A0B0Cu);
        EXPECT_EQ(t.BackColour, 0xD0E0F0u);
        EXPECT_EQ(t.Font, LogFontBytes{});
        EXPECT_EQ(t.StartTime, 0u);
        EXPECT_EQ(t.SoundPause, 30u);
        EXPECT_FALSE(t.Has(kTypeInFilter));
        EXPECT_EQ(t.Sound, 0x00010001u);
        EXPECT_EQ(t.Advance.word, 5u);
    }
    EXPECT_TRUE(list.filters().empty());
    ASSERT_TRUE(saveTypes(list, folder.path(), settings).ok());
    EXPECT_EQ(U32At(ReadBytes(path()), 15), 3u);
}

TEST_F(TypesFileTest, SoundPauseZeroReadsAsThirtySeconds) {
    Bytes b = Header(2, 1);
    AppendImageLists(b, 1, 1);
    AppendRecordV1(b, "Quiet");
    AppendRecordTail(b, 0);
    WriteBytes(path(), b.v);
    TypeList list;
    ASSERT_TRUE(load(list).ok());
    ASSERT_EQ(list.typeCount(), 1u);
    EXPECT_EQ(list.typeAt(0)->SoundPause, 30u);
    EXPECT_EQ(list.typeAt(0)->StartTime, 0x00090000u);
}

TEST_F(TypesFileTest, NamesWrittenOnWindowsAreDecoded) {
    Bytes b = Header(2, 1);
    AppendImageLists(b, 1, 1);
    AppendRecordV1(b, "Caf\xE9");
    AppendRecordTail(b, 30);
    WriteBytes(path(), b.v);
    TypeList list;
    ASSERT_TRUE(load(list).ok());
    EXPECT_EQ(list.typeAt(0)->Name, "Café");
    EXPECT_EQ(list.findType("CAFÉ"), 0);
}

TEST_F(TypesFileTest, FilesNotWrittenByTheProgramAreRefused) {
    auto typesFile = [](uint32_t schema, uint32_t count, uint32_t filterCount,
                        uint32_t namesInFilter, uint32_t nameLength) {
        Bytes b = Header(schema, count);
        AppendImageLists(b, count, count);
        for (uint32_t i = 0; i < count; ++i) {
            b.u32(0x78654321).u32(0).u32(0).u32(0x1E).u32(0).u32(0);
            b.u8(0xFF).u16(0xFFFF).u32(nameLength).str("T").u8(0);
            AppendRecordTail(b, 30);
        }
        b.u32(filterCount);
        for (uint32_t i = 0; i < filterCount; ++i) {
            b.u32(0).u8(1).str("F").u32(namesInFilter);
            for (uint32_t k = 0; k < namesInFilter; ++k)
                b.u8(1).str("T");
        }
        return b.v;
    };
    const TypesFileContent untouched;
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool readable;
    } cases[] = {
        {"well formed", typesFile(3, 1, 1, 1, 1), true},
        {"name asking for 4 GiB", typesFile(3, 1, 0, 0, 0xFFFFFFF0u), false},
        {"name longer than the file", typesFile(3, 1, 0, 0, 40000), false},
        {"51 types", typesFile(3, 51, 0, 0, 1), false},
        {"51 filters", typesFile(3, 1, 51, 1, 1), false},
        {"a filter of 51 names", typesFile(3, 1, 1, 51, 1), false},
        {"filter count asking for millions",
         [&] {
             auto v = typesFile(3, 1, 0, 0, 1);
             v[v.size() - 4] = 0xFF, v[v.size() - 3] = 0xFF, v[v.size() - 2] = 0xFF;
             return v;
         }(),
         false},
        {"schema 4", typesFile(4, 1, 0, 0, 1), false},
        {"schema 0", typesFile(0, 1, 0, 0, 1), false},
        {"wrong tag",
         [&] {
             auto v = typesFile(3, 1, 0, 0, 1);
             std::vector<uint8_t> tag{0x21, 0x43, 0x65, 0x78};
             auto it = std::search(v.begin() + 512, v.end(), tag.begin(), tag.end());
             *it = 0x22;
             return v;
         }(),
         false},
        {"bad magic",
         [&] {
             auto v = typesFile(3, 1, 0, 0, 1);
             v[0] = 'z';
             return v;
         }(),
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TypesFileContent out;
        EXPECT_EQ(ParseTypesFile(c.bytes, SystemColours{}, out), c.readable);
        if (!c.readable) {
            EXPECT_TRUE(out.types.empty());
        }
    }
}

TEST_F(TypesFileTest, EveryShortenedFileIsUnreadable) {
    const std::vector<uint8_t> whole = SerializeTypesFile(SampleList());
    TypesFileContent out;
    ASSERT_TRUE(ParseTypesFile(whole, SystemColours{}, out));
    for (size_t n = 0; n < whole.size(); ++n) {
        std::span<const uint8_t> cut(whole.data(), n);
        ASSERT_FALSE(ParseTypesFile(cut, SystemColours{}, out)) << n;
    }
}

TEST_F(TypesFileTest, AFileCutShortByACrashIsKeptAndReplaced) {
    const std::vector<uint8_t> whole = SerializeTypesFile(SampleList());
    for (size_t n : {size_t{0}, size_t{13}, size_t{511}, size_t{512}, size_t{600}, whole.size() / 2,
                     whole.size() - 200, whole.size() - 1}) {
        SCOPED_TRACE(n);
        TempFolder here;
        const std::string file = here.file("Zantimo.TP0");
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(n));
        WriteBytes(file, cut);
        TypeList list;
        const SideFileOutcome r = loadTypes(list, here.path(), settings);
        ASSERT_TRUE(r.ok());
        EXPECT_TRUE(r.replaced);
        EXPECT_EQ(ReadBytes(r.keptAs), cut);
        EXPECT_EQ(list.typeCount(), 11u);
        TypeList reread;
        EXPECT_FALSE(loadTypes(reread, here.path(), settings).replaced);
        EXPECT_EQ(reread.typeCount(), 11u);
    }
}

TEST_F(TypesFileTest, BackupsAreNumberedWhenTheNameIsTaken) {
    WriteBytes(path(), {1, 2, 3});
    WriteBytes(path() + ".bak", {9});
    TypeList list;
    const SideFileOutcome r = load(list);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.keptAs, path() + ".bak2");
    EXPECT_EQ(ReadBytes(path() + ".bak"), std::vector<uint8_t>{9});
    EXPECT_EQ(ReadBytes(path() + ".bak2"), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(TypesFileTest, AFailedSaveLeavesTheOldFileInPlace) {
    // The new file cannot be created: its name is taken by a folder that is not empty.
    std::filesystem::create_directories(path() + ".new/inside");
    WriteBytes(path(), {1, 2, 3});
    TypeList list;
    const SideFileOutcome r = load(list);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.path, path());
    EXPECT_EQ(ReadBytes(path()), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_FALSE(FileExists(path() + ".bak"));

    // Saving over a good file that cannot be replaced keeps the good file.
    std::filesystem::remove(path());
    std::filesystem::remove_all(path() + ".new");
    ASSERT_TRUE(saveTypes(SampleList(), folder.path(), settings).ok());
    const std::vector<uint8_t> good = ReadBytes(path());
    std::filesystem::create_directories(path() + ".new/inside");
    TypeList predefined;
    predefined.createPredefined();
    EXPECT_FALSE(saveTypes(predefined, folder.path(), settings).ok());
    EXPECT_EQ(ReadBytes(path()), good);
}

TEST_F(TypesFileTest, UnknownFolderFails) {
    TypeList list;
    const SideFileOutcome r = loadTypes(list, "", settings);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.cause, FileCause::BadPath);
    EXPECT_FALSE(loadTypes(list, folder.file("missing/deeper"), settings).ok());
}

TEST_F(TypesFileTest, UndefinedTypeSettingsAreCheckedAndSaved) {
    struct Case {
        UndefinedTypeSettings stored;
        uint32_t sound, pause;
    } cases[] = {
        {{1, 1, 0x00010000, "", 0x004080FF}, 0x00010001, 0x00010000},
        {{7, 0, 0x00FF0FFF, "", 0}, 0x00000002, 0x0063003B},
        {{-3, 5, 0, "", 0}, 0x00010000, 0x00010000},
        {{2, 1, 0x0000002D, "", 0}, 0x00010002, 0x0000002D},
    };
    for (const Case& c : cases) {
        UndefinedTypeSettings stored = c.stored;
        stored.soundFile = "bell.wav";
        WriteUndefinedTypeSettings(settings, stored);
        TypeList list;
        ASSERT_TRUE(load(list).ok());
        EXPECT_EQ(list.undefinedType().Sound, c.sound);
        EXPECT_EQ(list.undefinedType().SoundPause, c.pause);
        EXPECT_EQ(list.undefinedType().SoundFile, "bell.wav");
        EXPECT_EQ(list.undefinedType().Colour, static_cast<uint32_t>(c.stored.colour));
        EXPECT_EQ(list.undefinedType().largeIcon, ProgramIcon(kIconUndefinedType, 32));
        // Loading saved nothing new here, so write and read back.
        ASSERT_TRUE(saveTypes(list, folder.path(), settings).ok());
        const UndefinedTypeSettings saved = ReadUndefinedTypeSettings(settings);
        EXPECT_EQ(saved.soundKind, c.sound & 0xFFFF);
        EXPECT_EQ(saved.soundRepeat, c.sound >> 16);
        EXPECT_EQ(saved.soundPause, c.pause);
        EXPECT_EQ(saved.soundFile, "bell.wav");
    }
}

} // namespace
} // namespace zm

namespace zm {
namespace {

TEST(SideFileTest, ALinkedFileIsReplacedWhereTheLinkPoints) {
    sidetest::TempFolder folder;
    const std::string target = folder.file("real.TP0");
    sidetest::WriteBytes(target, {1});
    std::filesystem::create_symlink(target, folder.file("Zantimo.TP0"));
    const std::vector<uint8_t> bytes{7, 8, 9};
    ASSERT_EQ(WriteFileAtomically(folder.file("Zantimo.TP0"), bytes), FileCause::None);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("Zantimo.TP0")));
    EXPECT_EQ(sidetest::ReadBytes(target), bytes);
}

TEST(SideFileTest, PathsJoinTheFolderAndTheName) {
    EXPECT_EQ(SideFilePath("/opt/zm", "Zantimo.TP0"), "/opt/zm/Zantimo.TP0");
    EXPECT_EQ(SideFilePath("/opt/zm/", "Zantimo.TP0"), "/opt/zm/Zantimo.TP0");
    EXPECT_EQ(SideFilePath("", "Zantimo.TP0"), "");
}

} // namespace
} // namespace zm
