#include "store/pending_list.h"

#include <algorithm>
#include <utility>

namespace zm {

DateTime EndOfDay(DateTime t) {
    return t.Date().AddDays(1) - DateTimeSpan::Seconds(1);
}

const EventRecord* PendingList::find(uint16_t key) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [key](const EventRecord& e) { return e.Key == key; });
    return it == entries_.end() ? nullptr : &*it;
}

EventRecord* PendingList::find(uint16_t key) {
    return const_cast<EventRecord*>(std::as_const(*this).find(key));
}

void PendingList::add(EventRecord event) {
    if (EventRecord* same = find(event.Key)) {
        *same = std::move(event);
        return;
    }
    entries_.push_back(std::move(event));
}

bool PendingList::remove(uint16_t key) {
    return take(key).has_value();
}

std::optional<EventRecord> PendingList::take(uint16_t key) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [key](const EventRecord& e) { return e.Key == key; });
    if (it == entries_.end()) return std::nullopt;
    std::optional<EventRecord> taken(std::move(*it));
    entries_.erase(it);
    return taken;
}

bool PendingList::belongs(const EventRecord& event, const WeekSettings& week) const {
    return limitSet() && event.IsDue(limit_, week).due;
}

std::vector<DueReminder> PendingList::dueAt(DateTime now, const WeekSettings& week) const {
    std::vector<DueReminder> due;
    if (!limitSet()) return due;
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        const EventRecord& e = *it;
        DueCheck check;
        if (week.CheckWeekendEvents) {
            check = e.IsDue(limit_, week);
            check.due = check.due && check.instant <= now;
        } else {
            check = e.IsDue(now, week);
        }
        if (!check.due) continue;
        due.push_back(DueReminder{e.Key, check.instant, check.shifted,
                                  e.Has(kSkipWhenOver) && e.IsTimeOver(now)});
    }
    return due;
}

} // namespace zm
