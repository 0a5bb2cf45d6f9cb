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
    uint16_t key = 0;             // the event's first block; 0 for a block of no event
    uint16_t block = 0;           // the block concerned, 0 when not one block
    LibraryResult code = lr::kOk; // for UnreadableEvent: what reading it gave

    friend bool operator==(const LibraryProblem&, const LibraryProblem&) = default;
};

// Every problem of the library, events in ascending order of their key, lost blocks last. Each
// kind of problem is listed once per event, at the first block that shows it.
// Empty for a sound library (and for one that is not open).
std::vector<LibraryProblem> VerifyLibrary(const EventLibrary& library);

// A line for the user about the problem.
std::string DescribeProblem(const LibraryProblem& problem);

} // namespace zm
