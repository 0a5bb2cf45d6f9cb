// A walk over a full library reads the file in one piece and gives every event, and every
// failure, exactly as reading the events one by one does.

#include "store/library/library_image.h"
#include "support/library_fixture.h"

namespace zm::testing {
namespace {

// Counts the calls that reach the file.
class CountingFile final : public File {
public:
    explicit CountingFile(std::unique_ptr<File> inner) : inner_(std::move(inner)) {}
    LibraryResult ReadAt(uint64_t offset, void* data, size_t size) override {
        ++reads;
        return inner_->ReadAt(offset, data, size);
    }
    LibraryResult WriteAt(uint64_t offset, const void* data, size_t size) override {
        return inner_->WriteAt(offset, data, size);
    }
    LibraryResult Size(uint64_t& size) override {
        ++sizes;
        return inner_->Size(size);
    }
    LibraryResult Flush() override { return inner_->Flush(); }
    int reads = 0;
    int sizes = 0;

private:
    std::unique_ptr<File> inner_;
};

// Each event as "key name/type" or "key !code".
std::string Line(uint16_t key, const ReadResult<EventRecord>& e) {
    return std::to_string(key) +
           (e.Ok() ? " " + e.Value().name + "/" + std::to_string(e.Value().typeIndex)
                   : " !" + std::to_string(CodeOf(e.Code())));
}

std::vector<std::string> OneByOne(const EventLibrary& lib) {
    std::vector<std::string> out;
    (void)lib.ForEachEvent([&](uint16_t key) {
        out.push_back(Line(key, lib.ReadEvent(key)));
        return LibraryResult::Ok;
    });
    return out;
}

std::vector<std::string> Walked(const EventLibrary& lib, const EventLibrary::TypeLookup& lookup) {
    std::vector<std::string> out;
    (void)VisitEachEvent(lib, lookup, [&](uint16_t key, ReadResult<EventRecord>& e) {
        out.push_back(Line(key, e));
        return LibraryResult::Ok;
    });
    return out;
}

class LibraryImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_.library.SetTypeLookup(lookup_);
        // A full library of events of one to twenty blocks, with holes where some were deleted.
        std::vector<uint16_t> keys;
        for (int i = 0;; ++i) {
            const size_t notes = i % 97 == 0 ? 4900 : i % 7 == 0 ? 400 : 0;
            EventRecord e = MakeEvent("e" + std::to_string(i), notes);
            const LibraryResult rc = m_.library.AddEvent(e);
            if (rc == LibraryResult::LibraryFull) break;
            ASSERT_EQ(rc, LibraryResult::Ok);
            keys.push_back(e.key);
        }
        for (size_t i = 5; i < keys.size(); i += 300)
            ASSERT_EQ(m_.library.DeleteEvent(keys[i], 0), LibraryResult::Ok);
        broken_ = keys[40];
    }

    // Opens the bytes as they are now through a counting file.
    CountingFile* Reopen(EventLibrary& lib) {
        auto file = std::make_unique<CountingFile>(std::make_unique<MemoryFile>(m_.bytes));
        CountingFile* counting = file.get();
        EXPECT_EQ(lib.OpenFile(std::move(file), false), LibraryResult::Ok);
        lib.SetTypeLookup(lookup_);
        counting->reads = counting->sizes = 0;
        return counting;
    }

    MemoryLibrary m_;
    EventLibrary::TypeLookup lookup_ = [](const std::string& name) {
        return name == "Meeting" ? 4 : -1;
    };
    uint16_t broken_ = 0;
};

TEST_F(LibraryImageTest, ReadsAFullLibraryInOneRead) {
    EventLibrary lib;
    CountingFile* file = Reopen(lib);
    const std::vector<std::string> walked = Walked(lib, lookup_);
    EXPECT_EQ(file->reads, 1);
    EXPECT_LE(file->sizes, 2);
    EXPECT_GT(walked.size(), 2500u);
    EXPECT_EQ(walked, OneByOne(lib));
}

TEST_F(LibraryImageTest, DamageGivesTheCodesOfReadingOneByOne) {
    // A broken record magic, then the file cut short inside the last block and before it.
    (*m_.bytes)[8000 + 256 * broken_] ^= 0xFF;
    for (const size_t cut : {0, 100, 256 * 30 + 100}) {
        m_.bytes->resize(m_.bytes->size() - cut);
        EventLibrary lib;
        Reopen(lib);
        const std::vector<std::string> walked = Walked(lib, lookup_);
        EXPECT_EQ(walked, OneByOne(lib)) << "cut " << cut;
        EXPECT_NE(std::find(walked.begin(), walked.end(), std::to_string(broken_) + " !12"),
                  walked.end());
    }
}

TEST_F(LibraryImageTest, AFailedReadFallsBackToReadingEachEvent) {
    EventLibrary lib;
    auto faulty = std::make_unique<FaultyFile>(std::make_unique<MemoryFile>(m_.bytes));
    FaultyFile* file = faulty.get();
    ASSERT_EQ(lib.OpenFile(std::move(faulty), false), LibraryResult::Ok);
    lib.SetTypeLookup(lookup_);
    file->FailRead(1);
    const std::vector<std::string> walked = Walked(lib, lookup_);
    EXPECT_EQ(walked, OneByOne(lib));
}

} // namespace
} // namespace zm::testing
