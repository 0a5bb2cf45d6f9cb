#pragma once
// The instants a list period covers: a day, a week of 7 days, 31 days from the view date, or
// everything.

#include "list/list_view_state.h"

namespace zm {

struct ViewRange {
    bool everything = false; // All mode: no range
    DateTime first;          // the view date at midnight
    DateTime last;           // the period's last second

    // Not before the first instant and not after the last (always, for everything).
    bool Contains(DateTime t) const { return everything || (t >= first && t <= last); }
};

// Day: the view date's calendar day; Week: up to 7 days later minus one second; Month: up to 31
// days later minus one second; All: no range.
ViewRange RangeOf(ViewMode mode, DateTime viewDate);

} // namespace zm
