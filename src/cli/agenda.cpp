#include "cli/agenda.h"

#include "store/pending_list.h"

#include <algorithm>

namespace zm {

std::optional<AgendaItem> AgendaItemOf(const EventRecord& e, DateTime day, DateTime now,
                                       const WeekSettings& week) {
    // The daily rebuild's look-ahead limit for that day, and its test.
    const DueCheck due = e.IsDue(EndOfDay(day), week);
    if (!due.due) return std::nullopt;
    AgendaItem item{e.key, e.id, e.name, due.instant, AgendaKind::Normal};
    if (due.instant <= now)
        item.kind = AgendaKind::Due;
    else if (e.Has(kSnoozed))
        item.kind = AgendaKind::Snoozed;
    return item;
}

void SortAgenda(std::vector<AgendaItem>& items) {
    std::stable_sort(items.begin(), items.end(), [](const AgendaItem& a, const AgendaItem& b) {
        return a.instant < b.instant;
    });
}

const char* AgendaKindName(AgendaKind kind) {
    switch (kind) {
    case AgendaKind::Due:
        return "due";
    case AgendaKind::Snoozed:
        return "snoozed";
    case AgendaKind::Normal:
        break;
    }
    return "normal";
}

} // namespace zm
