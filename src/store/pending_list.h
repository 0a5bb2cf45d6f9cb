#pragma once
// The pending list: owned copies of the events whose reminder falls due before the look-ahead
// limit, the end of the day for which the list was built. The reminder tick asks only these
// events whether they are due; the whole library is walked once a day to rebuild the list.

#include "model/event_record.h"
#include "model/week_settings.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace zm {

// The last second of the day of t (23:59:59).
DateTime EndOfDay(DateTime t);

// A pending event whose reminder is due.
struct DueReminder {
    uint16_t key = 0;
    DateTime instant;     // the reminder instant it stands for
    bool shifted = false; // brought forward by the week-end rule
    // The event's time is over and it asks not to be shown then: accept it without a window.
    // Never for a snoozed event: the user asked to see it again.
    bool acceptSilently = false;
    friend bool operator==(const DueReminder&, const DueReminder&) = default;
};

class PendingList {
public:
    // --- the look-ahead limit; zero while unset ---
    DateTime Limit() const { return limit_; }
    bool LimitSet() const { return limit_ != DateTime(); }
    void SetLimit(DateTime limit) { limit_ = limit; }
    void UnsetLimit() { limit_ = DateTime(); }
    // The day has moved on past the limit (or the limit is unset): the list must be rebuilt.
    bool NeedsRebuild(DateTime now) const { return EndOfDay(now) > limit_; }

    // --- the entries, at most one per key ---
    const std::vector<EventRecord>& Entries() const { return entries_; }
    size_t Size() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const EventRecord* Find(uint16_t key) const;
    EventRecord* Find(uint16_t key);
    // Adds a copy; an entry with the same key is replaced.
    void Add(EventRecord event);
    // Removes the entry of the key; false when there is none.
    bool Remove(uint16_t key);
    // Removes the entry of the key and hands it over.
    std::optional<EventRecord> Take(uint16_t key);
    void Clear() { entries_.clear(); }
    void Assign(std::vector<EventRecord> entries) { entries_ = std::move(entries); }

    // Whether the event has a reminder due before the limit, so that it belongs in the list.
    // Nothing belongs while the limit is unset: the next rebuild collects it.
    bool Belongs(const EventRecord& event, const WeekSettings& week) const;

    // The due check: the pending events whose reminder is due at `now`, from the last entry to
    // the first. Nothing is due while the limit is unset. With the week-end rule on, the
    // reminder instant is found up to the limit and is due when it is not later than now.
    std::vector<DueReminder> DueAt(DateTime now, const WeekSettings& week) const;
    // The first instant after `now`, up to the limit, at which the due check finds a pending
    // event due that is not due at `now`; none when there is no such instant (or no limit).
    std::optional<DateTime> NextDueAfter(DateTime now, const WeekSettings& week) const;

private:
    std::vector<EventRecord> entries_;
    DateTime limit_;
};

} // namespace zm
