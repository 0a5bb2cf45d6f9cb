#include "edit/upcoming_occurrences.h"

namespace zm {

std::vector<UpcomingOccurrence> UpcomingOccurrences(const EventRecord& event, DateTime from,
                                                    int count) {
    std::vector<UpcomingOccurrence> list;
    if (count <= 0) return list;
    const DateTimeSpan advance = event.AdvanceSpan();
    if (!event.IsRecurring()) {
        list.push_back({event.start, event.start - advance});
        return list;
    }
    DateTime o = event.OccurrenceOnOrAfter(from);
    while (o < from) {
        const DateTime next = event.NextOccurrence(o);
        if (next <= o) return list;
        o = next;
    }
    while (static_cast<int>(list.size()) < count) {
        const DateTime reminder = o - advance;
        if (event.Has(kHasEnd) && reminder > event.end) break;
        list.push_back({o, reminder});
        const DateTime next = event.NextOccurrence(o);
        if (next <= o) break;
        o = next;
    }
    return list;
}

} // namespace zm
