#include "store/store_change.h"

#include <utility>

namespace zm {

StoreChange StoreChange::Of(StoreChangeKind kind, uint16_t oldKey, uint16_t newKey,
                            std::optional<EventRecord> event, bool closesWindow) {
    StoreChange change;
    change.kind = kind;
    change.oldKey = oldKey;
    change.newKey = newKey;
    change.event = std::move(event);
    change.closesReminderWindow = closesWindow;
    return change;
}

StoreChange StoreChange::ResetBy(ResetCause cause) {
    StoreChange change;
    change.kind = StoreChangeKind::Reset;
    change.cause = cause;
    return change;
}

} // namespace zm
