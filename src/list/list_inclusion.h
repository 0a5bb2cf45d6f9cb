#pragma once
// Which events the list shows, and for which occurrence (ListOccurrence): the search, the
// active filter, the period of the view with snoozed reminders and reminders due today.

#include "list/list_view_state.h"
#include "model/event_record.h"
#include "model/week_settings.h"

#include <vector>

namespace zm {

class TypeList;

// The active filter as the list applies it.
struct ListFilter {
    bool active = false;
    bool showAccepted = true;       // the filter's "Show accepted events"
    std::vector<bool> typeInFilter; // by type index; an index beyond it is the undefined type,
                                    // which every filter shows

    // The active filter of the type list (the types marked as in it, and its options), or no
    // filter when `active` is false.
    static ListFilter FromTypes(const TypeList& types, bool active);
    bool Passes(const EventRecord& event) const;
};

// What the test reads of the clock and the scheduler.
struct InclusionClock {
    DateTime now;
    DateTime lookAheadLimit; // the zero instant while unset
    WeekSettings week;
};

// Whether the list shows the event; when it does, its ListOccurrence is set.
bool IncludeInList(EventRecord& event, const ListViewState& view, const ListFilter& filter,
                   const InclusionClock& clock);

// The text a search looks for as the view keeps it: folded to lower case unless the case
// matters.
std::string SearchKey(const std::string& text, bool matchCase);

} // namespace zm
