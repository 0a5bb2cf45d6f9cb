#pragma once
// The reminder window's rules: how much time is left to an occurrence, which snooze amount it
// offers, the "before start" check, and what snoozing does to the event.

#include "model/event_record.h"
#include "model/verdict.h"

#include <cstdint>
#include <optional>

namespace zm {

// Time left to an occurrence as the reminder window shows it. Everything is counted from
// 80 seconds before now, so an occurrence that began less than 2 minutes 20 seconds ago is not
// yet overdue.
struct TimeLeft {
    int64_t seconds = 0;           // from now - 80 s to the occurrence
    int64_t minutes = 0;           // whole minutes, truncated toward zero
    int64_t days = 0;              // whole days, plus 1 when the rest of the time crosses midnight
    bool overdue = false;          // minutes < 0
    bool offerBeforeStart = false; // more than 7 minutes: "before start" snoozing makes sense
};
TimeLeft TimeLeftUntil(DateTime occurrence, DateTime now);

// The amount the snooze box offers when the window opens: the event's last choice while it is
// snoozed or while the "Remember snooze period" option is on, otherwise 5 minutes; a stored
// choice made "before start", or with an unknown unit, gives 5 minutes too.
TimeAmount OfferedSnoozeAmount(const EventRecord& e, bool rememberSnoozePeriod);

// A "before start" snooze must come back later than one minute from now (58069).
Verdict CheckBeforeStartSnooze(DateTime occurrence, DateTimeSpan amount, DateTime now);

struct SnoozeRequest {
    DateTime occurrence;                  // the occurrence the window shows
    DateTimeSpan span;                    // the snooze amount; negative for "before start"
    AmountUnit unit = AmountUnit::Minute; // as chosen, kept as the event's snooze choice
    uint32_t count = 0;                   // as chosen, bit 15 set for "before start"
    // The window's custom size (0 = the minimum size); none when it could not be read.
    std::optional<uint32_t> windowSize;
};

// Snoozes the loaded record: the target instant, the refusal of a snooze that reaches past the
// next reminder (58051, record unchanged), the window size, the stamp and the snooze itself.
Verdict ApplySnooze(EventRecord& e, const SnoozeRequest& request, DateTime now,
                    const WeekSettings& week);

} // namespace zm
