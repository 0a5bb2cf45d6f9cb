#pragma once
// What an event taken from the clipboard becomes before it is stored as a new event.

#include "list/list_view_state.h"
#include "model/event_record.h"
#include "model/week_settings.h"

namespace zm {

class TypeList;

// Looks its type up by name without regard to letter case (the undefined type when there is
// none); outside All mode a one-time event moves to the view date keeping its time of day,
// and is then accepted when the moved start lies before today, or else no longer accepted;
// the event gets no key and no Id (storing it gives a new one), and is neither snoozed nor
// shown.
void PreparePastedEvent(EventRecord& event, const TypeList& types, const ListViewState& view,
                        DateTime now, const WeekSettings& week);

} // namespace zm
