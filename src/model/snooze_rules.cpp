#include "model/snooze_rules.h"

#include "res/strings.h"

namespace zm {

TimeLeft TimeLeftUntil(DateTime occurrence, DateTime now) {
    TimeLeft left;
    // Instants are whole seconds, so the minutes truncate exactly: no rounding nudge is needed.
    left.seconds = (occurrence - (now - DateTimeSpan::Seconds(80))).TotalSeconds();
    left.minutes = left.seconds / 60; // truncates toward zero
    left.overdue = left.minutes < 0;
    left.offerBeforeStart = left.minutes > 7;
    if (!left.overdue) {
        left.days = left.seconds / kSecondsPerDay;
        const int64_t restMinutes = left.seconds % kSecondsPerDay / 60;
        if ((now + DateTimeSpan::Minutes(restMinutes)).DayNumber() != now.DayNumber()) ++left.days;
    }
    return left;
}

TimeAmount OfferedSnoozeAmount(const EventRecord& e, bool rememberSnoozePeriod) {
    const TimeAmount fallback = kDefaultSnoozeChoice;
    if (!e.Has(kSnoozed) && !rememberSnoozePeriod) return fallback;
    const TimeAmount choice = e.snoozeChoice;
    if (!IsKnownUnit(choice.Unit()) || choice.BeforeStart()) return fallback;
    return choice;
}

Verdict CheckBeforeStartSnooze(DateTime occurrence, DateTimeSpan amount, DateTime now) {
    if (occurrence - amount > now + DateTimeSpan::Minutes(1)) return Verdict::Pass();
    return Verdict::Refuse(IDS_SNOOZE_BEFORE_START, EditField::SnoozeAmount);
}

Verdict ApplySnooze(EventRecord& e, const SnoozeRequest& request, DateTime now,
                    const WeekSettings& week) {
    const DateTime until =
        request.span >= DateTimeSpan() ? now + request.span : request.occurrence + request.span;
    if (e.IsRecurring()) {
        // The next reminder after the one being snoozed: a snooze may not reach past it.
        const DateTimeSpan advance = e.AdvanceSpan();
        const DateTime o = e.OccurrenceOnOrAfter(now);
        DateTime r = o - advance;
        // A reminder instant at now is the one on screen (it is due from that second on), so
        // the next one is the occurrence after it.
        if (r <= now || (week.checkWeekendEvents && e.WeekendShift(now, r, week).applies))
            r = e.NextOccurrence(o) - advance;
        if (r < until) return Verdict::Refuse(IDS_SNOOZE_AFTER_NEXT, EditField::SnoozeAmount);
    }
    if (request.windowSize) {
        e.windowSize = *request.windowSize;
        e.SetFlag(kHasWindowSize, *request.windowSize != 0);
    }
    e.StampShown(now);
    e.SetSnooze(until, request.unit, request.count);
    return Verdict::Pass();
}

} // namespace zm
