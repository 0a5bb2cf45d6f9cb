#pragma once
// One row of the event list: a private copy of the event, with its ListOccurrence set, and the
// keys the rows are sorted by, worked out once when the row is made.

#include "model/event_record.h"

#include <string>

namespace zm {

struct ListRow {
    EventRecord event;
    std::string nameKey; // the name folded to lower case
    std::string typeKey; // the type name folded to lower case
    int age = -1;        // the age in years at the ListOccurrence; -1 when there is none
};

// The row of an event whose ListOccurrence is set.
ListRow MakeListRow(EventRecord event);

} // namespace zm
