#include "list/list_inclusion.h"

#include "list/view_range.h"
#include "store/text/no_case.h"
#include "store/types/type_list.h"

namespace zm {
namespace {

bool Holds(const std::string& field, const ListViewState& view) {
    if (view.matchCase) return field.find(view.searchText) != std::string::npos;
    return NoCaseKey(field).find(view.searchText) != std::string::npos;
}

bool DueAtLimit(const EventRecord& event, const ViewRange& range, const InclusionClock& clock) {
    return range.Contains(clock.lookAheadLimit) &&
           event.IsDue(clock.lookAheadLimit, clock.week).due;
}

} // namespace

ListFilter ListFilter::FromTypes(const TypeList& types, bool active) {
    ListFilter filter;
    if (!active) return filter;
    filter.active = true;
    filter.showAccepted = (types.ActiveFilterOptions() & kFilterShowAccepted) != 0;
    for (const EventType& type : types.Types())
        filter.typeInFilter.push_back(type.Has(kTypeInFilter));
    return filter;
}

bool ListFilter::Passes(const EventRecord& event) const {
    if (!active) return true;
    if (!event.IsRecurring() && event.Has(kAccepted) && !showAccepted) return false;
    // The undefined type (-1, or an index beyond the types) is in every filter.
    const int index = event.typeIndex;
    if (index < 0 || static_cast<size_t>(index) >= typeInFilter.size()) return true;
    return typeInFilter[index];
}

std::string SearchKey(const std::string& text, bool matchCase) {
    return matchCase ? text : NoCaseKey(text);
}

bool IncludeInList(EventRecord& event, const ListViewState& view, const ListFilter& filter,
                   const InclusionClock& clock) {
    if (view.searching) {
        // No text yet (the find bar waits for one): nothing is found.
        if (view.searchText.empty()) return false;
        if (!Holds(event.name, view) && !Holds(event.notes, view)) return false;
        event.listOccurrence = event.OccurrenceOnOrAfter(clock.now);
        return true;
    }
    if (!filter.Passes(event)) return false;
    if (view.mode == ViewMode::All) {
        event.listOccurrence = event.OccurrenceOnOrAfter(clock.now);
        return true;
    }
    const ViewRange range = RangeOf(view.mode, view.viewDate);
    const DateTime d = event.OccurrenceOnOrAfter(view.viewDate);
    if (event.Has(kSnoozed) && !event.Has(kAccepted)) {
        if (range.Contains(event.snoozeUntil) || DueAtLimit(event, range, clock)) {
            const bool before = event.snoozeUntil < d - event.AdvanceSpan();
            event.listOccurrence = event.IsRecurring() && before ? event.PreviousOccurrence(d) : d;
            return true;
        }
        if (!event.IsRecurring()) return false;
    }
    if (event.Has(kHasEnd) && d > event.end) return false;
    if (range.Contains(d) || DueAtLimit(event, range, clock)) {
        event.listOccurrence = d;
        return true;
    }
    return false;
}

} // namespace zm
