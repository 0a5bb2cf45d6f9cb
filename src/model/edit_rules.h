#pragma once
// The rule every editor applies to an edited event before it hands it to the library: when the
// timing changed, the advance notice is validated and the reminder state starts afresh.

#include "model/event_record.h"
#include "model/verdict.h"

namespace zm {

// The user's answer to 58011 ("... Mark the event as accepted?").
enum class AcceptAnswer { NotAsked, Yes, No };

// Whether the timing counts as changed: a new event (no key, or nothing loaded), or a different
// Start, Advance, Pattern or PatternParam, or a different Recurring or Accepted state.
bool TimingChanged(const EventRecord& edited, const EventRecord* loaded);

// The advance-notice verdict as the editor shows it: 58012 refused with the focus on the advance
// notice, or the question 58011.
Verdict AdvanceVerdict(const EventRecord& e, DateTime now);

// The Yes answer to 58011: the event is accepted now.
void AcceptPassedReminder(EventRecord& e, DateTime now, const WeekSettings& week);

// Applies the saving rule to `edited` (loaded: the record as it was loaded, null for a new
// event). Returns Ok with the record ready to store; Refused (58012, or no message after a No to
// 58011) with the focus on the advance notice; or Ask 58011 when the question has not been
// answered yet: ask it and call again with the answer. The record is changed only on Ok.
// `lookAheadLimit` is the scheduler's (the end of today); while it is unset (zero) the end of
// the day of `now` is used.
Verdict ApplySavingRule(EventRecord& edited, const EventRecord* loaded, DateTime now,
                        DateTime lookAheadLimit, const WeekSettings& week,
                        AcceptAnswer answer = AcceptAnswer::NotAsked);

} // namespace zm
