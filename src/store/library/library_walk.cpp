#include "store/library/library_walk.h"

#include "store/library/library_image.h"

namespace zm {

LibraryResult ReadEachEvent(const EventLibrary& library, const EventLibrary::TypeLookup& lookup,
                            const StoredEventVisitor& visit) {
    return VisitEachEvent(library, lookup, [&](uint16_t, ReadResult<EventRecord>& event) {
        return event.Ok() ? visit(event.Value()) : event.Code();
    });
}

} // namespace zm
