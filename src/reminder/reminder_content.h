#pragma once
// What a reminder window shows for an event: the occurrence it is about, the caption with its
// time-left suffix (also the window's title), the name line with the age, the notes, the snooze
// amount offered, whether "before start" may be used, and when the event's time is over.

#include "format/locale_formats.h"
#include "model/event_record.h"
#include "model/time_amount.h"
#include "model/week_settings.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zm {

struct ReminderContent {
    uint16_t key = 0;
    uint32_t id = 0; // checked with the key by every change the window asks of the store
    bool recurring = false;
    DateTime occurrence;
    // The occurrence plus the duration, for an event that is not shown once its time is over.
    std::optional<DateTime> timeOverAt;
    std::string caption;  // "Meeting - Monday, 11 March 2024 09:00 [ overdue ]"
    std::string nameLine; // the name, with " ( 31 years )" for a yearly event with its age
    std::string notes;
    TimeAmount offeredSnooze = kDefaultSnoozeChoice;
    bool beforeStartAllowed = false;
};

// The reminder of a due event seen at `now`: the occurrence is the one the due reminder stands
// for, and the caption ends with " [ overdue ]" or " [ n days more ]" when it applies.
ReminderContent ReminderContentFor(const EventRecord& event, DateTime now, const WeekSettings& week,
                                   const LocaleFormats& formats, bool rememberSnoozePeriod);

// The window as the event editor previews it to size it: `now` in place of the occurrence and
// no suffix.
ReminderContent PreviewContentFor(const EventRecord& event, DateTime now,
                                  const LocaleFormats& formats);

// "Hide when the time is over": true once `now` is past the time-over instant.
bool IsTimeOverAt(const ReminderContent& content, DateTime now);

} // namespace zm
