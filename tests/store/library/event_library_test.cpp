#include "support/library_fixture.h"
#include "store/io/byte_order.h"
#include "store/library/event_library.h"
#include "store/library/event_serializer.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace zm {
namespace {

using testing::EventOfSize;
using testing::MakeEvent;
using testing::MemoryLibrary;

std::vector<uint16_t> FileIndex(const FileBytes& b) {
    std::vector<uint16_t> out(4000);
    for (size_t i = 0; i < 4000; ++i)
        out[i] = GetLe16(&b[256 + 2 * i]);
    return out;
}

std::vector<uint16_t> MemoryIndex(const EventLibrary& lib) {
    std::vector<uint16_t> out(4000);
    for (int i = 0; i < 4000; ++i)
        out[static_cast<size_t>(i)] = lib.index().entry(i);
    return out;
}

EventRecord Read(const EventLibrary& lib, uint16_t key) {
    EventRecord e = EventRecord::ForKey(key);
    EXPECT_EQ(lib.readEvent(e), lr::kOk) << "key " << key;
    return e;
}

uint16_t Add(EventLibrary& lib, EventRecord e) {
    EXPECT_EQ(lib.addEvent(e), lr::kOk);
    return e.Key;
}

// --- layout ---

TEST(EventLibrary, AnEventIsWrittenBehindTheIndexAndReadBack) {
    MemoryLibrary m;
    int lookups = 0;
    m.library.setTypeLookup([&](const std::string& name) {
        ++lookups;
        return name == "Meeting" ? 3 : -1;
    });
    EventRecord e = MakeEvent("Dentist", 10);
    e.Id = 0x11112222;
    ASSERT_EQ(m.library.addEvent(e), lr::kOk);
    EXPECT_EQ(e.Key, 1);
    EXPECT_EQ(e.Id, 0x11112222u); // a given id is kept
    EXPECT_EQ(m.library.index().entry(1), 0xFFFF);
    ASSERT_EQ(m.bytes->size(), 8256u + 256u);
    EXPECT_EQ(FileIndex(*m.bytes), MemoryIndex(m.library));

    MemoryStream expected;
    SerializeEvent(e, expected);
    EXPECT_EQ(std::memcmp(m.bytes->data() + 8256, expected.data(), expected.length()), 0);
    for (size_t i = 8256 + expected.length(); i < m.bytes->size(); ++i)
        ASSERT_EQ((*m.bytes)[i], 0);

    const EventRecord back = Read(m.library, 1);
    EXPECT_EQ(back.Name, "Dentist");
    EXPECT_EQ(back.Notes, e.Notes);
    EXPECT_EQ(back.Start, e.Start);
    EXPECT_EQ(back.TypeIndex, 3);
    EXPECT_EQ(lookups, 1);

    EventLibrary noTypes; // without a type list every type is undefined
    ASSERT_EQ(m.reopen(noTypes), lr::kOk);
    EXPECT_EQ(Read(noTypes, 1).TypeIndex, -1);
}

TEST(EventLibrary, ANewEventGetsTheIdOfItsBytesAndTheMomentOfAdding) {
    MemoryLibrary m;
    EventRecord e = MakeEvent("x");
    MemoryStream plain;
    SerializeEvent(e, plain);
    ASSERT_EQ(m.library.addEvent(e), lr::kOk);
    EXPECT_EQ(e.Id, ComputeEventId(plain.data(), plain.length(),
                                   DateTime::FromParts(2024, 1, 2, 3, 4, 5), 123456u));
    EXPECT_EQ(Read(m.library, e.Key).Id, e.Id);
}

TEST(EventLibrary, EventsOf256And257Bytes) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, EventOfSize(256));
    EXPECT_EQ(m.library.index().entry(a), 0xFFFF);
    const uint16_t b = Add(m.library, EventOfSize(257));
    EXPECT_EQ(b, 2);
    EXPECT_EQ(m.library.index().entry(2), 0x8003);
    EXPECT_EQ(m.library.index().entry(3), 0x7FFF);
    ASSERT_EQ(m.bytes->size(), libfmt::BlockOffset(4));
    const unsigned char* second = m.bytes->data() + libfmt::BlockOffset(3);
    EXPECT_EQ(second[0], 0); // the type name's terminating zero
    for (int i = 1; i < 256; ++i)
        ASSERT_EQ(second[i], 0);
    EXPECT_EQ(Read(m.library, b).Notes.size(), 257u - 128u);
    EXPECT_EQ(m.library.countEvents(), 2);
}

TEST(EventLibrary, ANewBlockIsAppendedExactlyAtTheEnd) {
    MemoryLibrary m;
    Add(m.library, EventOfSize(600)); // blocks 1-3
    ASSERT_EQ(m.bytes->size(), libfmt::BlockOffset(4));
    Add(m.library, EventOfSize(128)); // block 4 at the end
    EXPECT_EQ(m.bytes->size(), libfmt::BlockOffset(5));
}

TEST(EventLibrary, TheTwentyBlockLimit) {
    MemoryLibrary m;
    EventRecord largest = EventOfSize(5120, "largest");
    ASSERT_EQ(m.library.addEvent(largest), lr::kOk);
    EXPECT_EQ(m.library.index().chainLength(largest.Key), 20);
    EXPECT_EQ(Read(m.library, largest.Key).Notes, largest.Notes);

    const FileBytes before = *m.bytes;
    EventRecord tooLarge = EventOfSize(5121);
    EXPECT_EQ(m.library.addEvent(tooLarge), lr::kEventTooLarge);
    EXPECT_EQ(tooLarge.Key, 0);
    EXPECT_EQ(tooLarge.Id, 0u);
    EXPECT_EQ(*m.bytes, before);

    // Growing a stored event past the limit is refused as well, and the event stays.
    EventRecord grown = Read(m.library, largest.Key);
    grown.Name += "!";
    EXPECT_EQ(m.library.modifyEvent(grown), lr::kEventTooLarge);
    EXPECT_EQ(grown.Key, largest.Key);
    EXPECT_EQ(*m.bytes, before);
}

// --- allocation ---

TEST(EventLibrary, AFullLibraryRefusesWithoutChangingAnything) {
    MemoryLibrary m;
    for (int i = 0; i < 3998; ++i)
        ASSERT_EQ(Add(m.library, EventOfSize(130)), i + 1);
    const FileBytes before = *m.bytes;
    EventRecord twoBlocks = EventOfSize(300);
    EXPECT_EQ(m.library.addEvent(twoBlocks), lr::kLibraryFull);
    EXPECT_EQ(*m.bytes, before);
    EXPECT_EQ(FileIndex(*m.bytes), MemoryIndex(m.library));

    EXPECT_EQ(Add(m.library, EventOfSize(130)), 3999);
    EXPECT_EQ(m.library.countEvents(), 3999);
    EXPECT_EQ(m.bytes->size(), libfmt::BlockOffset(4000));
    const FileBytes full = *m.bytes;
    EventRecord one = EventOfSize(128);
    EXPECT_EQ(m.library.addEvent(one), lr::kLibraryFull);
    EXPECT_EQ(*m.bytes, full);
    // Modifying needs room for the new copy beside the old one.
    EventRecord changed = Read(m.library, 10);
    EXPECT_EQ(m.library.modifyEvent(changed), lr::kLibraryFull);
    EXPECT_EQ(changed.Key, 10);
    // Deleting makes room again.
    EXPECT_EQ(m.library.deleteEvent(10), lr::kOk);
    EXPECT_EQ(Add(m.library, EventOfSize(128)), 10);
}

TEST(EventLibrary, DeletedBlocksAreReusedLowestFirst) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, MakeEvent("a"));
    const uint16_t b = Add(m.library, EventOfSize(700, "b")); // 2, 3, 4
    const uint16_t c = Add(m.library, MakeEvent("c"));        // 5
    ASSERT_EQ(b, 2);
    ASSERT_EQ(c, 5);
    ASSERT_EQ(m.library.deleteEvent(b), lr::kOk);
    for (int n : {2, 3, 4})
        EXPECT_EQ(m.library.index().entry(n), 0) << n;
    EXPECT_EQ(FileIndex(*m.bytes), MemoryIndex(m.library));
    EXPECT_EQ(m.library.deleteEvent(b), lr::kCorrupted); // no longer an event
    // A four-block event takes the three freed blocks and the next free one above them.
    const uint16_t d = Add(m.library, EventOfSize(900, "d"));
    EXPECT_EQ(d, 2);
    EXPECT_EQ(m.library.index().entry(4), 6);
    EXPECT_EQ(Read(m.library, a).Name, "a");
    EXPECT_EQ(Read(m.library, c).Name, "c");
    EXPECT_EQ(Read(m.library, d).Name, "d");
}

TEST(EventLibrary, ModifyMovesTheEventAndKeepsItsId) {
    MemoryLibrary m;
    EventRecord e = EventOfSize(700, "three blocks");
    ASSERT_EQ(m.library.addEvent(e), lr::kOk);
    ASSERT_EQ(e.Key, 1);
    const uint32_t id = e.Id;
    e.Flags |= kDisabled;
    ASSERT_EQ(m.library.modifyEvent(e), lr::kOk);
    EXPECT_EQ(e.Key, 4);
    EXPECT_EQ(e.Id, id);
    for (int n : {1, 2, 3})
        EXPECT_EQ(m.library.index().entry(n), 0);
    EXPECT_EQ(m.library.index().entry(4), 0x8005);
    EXPECT_EQ(m.library.index().entry(6), 0x7FFF);
    EXPECT_EQ(FileIndex(*m.bytes), MemoryIndex(m.library));
    const EventRecord back = Read(m.library, 4);
    EXPECT_EQ(back.Id, id);
    EXPECT_TRUE(back.Has(kDisabled));
    EXPECT_EQ(m.library.countEvents(), 1);

    EventRecord stale = e;
    stale.Key = 1; // the old key is no event any more
    EXPECT_EQ(m.library.modifyEvent(stale), lr::kCorrupted);
    EXPECT_EQ(stale.Key, 1);
}

TEST(EventLibrary, RewriteFirstBlockChangesTheFixedFieldsInPlace) {
    MemoryLibrary m;
    EventRecord e = EventOfSize(600, "in place");
    ASSERT_EQ(m.library.addEvent(e), lr::kOk);
    const std::vector<uint16_t> index = MemoryIndex(m.library);
    const FileBytes before = *m.bytes;
    const int flushes = m.faults->flushes();

    e.StampShown(DateTime::FromParts(2024, 3, 10, 9, 15));
    e.SetSnooze(DateTime::FromParts(2024, 3, 10, 9, 45), 0, 30);
    ASSERT_EQ(m.library.rewriteFirstBlock(e), lr::kOk);
    EXPECT_EQ(MemoryIndex(m.library), index);
    EXPECT_EQ(m.faults->flushes(), flushes);
    EXPECT_EQ(m.bytes->size(), before.size());
    // Only bytes 8 ... 107 of the first block changed.
    const size_t first = libfmt::BlockOffset(e.Key);
    for (size_t i = 0; i < before.size(); ++i)
        if (i < first + 8 || i >= first + 108) {
            ASSERT_EQ((*m.bytes)[i], before[i]) << i;
        }

    const EventRecord back = Read(m.library, e.Key);
    EXPECT_EQ(back.LastShown, e.LastShown);
    EXPECT_EQ(back.SnoozeUntil, e.SnoozeUntil);
    EXPECT_EQ(back.Flags, e.Flags);
    EXPECT_EQ(back.Notes, e.Notes);
    EXPECT_EQ(m.library.rewriteFirstBlock(EventRecord::ForKey(2)), lr::kCorrupted);
}

TEST(EventLibrary, RewriteFirstBlockKeepsTextsWrittenOnWindows) {
    MemoryLibrary m;
    EventRecord e = MakeEvent("Caf_");
    ASSERT_EQ(m.library.addEvent(e), lr::kOk);
    (*m.bytes)[libfmt::BlockOffset(1) + 108 + 4 + 3] = 0xE9; // "Café" in Windows-1252
    EventLibrary lib;
    ASSERT_EQ(m.reopen(lib), lr::kOk);
    EventRecord read = Read(lib, 1);
    ASSERT_EQ(read.Name, "Café"); // one byte longer as UTF-8
    read.Flags |= kAccepted;
    ASSERT_EQ(lib.rewriteFirstBlock(read), lr::kOk);
    const EventRecord back = Read(lib, 1);
    EXPECT_EQ(back.Name, "Café");
    EXPECT_TRUE(back.Has(kAccepted));
}

TEST(EventLibrary, ForEachEventWalksInBlockOrderAndStopsAtAFailure) {
    MemoryLibrary m;
    Add(m.library, MakeEvent("a"));
    Add(m.library, EventOfSize(300, "b"));
    Add(m.library, MakeEvent("c"));
    std::vector<uint16_t> seen;
    EXPECT_EQ(m.library.forEachEvent([&](uint16_t k) {
        seen.push_back(k);
        return lr::kOk;
    }),
              lr::kOk);
    EXPECT_EQ(seen, (std::vector<uint16_t>{1, 2, 4}));
    seen.clear();
    EXPECT_EQ(m.library.forEachEvent([&](uint16_t k) {
        seen.push_back(k);
        return k == 2 ? lr::kCorrupted : lr::kOk;
    }),
              lr::kCorrupted);
    EXPECT_EQ(seen, (std::vector<uint16_t>{1, 2}));
    EXPECT_EQ(m.library.countEvents(), 3);
}

// --- broken files ---

// A library with events at 1 (one block), 2-3 (two blocks) and 4 (one block), whose index is
// then changed by hand and read by a fresh library.
class BrokenLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        Add(m.library, MakeEvent("one"));
        Add(m.library, EventOfSize(300, "two"));
        Add(m.library, MakeEvent("four"));
        m.library.close();
    }
    void setEntry(int n, uint16_t v) { PutLe16(m.bytes->data() + 256 + 2 * n, v); }
    LibraryResult read(uint16_t key) {
        EventLibrary lib;
        EXPECT_EQ(m.reopen(lib), lr::kOk);
        EventRecord e = EventRecord::ForKey(key);
        e.Name = "untouched";
        const LibraryResult rc = lib.readEvent(e);
        if (rc != lr::kOk) {
            EXPECT_EQ(e.Name, "untouched");
        }
        return rc;
    }
    MemoryLibrary m;
};

TEST_F(BrokenLibrary, BrokenChainsGive12AndTheOthersStayReadable) {
    struct Case {
        const char* what;
        int block;
        uint16_t value;
    };
    const Case cases[] = {
        {"loop", 3, 2},
        {"runs into block 0", 3, 0},
        {"runs into a free block", 3, 5},
        {"names block 4000", 2, 0x8000 | 4000},
        {"runs into another event", 3, 4},
    };
    for (const Case& c : cases) {
        setEntry(2, 0x8003);
        setEntry(3, 0x7FFF);
        setEntry(c.block, c.value);
        EXPECT_EQ(read(2), lr::kCorrupted) << c.what;
        EXPECT_EQ(read(1), lr::kOk) << c.what;
        EXPECT_EQ(read(4), lr::kOk) << c.what;
    }
}

TEST_F(BrokenLibrary, KeysThatAreNoEventGive12) {
    for (uint16_t key : {0, 3, 5, 3999, 4000, 65535})
        EXPECT_EQ(read(key), lr::kCorrupted) << key;
}

TEST_F(BrokenLibrary, AChainLongerThanTwentyBlocksGives12) {
    m.bytes->resize(libfmt::BlockOffset(30), 0);
    for (int n = 10; n < 30; ++n)
        setEntry(n, static_cast<uint16_t>(n + 1));
    setEntry(10, 0x8000 | 11);
    setEntry(30, 0x7FFF); // 21 blocks: 10 ... 30
    EXPECT_EQ(read(10), lr::kCorrupted);
    setEntry(29, 0x7FFF); // 20 blocks: a bad record, but the chain is whole
    EXPECT_EQ(read(10), lr::kCorrupted);
    EXPECT_EQ(read(4), lr::kOk);
}

TEST_F(BrokenLibrary, BlocksPastTheEndOfTheFile) {
    setEntry(7, 0xFFFF); // block 7 lies beyond the end: the seek fails
    EXPECT_EQ(read(7), lr::kSeekError);
    setEntry(5, 0xFFFF); // block 5 starts exactly at the end: the read comes up short
    EXPECT_EQ(read(5), lr::kReadError);
    m.bytes->resize(m.bytes->size() - 100); // block 4 cut short
    EXPECT_EQ(read(4), lr::kReadError);
    EXPECT_EQ(read(1), lr::kOk);
}

TEST_F(BrokenLibrary, LengthsAskingForGigabytesGive12) {
    unsigned char* first = m.bytes->data() + libfmt::BlockOffset(1);
    PutLe32(first + 108, 0xFFFFFFF0); // the name's count
    EXPECT_EQ(read(1), lr::kCorrupted);
    PutLe32(first + 108, 4);
    PutLe32(first + 4, 0x7FFFFFFF); // the total length
    EXPECT_EQ(read(1), lr::kCorrupted);
    PutLe32(first + 4, 133);
    PutLe32(first, 0x034A424E); // the record magic
    EXPECT_EQ(read(1), lr::kCorrupted);
    EXPECT_EQ(read(2), lr::kOk);
}

TEST_F(BrokenLibrary, ABrokenChainIsNeitherDeletedNorModified) {
    setEntry(3, 4); // event 2 runs into event 4
    EventLibrary lib;
    ASSERT_EQ(m.reopen(lib), lr::kOk);
    const FileBytes before = *m.bytes;
    EXPECT_EQ(lib.deleteEvent(2), lr::kCorrupted);
    EventRecord e = MakeEvent("new");
    e.Key = 2;
    EXPECT_EQ(lib.modifyEvent(e), lr::kCorrupted);
    EXPECT_EQ(*m.bytes, before);
    EXPECT_EQ(Read(lib, 4).Name, "four");
}

// --- failed writes ---

enum class Op { Add, Modify, Delete };

struct FaultCase {
    Op op;
    int failingWrite; // 1 = the first write of the operation
    FaultyFile::Fault fault;
    LibraryResult code;
};

class FailedWrite : public ::testing::TestWithParam<FaultCase> {};

// The operation fails; afterwards the index in memory and in the file is the one from before,
// every earlier event reads as before, and the library goes on working.
TEST_P(FailedWrite, LeavesTheIndexAsItWasAndEarlierEventsReadable) {
    const FaultCase c = GetParam();
    MemoryLibrary m;
    const uint16_t a = Add(m.library, MakeEvent("first"));
    const uint16_t b = Add(m.library, EventOfSize(600, "second")); // three blocks
    const std::vector<uint16_t> index = MemoryIndex(m.library);
    m.faults->failWrite(c.failingWrite, c.fault);

    LibraryResult rc = lr::kOk;
    EventRecord event = EventOfSize(600, "new");
    switch (c.op) {
    case Op::Add:
        rc = m.library.addEvent(event);
        break;
    case Op::Modify:
        event = Read(m.library, b);
        event.Name = "changed";
        rc = m.library.modifyEvent(event);
        EXPECT_EQ(event.Key, b);
        break;
    case Op::Delete:
        rc = m.library.deleteEvent(b);
        break;
    }
    EXPECT_EQ(rc, c.code);
    EXPECT_EQ(MemoryIndex(m.library), index);
    EXPECT_EQ(FileIndex(*m.bytes), index);
    EXPECT_EQ(Read(m.library, a).Name, "first");
    EXPECT_EQ(Read(m.library, b).Name, "second");

    EventLibrary other;
    ASSERT_EQ(m.reopen(other), lr::kOk);
    EXPECT_EQ(MemoryIndex(other), index);
    EXPECT_EQ(Read(other, b).Name, "second");

    m.faults->failWrite(0);
    EventRecord later = MakeEvent("later");
    EXPECT_EQ(m.library.addEvent(later), lr::kOk);
    EXPECT_EQ(Read(m.library, later.Key).Name, "later");
}

using F = FaultyFile::Fault;
// Adding or modifying a three-block event writes blocks 1-3, then the index (write 4); deleting
// writes only the index.
INSTANTIATE_TEST_SUITE_P(
    EventLibrary, FailedWrite,
    ::testing::Values(FaultCase{Op::Add, 1, F::DiskFull, lr::kDiskFull},
                      FaultCase{Op::Add, 2, F::DiskFull, lr::kDiskFull},
                      FaultCase{Op::Add, 3, F::ShortDiskFull, lr::kDiskFull},
                      FaultCase{Op::Add, 4, F::DiskFull, lr::kDiskFull},
                      FaultCase{Op::Add, 4, F::ShortWrite, lr::kWriteError},
                      FaultCase{Op::Add, 2, F::Io, lr::kWriteError},
                      FaultCase{Op::Modify, 1, F::DiskFull, lr::kDiskFull},
                      FaultCase{Op::Modify, 3, F::Io, lr::kWriteError},
                      FaultCase{Op::Modify, 4, F::ShortDiskFull, lr::kDiskFull},
                      FaultCase{Op::Delete, 1, F::DiskFull, lr::kDiskFull},
                      FaultCase{Op::Delete, 1, F::ShortWrite, lr::kWriteError}));

TEST(EventLibrary, AFailedFlushPutsTheOldIndexBack) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, MakeEvent("a"));
    const std::vector<uint16_t> index = MemoryIndex(m.library);
    m.faults->failFlush(lr::kDiskFull);
    EventRecord e = MakeEvent("b");
    EXPECT_EQ(m.library.addEvent(e), lr::kDiskFull);
    EXPECT_EQ(e.Key, 0);
    EXPECT_EQ(e.Id, 0u);
    EXPECT_EQ(m.library.deleteEvent(a), lr::kDiskFull);
    EXPECT_EQ(MemoryIndex(m.library), index);
    EXPECT_EQ(FileIndex(*m.bytes), index);
}

TEST(EventLibrary, AFullDiskGives4) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, MakeEvent("a"));
    m.memoryFile->setCapacity(m.bytes->size() + 300); // room for one block and a bit
    const FileBytes indexBefore(m.bytes->begin(), m.bytes->begin() + 8256);
    EventRecord big = EventOfSize(1000);
    EXPECT_EQ(m.library.addEvent(big), lr::kDiskFull);
    EXPECT_TRUE(std::equal(indexBefore.begin(), indexBefore.end(), m.bytes->begin()));
    EXPECT_EQ(Read(m.library, a).Name, "a");
    EventRecord small = MakeEvent("fits");
    EXPECT_EQ(m.library.addEvent(small), lr::kOk);
}

TEST(EventLibrary, ChangesNeedAWritableCurrentLibrary) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, MakeEvent("a"));
    EventLibrary readOnly;
    ASSERT_EQ(m.reopen(readOnly, false), lr::kOk);
    EXPECT_FALSE(readOnly.isWritable());
    EXPECT_EQ(Read(readOnly, a).Name, "a");
    EventRecord e = MakeEvent("b");
    EXPECT_EQ(readOnly.addEvent(e), lr::kInternalError);
    EXPECT_EQ(readOnly.deleteEvent(a), lr::kInternalError);
    EventLibrary closed;
    EXPECT_EQ(closed.addEvent(e), lr::kInternalError);
    EXPECT_EQ(closed.readEvent(e), lr::kInternalError);
    EXPECT_EQ(closed.countEvents(), 0);
    EXPECT_EQ(closed.version(), 0u);
}

TEST(EventLibrary, AnOldFileOpensForReadingItsChains) {
    MemoryLibrary m;
    Add(m.library, MakeEvent("old"));
    Add(m.library, EventOfSize(300, "quick reminders"));
    m.library.close();
    PutLe32(m.bytes->data() + 10, 0x00020004);
    PutLe16(m.bytes->data() + 256 + 4, 3); // block 2 no longer marked as an event's first
    PutLe16(m.bytes->data() + 256, 2);     // entry 0 names it
    EventLibrary old;
    EXPECT_EQ(old.openFile(std::make_unique<MemoryFile>(m.bytes), true, false), lr::kOldVersion);
    EXPECT_FALSE(old.isOpen());
    ASSERT_EQ(old.openFile(std::make_unique<MemoryFile>(m.bytes), true, true), lr::kOk);
    EXPECT_EQ(old.version(), 0x00020004u);
    EXPECT_FALSE(old.isWritable());
    EXPECT_EQ(old.countEvents(), 1);
    MemoryStream chain;
    ASSERT_EQ(old.readChain(old.index().entry(0), chain), lr::kOk);
    EXPECT_EQ(chain.length(), 512u);
    EXPECT_EQ(GetLe32(chain.data() + 4), 300u);
}

} // namespace
} // namespace zm
