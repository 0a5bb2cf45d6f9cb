#include "store/store_scopes.h"

#include "store/event_store.h"

#include <utility>

namespace zm {

BusyScope::BusyScope(EventStore& store) : store_(store) {
    ++store_.busy_;
}

BusyScope::~BusyScope() {
    --store_.busy_;
}

ReminderCreationScope::ReminderCreationScope(EventStore& store)
    : store_(store), nested_(store.reminderCreation_ > 0) {
    ++store_.reminderCreation_;
}

ReminderCreationScope::~ReminderCreationScope() {
    --store_.reminderCreation_;
}

BulkChangeScope::BulkChangeScope(EventStore& store, ResetCause cause)
    : store_(store), cause_(cause), outermost_(store.bulkDepth_ == 0) {
    if (outermost_) store_.bulkChanged_ = false;
    ++store_.bulkDepth_;
}

BulkChangeScope::~BulkChangeScope() {
    --store_.bulkDepth_;
    if (!outermost_ || !std::exchange(store_.bulkChanged_, false)) return;
    store_.Notify(StoreChange::ResetBy(cause_));
}

} // namespace zm
