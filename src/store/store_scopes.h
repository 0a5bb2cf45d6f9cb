#pragma once
// The scheduler's guards over the event store, each held for as long as the scope lives. Message
// boxes and dialogs run nested loops in which the reminder tick keeps firing: the busy scope keeps
// it away from the library during a long operation, and the creation scope refuses a reminder
// window that would be created while another one is.

#include "store/store_change.h"

namespace zm {

class EventStore;

// While one is held the store is busy and the reminder tick does nothing. The store holds one
// itself while it opens, converts or merges a library and while it checks for future stamps;
// the import and export actions hold one too.
class BusyScope {
public:
    explicit BusyScope(EventStore& store);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    EventStore& store_;
};

// Held while a reminder window is being created. A scope begun while another one is held is
// nested: that creation is refused (code 3).
class ReminderCreationScope {
public:
    explicit ReminderCreationScope(EventStore& store);
    ~ReminderCreationScope();
    ReminderCreationScope(const ReminderCreationScope&) = delete;
    ReminderCreationScope& operator=(const ReminderCreationScope&) = delete;

    bool Nested() const { return nested_; }

private:
    EventStore& store_;
    bool nested_;
};

// Held while one operation changes many events through the store (an open, a conversion, a
// merge, an import). Meanwhile the store sends only the notices of events that moved to a new
// key or are gone, so that their holders let go of the old key at once; when the outermost scope
// ends after anything changed, every listener gets one reset with the cause. The cause can be
// set while the scope runs; only the outermost scope's counts.
class BulkChangeScope {
public:
    BulkChangeScope(EventStore& store, ResetCause cause);
    ~BulkChangeScope();
    BulkChangeScope(const BulkChangeScope&) = delete;
    BulkChangeScope& operator=(const BulkChangeScope&) = delete;

    void SetCause(ResetCause cause) { cause_ = cause; }

private:
    EventStore& store_;
    ResetCause cause_;
    bool outermost_;
};

} // namespace zm
