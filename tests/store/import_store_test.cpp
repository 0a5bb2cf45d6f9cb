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
    void PutFile(const std::string& path, const std::string& text) {
        fs_.Put(path, FileBytes(text.begin(), text.end()));
    }
    TextImportResult Import(const std::string& path, TextImportOptions o) {
        return ImportText(store_, fs_, settings_, path, o);
    }
    MemorySettings settings_;
};

TEST_F(ImportStore, ImportedEventsDueTodayJoinThePendingList) {
    OpenEmpty();
    ASSERT_EQ(store_.RebuildPending(), LibraryResult::Ok);
    // now is Monday 11 March 2024, 08:00.
    PutFile("/data/in.csv", "Call,3/11/2024,9:00 AM\r\nLater,3/20/2024,9:00 AM\r\n");
    const TextImportResult r = Import("/data/in.csv", testing::ImportOptions());
    ASSERT_EQ(r.code, LibraryResult::Ok);
    EXPECT_EQ(r.imported, 2);
    EXPECT_FALSE(store_.Busy());
    ASSERT_EQ(store_.Pending().Size(), 1u);
    EXPECT_EQ(store_.Pending().Entries()[0].name, "Call");
    EXPECT_EQ(settings_.Read("LastImpDateF"), "0");
}

TEST_F(ImportStore, ReplacingADuplicateGoesThroughTheStore) {
    OpenEmpty();
    PutFile("/data/in.csv", "Call,3/11/2024,9:00 AM\r\n");
    ASSERT_EQ(Import("/data/in.csv", testing::ImportOptions()).imported, 1);
    const uint16_t first = testing::StoredKeys(store_.Library()).front();
    TextImportOptions o = testing::ImportOptions();
    o.duplicateMode = DuplicateMode::Replace;
    notices_.changes.clear();
    const TextImportResult r = Import("/data/in.csv", o);
    EXPECT_EQ(r.replaced, 1);
    EXPECT_EQ(r.log, (ImportLog{{1, kReasonDuplicateReplaced}}));
    EXPECT_EQ(store_.Library().CountEvents(), 1);
    // The reminder window of the replaced event is closed.
    ASSERT_FALSE(notices_.changes.empty());
    EXPECT_EQ(notices_.changes.front().kind, StoreChangeKind::Replaced);
    EXPECT_EQ(notices_.changes.front().oldKey, first);
    EXPECT_TRUE(notices_.changes.front().closesReminderWindow);
}

TEST_F(ImportStore, AFileThatCannotBeReadLeavesTheStoreAlone) {
    OpenEmpty();
    const TextImportResult r = Import("/data/missing.csv", testing::ImportOptions());
    EXPECT_EQ(r.code, LibraryResult::TransferFileFailed);
    EXPECT_EQ(r.problem.textId, IDS_IE_CANNOT_READ);
    EXPECT_FALSE(store_.Busy());
    EXPECT_EQ(store_.Library().CountEvents(), 0);
}

TEST_F(ImportStore, ExportingTheListOrItsSelection) {
    OpenEmpty();
    EventRecord a = EventRecord::NewEvent(now_), b = EventRecord::NewEvent(now_);
    a.name = "first";
    b.name = "second";
    const uint16_t ka = Put(a), kb = Put(b);
    TextExportOptions o;
    o.locale = test::EnglishUs();
    ASSERT_EQ(ExportText(store_, fs_, "/data/all.csv", {ka, kb}, o).code, LibraryResult::Ok);
    ASSERT_EQ(ExportText(store_, fs_, "/data/sel.csv", {kb}, o).code, LibraryResult::Ok);
    const std::string all = testing::Text(fs_.BytesOf("/data/all.csv"));
    const std::string sel = testing::Text(fs_.BytesOf("/data/sel.csv"));
    EXPECT_NE(all.find("\"first\",\"3/11/2024\",\"8:00 AM\""), std::string::npos) << all;
    EXPECT_EQ(sel.find("first"), std::string::npos);
    EXPECT_NE(sel.find("second"), std::string::npos);
}

// Counts the flushes that reach the file, and can make them fail.
class FlushCountingFile final : public File {
public:
    FlushCountingFile(std::unique_ptr<File> inner, int& flushes, LibraryResult failWith)
        : inner_(std::move(inner)), flushes_(flushes), failWith_(failWith) {}
    LibraryResult ReadAt(uint64_t o, void* d, size_t n) override { return inner_->ReadAt(o, d, n); }
    LibraryResult WriteAt(uint64_t o, const void* d, size_t n) override {
        return inner_->WriteAt(o, d, n);
    }
    LibraryResult Size(uint64_t& s) override { return inner_->Size(s); }
    LibraryResult Flush() override {
        ++flushes_;
        return failWith_;
    }

private:
    std::unique_ptr<File> inner_;
    int& flushes_;
    LibraryResult failWith_;
};

TEST_F(ImportStore, AnEventFileIsFlushedOnceWhenItIsComplete) {
    OpenEmpty();
    std::vector<uint16_t> keys;
    for (int i = 0; i < 5; ++i)
        keys.push_back(Put(EventRecord::NewEvent(now_)));
    int flushes = 0;
    LibraryResult failWith = LibraryResult::Ok;
    fs_.wrap = [&](std::unique_ptr<File> file, const std::string&, FileMode mode) {
        if (mode != FileMode::Create) return file;
        return std::unique_ptr<File>(
            std::make_unique<FlushCountingFile>(std::move(file), flushes, failWith));
    };
    ASSERT_EQ(ExportEventFile(store_, fs_, "/data/out.VR0", keys).code, LibraryResult::Ok);
    EXPECT_EQ(flushes, 1);
    // The failure of that one flush is the export's failure.
    failWith = LibraryResult::DiskFull;
    EXPECT_EQ(ExportEventFile(store_, fs_, "/data/out2.VR0", keys).code, LibraryResult::DiskFull);
}

TEST_F(ImportStore, AHolidayFileMergedTwiceAddsNothingTheSecondTime) {
    OpenEmpty();
    // A holiday file is a library file of its own.
    EventLibrary holidays;
    FileFailure failure;
    ASSERT_EQ(holidays.CreateFile(fs_.Open("/data/Holidays.VRH", FileMode::Create, failure)),
              LibraryResult::Ok);
    for (int day = 1; day <= 3; ++day) {
        EventRecord e = EventRecord::NewEvent(testing::At(2024, 12, 24 + day, 0, 0));
        e.name = "Holiday " + std::to_string(day);
        e.typeName = "Holiday";
        ASSERT_EQ(holidays.AddEvent(e), LibraryResult::Ok);
    }
    holidays.Close();
    ASSERT_EQ(MergeHolidayFile(store_, "/data/Holidays.VRH"), LibraryResult::Ok);
    EXPECT_EQ(store_.Library().CountEvents(), 3);
    ASSERT_EQ(MergeHolidayFile(store_, "/data/Holidays.VRH"), LibraryResult::Ok);
    EXPECT_EQ(store_.Library().CountEvents(), 3);
    EXPECT_FALSE(store_.Busy());
}

} // namespace
} // namespace zm
