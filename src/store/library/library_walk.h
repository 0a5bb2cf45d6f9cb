#pragma once
// Reading every event of a library in ascending key order, for the walks that only read (the
// daily rebuild, the check for future stamps, the duplicate table of a merge). The used blocks
// are read in one piece (library_image.h), so a walk over a full library is one read instead
// of thousands; each event comes out exactly as ReadEvent gives it.

#include "store/library/event_library.h"

#include <functional>

namespace zm {

// Called with each event read; a result other than Ok stops the walk.
using StoredEventVisitor = std::function<LibraryResult(EventRecord& event)>;

// Reads each event of the library and hands it to the visitor; the first failure to read an
// event (as ReadEvent reports it) or visitor result other than Ok ends the walk and is returned.
// The visitor must not change the library.
LibraryResult ReadEachEvent(const EventLibrary& library, const EventLibrary::TypeLookup& lookup,
                            const StoredEventVisitor& visit);

} // namespace zm
