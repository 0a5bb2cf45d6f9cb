#include "model/edit_rules.h"

#include "res/strings.h"

namespace zm {

bool TimingChanged(const EventRecord& edited, const EventRecord* loaded) {
    if (loaded == nullptr || edited.key == 0) return true;
    return edited.start != loaded->start || edited.advance != loaded->advance ||
           edited.pattern != loaded->pattern || edited.patternParam != loaded->patternParam ||
           edited.IsRecurring() != loaded->IsRecurring() ||
           edited.Has(kAccepted) != loaded->Has(kAccepted);
}

Verdict AdvanceVerdict(const EventRecord& e, DateTime now) {
    switch (e.ValidateAdvance(now)) {
    case AdvanceCheck::Ok:
        return Verdict::Pass();
    case AdvanceCheck::ReachesPreviousOccurrence:
        return Verdict::Refuse(IDS_ADVANCE_BEFORE_PREVIOUS, EditField::Advance);
    case AdvanceCheck::AskAcceptPassed:
        return Verdict::Question(IDS_ASK_ACCEPT_PASSED, EditField::Advance);
    }
    return Verdict::Pass();
}

void AcceptPassedReminder(EventRecord& e, DateTime now, const WeekSettings& week) {
    e.Accept(now, week);
}

Verdict ApplySavingRule(EventRecord& edited, const EventRecord* loaded, DateTime now,
                        DateTime lookAheadLimit, const WeekSettings& week, AcceptAnswer answer) {
    if (!TimingChanged(edited, loaded)) return Verdict::Pass(); // snooze and shown state stay
    const Verdict advance = AdvanceVerdict(edited, now);
    if (advance.kind == Verdict::Kind::Refused) return advance;
    EventRecord result = edited;
    if (advance.kind == Verdict::Kind::Ask) {
        if (answer == AcceptAnswer::NotAsked) return advance;
        if (answer == AcceptAnswer::No) return Verdict::Refuse(0, EditField::Advance);
        AcceptPassedReminder(result, now, week);
    }
    result.SetFlag(kSnoozed, false);
    if (result.IsRecurring()) {
        // Past occurrences count as shown; the next reminder is the one for the occurrence on
        // or after the limit (due at once when its time has already come).
        result.StampPastOccurrences(now, lookAheadLimit);
    } else {
        result.SetFlag(kShown, false);
    }
    edited = result;
    return Verdict::Pass();
}

} // namespace zm
