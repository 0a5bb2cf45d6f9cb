#pragma once
// The next occurrences of an event with their reminder instants, as the recurrence editor
// lists them while the user shapes the pattern.

#include "model/event_record.h"

#include <vector>

namespace zm {

struct UpcomingOccurrence {
    DateTime occurrence;
    DateTime reminder; // the occurrence minus the advance notice
    friend bool operator==(const UpcomingOccurrence&, const UpcomingOccurrence&) = default;
};

// Up to `count` occurrences from the first one at or after `from` (those earlier the same day
// are over), stepping with NextOccurrence; the list stops at an occurrence whose reminder lies
// after the end of the range and where a step does not move on. A one-time event has its start
// alone.
std::vector<UpcomingOccurrence> UpcomingOccurrences(const EventRecord& event, DateTime from,
                                                    int count);

} // namespace zm
