#include "platform/memory_settings.h"
#include "res/artwork.h"
#include "store/io/backup_rotation.h"
#include "store/io/side_file.h"
#include "store/types/image_list_stream.h"
#include "store/types/types_file.h"
#include "support/side_file_test_support.h"

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
    b.Str("ZANTIMORETYPES").Zeros(1).U32(schema).Zeros(20).U32(types).U32(filters);
    b.Zeros(512 - b.v.size());
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
    b.Raw(w.Data());
}

// A type record of schema 1 (fields 1-8).
void AppendRecordV1(Bytes& b, const std::string& name, uint32_t flags = 0x02) {
    b.U32(0x78654321).U32(flags).U32(0x0000FF).U32(0x1E).U32(5).U32(0x00010001);
    b.U8(static_cast<uint8_t>(name.size())).Str(name).U8(0);
}

// The rest of a schema-2/3 record (fields 9-14).
void AppendRecordTail(Bytes& b, uint32_t soundPause) {
    b.U32(0x0000FF).U32(0xBCFFFF).Zeros(60).U32(0x00090000).U32(soundPause).Zeros(56);
}

TypeList SampleList() {
    TypeList list;
    EventType a;
    a.name = "Zürich office";
    a.flags = kTypeCustomColours | kTypeCustomFont | kTypeFixedStartTime | kTypeSkipWhenOver;
    a.colour = 0x123456;
    a.duration = TimeAmount(0x10002);
    a.advance = TimeAmount(0x20003);
    a.sound = 0x00010002;
    a.soundFile = "/home/user/sounds/" + std::string(300, 'x') + ".wav";
    a.textColour = 0xFFFFFF;
    a.backColour = 0x000080;
    for (size_t i = 0; i < a.font.size(); ++i)
        a.font[i] = static_cast<uint8_t>(i * 3);
    a.startTime = 0x0008001E;
    a.soundPause = 0x00020005;
    list.AddType(a, PredefinedTypeIcon(6, 16), PredefinedTypeIcon(6, 32));
    EventType b;
    b.name = "plain";
    list.AddType(b, PredefinedTypeIcon(2, 16), PredefinedTypeIcon(2, 32));
    list.Filters() = {{1, "Everything", {"Zürich office", "plain"}}, {0, "Empty", {}}};
    return list;
}

void ExpectSameTypes(const TypeList& a, const TypeList& b) {
    EXPECT_EQ(a.Types(), b.Types());
    EXPECT_EQ(a.SmallIcons(), b.SmallIcons());
    EXPECT_EQ(a.LargeIcons(), b.LargeIcons());
    EXPECT_EQ(a.Filters(), b.Filters());
}

class TypesFileTest : public ::testing::Test {
protected:
    std::string Path() const { return folder_.File("Zantimo.TP0"); }
    SideFileOutcome Load(TypeList& list) { return LoadTypes(list, folder_.Path(), settings_); }

    TempFolder folder_;
    MemorySettings settings_;
};

TEST_F(TypesFileTest, FirstStartCreatesThePredefinedTypes) {
    TypeList list;
    const SideFileOutcome r = Load(list);
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.created);
    EXPECT_FALSE(r.replaced);
    ASSERT_EQ(list.TypeCount(), 11u);
    EXPECT_EQ(list.TypeAt(0)->name, "Alarm");
    EXPECT_EQ(list.TypeAt(10)->name, "TV program");

    const std::vector<uint8_t> file = ReadBytes(Path());
    ASSERT_GT(file.size(), 512u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 14), "ZANTIMORETYPES");
    EXPECT_EQ(U32At(file, 15), 3u);
    EXPECT_EQ(U32At(file, 39), 11u);
    EXPECT_EQ(U32At(file, 43), 0u);
    EXPECT_EQ(U32At(file, file.size() - 4), 0u); // no filter records

    TypeList again;
    const SideFileOutcome r2 = Load(again);
    ASSERT_TRUE(r2.Ok());
    EXPECT_FALSE(r2.created);
    ExpectSameTypes(again, list);
}

TEST_F(TypesFileTest, SmallFileIsWrittenByteForByte) {
    TypeList list;
    EventType t;
    t.name = "Gym";
    t.flags = kTypeInFilter | kTypeYearly; // InFilter is not written
    t.colour = 0x00A0B0C0;
    t.duration = TimeAmount(0x10001);
    t.advance = TimeAmount(10);
    t.sound = 2;
    t.soundFile = "b.wav";
    t.textColour = 0x01;
    t.backColour = 0x02;
    t.font[0] = 0xF4; // height -12
    t.font[59] = 0x7A;
    t.startTime = 0x00070000;
    t.soundPause = 0x00000015;
    list.AddType(t, PredefinedTypeIcon(0, 16), PredefinedTypeIcon(0, 32));
    list.Filters() = {{1, "Sport", {"Gym"}}};
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
    record.U32(0x78654321).U32(0x10).U32(0x00A0B0C0).U32(0x10001).U32(10).U32(2);
    record.U8(3).Str("Gym").U8(5).Str("b.wav");
    record.U32(1).U32(2).U8(0xF4).Zeros(58).U8(0x7A).U32(0x00070000).U32(0x15).Zeros(56);
    record.U32(1).U32(1).U8(5).Str("Sport").U32(1).U8(3).Str("Gym");
    EXPECT_EQ(std::vector<uint8_t>(f.begin() + static_cast<ptrdiff_t>(at), f.end()), record.v);
}

TEST_F(TypesFileTest, SaveAndLoadKeepEveryField) {
    const TypeList list = SampleList();
    ASSERT_TRUE(SaveTypes(list, folder_.Path(), settings_).Ok());
    const std::vector<uint8_t> first = ReadBytes(Path());
    TypeList loaded;
    ASSERT_TRUE(Load(loaded).Ok());
    ExpectSameTypes(loaded, list);
    ASSERT_TRUE(SaveTypes(loaded, folder_.Path(), settings_).Ok());
    EXPECT_EQ(ReadBytes(Path()), first);
    EXPECT_FALSE(FileExists(Path() + ".new"));
}

TEST_F(TypesFileTest, ImageListsShorterThanTheTypeCountAreUnreadable) {
    Bytes b = Header(3, 11);
    AppendImageLists(b, 10, 11);
    for (int i = 0; i < 11; ++i) {
        AppendRecordV1(b, "Type " + std::to_string(i));
        AppendRecordTail(b, 30);
    }
    b.U32(0);
    WriteBytes(Path(), b.v);
    TypeList list;
    list.AddType(EventType{}, {}, {});
    const SideFileOutcome r = Load(list);
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.replaced);
    EXPECT_EQ(r.keptAs, Path() + ".bak");
    EXPECT_EQ(ReadBytes(r.keptAs), b.v); // nothing lost
    ASSERT_EQ(list.TypeCount(), 11u);
    EXPECT_EQ(list.TypeAt(0)->name, "Alarm");
    EXPECT_EQ(U32At(ReadBytes(Path()), 39), 11u);
}

TEST_F(TypesFileTest, SchemaOneLoadsWithDefaultsAndIsSavedAsSchemaThree) {
    Bytes b = Header(1, 2);
    AppendImageLists(b, 2, 2);
    AppendRecordV1(b, "Call");
    AppendRecordV1(b, "Old type", 0x03); // with InFilter
    WriteBytes(Path(), b.v);
    TypeList list;
    list.systemColours = {0x0A0B0C, 0xD0E0F0};
    const SideFileOutcome r = Load(list);
    ASSERT_TRUE(r.Ok());
    EXPECT_FALSE(r.replaced);
    ASSERT_EQ(list.TypeCount(), 2u);
    for (const EventType& t : list.Types()) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(t.textColour, 0x0A0B0Cu);
        EXPECT_EQ(t.backColour, 0xD0E0F0u);
        EXPECT_EQ(t.font, LogFontBytes{});
        EXPECT_EQ(t.startTime, 0u);
        EXPECT_EQ(t.soundPause, 30u);
        EXPECT_FALSE(t.Has(kTypeInFilter));
        EXPECT_EQ(t.sound, 0x00010001u);
        EXPECT_EQ(t.advance.word, 5u);
    }
    EXPECT_TRUE(list.Filters().empty());
    ASSERT_TRUE(SaveTypes(list, folder_.Path(), settings_).Ok());
    EXPECT_EQ(U32At(ReadBytes(Path()), 15), 3u);
}

TEST_F(TypesFileTest, SoundPauseZeroReadsAsThirtySeconds) {
    Bytes b = Header(2, 1);
    AppendImageLists(b, 1, 1);
    AppendRecordV1(b, "Quiet");
    AppendRecordTail(b, 0);
    WriteBytes(Path(), b.v);
    TypeList list;
    ASSERT_TRUE(Load(list).Ok());
    ASSERT_EQ(list.TypeCount(), 1u);
    EXPECT_EQ(list.TypeAt(0)->soundPause, 30u);
    EXPECT_EQ(list.TypeAt(0)->startTime, 0x00090000u);
}

TEST_F(TypesFileTest, NamesWrittenOnWindowsAreDecoded) {
    Bytes b = Header(2, 1);
    AppendImageLists(b, 1, 1);
    AppendRecordV1(b, "Caf\xE9");
    AppendRecordTail(b, 30);
    WriteBytes(Path(), b.v);
    TypeList list;
    ASSERT_TRUE(Load(list).Ok());
    EXPECT_EQ(list.TypeAt(0)->name, "Café");
    EXPECT_EQ(list.FindType("CAFÉ"), 0);
}

TEST_F(TypesFileTest, FilesNotWrittenByTheProgramAreRefused) {
    auto typesFile = [](uint32_t schema, uint32_t count, uint32_t filterCount,
                        uint32_t namesInFilter, uint32_t nameLength) {
        Bytes b = Header(schema, count);
        AppendImageLists(b, count, count);
        for (uint32_t i = 0; i < count; ++i) {
            b.U32(0x78654321).U32(0).U32(0).U32(0x1E).U32(0).U32(0);
            b.U8(0xFF).U16(0xFFFF).U32(nameLength).Str("T").U8(0);
            AppendRecordTail(b, 30);
        }
        b.U32(filterCount);
        for (uint32_t i = 0; i < filterCount; ++i) {
            b.U32(0).U8(1).Str("F").U32(namesInFilter);
            for (uint32_t k = 0; k < namesInFilter; ++k)
                b.U8(1).Str("T");
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
        const std::string file = here.File("Zantimo.TP0");
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(n));
        WriteBytes(file, cut);
        TypeList list;
        const SideFileOutcome r = LoadTypes(list, here.Path(), settings_);
        ASSERT_TRUE(r.Ok());
        EXPECT_TRUE(r.replaced);
        EXPECT_EQ(ReadBytes(r.keptAs), cut);
        EXPECT_EQ(list.TypeCount(), 11u);
        TypeList reread;
        EXPECT_FALSE(LoadTypes(reread, here.Path(), settings_).replaced);
        EXPECT_EQ(reread.TypeCount(), 11u);
    }
}

TEST_F(TypesFileTest, TheNewestBackupTakesTheFirstName) {
    WriteBytes(Path(), {1, 2, 3});
    WriteBytes(Path() + ".bak", {9});
    TypeList list;
    const SideFileOutcome r = Load(list);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.keptAs, Path() + ".bak");
    EXPECT_EQ(ReadBytes(Path() + ".bak"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(ReadBytes(Path() + ".bak2"), std::vector<uint8_t>{9});
}

TEST_F(TypesFileTest, WithoutABackupTheUnreadableFileStaysAndTheProgramStarts) {
    WriteBytes(Path(), {1, 2, 3});
    // No backup can be made: every backup name is taken by a folder that is not empty.
    for (int n = 1; n <= kKeptBackups; ++n)
        std::filesystem::create_directories(BackupName(Path(), n) + "/inside");
    TypeList list;
    const SideFileOutcome r = Load(list);
    EXPECT_TRUE(r.Ok());
    EXPECT_TRUE(r.replaced);
    EXPECT_EQ(r.keptAs, Path());
    EXPECT_NE(r.keepCause, FileCause::None);
    EXPECT_EQ(list.TypeCount(), 11u);
    EXPECT_EQ(ReadBytes(Path()), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(TypesFileTest, AFailedSaveLeavesTheOldFileInPlace) {
    // The new file cannot be created: its name is taken by a folder that is not empty.
    std::filesystem::create_directories(Path() + ".new/inside");
    WriteBytes(Path(), {1, 2, 3});
    TypeList list;
    const SideFileOutcome r = Load(list);
    EXPECT_TRUE(r.Ok()); // the program goes on with the predefined types
    EXPECT_EQ(list.TypeCount(), 11u);
    EXPECT_EQ(r.keptAs, Path());
    EXPECT_NE(r.keepCause, FileCause::None);
    EXPECT_EQ(ReadBytes(Path()), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_FALSE(FileExists(Path() + ".bak"));

    // Saving over a good file that cannot be replaced keeps the good file.
    std::filesystem::remove(Path());
    std::filesystem::remove_all(Path() + ".new");
    ASSERT_TRUE(SaveTypes(SampleList(), folder_.Path(), settings_).Ok());
    const std::vector<uint8_t> good = ReadBytes(Path());
    std::filesystem::create_directories(Path() + ".new/inside");
    TypeList predefined;
    predefined.CreatePredefined();
    EXPECT_FALSE(SaveTypes(predefined, folder_.Path(), settings_).Ok());
    EXPECT_EQ(ReadBytes(Path()), good);
}

TEST_F(TypesFileTest, UnknownFolderFails) {
    TypeList list;
    const SideFileOutcome r = LoadTypes(list, "", settings_);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.cause, FileCause::BadPath);
    EXPECT_FALSE(LoadTypes(list, folder_.File("missing/deeper"), settings_).Ok());
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
        WriteUndefinedTypeSettings(settings_, stored);
        TypeList list;
        ASSERT_TRUE(Load(list).Ok());
        EXPECT_EQ(list.UndefinedEntry().sound, c.sound);
        EXPECT_EQ(list.UndefinedEntry().soundPause, c.pause);
        EXPECT_EQ(list.UndefinedEntry().soundFile, "bell.wav");
        EXPECT_EQ(list.UndefinedEntry().colour, static_cast<uint32_t>(c.stored.colour));
        EXPECT_EQ(list.UndefinedEntry().largeIcon, ProgramIcon(kIconUndefinedType, 32));
        // Loading saved nothing new here, so write and read back.
        ASSERT_TRUE(SaveTypes(list, folder_.Path(), settings_).Ok());
        const UndefinedTypeSettings saved = ReadUndefinedTypeSettings(settings_);
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
    const std::string target = folder.File("real.TP0");
    sidetest::WriteBytes(target, {1});
    std::filesystem::create_symlink(target, folder.File("Zantimo.TP0"));
    const std::vector<uint8_t> bytes{7, 8, 9};
    ASSERT_EQ(WriteFileAtomically(folder.File("Zantimo.TP0"), bytes), FileCause::None);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("Zantimo.TP0")));
    EXPECT_EQ(sidetest::ReadBytes(target), bytes);
}

TEST(SideFileTest, PathsJoinTheFolderAndTheName) {
    EXPECT_EQ(SideFilePath("/opt/zm", "Zantimo.TP0"), "/opt/zm/Zantimo.TP0");
    EXPECT_EQ(SideFilePath("/opt/zm/", "Zantimo.TP0"), "/opt/zm/Zantimo.TP0");
    EXPECT_EQ(SideFilePath("", "Zantimo.TP0"), "");
}

} // namespace
} // namespace zm
