// A change whose flush fails and whose undoing fails as well: what the library says must be
// what the next open finds.

#include "store/library/event_library.h"
#include "support/event_builders.h"
#include "support/memory_file_system.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

const std::string kPath = "/data/Zantimo.VR0";

// A library file whose flushes fail from the n-th on, and its writes after that first failure.
class BreakingFile final : public File {
public:
    BreakingFile(std::unique_ptr<File> inner, int failFlushFrom)
        : inner_(std::move(inner)), failFlushFrom_(failFlushFrom) {}
    LibraryResult ReadAt(uint64_t o, void* d, size_t n) override { return inner_->ReadAt(o, d, n); }
    LibraryResult WriteAt(uint64_t o, const void* d, size_t n) override {
        return broken_ ? LibraryResult::WriteError : inner_->WriteAt(o, d, n);
    }
    LibraryResult Size(uint64_t& s) override { return inner_->Size(s); }
    LibraryResult Flush() override {
        if (++flushes_ < failFlushFrom_) return inner_->Flush();
        broken_ = true;
        return LibraryResult::WriteError;
    }

private:
    std::unique_ptr<File> inner_;
    int failFlushFrom_;
    int flushes_ = 0;
    bool broken_ = false;
};

class DoubleFault : public ::testing::TestWithParam<int> {
protected:
    DoubleFault() {
        EventLibrary lib;
        EXPECT_EQ(lib.CreateFile(fs_.Open(kPath, FileMode::Create, failure_)), LibraryResult::Ok);
        EventRecord e = testing::OneTime(testing::At(2024, 3, 11, 9, 0));
        e.name = "kept";
        EXPECT_EQ(lib.AddEvent(e), LibraryResult::Ok);
    }
    // The events a writer finds at the next open.
    int EventsAtNextOpen() {
        EventLibrary lib;
        EXPECT_EQ(lib.OpenFile(fs_.Open(kPath, FileMode::ReadWrite, failure_), true, false,
                               std::make_unique<FolderJournal>(fs_, kPath)),
                  LibraryResult::Ok);
        return lib.CountEvents();
    }
    MemoryFileSystem fs_;
    FileFailure failure_;
};

TEST_P(DoubleFault, TheResultSaysWhatTheNextOpenFinds) {
    {
        EventLibrary lib;
        auto file = std::make_unique<BreakingFile>(fs_.Open(kPath, FileMode::ReadWrite, failure_),
                                                   GetParam());
        ASSERT_EQ(
            lib.OpenFile(std::move(file), true, false, std::make_unique<FolderJournal>(fs_, kPath)),
            LibraryResult::Ok);
        EventRecord e = testing::OneTime(testing::At(2024, 3, 12, 9, 0));
        e.name = "new";
        const LibraryResult rc = lib.AddEvent(e);
        EXPECT_EQ(lib.CountEvents(), rc == LibraryResult::Ok ? 2 : 1);
        EXPECT_EQ(EventsAtNextOpen(), rc == LibraryResult::Ok ? 2 : 1);
    }
}

// The flush of the blocks, the flush of the index.
INSTANTIATE_TEST_SUITE_P(FlushFailing, DoubleFault, ::testing::Values(1, 2));

TEST(StoredWithWarning, AJournalRemovedButNotFlushedAwayIsAWarning) {
    MemoryFileSystem fs;
    FileFailure failure;
    EventLibrary lib;
    ASSERT_EQ(lib.CreateFile(fs.Open(kPath, FileMode::Create, failure),
                             std::make_unique<FolderJournal>(fs, kPath)),
              LibraryResult::Ok);
    // The folder flush after writing the journal succeeds, the one after removing it fails.
    fs.folderFlushResults = {0, EIO};
    EventRecord e = testing::OneTime(testing::At(2024, 3, 12, 9, 0));
    ASSERT_EQ(lib.AddEvent(e), LibraryResult::Ok);
    EXPECT_EQ(lib.LastWarning(), LibraryResult::WriteError);
    EXPECT_FALSE(fs.Exists(JournalPathOf(kPath)));
    EXPECT_EQ(lib.CountEvents(), 1);
    // The next change that goes well has no warning.
    ASSERT_EQ(lib.AddEvent(e), LibraryResult::Ok);
    EXPECT_EQ(lib.LastWarning(), LibraryResult::Ok);
}

} // namespace
} // namespace zm

namespace zm {
namespace {

TEST(Batch, KeepsTheCommittedBlocksUntilItCommitsAndDropsWhatItDidNotCommit) {
    MemoryFileSystem fs;
    FileFailure failure;
    EventLibrary lib;
    ASSERT_EQ(lib.CreateFile(fs.Open(kPath, FileMode::Create, failure),
                             std::make_unique<FolderJournal>(fs, kPath)),
              LibraryResult::Ok);
    EventRecord a = testing::OneTime(testing::At(2024, 3, 11, 9, 0));
    a.name = "a";
    ASSERT_EQ(lib.AddEvent(a), LibraryResult::Ok);
    const uint16_t committedKey = a.key;
    {
        EventLibrary::BatchScope batch(lib);
        a.name = "a, changed";
        ASSERT_EQ(lib.ModifyEvent(a), LibraryResult::Ok);
        EventRecord b = testing::OneTime(testing::At(2024, 3, 12, 9, 0));
        ASSERT_EQ(lib.AddEvent(b), LibraryResult::Ok);
        // The block the file's index still gives to "a" is not written over.
        EXPECT_NE(b.key, committedKey);
        EXPECT_EQ(lib.CountEvents(), 2);
    }
    EXPECT_EQ(lib.CountEvents(), 1);
    const ReadResult<EventRecord> stored = lib.ReadEvent(committedKey);
    ASSERT_TRUE(stored.Ok());
    EXPECT_EQ(stored->name, "a");

    const int flushesBefore = fs.folderFlushes;
    {
        EventLibrary::BatchScope batch(lib);
        for (int i = 0; i < 5; ++i) {
            EventRecord e = testing::OneTime(testing::At(2024, 3, 13 + i, 9, 0));
            ASSERT_EQ(lib.AddEvent(e), LibraryResult::Ok);
        }
        EXPECT_EQ(fs.folderFlushes, flushesBefore); // nothing committed yet
        ASSERT_EQ(batch.Commit(), LibraryResult::Ok);
    }
    // One Commit: the journal written and removed once.
    EXPECT_EQ(fs.folderFlushes, flushesBefore + 2);
    EventLibrary again;
    ASSERT_EQ(again.OpenFile(fs.Open(kPath, FileMode::ReadWrite, failure)), LibraryResult::Ok);
    EXPECT_EQ(again.CountEvents(), 6);
}

} // namespace
} // namespace zm
