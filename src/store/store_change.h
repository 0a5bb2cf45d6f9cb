#pragma once
// The one change contract of the event store. Every change the store makes reaches every
// registered listener as one notice (the list model, the clock's tooltip, the reminder windows,
// the frame). A notice comes after the library was written and the pending list brought up to
// date, so a listener that reads the store sees the change done; a write that fails tells
// nobody. Listeners join and leave with EventStore::AddListener and RemoveListener, also from
// within a notice.

#include "model/event_record.h"

#include <cstdint>
#include <optional>

namespace zm {

enum class StoreChangeKind : uint8_t {
    Added,          // a new event was stored
    Changed,        // an edited event was rewritten
    Replaced,       // an imported or merged event took the place of a stored one
    Accepted,       // its reminder was accepted
    Snoozed,        // its reminder was snoozed
    Unsnoozed,      // its snooze was cancelled
    TypeChanged,    // it got another event type
    Enabled,        // it was enabled
    Disabled,       // it was disabled
    Deleted,        // it was deleted
    Purged,         // it was deleted with the other accepted one-time events
    LeftPending,    // it left the pending list: its reminder window opened
    PendingRebuilt, // the pending list was built anew
    Reset,          // many events changed at once, or another library is open: see the cause
};

// Why a reset tells every listener to read the library and the pending list again.
enum class ResetCause : uint8_t {
    Opened,          // a library was opened or created
    Converted,       // a library of an older version was converted and opened
    Closed,          // the library was closed, or opening it failed: nothing is stored
    Merged,          // another library file (an event file, a holiday file) was merged
    Imported,        // a text file was imported
    StampsCorrected, // reminders stamped in the future were stamped now, in place
    TypesChanged,    // the type list was replaced: type names resolve to other types and looks
};

struct StoreChange {
    StoreChangeKind kind = StoreChangeKind::Reset;
    // The key the event was stored under before the change; 0 for a new event and a reset.
    uint16_t oldKey = 0;
    // The key it is stored under now: a rewritten event moves to a new key, so every holder of
    // OldKey follows it to NewKey. 0 once the event is deleted, and for a reset.
    uint16_t newKey = 0;
    // The event as it is stored now (with its Id), or as it was when it was deleted; none for a
    // reset, the pending-list notices and a deleted event that could not be read.
    std::optional<EventRecord> event;
    // The reminder window of OldKey, if one is open, closes: the change did not come from it.
    bool closesReminderWindow = false;
    ResetCause cause = ResetCause::Opened; // of a reset

    // A notice for an event that moved from `oldKey` to `newKey`.
    static StoreChange Of(StoreChangeKind kind, uint16_t oldKey, uint16_t newKey,
                          std::optional<EventRecord> event, bool closesWindow = false);
    static StoreChange ResetBy(ResetCause cause);
    // True when holders of OldKey must let go of it at once: the event moved or is gone.
    bool MovesKey() const { return oldKey != 0 && oldKey != newKey; }
};

// Told of every change of the event store.
class StoreListener {
public:
    virtual ~StoreListener() = default;
    virtual void OnStoreChange(const StoreChange& change) = 0;
};

} // namespace zm
