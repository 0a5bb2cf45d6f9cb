// Power lost at every moment of a change: whatever reached the disk, the library opens to the
// state before the change or the state after it (an import: the state before plus the events
// of its committed batches), and a reader that takes no lock sees one of them too. A block
// cut short or blocks never committed at the end of the file are slack: no damage to a reader,
// and cut off by the next writer. A disk that fills up during an import leaves the library as
// readable as before.

#include "platform/memory_settings.h"
#include "store/event_store.h"
#include "store/import_export.h"
#include "store/io/memory_file.h"
#include "store/library/library_check.h"
#include "support/event_builders.h"
#include "support/memory_file_system.h"
#include "support/power_loss_disk.h"
#include "support/transfer_fixture.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace zm {
namespace {

using testing::At;

const std::string kFolder = "/prog";
const std::string kPath = "/prog/Zantimo.VR0";
const DateTime kNow = At(2024, 3, 11, 8, 0);

// The events of a library, each as a line, sorted.
using Snapshot = std::vector<std::string>;

Snapshot EventsOf(const EventStore& store) {
    Snapshot lines;
    const LibraryResult rc = store.ForEachStored([&](uint16_t key) {
        const ReadResult<EventRecord> read = store.ReadStored(key);
        if (!read.Ok()) return read.Code();
        const EventRecord& e = read.Value();
        lines.push_back(std::to_string(e.id) + " " + e.name + " " +
                        std::to_string(e.snoozeUntil.ToOle()) + " " + std::to_string(e.flags));
        return LibraryResult::Ok;
    });
    EXPECT_EQ(rc, LibraryResult::Ok);
    std::sort(lines.begin(), lines.end());
    return lines;
}

StoreSetup SetupOn(StoreFileSystem& files) {
    return StoreSetup{&files, [] { return kNow; }, WeekSettings{0x3E, false}, kFolder};
}

// What a crash state opens to, for a writer (which puts a journal back) and for a reader
// before it. Damage fails the test.
struct Opened {
    Snapshot reader;
    Snapshot writer;
    bool slack = false; // the file ended behind its blocks in use
};

// No problem, and no block in use cut short.
void ExpectWhole(const EventLibrary& library) {
    EXPECT_TRUE(VerifyLibrary(library).empty());
    EXPECT_FALSE(EndsWithinUsedBlock(library));
}

Opened OpenCrashState(const std::map<std::string, FileBytes>& files) {
    Opened opened;
    MemoryFileSystem fs;
    fs.folders.insert(kFolder);
    for (const auto& [path, bytes] : files)
        fs.Put(path, bytes);
    if (fs.Exists(kPath)) {
        EventStore reader(SetupOn(fs));
        EXPECT_EQ(reader.OpenAsIs(kPath, FileMode::ReadOnly), LibraryResult::Ok);
        ExpectWhole(reader.Library());
        opened.slack = LibrarySlack(reader.Library()) != 0;
        opened.reader = EventsOf(reader);
    }
    EventStore writer(SetupOn(fs));
    EXPECT_EQ(writer.OpenDefaultLibrary(), LibraryResult::Ok);
    ExpectWhole(writer.Library());
    EXPECT_EQ(LibrarySlack(writer.Library()), 0u);
    opened.writer = EventsOf(writer);
    if (!fs.Exists(kPath)) opened.reader = opened.writer;
    return opened;
}

class PowerLoss : public ::testing::Test {
protected:
    PowerLoss() { disk_.CreateFolder(kFolder); }

    // A library whose next free blocks and whose longest event lie on both sides of block
    // 1920, whose index entry starts the second 4 KiB page of the file: every change then
    // writes both pages, and a change that reached the disk with one page only would show.
    void OpenNearPageEdge() {
        auto bytes = std::make_shared<FileBytes>();
        EventLibrary lib;
        ASSERT_EQ(lib.CreateFile(std::make_unique<MemoryFile>(bytes)), LibraryResult::Ok);
        int day = 0;
        auto add = [&](int notes) {
            EventRecord e = testing::OneTime(At(2024, 3, 12, 9, 0) + DateTimeSpan::Days(day++));
            e.name = "Event " + std::to_string(day);
            e.notes.assign(static_cast<size_t>(notes), 'n');
            EXPECT_EQ(lib.AddEvent(e), LibraryResult::Ok);
            return e;
        };
        while (lib.Index().NextFree(0) <= 1900)
            add(20 * 256 - 200); // 20 blocks each
        while (lib.Index().NextFree(0) <= 1918)
            add(0);
        const EventRecord big = add(700); // blocks 1919 ... 1922
        ASSERT_EQ(big.key, 1919);
        bigKey_ = big.key;
        bigId_ = big.id;
        ASSERT_EQ(lib.DeleteEvent(1917, 0), LibraryResult::Ok);
        ASSERT_EQ(lib.DeleteEvent(1918, 0), LibraryResult::Ok);
        lib.Close();
        disk_.Put(kPath, *bytes);
        ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
        disk_.Settle();
    }

    // Every crash state of what `change` recorded opens to a state `allowed` accepts.
    void ExpectEveryCrashState(const std::function<bool(const Snapshot&)>& allowed) {
        const size_t ops = disk_.OperationCount();
        ASSERT_GT(ops, 0u);
        int states = 0;
        for (size_t prefix = 0; prefix <= ops; ++prefix) {
            for (const auto& files : disk_.CrashStates(prefix)) {
                const Opened opened = OpenCrashState(files);
                ++states;
                statesWithSlack_ += opened.slack ? 1 : 0;
                EXPECT_TRUE(allowed(opened.reader)) << "reader, after operation " << prefix;
                EXPECT_TRUE(allowed(opened.writer)) << "writer, after operation " << prefix;
                if (::testing::Test::HasFailure()) return;
            }
        }
        EXPECT_GT(states, 0);
    }

    void ExpectBeforeOrAfter(const std::function<void()>& change) {
        const Snapshot before = EventsOf(store_);
        change();
        const Snapshot after = EventsOf(store_);
        ASSERT_NE(before, after);
        ExpectEveryCrashState([&](const Snapshot& s) { return s == before || s == after; });
    }

    // Imports `count` one-line records, each an event of one block, and expects every crash
    // state to hold the events before and those of the committed batches.
    void ImportRecords(int count, int batchEvents) {
        std::string csv;
        for (int i = 0; i < count; ++i)
            csv += "Imported " + std::to_string(i) + ",3/" + std::to_string(1 + i % 28) +
                   "/2024,9:00 AM\r\n";
        disk_.Put("/data/in.csv", FileBytes(csv.begin(), csv.end()));
        const Snapshot before = EventsOf(store_);
        MemorySettings settings;
        TextImportOptions options = testing::ImportOptions();
        options.batchEvents = batchEvents;
        options.batchMilliseconds = 1000000;
        const TextImportResult result =
            ImportText(store_, disk_, settings, "/data/in.csv", options);
        ASSERT_EQ(result.code, LibraryResult::Ok);
        ASSERT_EQ(result.imported, count);
        // Each committed batch adds its events, in the order of the file.
        std::set<Snapshot> allowed{before};
        Snapshot grown = before;
        std::vector<std::string> all = EventsOf(store_);
        std::vector<std::string> added;
        std::set_difference(all.begin(), all.end(), before.begin(), before.end(),
                            std::back_inserter(added));
        std::sort(added.begin(), added.end(), [](const std::string& a, const std::string& b) {
            return std::stoi(a.substr(a.find("Imported") + 9)) <
                   std::stoi(b.substr(b.find("Imported") + 9));
        });
        for (size_t i = 0; i < added.size(); ++i) {
            grown.push_back(added[i]);
            if ((i + 1) % static_cast<size_t>(batchEvents) == 0 || i + 1 == added.size()) {
                Snapshot sorted = grown;
                std::sort(sorted.begin(), sorted.end());
                allowed.insert(sorted);
            }
        }
        ExpectEveryCrashState([&](const Snapshot& s) { return allowed.count(s) != 0; });
    }

    testing::PowerLossDisk disk_;
    EventStore store_{SetupOn(disk_)};
    uint16_t bigKey_ = 0;
    uint32_t bigId_ = 0;
    int statesWithSlack_ = 0;
};

TEST_F(PowerLoss, CreatingTheLibrary) {
    ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
    ExpectEveryCrashState([](const Snapshot& s) { return s.empty(); });
}

TEST_F(PowerLoss, ACreatedLibraryKeepsItsNameOnceTheOpenReturned) {
    ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
    for (const auto& files : disk_.CrashStates(disk_.OperationCount()))
        EXPECT_EQ(files.count(kPath), 1u);
}

TEST_F(PowerLoss, Adding) {
    OpenNearPageEdge();
    ExpectBeforeOrAfter([&] {
        EventRecord e = testing::OneTime(At(2024, 5, 1, 9, 0));
        e.name = "New";
        e.notes.assign(700, 'm'); // blocks 1917, 1918, 1923, 1924
        ASSERT_EQ(store_.StoreNew(e), LibraryResult::Ok);
    });
}

TEST_F(PowerLoss, ChangingALongEvent) {
    OpenNearPageEdge();
    ExpectBeforeOrAfter([&] {
        ReadResult<EventRecord> read = store_.ReadStored(bigKey_);
        ASSERT_TRUE(read.Ok());
        EventRecord e = read.Value();
        e.name = "Big, renamed";
        ASSERT_EQ(store_.StoreChanged(e), LibraryResult::Ok);
    });
}

TEST_F(PowerLoss, Deleting) {
    OpenNearPageEdge();
    ExpectBeforeOrAfter(
        [&] { ASSERT_EQ(store_.DeleteStored(bigKey_, bigId_), LibraryResult::Ok); });
}

TEST_F(PowerLoss, Snoozing) {
    OpenNearPageEdge();
    ExpectBeforeOrAfter([&] {
        ReadResult<EventRecord> big = store_.ReadStored(bigKey_);
        ASSERT_TRUE(big.Ok());
        Verdict verdict;
        const SnoozeRequest request{big->start, DateTimeSpan::Hours(2), AmountUnit::Hour, 2,
                                    std::nullopt};
        ASSERT_EQ(store_.SnoozeStored(bigKey_, bigId_, request, verdict), LibraryResult::Ok);
        ASSERT_TRUE(verdict.Ok());
    });
}

TEST_F(PowerLoss, ImportingInBatches) {
    OpenNearPageEdge();
    std::string csv;
    for (int i = 0; i < 7; ++i)
        csv +=
            "Imported " + std::to_string(i) + ",3/" + std::to_string(12 + i) + "/2024,9:00 AM\r\n";
    disk_.Put("/data/in.csv", FileBytes(csv.begin(), csv.end()));
    const Snapshot before = EventsOf(store_);
    MemorySettings settings;
    TextImportOptions options = testing::ImportOptions();
    options.batchEvents = 3;
    const TextImportResult result = ImportText(store_, disk_, settings, "/data/in.csv", options);
    ASSERT_EQ(result.code, LibraryResult::Ok);
    ASSERT_EQ(result.imported, 7);
    // Each committed batch adds its events, in the order of the file.
    std::set<Snapshot> allowed{before};
    Snapshot grown = before;
    std::vector<std::string> all = EventsOf(store_);
    std::vector<std::string> added;
    std::set_difference(all.begin(), all.end(), before.begin(), before.end(),
                        std::back_inserter(added));
    std::sort(added.begin(), added.end(), [](const std::string& a, const std::string& b) {
        return a.substr(a.find("Imported")) < b.substr(b.find("Imported"));
    });
    for (size_t i = 0; i < added.size(); ++i) {
        grown.push_back(added[i]);
        if ((i + 1) % 3 == 0 || i + 1 == added.size()) {
            Snapshot sorted = grown;
            std::sort(sorted.begin(), sorted.end());
            allowed.insert(sorted);
        }
    }
    ExpectEveryCrashState([&](const Snapshot& s) { return allowed.count(s) != 0; });
}

// Five events, then twenty records in one batch: the blocks grow the file page by page, and a
// power loss leaves every length of it, also within a block.
TEST_F(PowerLoss, ImportingIntoASmallLibrary) {
    ASSERT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
    for (int i = 0; i < 5; ++i) {
        EventRecord e = testing::OneTime(At(2024, 4, 1 + i, 9, 0));
        e.name = "Own " + std::to_string(i);
        ASSERT_EQ(store_.StoreNew(e), LibraryResult::Ok);
    }
    disk_.Settle();
    ImportRecords(20, 200);
    EXPECT_GT(statesWithSlack_, 0);
}

// A disk of 64 KiB: five events, then an import of 300 records that does not fit. Whether the
// disk fills up while the blocks are written, while the journal is, or after a batch was
// committed, the import fails with DiskFull, the file ends at its last block in use, the events
// stored before are all there, and once there is room a change works again.
TEST(FullDisk, AnImportThatDoesNotFitLeavesTheLibraryReadable) {
    constexpr uint64_t kDisk = 64 * 1024;
    for (const int batchEvents : {200, 100, 30, 7}) {
        MemoryFileSystem fs;
        fs.folders.insert(kFolder);
        EventStore store(SetupOn(fs));
        ASSERT_EQ(store.OpenDefaultLibrary(), LibraryResult::Ok);
        for (int i = 0; i < 5; ++i) {
            EventRecord e = testing::OneTime(At(2024, 4, 1 + i, 9, 0));
            e.name = "Own " + std::to_string(i);
            ASSERT_EQ(store.StoreNew(e), LibraryResult::Ok);
        }
        std::string csv;
        for (int i = 0; i < 300; ++i)
            csv += "Imported " + std::to_string(i) + ",3/" + std::to_string(1 + i % 28) +
                   "/2024,9:00 AM\r\n";
        fs.Put("/data/in.csv", FileBytes(csv.begin(), csv.end()));
        // The text file lies on another disk.
        fs.capacity = kDisk + csv.size();
        const Snapshot before = EventsOf(store);

        MemorySettings settings;
        TextImportOptions options = testing::ImportOptions();
        options.batchEvents = batchEvents;
        options.batchMilliseconds = 1000000;
        const TextImportResult result = ImportText(store, fs, settings, "/data/in.csv", options);
        EXPECT_EQ(result.code, LibraryResult::DiskFull) << batchEvents;
        EXPECT_LT(result.imported, 300);
        EXPECT_EQ(result.imported % batchEvents, 0) << batchEvents;

        const Snapshot after = EventsOf(store);
        EXPECT_EQ(static_cast<int>(after.size()), 5 + result.imported);
        EXPECT_TRUE(std::includes(after.begin(), after.end(), before.begin(), before.end()));
        const FileBytes bytes = fs.BytesOf(kPath);
        EXPECT_EQ(bytes.size(), libfmt::UsedLength(store.Library().Index().HighestUsed()))
            << batchEvents;
        EXPECT_FALSE(fs.Exists(JournalPathOf(kPath)));
        store.Close();

        // What another program finds.
        EventStore reader(SetupOn(fs));
        ASSERT_EQ(reader.OpenAsIs(kPath, FileMode::ReadOnly), LibraryResult::Ok);
        ExpectWhole(reader.Library());
        EXPECT_EQ(LibrarySlack(reader.Library()), 0u);
        EXPECT_EQ(EventsOf(reader), after);

        // Room again: a change works.
        fs.capacity = std::numeric_limits<uint64_t>::max();
        EventStore writer(SetupOn(fs));
        ASSERT_EQ(writer.OpenDefaultLibrary(), LibraryResult::Ok);
        EventRecord e = testing::OneTime(At(2024, 5, 1, 9, 0));
        e.name = "Later";
        EXPECT_EQ(writer.StoreNew(e), LibraryResult::Ok);
        EXPECT_EQ(EventsOf(writer).size(), after.size() + 1);
        ExpectWhole(writer.Library());
    }
}

} // namespace
} // namespace zm
