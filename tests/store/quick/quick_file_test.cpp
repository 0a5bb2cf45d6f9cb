#include "res/artwork.h"
#include "store/quick/quick_file.h"
#include "store/types/image_list_stream.h"
#include "support/side_file_test_support.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using sidetest::Bytes;
using sidetest::FileExists;
using sidetest::ReadBytes;
using sidetest::TempFolder;
using sidetest::U16At;
using sidetest::U32At;
using sidetest::WriteBytes;

Bytes Header(uint32_t schema, uint32_t count) {
    Bytes b;
    b.Str("ZANTIMOREQUICKEVENTS").Zeros(1).U32(schema).Zeros(20).U32(count);
    b.Zeros(512 - b.v.size());
    return b;
}

void AppendIcons(Bytes& b, size_t n) {
    std::vector<IconImage> icons(n, ProgramIcon(kIconNewEntry, 16));
    ArchiveWriter w;
    WriteImageListStream(w, 16, icons);
    b.Raw(w.Data());
}

void AppendRecordV1(Bytes& b, const std::string& menu) {
    b.U32(0x43217865).U32(0x0001000A).U32(0x00010002);
    b.U8(4).Str("Call").U8(static_cast<uint8_t>(menu.size())).Str(menu).U8(2).Str("Hi").U8(0);
}

QuickList SampleList() {
    QuickList list;
    QuickReminder a;
    a.offset = TimeAmount(0x00010002);
    a.sound = 0x00010002;
    a.soundPause = 0x00010005;
    a.typeName = "Call";
    a.menuName = "Call back in 2 hours";
    a.eventName = "Ring Anna – about the café";
    a.soundFile = "/sounds/phone.wav";
    list.Add(a, PredefinedTypeIcon(4, 16));
    QuickReminder b;
    b.menuName = "Tea";
    list.AddWithDefaultIcon(b);
    return list;
}

TEST(QuickFileTest, AnEmptyListIsWrittenAsHeaderAndImageListOnly) {
    const std::vector<uint8_t> f = SerializeQuickFile(QuickList{});
    EXPECT_EQ(std::string(f.begin(), f.begin() + 20), "ZANTIMOREQUICKEVENTS");
    EXPECT_EQ(f[20], 0);
    EXPECT_EQ(U32At(f, 21), 2u);
    EXPECT_EQ(U32At(f, 45), 0u);
    // Then an empty image list (one blank row of four 16-pixel cells) and no records.
    EXPECT_EQ(f[512], 'I');
    EXPECT_EQ(U16At(f, 512 + 4), 0);
    EXPECT_EQ(f.size(), 512u + 28 + (54 + 64 * 3 * 16) + (62 + 8 * 16));
}

TEST(QuickFileTest, FirstStartWritesTheStarterEntries) {
    TempFolder folder;
    QuickList list;
    const SideFileOutcome r = LoadQuickReminders(list, folder.Path());
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.created);
    const std::vector<uint8_t> f = ReadBytes(folder.File("Zantimo.QE0"));
    EXPECT_EQ(f, SerializeQuickFile(list));
    EXPECT_EQ(U32At(f, 45), 5u);

    struct Expected {
        const char* menuName;
        TimeAmount offset;
    };
    const Expected expected[] = {
        {"In 1 hour", TimeAmount(0x10001)},
        {"In 15 minutes", TimeAmount(15)},
        {"In 30 minutes", TimeAmount(30)},
        {"In 5 minutes", TimeAmount(5)},
        {"Tomorrow, same time", TimeAmount(0x20001)},
    };
    ASSERT_EQ(list.Count(), std::size(expected));
    ASSERT_EQ(list.Icons().size(), std::size(expected));
    for (size_t i = 0; i < list.Count(); ++i) {
        const QuickReminder& q = *list.At(i);
        EXPECT_EQ(q.menuName, expected[i].menuName);
        EXPECT_EQ(q.offset, expected[i].offset) << q.menuName;
        EXPECT_EQ(q.eventName, "Reminder");
        EXPECT_EQ(q.typeName, "Alarm");
        EXPECT_EQ(q.sound, 0x00010001u); // the default beep, repeated
        EXPECT_EQ(q.soundPause, 30u);
    }

    // A list the user emptied stays empty at the next start.
    list.Clear();
    ASSERT_TRUE(SaveQuickReminders(list, folder.Path()).Ok());
    QuickList again;
    const SideFileOutcome second = LoadQuickReminders(again, folder.Path());
    ASSERT_TRUE(second.Ok());
    EXPECT_FALSE(second.created);
    EXPECT_EQ(again.Count(), 0u);
}

TEST(QuickFileTest, RecordsAreWrittenByteForByte) {
    QuickList list;
    QuickReminder q;
    q.offset = TimeAmount(15);
    q.sound = 1;
    q.soundPause = 0x1E;
    q.typeName = "Alarm";
    q.menuName = "Soon";
    q.eventName = "Tea";
    list.Add(q, {});
    const std::vector<uint8_t> f = SerializeQuickFile(list);
    const size_t records = 512 + 28 + (54 + 64 * 3 * 16) + (62 + 8 * 16);
    Bytes expected;
    expected.U32(0x43217865).U32(15).U32(1).U8(5).Str("Alarm").U8(4).Str("Soon");
    expected.U8(3).Str("Tea").U8(0).U32(0x1E);
    EXPECT_EQ(std::vector<uint8_t>(f.begin() + records, f.end()), expected.v);
    EXPECT_EQ(U32At(f, 45), 1u);
}

TEST(QuickFileTest, SaveAndLoadKeepEveryField) {
    TempFolder folder;
    const QuickList list = SampleList();
    ASSERT_TRUE(SaveQuickReminders(list, folder.Path()).Ok());
    QuickList loaded;
    const SideFileOutcome r = LoadQuickReminders(loaded, folder.Path());
    ASSERT_TRUE(r.Ok());
    EXPECT_FALSE(r.created);
    EXPECT_EQ(loaded.Entries(), list.Entries());
    EXPECT_EQ(loaded.Icons(), list.Icons());
}

TEST(QuickFileTest, IconCountDifferentFromTheHeaderEmptiesTheList) {
    TempFolder folder;
    Bytes b = Header(2, 4);
    AppendIcons(b, 3);
    for (int i = 0; i < 4; ++i) {
        AppendRecordV1(b, "Entry " + std::to_string(i));
        b.U32(30);
    }
    WriteBytes(folder.File("Zantimo.QE0"), b.v);
    QuickList list = SampleList();
    const SideFileOutcome r = LoadQuickReminders(list, folder.Path());
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.replaced);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.Icons().size(), 0u);
    EXPECT_EQ(ReadBytes(r.keptAs), b.v);
    EXPECT_EQ(U32At(ReadBytes(folder.File("Zantimo.QE0")), 45), 0u);
}

TEST(QuickFileTest, SchemaOneKeepsThirtySecondPausesAndIsSavedAsSchemaTwo) {
    TempFolder folder;
    Bytes b = Header(1, 2);
    AppendIcons(b, 2);
    AppendRecordV1(b, "A");
    AppendRecordV1(b, "B");
    WriteBytes(folder.File("Zantimo.QE0"), b.v);
    QuickList list;
    ASSERT_TRUE(LoadQuickReminders(list, folder.Path()).Ok());
    ASSERT_EQ(list.Count(), 2u);
    for (const QuickReminder& q : list.Entries()) {
        EXPECT_EQ(q.soundPause, 30u);
        EXPECT_EQ(q.offset.word, 0x0001000Au);
        EXPECT_EQ(q.sound, 0x00010002u);
        EXPECT_EQ(q.typeName, "Call");
        EXPECT_EQ(q.eventName, "Hi");
    }
    ASSERT_TRUE(SaveQuickReminders(list, folder.Path()).Ok());
    EXPECT_EQ(U32At(ReadBytes(folder.File("Zantimo.QE0")), 21), 2u);
}

TEST(QuickFileTest, FilesNotWrittenByTheProgramAreRefused) {
    auto file = [](uint32_t schema, uint32_t count, uint32_t tag, uint32_t nameLength) {
        Bytes b = Header(schema, count);
        AppendIcons(b, count);
        for (uint32_t i = 0; i < count; ++i) {
            b.U32(tag).U32(15).U32(0).U8(0).U8(0xFF).U16(0xFFFF).U32(nameLength).Str("M");
            b.U8(0).U8(0).U32(30);
        }
        return b.v;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool readable;
    } cases[] = {
        {"well formed", file(2, 1, 0x43217865, 1), true},
        {"26 entries", file(2, 26, 0x43217865, 1), false},
        {"wrong tag", file(2, 1, 0x43217866, 1), false},
        {"menu name asking for 4 GiB", file(2, 1, 0x43217865, 0xFFFFFFF0u), false},
        {"schema 3", file(3, 1, 0x43217865, 1), false},
        {"short header", std::vector<uint8_t>(511, 0), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QuickFileContent out;
        EXPECT_EQ(ParseQuickFile(c.bytes, out), c.readable);
    }
}

TEST(QuickFileTest, EveryShortenedFileIsUnreadable) {
    const std::vector<uint8_t> whole = SerializeQuickFile(SampleList());
    QuickFileContent out;
    ASSERT_TRUE(ParseQuickFile(whole, out));
    for (size_t n = 0; n < whole.size(); ++n)
        ASSERT_FALSE(ParseQuickFile(std::span<const uint8_t>(whole.data(), n), out)) << n;
}

TEST(QuickFileTest, AFileCutShortByACrashIsKeptAndReplaced) {
    const std::vector<uint8_t> whole = SerializeQuickFile(SampleList());
    for (size_t n : {size_t{0}, size_t{20}, size_t{512}, whole.size() / 2, whole.size() - 1}) {
        SCOPED_TRACE(n);
        TempFolder folder;
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(n));
        WriteBytes(folder.File("Zantimo.QE0"), cut);
        QuickList list = SampleList();
        const SideFileOutcome r = LoadQuickReminders(list, folder.Path());
        ASSERT_TRUE(r.Ok());
        EXPECT_TRUE(r.replaced);
        EXPECT_EQ(r.keptAs, folder.File("Zantimo.QE0.bak"));
        EXPECT_EQ(ReadBytes(r.keptAs), cut);
        EXPECT_EQ(list.Count(), 0u);
        EXPECT_FALSE(FileExists(folder.File("Zantimo.QE0.new")));
    }
}

TEST(QuickFileTest, UnknownFolderFails) {
    QuickList list;
    EXPECT_EQ(LoadQuickReminders(list, "").cause, FileCause::BadPath);
}

} // namespace
} // namespace zm
