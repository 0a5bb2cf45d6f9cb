#include "platform/byte_order.h"
#include "store/library/event_library.h"
#include "store/library/event_serializer.h"
#include "support/library_fixture.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>
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
        out[static_cast<size_t>(i)] = lib.Index().Entry(i);
    return out;
}

EventRecord Read(const EventLibrary& lib, uint16_t key) {
    ReadResult<EventRecord> e = lib.ReadEvent(key);
    EXPECT_EQ(e.Code(), LibraryResult::Ok) << "key " << key;
    return e.Ok() ? std::move(e).Value() : EventRecord::ForKey(key);
}

uint16_t Add(EventLibrary& lib, EventRecord e) {
    EXPECT_EQ(lib.AddEvent(e), LibraryResult::Ok);
    return e.key;
}

// --- layout ---

TEST(EventLibrary, AnEventIsWrittenBehindTheIndexAndReadBack) {
    MemoryLibrary m;
    int lookups = 0;
    m.library.SetTypeLookup([&](const std::string& name) {
        ++lookups;
        return name == "Meeting" ? 3 : -1;
    });
    EventRecord e = MakeEvent("Dentist", 10);
    e.id = 0x11112222;
    ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    EXPECT_EQ(e.key, 1);
    EXPECT_EQ(e.id, 0x11112222u); // a given id is kept
    EXPECT_EQ(m.library.Index().Entry(1), 0xFFFF);
    ASSERT_EQ(m.bytes->size(), 8256u + 256u);
    EXPECT_EQ(FileIndex(*m.bytes), MemoryIndex(m.library));

    MemoryStream expected;
    SerializeEvent(e, expected);
    EXPECT_EQ(std::memcmp(m.bytes->data() + 8256, expected.Data(), expected.Length()), 0);
    for (size_t i = 8256 + expected.Length(); i < m.bytes->size(); ++i)
        ASSERT_EQ((*m.bytes)[i], 0);

    const EventRecord back = Read(m.library, 1);
    EXPECT_EQ(back.name, "Dentist");
    EXPECT_EQ(back.notes, e.notes);
    EXPECT_EQ(back.start, e.start);
    EXPECT_EQ(back.typeIndex, 3);
    EXPECT_EQ(lookups, 1);

    EventLibrary noTypes; // without a type list every type is undefined
    ASSERT_EQ(m.Reopen(noTypes), LibraryResult::Ok);
    EXPECT_EQ(Read(noTypes, 1).typeIndex, -1);
}

TEST(EventLibrary, ANewEventGetsTheIdOfItsBytesAndTheMomentOfAdding) {
    MemoryLibrary m;
    EventRecord e = MakeEvent("x");
    MemoryStream plain;
    SerializeEvent(e, plain);
    ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    EXPECT_EQ(e.id, ComputeEventId(plain.Data(), plain.Length(),
                                   DateTime::FromParts(2024, 1, 2, 3, 4, 5), 123456u));
    EXPECT_EQ(Read(m.library, e.key).id, e.id);
}

TEST(EventLibrary, EventsOf256And257Bytes) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, EventOfSize(256));
    EXPECT_EQ(m.library.Index().Entry(a), 0xFFFF);
    const uint16_t b = Add(m.library, EventOfSize(257));
    EXPECT_EQ(b, 2);
    EXPECT_EQ(m.library.Index().Entry(2), 0x8003);
    EXPECT_EQ(m.library.Index().Entry(3), 0x7FFF);
    ASSERT_EQ(m.bytes->size(), libfmt::BlockOffset(4));
    const unsigned char* second = m.bytes->data() + libfmt::BlockOffset(3);
    EXPECT_EQ(second[0], 0); // the type name's terminating zero
    for (int i = 1; i < 256; ++i)
        ASSERT_EQ(second[i], 0);
    EXPECT_EQ(Read(m.library, b).notes.size(), 257u - 128u);
    EXPECT_EQ(m.library.CountEvents(), 2);
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
    ASSERT_EQ(m.library.AddEvent(largest), LibraryResult::Ok);
    EXPECT_EQ(m.library.Index().ChainLength(largest.key), 20);
    EXPECT_EQ(Read(m.library, largest.key).notes, largest.notes);

    const FileBytes before = *m.bytes;
    EventRecord tooLarge = EventOfSize(5121);
    EXPECT_EQ(m.library.AddEvent(tooLarge), LibraryResult::EventTooLarge);
    EXPECT_EQ(tooLarge.key, 0);
    EXPECT_EQ(tooLarge.id, 0u);
    EXPECT_EQ(*m.bytes, before);

    // Growing a stored event past the limit is refused as well, and the event stays.
    EventRecord grown = Read(m.library, largest.key);
    grown.name += "!";
    EXPECT_EQ(m.library.ModifyEvent(grown), LibraryResult::EventTooLarge);
    EXPECT_EQ(grown.key, largest.key);
    EXPECT_EQ(*m.bytes, before);
}

// --- allocation ---

TEST(EventLibrary, AFullLibraryRefusesWithoutChangingAnything) {
    MemoryLibrary m;
    for (int i = 0; i < 3998; ++i)
        ASSERT_EQ(Add(m.library, EventOfSize(130)), i + 1);
    const FileBytes before = *m.bytes;
    EventRecord twoBlocks = EventOfSize(300);
    EXPECT_EQ(m.library.AddEvent(twoBlocks), LibraryResult::LibraryFull);
    EXPECT_EQ(*m.bytes, before);
    EXPECT_EQ(FileIndex(*m.bytes), MemoryIndex(m.library));

    EXPECT_EQ(Add(m.library, EventOfSize(130)), 3999);
    EXPECT_EQ(m.library.CountEvents(), 3999);
    EXPECT_EQ(m.bytes->size(), libfmt::BlockOffset(4000));
    const FileBytes full = *m.bytes;
    EventRecord one = EventOfSize(128);
    EXPECT_EQ(m.library.AddEvent(one), LibraryResult::LibraryFull);
    EXPECT_EQ(*m.bytes, full);
    // Modifying needs room for the new copy beside the old one.
    EventRecord changed = Read(m.library, 10);
    EXPECT_EQ(m.library.ModifyEvent(changed), LibraryResult::LibraryFull);
    EXPECT_EQ(changed.key, 10);
    // Deleting makes room again.
    EXPECT_EQ(m.library.DeleteEvent(10, 0), LibraryResult::Ok);
    EXPECT_EQ(Add(m.library, EventOfSize(128)), 10);
}

TEST(EventLibrary, DeletedBlocksAreReusedLowestFirst) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, MakeEvent("a"));
    const uint16_t b = Add(m.library, EventOfSize(700, "b")); // 2, 3, 4
    const uint16_t c = Add(m.library, MakeEvent("c"));        // 5
    ASSERT_EQ(b, 2);
    ASSERT_EQ(c, 5);
    ASSERT_EQ(m.library.DeleteEvent(b, 0), LibraryResult::Ok);
    for (int n : {2, 3, 4})
        EXPECT_EQ(m.library.Index().Entry(n), 0) << n;
    EXPECT_EQ(FileIndex(*m.bytes), MemoryIndex(m.library));
    EXPECT_EQ(m.library.DeleteEvent(b, 0), LibraryResult::Corrupted); // no longer an event
    // A four-block event takes the three freed blocks and the next free one above them.
    const uint16_t d = Add(m.library, EventOfSize(900, "d"));
    EXPECT_EQ(d, 2);
    EXPECT_EQ(m.library.Index().Entry(4), 6);
    EXPECT_EQ(Read(m.library, a).name, "a");
    EXPECT_EQ(Read(m.library, c).name, "c");
    EXPECT_EQ(Read(m.library, d).name, "d");
}

TEST(EventLibrary, ModifyMovesTheEventAndKeepsItsId) {
    MemoryLibrary m;
    EventRecord e = EventOfSize(700, "three blocks");
    ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    ASSERT_EQ(e.key, 1);
    const uint32_t id = e.id;
    e.flags |= kDisabled;
    ASSERT_EQ(m.library.ModifyEvent(e), LibraryResult::Ok);
    EXPECT_EQ(e.key, 4);
    EXPECT_EQ(e.id, id);
    for (int n : {1, 2, 3})
        EXPECT_EQ(m.library.Index().Entry(n), 0);
    EXPECT_EQ(m.library.Index().Entry(4), 0x8005);
    EXPECT_EQ(m.library.Index().Entry(6), 0x7FFF);
    EXPECT_EQ(FileIndex(*m.bytes), MemoryIndex(m.library));
    const EventRecord back = Read(m.library, 4);
    EXPECT_EQ(back.id, id);
    EXPECT_TRUE(back.Has(kDisabled));
    EXPECT_EQ(m.library.CountEvents(), 1);

    EventRecord stale = e;
    stale.key = 1; // the old key is no event any more
    EXPECT_EQ(m.library.ModifyEvent(stale), LibraryResult::Corrupted);
    EXPECT_EQ(stale.key, 1);
}

TEST(EventLibrary, RewriteFirstBlockChangesTheFixedFieldsInPlace) {
    MemoryLibrary m;
    EventRecord e = EventOfSize(600, "in place");
    ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    const std::vector<uint16_t> index = MemoryIndex(m.library);
    const FileBytes before = *m.bytes;
    const int flushes = m.faults->Flushes();

    e.StampShown(DateTime::FromParts(2024, 3, 10, 9, 15));
    e.SetSnooze(DateTime::FromParts(2024, 3, 10, 9, 45), AmountUnit::Minute, 30);
    ASSERT_EQ(m.library.RewriteFirstBlock(e), LibraryResult::Ok);
    EXPECT_EQ(MemoryIndex(m.library), index);
    EXPECT_EQ(m.faults->Flushes(), flushes);
    EXPECT_EQ(m.bytes->size(), before.size());
    // Only bytes 8 ... 107 of the first block changed.
    const size_t first = libfmt::BlockOffset(e.key);
    for (size_t i = 0; i < before.size(); ++i)
        if (i < first + 8 || i >= first + 108) {
            ASSERT_EQ((*m.bytes)[i], before[i]) << i;
        }

    const EventRecord back = Read(m.library, e.key);
    EXPECT_EQ(back.lastShown, e.lastShown);
    EXPECT_EQ(back.snoozeUntil, e.snoozeUntil);
    EXPECT_EQ(back.flags, e.flags);
    EXPECT_EQ(back.notes, e.notes);
    EXPECT_EQ(m.library.RewriteFirstBlock(EventRecord::ForKey(2)), LibraryResult::Corrupted);
}

TEST(EventLibrary, RewriteFirstBlockKeepsTextsWrittenOnWindows) {
    MemoryLibrary m;
    EventRecord e = MakeEvent("Caf_");
    ASSERT_EQ(m.library.AddEvent(e), LibraryResult::Ok);
    (*m.bytes)[libfmt::BlockOffset(1) + 108 + 4 + 3] = 0xE9; // "Café" in Windows-1252
    EventLibrary lib;
    ASSERT_EQ(m.Reopen(lib), LibraryResult::Ok);
    EventRecord read = Read(lib, 1);
    ASSERT_EQ(read.name, "Café"); // one byte longer as UTF-8
    read.flags |= kAccepted;
    ASSERT_EQ(lib.RewriteFirstBlock(read), LibraryResult::Ok);
    const EventRecord back = Read(lib, 1);
    EXPECT_EQ(back.name, "Café");
    EXPECT_TRUE(back.Has(kAccepted));
}

TEST(EventLibrary, ForEachEventWalksInBlockOrderAndStopsAtAFailure) {
    MemoryLibrary m;
    Add(m.library, MakeEvent("a"));
    Add(m.library, EventOfSize(300, "b"));
    Add(m.library, MakeEvent("c"));
    std::vector<uint16_t> seen;
    EXPECT_EQ(m.library.ForEachEvent([&](uint16_t k) {
        seen.push_back(k);
        return LibraryResult::Ok;
    }),
              LibraryResult::Ok);
    EXPECT_EQ(seen, (std::vector<uint16_t>{1, 2, 4}));
    seen.clear();
    EXPECT_EQ(m.library.ForEachEvent([&](uint16_t k) {
        seen.push_back(k);
        return k == 2 ? LibraryResult::Corrupted : LibraryResult::Ok;
    }),
              LibraryResult::Corrupted);
    EXPECT_EQ(seen, (std::vector<uint16_t>{1, 2}));
    EXPECT_EQ(m.library.CountEvents(), 3);
}

// --- broken files ---

// A library with events at 1 (one block), 2-3 (two blocks) and 4 (one block), whose index is
// then changed by hand and read by a fresh library.
class BrokenLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        Add(m_.library, MakeEvent("one"));
        Add(m_.library, EventOfSize(300, "two"));
        Add(m_.library, MakeEvent("four"));
        m_.library.Close();
    }
    void SetEntry(int n, uint16_t v) { PutLe16(m_.bytes->data() + 256 + 2 * n, v); }
    LibraryResult Read(uint16_t key) {
        EventLibrary lib;
        EXPECT_EQ(m_.Reopen(lib), LibraryResult::Ok);
        const ReadResult<EventRecord> e = lib.ReadEvent(key);
        if (e.Ok()) {
            EXPECT_EQ(e->key, key);
        }
        return e.Code();
    }
    MemoryLibrary m_;
};

TEST_F(BrokenLibrary, BrokenChainsAreCorruptedAndTheOthersStayReadable) {
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
        SetEntry(2, 0x8003);
        SetEntry(3, 0x7FFF);
        SetEntry(c.block, c.value);
        EXPECT_EQ(Read(2), LibraryResult::Corrupted) << c.what;
        EXPECT_EQ(Read(1), LibraryResult::Ok) << c.what;
        EXPECT_EQ(Read(4), LibraryResult::Ok) << c.what;
    }
}

TEST_F(BrokenLibrary, KeysThatAreNoEventAreCorrupted) {
    for (uint16_t key : {0, 3, 5, 3999, 4000, 65535})
        EXPECT_EQ(Read(key), LibraryResult::Corrupted) << key;
}

TEST_F(BrokenLibrary, AChainLongerThanTwentyBlocksIsCorrupted) {
    m_.bytes->resize(libfmt::BlockOffset(30), 0);
    for (int n = 10; n < 30; ++n)
        SetEntry(n, static_cast<uint16_t>(n + 1));
    SetEntry(10, 0x8000 | 11);
    SetEntry(30, 0x7FFF); // 21 blocks: 10 ... 30
    EXPECT_EQ(Read(10), LibraryResult::Corrupted);
    SetEntry(29, 0x7FFF); // 20 blocks: a bad record, but the chain is whole
    EXPECT_EQ(Read(10), LibraryResult::Corrupted);
    EXPECT_EQ(Read(4), LibraryResult::Ok);
}

TEST_F(BrokenLibrary, BlocksPastTheEndOfTheFile) {
    SetEntry(7, 0xFFFF); // block 7 lies beyond the end: the seek fails
    EXPECT_EQ(Read(7), LibraryResult::SeekError);
    SetEntry(5, 0xFFFF); // block 5 starts exactly at the end: the read comes up short
    EXPECT_EQ(Read(5), LibraryResult::ReadError);
    m_.bytes->resize(m_.bytes->size() - 100); // block 4 cut short
    EXPECT_EQ(Read(4), LibraryResult::ReadError);
    EXPECT_EQ(Read(1), LibraryResult::Ok);
}

TEST_F(BrokenLibrary, LengthsAskingForGigabytesAreCorrupted) {
    unsigned char* first = m_.bytes->data() + libfmt::BlockOffset(1);
    PutLe32(first + 108, 0xFFFFFFF0); // the name's count
    EXPECT_EQ(Read(1), LibraryResult::Corrupted);
    PutLe32(first + 108, 4);
    PutLe32(first + 4, 0x7FFFFFFF); // the total length
    EXPECT_EQ(Read(1), LibraryResult::Corrupted);
    PutLe32(first + 4, 133);
    PutLe32(first, 0x034A424E); // the record magic
    EXPECT_EQ(Read(1), LibraryResult::Corrupted);
    EXPECT_EQ(Read(2), LibraryResult::Ok);
}

TEST_F(BrokenLibrary, ABrokenChainIsNotModifiedButCanBeDeleted) {
    SetEntry(3, 4); // event 2 runs into event 4
    EventLibrary lib;
    ASSERT_EQ(m_.Reopen(lib), LibraryResult::Ok);
    const FileBytes before = *m_.bytes;
    EventRecord e = MakeEvent("new");
    e.key = 2;
    EXPECT_EQ(lib.ModifyEvent(e), LibraryResult::Corrupted);
    EXPECT_EQ(*m_.bytes, before);
    EXPECT_EQ(lib.DeleteEvent(2, 0), LibraryResult::Ok);
    EXPECT_EQ(lib.Index().CountHeads(), 2);
    EXPECT_EQ(zm::Read(lib, 1).name, "one");
    EXPECT_EQ(zm::Read(lib, 4).name, "four");
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
    m.faults->FailWrite(c.failingWrite, c.fault);

    LibraryResult rc = LibraryResult::Ok;
    EventRecord event = EventOfSize(600, "new");
    switch (c.op) {
    case Op::Add:
        rc = m.library.AddEvent(event);
        break;
    case Op::Modify:
        event = Read(m.library, b);
        event.name = "changed";
        rc = m.library.ModifyEvent(event);
        EXPECT_EQ(event.key, b);
        break;
    case Op::Delete:
        rc = m.library.DeleteEvent(b, 0);
        break;
    }
    EXPECT_EQ(rc, c.code);
    EXPECT_EQ(MemoryIndex(m.library), index);
    EXPECT_EQ(FileIndex(*m.bytes), index);
    EXPECT_EQ(Read(m.library, a).name, "first");
    EXPECT_EQ(Read(m.library, b).name, "second");

    EventLibrary other;
    ASSERT_EQ(m.Reopen(other), LibraryResult::Ok);
    EXPECT_EQ(MemoryIndex(other), index);
    EXPECT_EQ(Read(other, b).name, "second");

    m.faults->FailWrite(0);
    EventRecord later = MakeEvent("later");
    EXPECT_EQ(m.library.AddEvent(later), LibraryResult::Ok);
    EXPECT_EQ(Read(m.library, later.key).name, "later");
}

using F = FaultyFile::Fault;
// Adding or modifying a three-block event writes blocks 1-3, then the index (write 4); deleting
// writes only the index.
INSTANTIATE_TEST_SUITE_P(
    EventLibrary, FailedWrite,
    ::testing::Values(FaultCase{Op::Add, 1, F::DiskFull, LibraryResult::DiskFull},
                      FaultCase{Op::Add, 2, F::DiskFull, LibraryResult::DiskFull},
                      FaultCase{Op::Add, 3, F::ShortDiskFull, LibraryResult::DiskFull},
                      FaultCase{Op::Add, 4, F::DiskFull, LibraryResult::DiskFull},
                      FaultCase{Op::Add, 4, F::ShortWrite, LibraryResult::WriteError},
                      FaultCase{Op::Add, 2, F::Io, LibraryResult::WriteError},
                      FaultCase{Op::Modify, 1, F::DiskFull, LibraryResult::DiskFull},
                      FaultCase{Op::Modify, 3, F::Io, LibraryResult::WriteError},
                      FaultCase{Op::Modify, 4, F::ShortDiskFull, LibraryResult::DiskFull},
                      FaultCase{Op::Delete, 1, F::DiskFull, LibraryResult::DiskFull},
                      FaultCase{Op::Delete, 1, F::ShortWrite, LibraryResult::WriteError}));

TEST(EventLibrary, AFailedFlushPutsTheOldIndexBack) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, MakeEvent("a"));
    const std::vector<uint16_t> index = MemoryIndex(m.library);
    m.faults->FailFlush(LibraryResult::DiskFull);
    EventRecord e = MakeEvent("b");
    EXPECT_EQ(m.library.AddEvent(e), LibraryResult::DiskFull);
    EXPECT_EQ(e.key, 0);
    EXPECT_EQ(e.id, 0u);
    EXPECT_EQ(m.library.DeleteEvent(a, 0), LibraryResult::DiskFull);
    EXPECT_EQ(MemoryIndex(m.library), index);
    EXPECT_EQ(FileIndex(*m.bytes), index);
}

TEST(EventLibrary, AFullDiskGivesDiskFull) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, MakeEvent("a"));
    m.memoryFile->SetCapacity(m.bytes->size() + 300); // room for one block and a bit
    const FileBytes indexBefore(m.bytes->begin(), m.bytes->begin() + 8256);
    EventRecord big = EventOfSize(1000);
    EXPECT_EQ(m.library.AddEvent(big), LibraryResult::DiskFull);
    EXPECT_TRUE(std::equal(indexBefore.begin(), indexBefore.end(), m.bytes->begin()));
    EXPECT_EQ(Read(m.library, a).name, "a");
    EventRecord small = MakeEvent("fits");
    EXPECT_EQ(m.library.AddEvent(small), LibraryResult::Ok);
}

// A disk that fills up during an append: the blocks written, and the one cut short, go again,
// whether the event is added alone or in a batch, so the file never ends within a block.
TEST(EventLibrary, AFailedAppendLeavesTheFileAsLongAsBefore) {
    for (const uint64_t room : {0, 100, 256, 300, 700}) {
        for (const bool batch : {false, true}) {
            MemoryLibrary m;
            Add(m.library, MakeEvent("a"));
            const FileBytes before = *m.bytes;
            m.memoryFile->SetCapacity(before.size() + room);
            EventRecord big = EventOfSize(1000); // four blocks
            if (batch) m.library.BeginBatch();
            EXPECT_EQ(m.library.AddEvent(big), LibraryResult::DiskFull) << room;
            EXPECT_EQ(*m.bytes, before) << room << (batch ? " in a batch" : "");
            if (batch) m.library.EndBatch();
            m.memoryFile->SetCapacity(std::numeric_limits<uint64_t>::max());
            EXPECT_EQ(m.library.AddEvent(big), LibraryResult::Ok);
            EXPECT_EQ(Read(m.library, big.key).notes, big.notes);
        }
    }
}

// Behind the last block in use: a block cut short and whole blocks of a change that never
// committed. Readers leave them alone; a writer cuts them off when it opens the library, and
// when it drops a batch.
TEST(EventLibrary, SlackBehindTheBlocksInUseIsCutOffByTheNextWriter) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, MakeEvent("a"));
    const uint16_t b = Add(m.library, EventOfSize(300, "b")); // blocks 2-3
    ASSERT_EQ(m.library.DeleteEvent(b, 0), LibraryResult::Ok);
    m.library.Close();
    const size_t used = libfmt::BlockOffset(2);
    m.bytes->resize(libfmt::BlockOffset(4) + 100, 0x5A);
    const FileBytes withSlack = *m.bytes;

    EventLibrary reader;
    ASSERT_EQ(m.Reopen(reader, false), LibraryResult::Ok);
    EXPECT_EQ(Read(reader, a).name, "a");
    EXPECT_EQ(*m.bytes, withSlack);

    EventLibrary writer;
    ASSERT_EQ(m.Reopen(writer), LibraryResult::Ok);
    EXPECT_EQ(m.bytes->size(), used);
    EXPECT_TRUE(std::equal(m.bytes->begin(), m.bytes->end(), withSlack.begin()));
    EXPECT_EQ(Read(reader, a).name, "a");

    {
        EventLibrary::BatchScope batch(writer);
        EventRecord c = EventOfSize(600, "c");
        EXPECT_EQ(writer.AddEvent(c), LibraryResult::Ok);
        EXPECT_EQ(m.bytes->size(), libfmt::BlockOffset(5));
    }
    EXPECT_EQ(m.bytes->size(), used);
    EXPECT_EQ(writer.CountEvents(), 1);
}

TEST(EventLibrary, ChangesNeedAWritableCurrentLibrary) {
    MemoryLibrary m;
    const uint16_t a = Add(m.library, MakeEvent("a"));
    EventLibrary readOnly;
    ASSERT_EQ(m.Reopen(readOnly, false), LibraryResult::Ok);
    EXPECT_FALSE(readOnly.IsWritable());
    EXPECT_EQ(Read(readOnly, a).name, "a");
    EventRecord e = MakeEvent("b");
    EXPECT_EQ(readOnly.AddEvent(e), LibraryResult::InternalError);
    EXPECT_EQ(readOnly.DeleteEvent(a, 0), LibraryResult::InternalError);
    EventLibrary closed;
    EXPECT_EQ(closed.AddEvent(e), LibraryResult::InternalError);
    EXPECT_EQ(closed.ReadEvent(a).Code(), LibraryResult::InternalError);
    EXPECT_EQ(closed.CountEvents(), 0);
    EXPECT_EQ(closed.Version(), 0u);
}

TEST(EventLibrary, AnOldFileOpensForReadingItsChains) {
    MemoryLibrary m;
    Add(m.library, MakeEvent("old"));
    Add(m.library, EventOfSize(300, "quick reminders"));
    m.library.Close();
    PutLe32(m.bytes->data() + 10, 0x00020004);
    PutLe16(m.bytes->data() + 256 + 4, 3); // block 2 no longer marked as an event's first
    PutLe16(m.bytes->data() + 256, 2);     // entry 0 names it
    EventLibrary old;
    EXPECT_EQ(old.OpenFile(std::make_unique<MemoryFile>(m.bytes), true, false),
              LibraryResult::OldVersion);
    EXPECT_FALSE(old.IsOpen());
    ASSERT_EQ(old.OpenFile(std::make_unique<MemoryFile>(m.bytes), true, true), LibraryResult::Ok);
    EXPECT_EQ(old.Version(), 0x00020004u);
    EXPECT_FALSE(old.IsWritable());
    EXPECT_EQ(old.CountEvents(), 1);
    MemoryStream chain;
    ASSERT_EQ(old.ReadChain(old.Index().Entry(0), chain), LibraryResult::Ok);
    EXPECT_EQ(chain.Length(), 512u);
    EXPECT_EQ(GetLe32(chain.Data() + 4), 300u);
}

} // namespace
} // namespace zm
