#pragma once
// Running a quick reminder: the one-time event it creates.
//
// The main frame's command for quick reminder i does:
//     const QuickReminder* q = quickList.ForCommand(command);  // null: nothing to do
//     EventRecord event = RunQuickReminder(*q, typeList, now);
//     result = eventStore.StoreNew(event);                      // reported when not 0
// The event store owns the event once StoreNew succeeds.

#include "model/date_time.h"
#include "model/event_record.h"
#include "store/quick/quick_list.h"
#include "store/types/type_list.h"

namespace zm {

// The event of the quick reminder chosen at `now` (local time to the whole second): it starts
// and is snoozed until now plus the offset, carries the quick reminder's event name, type and
// sound settings, and has no advance notice.
EventRecord RunQuickReminder(const QuickReminder& quick, const TypeList& types, DateTime now);

} // namespace zm
