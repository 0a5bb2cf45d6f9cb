#pragma once
// The event store's notices as Qt signals, one typed signal per kind of notice, so that a table
// model can follow the library row by row and a window can follow the pending list. Each signal
// comes after the store has written the change and updated its pending list.

#include "store/event_store.h"

#include <QObject>

namespace zm {

class StoreSignals final : public QObject, public StoreListener {
    Q_OBJECT

public:
    // Listens to the store until it is destroyed; the store must outlive it.
    explicit StoreSignals(EventStore& store, QObject* parent = nullptr);
    ~StoreSignals() override;

    void OnStoreChange(const StoreChange& change) override;

signals:
    // A new event: its row is inserted.
    void eventAdded(const zm::EventRecord& event);
    // The event stored under `oldKey` was rewritten and is stored under event.Key now: the row
    // of oldKey shows it and follows the new key.
    void eventRewritten(quint16 oldKey, const zm::EventRecord& event, zm::StoreChangeKind kind);
    // The event stored under `key` is gone (deleted or purged): its row goes.
    void eventRemoved(quint16 key, zm::StoreChangeKind kind);
    // The reminder window of `key`, if one is open, closes; sent before the signal of the change.
    void reminderWindowClosing(quint16 key);
    // A due event left the pending list: its reminder window opened.
    void pendingLeft(quint16 key);
    // The pending list was built anew.
    void pendingRebuilt();
    // Everything is to be read again: the library and the pending list.
    void libraryReset(zm::ResetCause cause);

private:
    EventStore& store_;
};

} // namespace zm
