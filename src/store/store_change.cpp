#include "store/store_change.h"

#include <utility>

namespace zm {

StoreChange StoreChange::Of(StoreChangeKind kind, uint16_t oldKey, uint16_t newKey,
                            std::optional<EventRecord> event, bool closesWindow) {
    StoreChange change;
    change.Kind = kind;
    change.OldKey = oldKey;
    change.NewKey = newKey;
    change.Event = std::move(event);
    change.ClosesReminderWindow = closesWindow;
    return change;
}

StoreChange StoreChange::ResetBy(ResetCause cause) {
    StoreChange change;
    change.Kind = StoreChangeKind::Reset;
    change.Cause = cause;
    return change;
}

} // namespace zm
