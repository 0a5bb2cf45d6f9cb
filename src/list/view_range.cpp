#include "list/view_range.h"

namespace zm {

ViewRange RangeOf(ViewMode mode, DateTime viewDate) {
    ViewRange range;
    range.first = viewDate.Date();
    int days = 1;
    switch (mode) {
    case ViewMode::Day:
        break;
    case ViewMode::Week:
        days = 7;
        break;
    case ViewMode::Month:
        days = 31;
        break;
    case ViewMode::All:
        range.everything = true;
        break;
    }
    range.last = range.first.AddDays(days) - DateTimeSpan::Seconds(1);
    return range;
}

} // namespace zm
