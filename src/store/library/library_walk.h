#pragma once
// Reading every event of a library in ascending key order, for the walks that only read (the
// daily rebuild, the check for future stamps, the duplicate table of a merge). The blocks are
// read a window of 64 KB at a time rather than one by one, which makes a walk over a full
// library a few reads instead of thousands; each event comes out exactly as readEvent gives it.

#include "store/library/event_library.h"

#include <functional>

namespace zm {

// Called with each event read; a nonzero result stops the walk.
using StoredEventVisitor = std::function<LibraryResult(EventRecord& event)>;

// Reads each event of the library and hands it to the visitor; the first failure to read an
// event (as readEvent reports it) or nonzero visitor result ends the walk and is returned.
// The visitor must not change the library.
LibraryResult ReadEachEvent(const EventLibrary& library, const EventLibrary::TypeLookup& lookup,
                            const StoredEventVisitor& visit);

} // namespace zm
