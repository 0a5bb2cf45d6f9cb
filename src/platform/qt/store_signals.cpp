#include "platform/qt/store_signals.h"

namespace zm {

StoreSignals::StoreSignals(EventStore& store, QObject* parent) : QObject(parent), store_(store) {
    store_.AddListener(*this);
}

StoreSignals::~StoreSignals() {
    store_.RemoveListener(*this);
}

void StoreSignals::OnStoreChange(const StoreChange& change) {
    if (change.closesReminderWindow) emit ReminderWindowClosing(change.oldKey);
    switch (change.kind) {
    case StoreChangeKind::Reset:
        emit LibraryReset(change.cause);
        return;
    case StoreChangeKind::PendingRebuilt:
        emit PendingRebuilt();
        return;
    case StoreChangeKind::LeftPending:
        emit PendingLeft(change.oldKey);
        return;
    case StoreChangeKind::Deleted:
    case StoreChangeKind::Purged:
        emit EventRemoved(change.oldKey, change.kind);
        return;
    case StoreChangeKind::Added:
        if (change.event) emit EventAdded(*change.event);
        return;
    default:
        if (change.event) emit EventRewritten(change.oldKey, *change.event, change.kind);
        return;
    }
}

} // namespace zm
