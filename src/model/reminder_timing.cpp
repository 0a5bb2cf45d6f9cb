// When the reminder of one event falls due, and what accepting, cancelling a snooze and the
// start-up check for future stamps do to it. "Now" is always passed in.

#include "model/event_record.h"
#include "res/strings.h"

#include <algorithm>

namespace zm {

namespace {

// An advance that reaches back over midnight puts the reminder of the next occurrence on the day
// of occurrence o too. Once o's own reminder was dealt with, that next reminder is the one due at
// a, when it has come and was not dealt with either.
std::optional<DateTime> NextReminderSameDay(const EventRecord& e, DateTime o, DateTime a) {
    const DateTimeSpan advanceSpan = e.AdvanceSpan();
    if (advanceSpan >= e.PeriodLength()) return std::nullopt;
    const DateTime next = e.NextOccurrence(o);
    if (next <= o) return std::nullopt;
    const DateTime r = next - advanceSpan;
    if (r <= e.lastShown || r > a) return std::nullopt;
    return r;
}

} // namespace

bool EventRecord::IsMonthlyOrYearlyDate() const {
    const uint32_t kind = Kind();
    return IsRecurring() && (kind == kKindMonthly || kind == kKindYearly) &&
           (pattern & kFormByWeekday) == 0;
}

DueCheck EventRecord::IsDue(DateTime a, const WeekSettings& week) const {
    const DueCheck notDue;
    if (Has(kDisabled)) return notDue;
    const DateTimeSpan advanceSpan = AdvanceSpan();
    if (!IsRecurring()) {
        if (Has(kAccepted)) return notDue;
        const DateTime i = Has(kSnoozed) ? snoozeUntil : start - advanceSpan;
        return i <= a ? DueCheck{true, i, false} : notDue;
    }
    // A snooze is kept even beyond the end of the range: the user asked for it.
    if (Has(kSnoozed)) return snoozeUntil <= a ? DueCheck{true, snoozeUntil, false} : notDue;

    const DateTime o = OccurrenceOnOrAfter(a);
    const DateTime r = o - advanceSpan;
    DueCheck due{true, r, false};
    // The reminder instant of the occurrence the due reminder stands for; the end of the range
    // bounds that, not an instant the week-end rule moved forward.
    DateTime own = r;
    if (r <= a) {
        if (r <= lastShown) {
            const std::optional<DateTime> next = NextReminderSameDay(*this, o, a);
            if (!next) return notDue;
            due.instant = own = *next;
        }
    } else if (r.DayNumber() == a.DayNumber()) {
        return notDue; // it comes later today
    } else {
        const DateTime p = PreviousOccurrence(o);
        const DateTime h = p - advanceSpan;
        bool missed = false;
        // Before Start there were no occurrences whose reminder could have been missed.
        if (p >= start) {
            if (h > a) return notDue;
            missed = h > lastShown;
        }
        if (missed) {
            due.instant = own = h;
        } else if (week.checkWeekendEvents && WeekendShift(a, r, week).applies) {
            due.instant = a.Date();
            due.shifted = true;
        } else {
            return notDue;
        }
    }
    if (Has(kHasEnd) && own > end) return notDue;
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
    if (r <= lastShown) return {};
    return {true, t.Date()};
}

DateTime EventRecord::CurrentOccurrence(DateTime now, const WeekSettings& week) const {
    if (!IsRecurring()) return start;
    const DateTimeSpan advanceSpan = AdvanceSpan();
    const DateTime o = OccurrenceOnOrAfter(now);
    if (o - advanceSpan <= now) {
        if (o - advanceSpan <= lastShown && NextReminderSameDay(*this, o, now))
            return NextOccurrence(o);
        return o;
    }
    const DateTime p = PreviousOccurrence(o);
    // Nothing before Start is an occurrence: the due reminder is the first one's, brought
    // forward by the week-end rule.
    if (p < start) return o;
    if (p - advanceSpan <= lastShown && week.checkWeekendEvents &&
        WeekendShift(now, o - advanceSpan, week).applies)
        return o;
    return p;
}

void EventRecord::Accept(DateTime now, const WeekSettings& week,
                         std::optional<DateTime> shownOccurrence) {
    SetFlag(kSnoozed, false);
    DateTime stamp = now;
    if (!IsRecurring()) {
        flags |= kAccepted;
    } else {
        const DateTimeSpan advanceSpan = AdvanceSpan();
        if (week.checkWeekendEvents) {
            // The week-end reminder brought forward counts as shown, so it does not come again
            // on its own day.
            const DateTime r = OccurrenceOnOrAfter(now) - advanceSpan;
            if (r >= now && WeekendShift(now, r, week).applies) stamp = r;
        }
        if (shownOccurrence && *shownOccurrence - advanceSpan > stamp)
            stamp = *shownOccurrence - advanceSpan;
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
    const DateTimeSpan durationSpan = DurationSpan();
    if (!IsRecurring()) return now > start + durationSpan;
    const DateTimeSpan advanceSpan = AdvanceSpan();
    DateTime o = OccurrenceOnOrAfter(now);
    DateTime r = o - advanceSpan;
    if (r > now) {
        o = PreviousOccurrence(o);
        if (o < start) return false; // nothing before the first occurrence can be over
        r = o - advanceSpan;
        if (r > now) return false;
    }
    if (r <= lastShown) return false;
    return now > o + durationSpan;
}

NextReminderInfo EventRecord::NextReminder(DateTime now) const {
    using K = NextReminderInfo::Kind;
    if (Has(kDisabled)) return {K::Disabled, {}};
    if (Has(kAccepted)) return {K::Accepted, {}};
    if (Has(kSnoozed)) return {K::Instant, snoozeUntil};
    const DateTimeSpan advanceSpan = AdvanceSpan();
    if (!IsRecurring()) return {K::Instant, start - advanceSpan};
    DateTime n = OccurrenceOnOrAfter(now) - advanceSpan;
    if (Has(kShown) && n <= lastShown) {
        // The first reminder after the one last shown. LastShown holds the moment it was dealt
        // with, which need not be a reminder instant itself, so the occurrence is found from
        // the day it points at rather than stepped from the stamp's own date.
        DateTime o = OccurrenceOnOrAfter(lastShown + advanceSpan);
        if (o - advanceSpan <= lastShown) o = NextOccurrence(o);
        n = o - advanceSpan;
    }
    if (Has(kHasEnd) && n > end) return {K::Ended, {}};
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
    if (now >= start - a) {
        if (key != 0 && Has(kAccepted)) return AdvanceCheck::Ok;
        return AdvanceCheck::AskAcceptPassed;
    }
    return AdvanceCheck::Ok;
}

bool EventRecord::IsStampedInFuture(DateTime now, const WeekSettings& week) const {
    if (!IsRecurring() || !Has(kShown)) return false;
    const int64_t k = (lastShown - now).WholeDays();
    if (k < 1) return false;
    if (lastShown < start - AdvanceSpan()) return false;
    if (k <= 7 && IsMonthlyOrYearlyDate() && week.IsDayOff(lastShown.DayOfWeek())) return false;
    return true;
}

void EventRecord::StampPastOccurrences(DateTime now, DateTime lookAheadLimit) {
    const DateTime limit = lookAheadLimit.TotalSeconds() != 0
                               ? lookAheadLimit
                               : now.Date() + DateTimeSpan::Seconds(kSecondsPerDay - 1);
    const DateTime p = PreviousOccurrence(OccurrenceOnOrAfter(limit));
    StampShown(std::min(p - AdvanceSpan(), now));
}

} // namespace zm
