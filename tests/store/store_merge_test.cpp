// Merging library files into the open one: duplicate modes, the event layouts of the old
// versions, and old files that lie about their lengths.

#include "store/library/event_library.h"
#include "store/library/event_serializer.h"
#include "store/library/old_library_layouts.h"
#include "store/text/text_codec.h"
#include "support/old_library_builder.h"
#include "support/store_fixture.h"

namespace zm::testing {
namespace {

const std::string kImport = "/prog/import.VR0";

class Merge : public StoreTest {
protected:
    void SetUp() override { OpenEmpty(); }

    // A current-version file of the given events, which keep their ids.
    void PutCurrentFile(std::vector<EventRecord> events) {
        auto bytes = std::make_shared<FileBytes>();
        EventLibrary lib;
        ASSERT_EQ(lib.CreateFile(std::make_unique<MemoryFile>(bytes)), LibraryResult::Ok);
        for (EventRecord& e : events)
            ASSERT_EQ(lib.AddEvent(e), LibraryResult::Ok);
        lib.Close();
        fs_.files[kImport] = bytes;
    }

    std::vector<EventRecord> Stored() const {
        std::vector<EventRecord> all;
        EXPECT_EQ(store_.ForEachStored([&](uint16_t key) {
            all.push_back(Read(key));
            return LibraryResult::Ok;
        }),
                  LibraryResult::Ok);
        return all;
    }

    // Merges one old-layout event and gives what was stored.
    EventRecord MergeOld(uint32_t version, const OldEvent& e) {
        BlockFileBuilder b(version);
        b.PutChain(1, e.Bytes(version));
        fs_.Put(kImport, b.Bytes());
        EXPECT_EQ(store_.MergeLibraryFile(kImport, false, DuplicateMode::None), LibraryResult::Ok);
        const std::vector<EventRecord> all = Stored();
        EXPECT_EQ(all.size(), 1u);
        return all.empty() ? EventRecord() : all.back();
    }
};

EventRecord Named(const std::string& name, uint32_t id) {
    EventRecord e = OneTime(At(2024, 3, 12, 9, 0));
    e.name = name;
    e.id = id;
    return e;
}

TEST_F(Merge, TheSameFileTwiceWithSkipAddsNothingTheSecondTime) {
    PutCurrentFile({Named("a", 11), Named("b", 12)});
    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    ASSERT_EQ(Stored().size(), 2u);
    EXPECT_EQ(Stored()[0].id, 11u); // a current file's ids are kept
    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_EQ(Stored().size(), 2u);
    EXPECT_EQ(store_.LastMergeCounts().added, 0);
    EXPECT_EQ(store_.LastMergeCounts().skipped, 2);
}

TEST_F(Merge, ReplaceRewritesEachDuplicateWithANewKeyAndItsId) {
    PutCurrentFile({Named("a", 11), Named("b", 12)});
    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::None), LibraryResult::Ok);
    EventRecord changed = Stored()[0];
    changed.notes = "changed here";
    ASSERT_EQ(store_.StoreChanged(changed), LibraryResult::Ok);
    const std::vector<EventRecord> before = Stored();

    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::Replace), LibraryResult::Ok);
    EXPECT_EQ(store_.LastMergeCounts().replaced, 2);
    EXPECT_EQ(store_.LastMergeCounts().added, 0);
    const std::vector<EventRecord> after = Stored();
    ASSERT_EQ(after.size(), 2u);
    for (const EventRecord& old : before) {
        const auto now = std::find_if(after.begin(), after.end(),
                                      [&](const EventRecord& e) { return e.id == old.id; });
        ASSERT_NE(now, after.end());
        EXPECT_NE(now->key, old.key);
        EXPECT_EQ(now->notes, ""); // the imported copy replaced the stored one
    }
}

// "Replace duplicates with items imported": each stored event is replaced by one imported
// item; a second item with the same id is an item of its own.
TEST_F(Merge, ReplaceConsumesEachStoredEventOnce) {
    PutCurrentFile({Named("a", 11)});
    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::None), LibraryResult::Ok);
    PutCurrentFile({Named("first", 11), Named("second", 11)});
    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::Replace), LibraryResult::Ok);
    const std::vector<EventRecord> all = Stored();
    ASSERT_EQ(all.size(), 2u);
    std::vector<std::string> names = {all[0].name, all[1].name};
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"first", "second"}));
}

TEST_F(Merge, OldFilesAreMatchedByContent) {
    BlockFileBuilder b(0x00020003);
    OldEvent e;
    b.PutChain(1, e.Bytes(0x00020003));
    fs_.Put(kImport, b.Bytes());
    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_EQ(Stored().size(), 1u);
    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::Replace), LibraryResult::Ok);
    EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(Merge, MergingWithReloadRebuildsThePendingList) {
    EventRecord today = Named("today", 1);
    today.start = At(2024, 3, 11, 17, 0);
    PutCurrentFile({today, Named("tomorrow", 2)});
    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_TRUE(store_.Pending().LimitSet());
    EXPECT_EQ(store_.Pending().Size(), 1u);
}

struct OldLayoutCase {
    uint32_t version;
    uint32_t snoozeWord;
    uint32_t typeCode;
    TimeAmount snoozeChoice;
    TimeAmount duration;
    const char* typeName;
};

class OldLayout : public Merge, public ::testing::WithParamInterface<OldLayoutCase> {};

TEST_P(OldLayout, MapsEveryField) {
    const OldLayoutCase& c = GetParam();
    OldEvent old;
    old.flags = kCustomSound | kSkipWhenOver;
    old.typeCode = c.typeCode;
    old.advanceUnit = 1;
    old.advanceCount = 2;
    old.pattern = kWeekly | kMonday;
    old.param = 1;
    old.snoozeUntil = 45362.5;
    old.lastShown = 45355.25;
    old.snooze = c.snoozeWord;
    old.sound = 0x10002;
    old.durationUnit = 0;
    old.durationCount = 45;
    old.name = "Gr\xfc\xdf"
               "e"; // Windows-1252
    old.notes = "notes";
    old.soundFile = "C:\\bell.wav";
    const EventRecord e = MergeOld(c.version, old);
    EXPECT_EQ(e.flags, kCustomSound | kSkipWhenOver | kRecurring);
    EXPECT_EQ(e.typeName, c.typeName);
    EXPECT_EQ(e.advance, TimeAmount(0x00010002));
    EXPECT_EQ(e.pattern, kWeekly | kMonday);
    EXPECT_EQ(e.patternParam, 1u);
    EXPECT_EQ(e.start, At(2024, 3, 11, 9, 0));
    EXPECT_EQ(e.snoozeUntil, At(2024, 3, 11, 12, 0));
    EXPECT_EQ(e.lastShown, At(2024, 3, 4, 6, 0));
    EXPECT_EQ(e.snoozeChoice, c.snoozeChoice);
    EXPECT_EQ(e.sound, 0x10002u);
    EXPECT_EQ(e.duration, c.duration);
    EXPECT_EQ(e.name, "Gr\u00fc\u00dfe");
    EXPECT_EQ(e.notes, "notes");
    EXPECT_EQ(e.soundFile, "C:\\bell.wav");
    EXPECT_NE(e.id, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, OldLayout,
    ::testing::Values(
        // 0x00020002: snooze codes; anniversaries and birthdays last a day.
        OldLayoutCase{0x00020002, 4, 1, TimeAmount(0x00010001), TimeAmount(0x00020001),
                      "Anniversary"},
        OldLayoutCase{0x00020002, 12, 5, TimeAmount(0x00030001), TimeAmount(30), "Meeting"},
        OldLayoutCase{0x00020002, 99, 3, TimeAmount(5), TimeAmount(30), "Call"},
        OldLayoutCase{0x00020003, 0x00010003, 2, TimeAmount(0x00010003), TimeAmount(0x00020001),
                      "Birthday"},
        OldLayoutCase{0x00020003, 7, 77, TimeAmount(7), TimeAmount(30), "Alarm"},
        // 0x00020004 stores the duration.
        OldLayoutCase{0x00020004, 20, 1, TimeAmount(20), TimeAmount(45), "Anniversary"},
        OldLayoutCase{0x00020004, 20, 4, TimeAmount(20), TimeAmount(45), "Holiday"}));

TEST_F(Merge, OldFlagsThatNameMissingFieldsAreDropped) {
    OldEvent old;
    old.flags = kRecurring | kHasEnd | kAccepted | 0x10000; // no pattern, no end date
    const EventRecord e = MergeOld(0x00020004, old);
    EXPECT_EQ(e.flags, kAccepted);
    EXPECT_FALSE(e.IsRecurring());
}

// The chain named by index entry 0 holds the quick reminders, never an event, even where the
// index marks its first block as one.
TEST_F(Merge, TheQuickReminderChainIsNeverReadAsAnEvent) {
    BlockFileBuilder b(0x00020002);
    b.SetEntry(0, 1);
    b.PutChain(1, OldQuickRecord({OldQuick{}, OldQuick{1, 2, "Nap", "Wake up"}}), true);
    b.PutChain(2, OldEvent{}.Bytes(0x00020002));
    fs_.Put(kImport, b.Bytes());
    ASSERT_EQ(store_.MergeLibraryFile(kImport, false, DuplicateMode::None), LibraryResult::Ok);
    EXPECT_EQ(Stored().size(), 1u);
    EXPECT_EQ(prompts_.quick,
              (std::vector<OldQuickReminder>{{"Tea", "Tea is ready", TimeAmount(15)},
                                             {"Nap", "Wake up", TimeAmount(0x10002)}}));
}

TEST_F(Merge, ImportingAnOldFileTakesOverNoQuickReminders) {
    BlockFileBuilder b(0x00020002);
    b.SetEntry(0, 1);
    b.PutChain(1, OldQuickRecord({OldQuick{}}), false);
    fs_.Put(kImport, b.Bytes());
    ASSERT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_TRUE(prompts_.quick.empty());
}

TEST(OldQuickRecord, EndsQuietlyAtAWrongMagicOrAShortRecord) {
    FileBytes bytes = OldQuickRecord({OldQuick{}, OldQuick{}, OldQuick{}});
    // The record header (12 bytes), then the first entry: 16 bytes and its three texts.
    bytes[12 + 16 + (4 + 4) + (4 + 13) + (4 + 1)] = 0; // the second entry's magic
    MemoryStream in;
    in.Write(bytes.data(), bytes.size());
    EXPECT_EQ(ReadOldQuickRecord(in).size(), 1u);

    FileBytes huge = OldQuickRecord({OldQuick{}});
    PutLe32(&huge[8], 0xFFFFFFFF); // a count far beyond the data
    MemoryStream in2;
    in2.Write(huge.data(), huge.size());
    EXPECT_EQ(ReadOldQuickRecord(in2).size(), 1u);
}

// Each of these lies about a length: the event is Corrupted and ends the merge, without
// allocating what the length asks for.
TEST_F(Merge, OldRecordsWithImpossibleLengthsAreCorrupt) {
    const FileBytes good = OldEvent{}.Bytes(0x00020003);
    std::vector<FileBytes> bad;
    bad.push_back(good);
    PutLe32(&bad.back()[4], 257); // longer than its one block
    bad.push_back(good);
    PutLe32(&bad.back()[124], 0xFFFFFFF0); // the name's count
    bad.push_back(good);
    PutLe32(&bad.back()[0], 0x034A424E); // the record magic
    bad.push_back(good);
    bad.back().resize(256, 0);
    PutLe32(&bad.back()[4], 256);
    PutLe32(&bad.back()[good.size() - 5], 200); // the sound file's count runs past the block
    for (const FileBytes& record : bad) {
        BlockFileBuilder b(0x00020003);
        b.PutChain(1, good);
        b.PutChain(2, record);
        b.PutChain(3, good);
        fs_.Put(kImport, b.Bytes());
        store_.Close();
        fs_.files.erase(kLibraryPath);
        OpenEmpty();
        EXPECT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::None),
                  LibraryResult::Corrupted);
        EXPECT_EQ(Stored().size(), 1u);
    }
}

TEST_F(Merge, FirstFormatEventsAndQuickReminders) {
    FirstFormatBuilder b;
    b.PutEvent(1, kCustomSound, 45362.375, 1, 2, "Wedding day"); // weekly, Monday 11 March
    b.PutEvent(2, 0, 45366.5, 3, 3, "Pay rent");                 // monthly on the 15th
    b.PutOther(3);
    b.PutEvent(40, 0, 45362.375, 9, 1, "Daily", 45361.375); // in the second bitmap word
    b.PutEvent(41, 0, 45362.375, 5, 4, "Yearly", 0, false); // not marked used: skipped
    b.PutQuick(0, 0, 90.0 / 1440, "Tea", "Tea is ready");
    b.PutQuick(1, 1, 2.0 / 24, "Nap", "Wake up");
    b.PutQuick(2, 2, 3.0, "Later", "");
    b.PutQuick(3, 7, 1.0, "Odd unit", ""); // not a unit the delay can be given in
    fs_.Put(kImport, b.Bytes());
    ASSERT_EQ(store_.MergeLibraryFile(kImport, false, DuplicateMode::None), LibraryResult::Ok);

    const std::vector<EventRecord> all = Stored();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].name, "Wedding day");
    EXPECT_EQ(all[0].notes, "Wedding day");
    EXPECT_EQ(all[0].typeName, "Anniversary");
    EXPECT_EQ(all[0].duration, TimeAmount(0x00020001));
    EXPECT_EQ(all[0].flags, kCustomSound | kRecurring);
    EXPECT_EQ(all[0].pattern, kWeekly | kMonday);
    EXPECT_EQ(all[1].typeName, "Call");
    EXPECT_EQ(all[1].pattern, kMonthlyDay);
    EXPECT_EQ(all[1].patternParam, MonthlyParam(15, 1));
    EXPECT_EQ(all[2].typeName, "Alarm");
    EXPECT_EQ(all[2].pattern, kDaily);
    EXPECT_EQ(all[2].lastShown, At(2024, 3, 10, 9, 0));
    EXPECT_EQ(prompts_.quick,
              (std::vector<OldQuickReminder>{{"Tea", "Tea is ready", TimeAmount(90)},
                                             {"Nap", "Wake up", TimeAmount(0x10002)},
                                             {"Later", "", TimeAmount(0x20003)}}));
}

TEST_F(Merge, AFirstFormatBlockMarkedUsedPastTheEndIsCorrupt) {
    FirstFormatBuilder b;
    b.PutEvent(1, 0, 45362.375, 0, 0, "a");
    b.MarkUsed(8191);
    fs_.Put(kImport, b.Bytes());
    EXPECT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::None),
              LibraryResult::Corrupted);

    FirstFormatBuilder shortFile;
    shortFile.Bytes().resize(2000);
    fs_.Put(kImport, shortFile.Bytes());
    EXPECT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::None),
              LibraryResult::Corrupted);
}

// Texts of a Windows file grow when kept as UTF-8: an event that no longer fits a chain is
// shortened instead of ending the conversion.
TEST_F(Merge, AnEventThatGrowsBeyondAChainIsShortened) {
    OldEvent old;
    old.notes = std::string(4900, '\xe4'); // 4900 bytes here, 9800 as UTF-8
    BlockFileBuilder b(0x00020004);
    b.PutChain(1, old.Bytes(0x00020004));
    fs_.Put(kImport, b.Bytes());
    ASSERT_EQ(store_.MergeLibraryFile(kImport, false, DuplicateMode::None), LibraryResult::Ok);
    const EventRecord e = Stored().at(0);
    EXPECT_LE(SerializedSize(e), 5120u);
    EXPECT_GT(e.notes.size(), 4000u);
    EXPECT_TRUE(IsValidUtf8(e.notes));
    EXPECT_EQ(store_.LastMergeCounts().added, 1);
    EXPECT_EQ(store_.LastMergeCounts().shortened, 1);
    EXPECT_EQ(store_.LastMergeCounts().shortenedKeys, std::vector<uint16_t>{e.key});
}

TEST_F(Merge, AFileThatCannotBeOpenedShowsTheFileErrorBox) {
    EXPECT_EQ(store_.MergeLibraryFile("/prog/none.VR0", true, DuplicateMode::Skip),
              LibraryResult::OpenFailed);
    EXPECT_EQ(prompts_.fileErrors,
              std::vector<std::string>{"The system cannot find the file specified.\n"
                                       "/prog/none.VR0"});
    fs_.Put(kImport, FileBytes(300, 'x'));
    EXPECT_EQ(store_.MergeLibraryFile(kImport, true, DuplicateMode::Skip),
              LibraryResult::BadFormat);
}

} // namespace
} // namespace zm::testing
