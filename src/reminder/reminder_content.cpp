#include "reminder/reminder_content.h"

#include "model/describe.h"
#include "model/snooze_rules.h"

namespace zm {

namespace {

ReminderContent CommonContent(const EventRecord& event, DateTime occurrence,
                              const LocaleFormats& formats) {
    ReminderContent c;
    c.key = event.key;
    c.id = event.id;
    c.recurring = event.IsRecurring();
    c.occurrence = occurrence;
    c.caption = event.typeName + " - " + formats.FormatDayDateTime(occurrence, true);
    c.nameLine = event.name + AgeSuffix(event, occurrence);
    c.notes = event.notes;
    return c;
}

} // namespace

ReminderContent ReminderContentFor(const EventRecord& event, DateTime now, const WeekSettings& week,
                                   const LocaleFormats& formats, bool rememberSnoozePeriod) {
    ReminderContent c = CommonContent(event, event.CurrentOccurrence(now, week), formats);
    const TimeLeft left = TimeLeftUntil(c.occurrence, now);
    c.caption += TimeLeftSuffix(left.overdue, left.days);
    c.beforeStartAllowed = left.offerBeforeStart;
    c.offeredSnooze = OfferedSnoozeAmount(event, rememberSnoozePeriod);
    if (event.Has(kSkipWhenOver)) c.timeOverAt = c.occurrence + event.DurationSpan();
    return c;
}

ReminderContent PreviewContentFor(const EventRecord& event, DateTime now,
                                  const LocaleFormats& formats) {
    ReminderContent c = CommonContent(event, now, formats);
    c.offeredSnooze = OfferedSnoozeAmount(event, false);
    return c;
}

bool IsTimeOverAt(const ReminderContent& content, DateTime now) {
    return content.timeOverAt && now > *content.timeOverAt;
}

} // namespace zm
