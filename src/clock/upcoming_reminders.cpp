#include "clock/upcoming_reminders.h"

#include "res/strings.h"

#include <algorithm>

namespace zm {

void UpcomingList::Insert(UpcomingItem item) {
    const auto later = std::find_if(items_.begin(), items_.end(), [&](const UpcomingItem& i) {
        return i.instant > item.instant;
    });
    items_.insert(later, std::move(item));
}

UpcomingList UpcomingFromPending(const PendingList& pending, DateTime now,
                                 const WeekSettings& week) {
    UpcomingList list;
    if (!pending.LimitSet()) return list;
    for (const EventRecord& e : pending.Entries()) {
        const DueCheck reminder = e.IsDue(pending.Limit(), week);
        if (!reminder.due) continue;
        const bool snoozed = e.Has(kSnoozed);
        if (e.Has(kSkipWhenOver) && !snoozed && e.IsTimeOver(now)) continue;
        UpcomingItem item{e.key, UpcomingKind::Normal, e.typeIndex, reminder.instant, e.name};
        if (reminder.instant <= now) {
            item.kind = UpcomingKind::Due;
            item.instant = now;
        } else if (snoozed) {
            item.kind = UpcomingKind::Snoozed;
        }
        list.Insert(std::move(item));
    }
    return list;
}

std::string UpcomingLabel(bool none) {
    return LoadString(none ? IDS_CLOCK_UPCOMING_NONE : IDS_CLOCK_UPCOMING);
}

TooltipDatePicture TooltipDatePictureFor(std::string_view longDatePicture) {
    if (longDatePicture.empty()) return {"dddd, MMMM dd, yyyy", false};
    // A weekday is a run of four or more d outside quotes.
    bool quoted = false;
    size_t run = 0;
    for (const char c : longDatePicture) {
        if (c == '\'') quoted = !quoted;
        run = !quoted && c == 'd' ? run + 1 : 0;
        if (run >= 4) return {std::string(longDatePicture), false};
    }
    return {"dddd', '" + std::string(longDatePicture), true};
}

Size TooltipSize(Size header, Size label, std::size_t rows) {
    const int width = std::max(header.width, label.width) + 20;
    const int height = header.height + 8 + label.height +
                       static_cast<int>(rows) * TooltipRowHeight(label.height) + 2;
    return {width + 8, height + 8};
}

Point PlaceUnder(const Rect& over, Size size, const Rect& screen) {
    Point p{over.x, over.Bottom() + 1};
    if (p.y + size.height > screen.Bottom()) p.y = over.y - size.height - 1;
    if (p.x + size.width > screen.Right() - 1) p.x = screen.Right() - 1 - size.width;
    p.x = std::max(p.x, screen.x);
    p.y = std::max(p.y, screen.y);
    return p;
}

} // namespace zm
