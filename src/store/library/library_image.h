#pragma once
// The blocks of a library read in one piece, for the walks that read every event: a walk over a
// full library costs one query of the file's length and one read, however many events it holds,
// instead of a read and a length query per block. The largest file a library can be is its
// header, its index and 3,999 blocks, 1,032,000 bytes; the image holds at most the blocks from
// block 1 to the highest one in use, 1,023,744 bytes.

#include "store/io/read_result.h"
#include "store/library/block_index.h"
#include "store/library/event_library.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace zm {

// The index a walk follows: the one the library was opened with, which is the one ReadEvent
// follows. Every walk takes its index here and nowhere else.
LibraryResult IndexForWalk(const EventLibrary& library, BlockIndex& index);

class LibraryImage {
public:
    // Reads the blocks from block 1 up to the highest block `index` uses, as far as the file
    // reaches, in one read. A file that ends early is no failure here: the events in the
    // missing blocks fail when they are read, as they fail when read one by one. When the one
    // read fails, ReadEvent reads the blocks of each event from the file instead.
    void Load(const EventLibrary& library, const BlockIndex& index);

    // Reads the event whose first block is `key` as EventLibrary::ReadEvent does, with its
    // failures (Corrupted for a key that is not a first block, a broken chain or an unreadable
    // record; SeekError for a block beyond the end of the file, ReadError for one cut short).
    ReadResult<EventRecord> ReadEvent(const BlockIndex& index, uint16_t key,
                                      const EventLibrary::TypeLookup& lookup) const;

private:
    LibraryResult ReadBlock(int block, unsigned char* data) const;

    const EventLibrary* library_ = nullptr;
    bool whole_ = false; // the blocks were read in one piece
    uint64_t fileSize_ = 0;
    std::vector<unsigned char> blocks_; // the file from block 1 on
};

// Called with each event's key and the result of reading it; a result other than Ok stops the
// walk.
using EventReadVisitor = std::function<LibraryResult(uint16_t key, ReadResult<EventRecord>& read)>;

// Reads every event of the library in ascending key order, each with the result ReadEvent would
// give it, and resolves its type through `lookup`. Returns the first nonzero visitor result, else
// 0.
LibraryResult VisitEachEvent(const EventLibrary& library, const EventLibrary::TypeLookup& lookup,
                             const EventReadVisitor& visit);

} // namespace zm
