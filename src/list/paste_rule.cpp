#include "list/paste_rule.h"

#include "store/types/type_list.h"

namespace zm {

void PreparePastedEvent(EventRecord& event, const TypeList& types, const ListViewState& view,
                        DateTime now, const WeekSettings& week) {
    event.SetTypeIndex(types.FindType(event.typeName));
    const DateTime viewDate = view.viewDate.Date();
    if (!event.IsRecurring() && view.mode != ViewMode::All && event.start.Date() != viewDate) {
        event.start = viewDate.WithTimeOf(event.start);
        if (event.start < now.Date())
            event.Accept(now, week);
        else
            event.SetFlag(kAccepted, false);
    }
    event.key = 0;
    event.id = 0;
    event.SetFlag(kSnoozed, false);
    event.SetFlag(kShown, false);
}

} // namespace zm
