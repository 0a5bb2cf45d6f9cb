// The wizard's actions over the event store.

#include "platform/memory_settings.h"
#include "res/strings.h"
#include "store/import_export.h"
#include "support/store_fixture.h"
#include "support/transfer_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zm {
namespace {

class ImportStore : public testing::StoreTest {
protected:
    void putFile(const std::string& path, const std::string& text) {
        fs.put(path, FileBytes(text.begin(), text.end()));
    }
    TextImportResult import(const std::string& path, TextImportOptions o) {
        return importText(store, fs, settings, path, o);
    }
    MemorySettings settings;
};

TEST_F(ImportStore, ImportedEventsDueTodayJoinThePendingList) {
    openEmpty();
    ASSERT_EQ(store.rebuildPending(), LibraryResult::Ok);
    // now is Monday 11 March 2024, 08:00.
    putFile("/data/in.csv", "Call,3/11/2024,9:00 AM\r\nLater,3/20/2024,9:00 AM\r\n");
    const TextImportResult r = import("/data/in.csv", testing::ImportOptions());
    ASSERT_EQ(r.code, LibraryResult::Ok);
    EXPECT_EQ(r.imported, 2);
    EXPECT_FALSE(store.busy());
    ASSERT_EQ(store.pending().size(), 1u);
    EXPECT_EQ(store.pending().entries()[0].Name, "Call");
    EXPECT_EQ(settings.read("LastImpDateF"), "0");
}

TEST_F(ImportStore, ReplacingADuplicateGoesThroughTheStore) {
    openEmpty();
    putFile("/data/in.csv", "Call,3/11/2024,9:00 AM\r\n");
    ASSERT_EQ(import("/data/in.csv", testing::ImportOptions()).imported, 1);
    const uint16_t first = testing::StoredKeys(store.library()).front();
    TextImportOptions o = testing::ImportOptions();
    o.duplicateMode = DuplicateMode::Replace;
    notices.changes.clear();
    const TextImportResult r = import("/data/in.csv", o);
    EXPECT_EQ(r.replaced, 1);
    EXPECT_EQ(r.log, (ImportLog{{1, kReasonDuplicateReplaced}}));
    EXPECT_EQ(store.library().countEvents(), 1);
    // The reminder window of the replaced event is closed.
    ASSERT_FALSE(notices.changes.empty());
    EXPECT_EQ(notices.changes.front().Kind, StoreChangeKind::Replaced);
    EXPECT_EQ(notices.changes.front().OldKey, first);
    EXPECT_TRUE(notices.changes.front().ClosesReminderWindow);
}

TEST_F(ImportStore, AFileThatCannotBeReadLeavesTheStoreAlone) {
    openEmpty();
    const TextImportResult r = import("/data/missing.csv", testing::ImportOptions());
    EXPECT_EQ(r.code, LibraryResult::TransferFileFailed);
    EXPECT_EQ(r.problem.textId, IDS_IE_CANNOT_READ);
    EXPECT_FALSE(store.busy());
    EXPECT_EQ(store.library().countEvents(), 0);
}

TEST_F(ImportStore, ExportingTheListOrItsSelection) {
    openEmpty();
    EventRecord a = EventRecord::NewEvent(now), b = EventRecord::NewEvent(now);
    a.Name = "first";
    b.Name = "second";
    const uint16_t ka = put(a), kb = put(b);
    TextExportOptions o;
    o.locale = test::EnglishUs();
    ASSERT_EQ(exportText(store, fs, "/data/all.csv", {ka, kb}, o).code, LibraryResult::Ok);
    ASSERT_EQ(exportText(store, fs, "/data/sel.csv", {kb}, o).code, LibraryResult::Ok);
    const std::string all = testing::Text(fs.bytesOf("/data/all.csv"));
    const std::string sel = testing::Text(fs.bytesOf("/data/sel.csv"));
    EXPECT_NE(all.find("\"first\",\"3/11/2024\",\"8:00 AM\""), std::string::npos) << all;
    EXPECT_EQ(sel.find("first"), std::string::npos);
    EXPECT_NE(sel.find("second"), std::string::npos);
}

// Counts the flushes that reach the file, and can make them fail.
class FlushCountingFile final : public File {
public:
    FlushCountingFile(std::unique_ptr<File> inner, int& flushes, LibraryResult failWith)
        : inner_(std::move(inner)), flushes_(flushes), failWith_(failWith) {}
    LibraryResult readAt(uint64_t o, void* d, size_t n) override { return inner_->readAt(o, d, n); }
    LibraryResult writeAt(uint64_t o, const void* d, size_t n) override {
        return inner_->writeAt(o, d, n);
    }
    LibraryResult size(uint64_t& s) override { return inner_->size(s); }
    LibraryResult flush() override {
        ++flushes_;
        return failWith_;
    }

private:
    std::unique_ptr<File> inner_;
    int& flushes_;
    LibraryResult failWith_;
};

TEST_F(ImportStore, AnEventFileIsFlushedOnceWhenItIsComplete) {
    openEmpty();
    std::vector<uint16_t> keys;
    for (int i = 0; i < 5; ++i)
        keys.push_back(put(EventRecord::NewEvent(now)));
    int flushes = 0;
    LibraryResult failWith = LibraryResult::Ok;
    fs.wrap = [&](std::unique_ptr<File> file, const std::string&, FileMode mode) {
        if (mode != FileMode::Create) return file;
        return std::unique_ptr<File>(
            std::make_unique<FlushCountingFile>(std::move(file), flushes, failWith));
    };
    ASSERT_EQ(exportEventFile(store, fs, "/data/out.VR0", keys).code, LibraryResult::Ok);
    EXPECT_EQ(flushes, 1);
    // The failure of that one flush is the export's failure.
    failWith = LibraryResult::DiskFull;
    EXPECT_EQ(exportEventFile(store, fs, "/data/out2.VR0", keys).code, LibraryResult::DiskFull);
}

TEST_F(ImportStore, AHolidayFileMergedTwiceAddsNothingTheSecondTime) {
    openEmpty();
    // A holiday file is a library file of its own.
    EventLibrary holidays;
    FileFailure failure;
    ASSERT_EQ(holidays.createFile(fs.open("/data/Holidays.VRH", FileMode::Create, failure)),
              LibraryResult::Ok);
    for (int day = 1; day <= 3; ++day) {
        EventRecord e = EventRecord::NewEvent(testing::At(2024, 12, 24 + day, 0, 0));
        e.Name = "Holiday " + std::to_string(day);
        e.TypeName = "Holiday";
        ASSERT_EQ(holidays.addEvent(e), LibraryResult::Ok);
    }
    holidays.close();
    ASSERT_EQ(mergeHolidayFile(store, "/data/Holidays.VRH"), LibraryResult::Ok);
    EXPECT_EQ(store.library().countEvents(), 3);
    ASSERT_EQ(mergeHolidayFile(store, "/data/Holidays.VRH"), LibraryResult::Ok);
    EXPECT_EQ(store.library().countEvents(), 3);
    EXPECT_FALSE(store.busy());
}

} // namespace
} // namespace zm
