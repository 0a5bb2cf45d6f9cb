#pragma once
// What the event's properties page shows: plain texts derived from one event at one instant.

#include "format/locale_formats.h"
#include "model/date_time.h"
#include "model/event_record.h"
#include "platform/locale_names.h"

#include <optional>
#include <string>

namespace zm {

// The state images of the event list, by position (as ListImage).
enum EventStateImage : int {
    kImageNone = -1,
    kImageSnoozed = 0,
    kImageAccepted = 1,
    kImageRecurring = 2,
    kImageDisabled = 3,
};

struct EventInfoLines {
    std::string name;
    std::string type;
    std::string start;
    std::string remind;                    // the advance notice, "15 minutes before start"
    std::string previous;                  // the last reminder dealt with, or empty
    std::string next;                      // the next reminder, or why there is none
    std::optional<std::string> snoozed;    // the snooze amount; none: the line is hidden
    std::optional<std::string> recurrence; // the pattern; none: the lines are hidden
    // Drawn before the type icon: disabled, else accepted, else snoozed, else none.
    int stateImage = kImageNone;
    bool recurringImage = false; // drawn after the type icon
};

// The lines for `event` at `now`; instants in the list's date and time format.
EventInfoLines DescribeEventInfo(const EventRecord& event, DateTime now,
                                 const LocaleFormats& formats, const LocaleNames& names);

} // namespace zm
