#pragma once
// The one way a library's index changes on the disk, and the way it is read back: see
// index_journal.h for why a power loss at any moment leaves the state before or after.

#include "store/io/file.h"
#include "store/io/library_result.h"
#include "store/library/block_index.h"
#include "store/library/index_journal.h"

namespace zm {

// How a change of the index ended. A change is stored when `code` is 0; `warning` is then a
// failure of a step after the change took effect (the journal could be removed but its
// removal not flushed), which the user is told as a warning.
struct CommitOutcome {
    LibraryResult code = LibraryResult::Ok;
    LibraryResult warning = LibraryResult::Ok;
    bool Stored() const { return code == LibraryResult::Ok; }
};

// Writes `newIndex` over `oldIndex`: flushes the blocks written before, writes the journal with
// the old index, writes the new index and flushes it, removes the journal. A failure puts the
// old index back in the file (a whole journal still holds it when even that fails, so the
// change is not stored); without a journal the file is read again to tell whether the change
// is stored.
CommitOutcome CommitIndex(File& file, JournalFile* journal, const BlockIndex& oldIndex,
                          const BlockIndex& newIndex);

// Reads the index of an open library. A whole journal that matches the library means the last
// change did not complete: a writer puts the journal's old index back into the file and
// removes the journal, a reader only takes that index; a torn or foreign journal is removed by
// a writer and ignored by a reader.
LibraryResult LoadIndex(File& file, JournalFile* journal, bool writable, BlockIndex& index);

} // namespace zm
