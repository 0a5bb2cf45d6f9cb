#include "platform/qt/store_signals.h"

namespace zm {

StoreSignals::StoreSignals(EventStore& store, QObject* parent) : QObject(parent), store_(store) {
    store_.AddListener(*this);
}

StoreSignals::~StoreSignals() {
    store_.RemoveListener(*this);
}

void StoreSignals::OnStoreChange(const StoreChange& change) {
    if (change.ClosesReminderWindow) emit reminderWindowClosing(change.OldKey);
    switch (change.Kind) {
    case StoreChangeKind::Reset:
        emit libraryReset(change.Cause);
        return;
    case StoreChangeKind::PendingRebuilt:
        emit pendingRebuilt();
        return;
    case StoreChangeKind::LeftPending:
        emit pendingLeft(change.OldKey);
        return;
    case StoreChangeKind::Deleted:
    case StoreChangeKind::Purged:
        emit eventRemoved(change.OldKey, change.Kind);
        return;
    case StoreChangeKind::Added:
        if (change.Event) emit eventAdded(*change.Event);
        return;
    default:
        if (change.Event) emit eventRewritten(change.OldKey, *change.Event, change.Kind);
        return;
    }
}

} // namespace zm
