#pragma once
// A check of an open library: walks the index, reads every event and lists what is wrong.

#include "store/library/event_library.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zm {

enum class LibraryProblemKind : uint8_t {
    BrokenChain,     // the chain of an event cannot be followed to its end
    UnreadableEvent, // the chain is whole but the event in it cannot be read (see code)
    BlockUsedTwice,  // a block of this event also belongs to an earlier one
    BlockPastEnd,    // an index entry names a block that lies (partly) past the end of the file
    LostBlock,       // a block marked as used that belongs to no event
};

struct LibraryProblem {
    LibraryProblemKind kind;
    uint16_t key = 0;                       // the event's first block; 0 for a block of no event
    uint16_t block = 0;                     // the block concerned, 0 when not one block
    LibraryResult code = LibraryResult::Ok; // for UnreadableEvent: what reading it gave

    friend bool operator==(const LibraryProblem&, const LibraryProblem&) = default;
};

// Every problem of the library, events in ascending order of their key, lost blocks last. Each
// kind of problem is listed once per event, at the first block that shows it.
// Empty for a sound library (and for one that is not open).
std::vector<LibraryProblem> VerifyLibrary(const EventLibrary& library);

// A line for the user about the problem.
std::string DescribeProblem(const LibraryProblem& problem);

// The bytes behind the highest block the index uses: a block cut short, or blocks of a change
// that never committed (a full disk, a power loss, a writer still at work). No reader looks at
// them and the next writer cuts them off, so they are a note, not a problem. 0 when there are
// none or the library is not open.
uint64_t LibrarySlack(const EventLibrary& library);
// The note about the slack.
std::string DescribeSlack(uint64_t bytes);

// True when the file ends within a block that the index uses: the file was cut short, and an
// event in it cannot be read. (A file ending within a block no event uses only has slack.) The
// index is the one read when the library was opened, the length is the file's now, so a writer
// that grows the library meanwhile never makes this true.
bool EndsWithinUsedBlock(const EventLibrary& library);

} // namespace zm
