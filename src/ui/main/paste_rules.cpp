#include "ui/main/paste_rules.h"

#include "store/types/type_list.h"

namespace zm {

void PreparePastedEvent(EventRecord& event, const ListViewState& view, DateTime now,
                        const WeekSettings& week, const TypeList& types) {
    event.key = 0;
    event.id = 0;
    event.SetTypeIndex(types.FindType(event.typeName));
    const DateTime viewDay = view.viewDate.Date();
    if (!event.IsRecurring() && view.mode != ViewMode::All && event.start.Date() != viewDay) {
        event.start = viewDay.WithTimeOf(event.start);
        event.SetFlag(kAccepted, false);
        if (event.start < now.Date()) event.Accept(now, week);
    }
    event.SetFlag(kSnoozed, false);
    event.SetFlag(kShown, false);
}

} // namespace zm
