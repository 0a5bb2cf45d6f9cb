#pragma once
// What an event takes over from its type: when it is made, and when the user gives a new event
// another type in the editor. And whether the active filter hides a type's events.

#include "model/event_record.h"
#include "store/types/type_list.h"

namespace zm {

// The type's new-event settings for a new event: type index and name, "time is over" option,
// duration, advance notice, sound and sound file, the fixed start time (the date stays), and a
// yearly pattern on the start's date when the type asks for one and the event does not recur
// yet. A null type (the undefined one) gives the index -1 and changes nothing else. True when
// the event became yearly.
bool ApplyTypeDefaults(EventRecord& event, int typeIndex, const EventType* type);

// The first quarter hour strictly after `after`.
DateTime NextQuarterHour(DateTime after);

// A new event of the type on `day`: it starts at the next quarter hour after now, takes the
// type's settings, then moves to the date of `day` with its time of day kept. On today or a
// later day, a one-time event whose reminder (start minus the advance notice) would not be
// ahead of now starts instead at the first quarter hour whose reminder is, unless its type
// fixes the start time. The index -1 stands for the first type while there is one.
EventRecord MakeNewEvent(const TypeList& types, int typeIndex, DateTime day, DateTime now);

// Whether the active filter hides the events of the type (the undefined type's events always
// pass the filter).
bool FilterHidesType(const TypeList& types, int typeIndex);

} // namespace zm
