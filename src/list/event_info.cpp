#include "list/event_info.h"

#include "list/row_images.h"
#include "model/describe.h"
#include "res/strings.h"

namespace zm {

EventInfoLines DescribeEventInfo(const EventRecord& event, DateTime now,
                                 const LocaleFormats& formats, const LocaleNames& names) {
    const auto instant = [&formats](DateTime t) { return formats.FormatDayDateTime(t, false); };
    EventInfoLines lines;
    lines.name = event.name;
    lines.type = event.typeName;
    lines.start = instant(event.start);
    lines.remind = DescribeAmount(event.advance.Unit(), event.advance.Count() | 0x8000);
    const bool snoozed = event.Has(kSnoozed);
    if (event.Has(kShown) && (event.lastShown >= event.start || snoozed))
        lines.previous = instant(event.lastShown);
    if (!event.Has(kAccepted)) {
        if (snoozed) lines.snoozed = DescribeAmount(event.snoozeChoice);
        if (event.IsRecurring()) lines.recurrence = DescribePattern(event, names);
    }
    const NextReminderInfo next = event.NextReminder(now);
    lines.next = next.kind == NextReminderInfo::Kind::Instant
                     ? instant(next.instant)
                     : std::string(LoadString(NeverReminderMessage(next.kind)));
    // The list's images and the rule that picks them.
    if (const std::optional<ListImage> state = StateImageOf(event))
        lines.stateImage = static_cast<int>(*state);
    lines.recurringImage = event.IsRecurring();
    return lines;
}

} // namespace zm
