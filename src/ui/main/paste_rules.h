#pragma once
// A pasted event made ready to be stored as a new one.

#include "list/list_view_state.h"
#include "model/event_record.h"
#include "model/week_settings.h"

namespace zm {

class TypeList;

// The event gets a new Id when it is stored and the type its name names here (the undefined
// type when none). A one-time event pasted into a Day, Week or Month view of another date moves
// there, keeping its time of day; a moved event is accepted again only when its new start lies
// before today (its old acceptance belonged to the old date). Snoozed and Shown are cleared.
void PreparePastedEvent(EventRecord& event, const ListViewState& view, DateTime now,
                        const WeekSettings& week, const TypeList& types);

} // namespace zm
