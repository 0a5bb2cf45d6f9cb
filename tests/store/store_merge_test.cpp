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
    void SetUp() override { openEmpty(); }

    // A current-version file of the given events, which keep their ids.
    void putCurrentFile(std::vector<EventRecord> events) {
        auto bytes = std::make_shared<FileBytes>();
        EventLibrary lib;
        ASSERT_EQ(lib.createFile(std::make_unique<MemoryFile>(bytes)), LibraryResult::Ok);
        for (EventRecord& e : events)
            ASSERT_EQ(lib.addEvent(e), LibraryResult::Ok);
        lib.close();
        fs.files[kImport] = bytes;
    }

    std::vector<EventRecord> stored() const {
        std::vector<EventRecord> all;
        EXPECT_EQ(store.forEachStored([&](uint16_t key) {
            all.push_back(read(key));
            return LibraryResult::Ok;
        }),
                  LibraryResult::Ok);
        return all;
    }

    // Merges one old-layout event and gives what was stored.
    EventRecord mergeOld(uint32_t version, const OldEvent& e) {
        BlockFileBuilder b(version);
        b.putChain(1, e.bytes(version));
        fs.put(kImport, b.bytes());
        EXPECT_EQ(store.mergeLibraryFile(kImport, false, DuplicateMode::None), LibraryResult::Ok);
        const std::vector<EventRecord> all = stored();
        EXPECT_EQ(all.size(), 1u);
        return all.empty() ? EventRecord() : all.back();
    }
};

EventRecord Named(const std::string& name, uint32_t id) {
    EventRecord e = OneTime(At(2024, 3, 12, 9, 0));
    e.Name = name;
    e.Id = id;
    return e;
}

TEST_F(Merge, TheSameFileTwiceWithSkipAddsNothingTheSecondTime) {
    putCurrentFile({Named("a", 11), Named("b", 12)});
    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    ASSERT_EQ(stored().size(), 2u);
    EXPECT_EQ(stored()[0].Id, 11u); // a current file's ids are kept
    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_EQ(stored().size(), 2u);
    EXPECT_EQ(store.lastMergeCounts().added, 0);
    EXPECT_EQ(store.lastMergeCounts().skipped, 2);
}

TEST_F(Merge, ReplaceRewritesEachDuplicateWithANewKeyAndItsId) {
    putCurrentFile({Named("a", 11), Named("b", 12)});
    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::None), LibraryResult::Ok);
    EventRecord changed = stored()[0];
    changed.Notes = "changed here";
    ASSERT_EQ(store.storeChanged(changed), LibraryResult::Ok);
    const std::vector<EventRecord> before = stored();

    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::Replace), LibraryResult::Ok);
    EXPECT_EQ(store.lastMergeCounts().replaced, 2);
    EXPECT_EQ(store.lastMergeCounts().added, 0);
    const std::vector<EventRecord> after = stored();
    ASSERT_EQ(after.size(), 2u);
    for (const EventRecord& old : before) {
        const auto now = std::find_if(after.begin(), after.end(),
                                      [&](const EventRecord& e) { return e.Id == old.Id; });
        ASSERT_NE(now, after.end());
        EXPECT_NE(now->Key, old.Key);
        EXPECT_EQ(now->Notes, ""); // the imported copy replaced the stored one
    }
}

// "Replace duplicates with items imported": each stored event is replaced by one imported
// item; a second item with the same id is an item of its own.
TEST_F(Merge, ReplaceConsumesEachStoredEventOnce) {
    putCurrentFile({Named("a", 11)});
    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::None), LibraryResult::Ok);
    putCurrentFile({Named("first", 11), Named("second", 11)});
    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::Replace), LibraryResult::Ok);
    const std::vector<EventRecord> all = stored();
    ASSERT_EQ(all.size(), 2u);
    std::vector<std::string> names = {all[0].Name, all[1].Name};
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"first", "second"}));
}

TEST_F(Merge, OldFilesAreMatchedByContent) {
    BlockFileBuilder b(0x00020003);
    OldEvent e;
    b.putChain(1, e.bytes(0x00020003));
    fs.put(kImport, b.bytes());
    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_EQ(stored().size(), 1u);
    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::Replace), LibraryResult::Ok);
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(Merge, MergingWithReloadRebuildsThePendingList) {
    EventRecord today = Named("today", 1);
    today.Start = At(2024, 3, 11, 17, 0);
    putCurrentFile({today, Named("tomorrow", 2)});
    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_TRUE(store.pending().limitSet());
    EXPECT_EQ(store.pending().size(), 1u);
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
    const EventRecord e = mergeOld(c.version, old);
    EXPECT_EQ(e.Flags, kCustomSound | kSkipWhenOver | kRecurring);
    EXPECT_EQ(e.TypeName, c.typeName);
    EXPECT_EQ(e.Advance, TimeAmount(0x00010002));
    EXPECT_EQ(e.Pattern, kWeekly | kMonday);
    EXPECT_EQ(e.PatternParam, 1u);
    EXPECT_EQ(e.Start, At(2024, 3, 11, 9, 0));
    EXPECT_EQ(e.SnoozeUntil, At(2024, 3, 11, 12, 0));
    EXPECT_EQ(e.LastShown, At(2024, 3, 4, 6, 0));
    EXPECT_EQ(e.SnoozeChoice, c.snoozeChoice);
    EXPECT_EQ(e.Sound, 0x10002u);
    EXPECT_EQ(e.Duration, c.duration);
    EXPECT_EQ(e.Name, "Gr\u00fc\u00dfe");
    EXPECT_EQ(e.Notes, "notes");
    EXPECT_EQ(e.SoundFile, "C:\\bell.wav");
    EXPECT_NE(e.Id, 0u);
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
    const EventRecord e = mergeOld(0x00020004, old);
    EXPECT_EQ(e.Flags, kAccepted);
    EXPECT_FALSE(e.IsRecurring());
}

// The chain named by index entry 0 holds the quick reminders, never an event, even where the
// index marks its first block as one.
TEST_F(Merge, TheQuickReminderChainIsNeverReadAsAnEvent) {
    BlockFileBuilder b(0x00020002);
    b.setEntry(0, 1);
    b.putChain(1, OldQuickRecord({OldQuick{}, OldQuick{1, 2, "Nap", "Wake up"}}), true);
    b.putChain(2, OldEvent{}.bytes(0x00020002));
    fs.put(kImport, b.bytes());
    ASSERT_EQ(store.mergeLibraryFile(kImport, false, DuplicateMode::None), LibraryResult::Ok);
    EXPECT_EQ(stored().size(), 1u);
    EXPECT_EQ(prompts.quick,
              (std::vector<OldQuickReminder>{{"Tea", "Tea is ready", TimeAmount(15)},
                                             {"Nap", "Wake up", TimeAmount(0x10002)}}));
}

TEST_F(Merge, ImportingAnOldFileTakesOverNoQuickReminders) {
    BlockFileBuilder b(0x00020002);
    b.setEntry(0, 1);
    b.putChain(1, OldQuickRecord({OldQuick{}}), false);
    fs.put(kImport, b.bytes());
    ASSERT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::Ok);
    EXPECT_TRUE(prompts.quick.empty());
}

TEST(OldQuickRecord, EndsQuietlyAtAWrongMagicOrAShortRecord) {
    FileBytes bytes = OldQuickRecord({OldQuick{}, OldQuick{}, OldQuick{}});
    // The record header (12 bytes), then the first entry: 16 bytes and its three texts.
    bytes[12 + 16 + (4 + 4) + (4 + 13) + (4 + 1)] = 0; // the second entry's magic
    MemoryStream in;
    in.write(bytes.data(), bytes.size());
    EXPECT_EQ(ReadOldQuickRecord(in).size(), 1u);

    FileBytes huge = OldQuickRecord({OldQuick{}});
    PutLe32(&huge[8], 0xFFFFFFFF); // a count far beyond the data
    MemoryStream in2;
    in2.write(huge.data(), huge.size());
    EXPECT_EQ(ReadOldQuickRecord(in2).size(), 1u);
}

// Each of these lies about a length: the event is Corrupted and ends the merge, without
// allocating what the length asks for.
TEST_F(Merge, OldRecordsWithImpossibleLengthsAreCorrupt) {
    const FileBytes good = OldEvent{}.bytes(0x00020003);
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
        b.putChain(1, good);
        b.putChain(2, record);
        b.putChain(3, good);
        fs.put(kImport, b.bytes());
        store.close();
        fs.files.erase(kLibraryPath);
        openEmpty();
        EXPECT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::None),
                  LibraryResult::Corrupted);
        EXPECT_EQ(stored().size(), 1u);
    }
}

TEST_F(Merge, FirstFormatEventsAndQuickReminders) {
    FirstFormatBuilder b;
    b.putEvent(1, kCustomSound, 45362.375, 1, 2, "Wedding day"); // weekly, Monday 11 March
    b.putEvent(2, 0, 45366.5, 3, 3, "Pay rent");                 // monthly on the 15th
    b.putOther(3);
    b.putEvent(40, 0, 45362.375, 9, 1, "Daily", 45361.375); // in the second bitmap word
    b.putEvent(41, 0, 45362.375, 5, 4, "Yearly", 0, false); // not marked used: skipped
    b.putQuick(0, 0, 90.0 / 1440, "Tea", "Tea is ready");
    b.putQuick(1, 1, 2.0 / 24, "Nap", "Wake up");
    b.putQuick(2, 2, 3.0, "Later", "");
    b.putQuick(3, 7, 1.0, "Odd unit", ""); // not a unit the delay can be given in
    fs.put(kImport, b.bytes());
    ASSERT_EQ(store.mergeLibraryFile(kImport, false, DuplicateMode::None), LibraryResult::Ok);

    const std::vector<EventRecord> all = stored();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].Name, "Wedding day");
    EXPECT_EQ(all[0].Notes, "Wedding day");
    EXPECT_EQ(all[0].TypeName, "Anniversary");
    EXPECT_EQ(all[0].Duration, TimeAmount(0x00020001));
    EXPECT_EQ(all[0].Flags, kCustomSound | kRecurring);
    EXPECT_EQ(all[0].Pattern, kWeekly | kMonday);
    EXPECT_EQ(all[1].TypeName, "Call");
    EXPECT_EQ(all[1].Pattern, kMonthlyDay);
    EXPECT_EQ(all[1].PatternParam, MonthlyParam(15, 1));
    EXPECT_EQ(all[2].TypeName, "Alarm");
    EXPECT_EQ(all[2].Pattern, kDaily);
    EXPECT_EQ(all[2].LastShown, At(2024, 3, 10, 9, 0));
    EXPECT_EQ(prompts.quick, (std::vector<OldQuickReminder>{{"Tea", "Tea is ready", TimeAmount(90)},
                                                            {"Nap", "Wake up", TimeAmount(0x10002)},
                                                            {"Later", "", TimeAmount(0x20003)}}));
}

TEST_F(Merge, AFirstFormatBlockMarkedUsedPastTheEndIsCorrupt) {
    FirstFormatBuilder b;
    b.putEvent(1, 0, 45362.375, 0, 0, "a");
    b.markUsed(8191);
    fs.put(kImport, b.bytes());
    EXPECT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::None), LibraryResult::Corrupted);

    FirstFormatBuilder shortFile;
    shortFile.bytes().resize(2000);
    fs.put(kImport, shortFile.bytes());
    EXPECT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::None), LibraryResult::Corrupted);
}

// Texts of a Windows file grow when kept as UTF-8: an event that no longer fits a chain is
// shortened instead of ending the conversion.
TEST_F(Merge, AnEventThatGrowsBeyondAChainIsShortened) {
    OldEvent old;
    old.notes = std::string(4900, '\xe4'); // 4900 bytes here, 9800 as UTF-8
    BlockFileBuilder b(0x00020004);
    b.putChain(1, old.bytes(0x00020004));
    fs.put(kImport, b.bytes());
    ASSERT_EQ(store.mergeLibraryFile(kImport, false, DuplicateMode::None), LibraryResult::Ok);
    const EventRecord e = stored().at(0);
    EXPECT_LE(SerializedSize(e), 5120u);
    EXPECT_GT(e.Notes.size(), 4000u);
    EXPECT_TRUE(IsValidUtf8(e.Notes));
    EXPECT_EQ(store.lastMergeCounts().added, 1);
    EXPECT_EQ(store.lastMergeCounts().shortened, 1);
    EXPECT_EQ(store.lastMergeCounts().shortenedKeys, std::vector<uint16_t>{e.Key});
}

TEST_F(Merge, AFileThatCannotBeOpenedShowsTheFileErrorBox) {
    EXPECT_EQ(store.mergeLibraryFile("/prog/none.VR0", true, DuplicateMode::Skip),
              LibraryResult::OpenFailed);
    EXPECT_EQ(prompts.fileErrors,
              std::vector<std::string>{"The system cannot find the file specified.\n"
                                       "/prog/none.VR0"});
    fs.put(kImport, FileBytes(300, 'x'));
    EXPECT_EQ(store.mergeLibraryFile(kImport, true, DuplicateMode::Skip), LibraryResult::BadFormat);
}

} // namespace
} // namespace zm::testing
