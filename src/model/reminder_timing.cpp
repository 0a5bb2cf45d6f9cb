// When the reminder of one event falls due, and what accepting, cancelling a snooze and the
// start-up check for future stamps do to it. "Now" is always passed in.

#include "model/event_record.h"

#include "res/strings.h"

namespace zm {

bool EventRecord::IsMonthlyOrYearlyDate() const {
    const uint32_t kind = Kind();
    return IsRecurring() && (kind == kKindMonthly || kind == kKindYearly) &&
           (Pattern & kFormByWeekday) == 0;
}

DueCheck EventRecord::IsDue(DateTime a, const WeekSettings& week) const {
    const DueCheck notDue;
    if (Has(kDisabled)) return notDue;
    const DateTimeSpan advance = AdvanceSpan();
    if (!IsRecurring()) {
        if (Has(kAccepted)) return notDue;
        const DateTime i = Has(kSnoozed) ? SnoozeUntil : Start - advance;
        return i <= a ? DueCheck{true, i, false} : notDue;
    }
    // A snooze is kept even beyond the end of the range: the user asked for it.
    if (Has(kSnoozed)) return SnoozeUntil <= a ? DueCheck{true, SnoozeUntil, false} : notDue;

    const DateTime o = OccurrenceOnOrAfter(a);
    const DateTime r = o - advance;
    DueCheck due{true, r, false};
    // The reminder instant of the occurrence the due reminder stands for; the end of the range
    // bounds that, not an instant the week-end rule moved forward.
    DateTime own = r;
    if (r <= a) {
        if (r <= LastShown) return notDue;
    } else if (r.DayNumber() == a.DayNumber()) {
        return notDue; // it comes later today
    } else {
        const DateTime p = PreviousOccurrence(o);
        const DateTime h = p - advance;
        bool missed = false;
        // Before Start there were no occurrences whose reminder could have been missed.
        if (p >= Start) {
            if (h > a) return notDue;
            missed = h > LastShown;
        }
        if (missed) {
            due.instant = own = h;
        } else if (week.CheckWeekendEvents && WeekendShift(a, r, week).applies) {
            due.instant = a.Date();
            due.shifted = true;
        } else {
            return notDue;
        }
    }
    if (Has(kHasEnd) && own > End) return notDue;
    return due;
}

WeekendShiftResult EventRecord::WeekendShift(DateTime t, DateTime r,
                                             const WeekSettings& week) const {
    if (!IsMonthlyOrYearlyDate()) return {};
    if (!week.IsLastWorkday(t.DayOfWeek()) || !week.IsDayOff(r.DayOfWeek())) return {};
    const int64_t k = DaysBetween(t, r);
    if (k < 1 || k > 6) return {};
    for (int64_t d = 1; d <= k; ++d)
        if (week.IsWorkday(DayOfWeekFromDays(t.DayNumber() + d))) return {};
    if (r <= LastShown) return {};
    return {true, t.Date()};
}

DateTime EventRecord::CurrentOccurrence(DateTime now, const WeekSettings& week) const {
    if (!IsRecurring()) return Start;
    const DateTimeSpan advance = AdvanceSpan();
    const DateTime o = OccurrenceOnOrAfter(now);
    if (o - advance <= now) return o;
    const DateTime p = PreviousOccurrence(o);
    // Nothing before Start is an occurrence: the due reminder is the first one's, brought
    // forward by the week-end rule.
    if (p < Start) return o;
    if (p - advance <= LastShown && week.CheckWeekendEvents &&
        WeekendShift(now, o - advance, week).applies)
        return o;
    return p;
}

void EventRecord::Accept(DateTime now, const WeekSettings& week,
                         std::optional<DateTime> shownOccurrence) {
    SetFlag(kSnoozed, false);
    DateTime stamp = now;
    if (!IsRecurring()) {
        Flags |= kAccepted;
    } else {
        const DateTimeSpan advance = AdvanceSpan();
        if (week.CheckWeekendEvents) {
            // The week-end reminder brought forward counts as shown, so it does not come again
            // on its own day.
            const DateTime r = OccurrenceOnOrAfter(now) - advance;
            if (r >= now && WeekendShift(now, r, week).applies) stamp = r;
        }
        if (shownOccurrence && *shownOccurrence - advance > stamp)
            stamp = *shownOccurrence - advance;
    }
    StampShown(stamp);
}

void EventRecord::Unsnooze(DateTime lookAheadLimit) {
    SetFlag(kSnoozed, false);
    if (IsRecurring()) {
        const DateTime p = PreviousOccurrence(OccurrenceOnOrAfter(lookAheadLimit));
        StampShown(p - AdvanceSpan() - DateTimeSpan::Minutes(1));
    } else {
        SetFlag(kShown, false);
    }
}

bool EventRecord::IsTimeOver(DateTime now) const {
    const DateTimeSpan duration = DurationSpan();
    if (!IsRecurring()) return now > Start + duration;
    const DateTimeSpan advance = AdvanceSpan();
    DateTime o = OccurrenceOnOrAfter(now);
    DateTime r = o - advance;
    if (r > now) {
        o = PreviousOccurrence(o);
        if (o < Start) return false; // nothing before the first occurrence can be over
        r = o - advance;
        if (r > now) return false;
    }
    if (r <= LastShown) return false;
    return now > o + duration;
}

NextReminderInfo EventRecord::NextReminder(DateTime now) const {
    using K = NextReminderInfo::Kind;
    if (Has(kDisabled)) return {K::Disabled, {}};
    if (Has(kAccepted)) return {K::Accepted, {}};
    if (Has(kSnoozed)) return {K::Instant, SnoozeUntil};
    const DateTimeSpan advance = AdvanceSpan();
    if (!IsRecurring()) return {K::Instant, Start - advance};
    DateTime n = OccurrenceOnOrAfter(now) - advance;
    if (Has(kShown) && n <= LastShown) {
        // The first reminder after the one last shown. LastShown holds the moment it was dealt
        // with, which need not be a reminder instant itself, so the occurrence is found from
        // the day it points at rather than stepped from the stamp's own date.
        DateTime o = OccurrenceOnOrAfter(LastShown + advance);
        if (o - advance <= LastShown) o = NextOccurrence(o);
        n = o - advance;
    }
    if (Has(kHasEnd) && n > End) return {K::Ended, {}};
    return {K::Instant, n};
}

int NeverReminderMessage(NextReminderInfo::Kind kind) {
    switch (kind) {
    case NextReminderInfo::Kind::Accepted:
        return IDS_NEVER_ACCEPTED;
    case NextReminderInfo::Kind::Disabled:
        return IDS_NEVER_DISABLED;
    case NextReminderInfo::Kind::Ended:
        return IDS_NEVER_ENDED;
    case NextReminderInfo::Kind::Instant:
        break;
    }
    return 0;
}

AdvanceCheck EventRecord::ValidateAdvance(DateTime now) const {
    const DateTimeSpan a = AdvanceSpan();
    if (IsRecurring())
        return a >= PeriodLength() ? AdvanceCheck::ReachesPreviousOccurrence : AdvanceCheck::Ok;
    if (now >= Start - a) {
        if (Key != 0 && Has(kAccepted)) return AdvanceCheck::Ok;
        return AdvanceCheck::AskAcceptPassed;
    }
    return AdvanceCheck::Ok;
}

bool EventRecord::IsStampedInFuture(DateTime now, const WeekSettings& week) const {
    if (!IsRecurring() || !Has(kShown)) return false;
    const int64_t k = (LastShown - now).WholeDays();
    if (k < 1) return false;
    if (k <= 7 && IsMonthlyOrYearlyDate() && week.IsDayOff(LastShown.DayOfWeek())) return false;
    return true;
}

} // namespace zm
