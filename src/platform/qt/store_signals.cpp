#include "platform/qt/store_signals.h"

namespace zm {

StoreSignals::StoreSignals(EventStore& store, QObject* parent) : QObject(parent), store_(store) {
    store_.AddListener(*this);
}

StoreSignals::~StoreSignals() {
    store_.RemoveListener(*this);
}

void StoreSignals::OnStoreChange(const StoreChange& change) {
    if (change.closesReminderWindow) emit reminderWindowClosing(change.oldKey);
    switch (change.kind) {
    case StoreChangeKind::Reset:
        emit libraryReset(change.cause);
        return;
    case StoreChangeKind::PendingRebuilt:
        emit pendingRebuilt();
        return;
    case StoreChangeKind::LeftPending:
        emit pendingLeft(change.oldKey);
        return;
    case StoreChangeKind::Deleted:
    case StoreChangeKind::Purged:
        emit eventRemoved(change.oldKey, change.kind);
        return;
    case StoreChangeKind::Added:
        if (change.event) emit eventAdded(*change.event);
        return;
    default:
        if (change.event) emit eventRewritten(change.oldKey, *change.event, change.kind);
        return;
    }
}

} // namespace zm
