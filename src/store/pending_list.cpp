#include "store/pending_list.h"

#include <algorithm>
#include <utility>

namespace zm {
namespace {

// The due check of one pending event at `now`. With the week-end rule on, the reminder instant
// is found up to the limit and is due when it is not later than now.
DueCheck DueCheckAt(const EventRecord& e, DateTime now, DateTime limit, const WeekSettings& week) {
    if (!week.checkWeekendEvents) return e.IsDue(now, week);
    DueCheck check = e.IsDue(limit, week);
    check.due = check.due && check.instant <= now;
    return check;
}

// The first instant after `now`, up to the limit, at which the event falls due. Its dueness can
// change only at a reminder instant (the occurrences, and so the reminder instants, depend on
// the date alone) or at midnight; the reminder instant found at the limit is one of them.
std::optional<DateTime> NextDueOf(const EventRecord& e, DateTime now, DateTime limit,
                                  const WeekSettings& week) {
    std::vector<DateTime> candidates;
    if (const DueCheck atLimit = e.IsDue(limit, week); atLimit.due)
        candidates.push_back(atLimit.instant);
    if (now.Date() < limit.Date()) candidates.push_back(limit.Date());
    if (e.IsRecurring() && !week.checkWeekendEvents) {
        // A day holds at most one occurrence: a few steps cover the hours up to the limit.
        constexpr int kMostSteps = 8;
        const DateTimeSpan advance = e.AdvanceSpan();
        DateTime o = e.OccurrenceOnOrAfter(now + advance);
        for (int step = 0; step < kMostSteps && o - advance <= limit; ++step) {
            candidates.push_back(o - advance);
            const DateTime next = e.NextOccurrence(o);
            if (next <= o) break;
            o = next;
        }
    }
    std::sort(candidates.begin(), candidates.end());
    for (DateTime t : candidates)
        if (t > now && t <= limit && DueCheckAt(e, t, limit, week).due) return t;
    return std::nullopt;
}

} // namespace

DateTime EndOfDay(DateTime t) {
    return t.Date().AddDays(1) - DateTimeSpan::Seconds(1);
}

const EventRecord* PendingList::Find(uint16_t key) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [key](const EventRecord& e) { return e.key == key; });
    return it == entries_.end() ? nullptr : &*it;
}

EventRecord* PendingList::Find(uint16_t key) {
    return const_cast<EventRecord*>(std::as_const(*this).Find(key));
}

void PendingList::Add(EventRecord event) {
    if (EventRecord* same = Find(event.key)) {
        *same = std::move(event);
        return;
    }
    entries_.push_back(std::move(event));
}

bool PendingList::Remove(uint16_t key) {
    return Take(key).has_value();
}

std::optional<EventRecord> PendingList::Take(uint16_t key) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [key](const EventRecord& e) { return e.key == key; });
    if (it == entries_.end()) return std::nullopt;
    std::optional<EventRecord> taken(std::move(*it));
    entries_.erase(it);
    return taken;
}

bool PendingList::Belongs(const EventRecord& event, const WeekSettings& week) const {
    return LimitSet() && event.IsDue(limit_, week).due;
}

std::vector<DueReminder> PendingList::DueAt(DateTime now, const WeekSettings& week) const {
    std::vector<DueReminder> due;
    if (!LimitSet()) return due;
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        const EventRecord& e = *it;
        const DueCheck check = DueCheckAt(e, now, limit_, week);
        if (!check.due) continue;
        // A snooze is the user's own request: it is shown, however late.
        const bool silently = e.Has(kSkipWhenOver) && !e.Has(kSnoozed) && e.IsTimeOver(now);
        due.push_back(DueReminder{e.key, check.instant, check.shifted, silently});
    }
    return due;
}

std::optional<DateTime> PendingList::NextDueAfter(DateTime now, const WeekSettings& week) const {
    std::optional<DateTime> next;
    if (!LimitSet()) return next;
    for (const EventRecord& e : entries_) {
        if (DueCheckAt(e, now, limit_, week).due) continue; // the tick's already
        const std::optional<DateTime> t = NextDueOf(e, now, limit_, week);
        if (t && (!next || *t < *next)) next = t;
    }
    return next;
}

} // namespace zm
