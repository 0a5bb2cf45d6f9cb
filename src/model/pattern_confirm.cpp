#include "model/pattern_confirm.h"

#include "model/month_moves.h"
#include "res/strings.h"

namespace zm {

uint32_t WeekdayBitOfListPosition(int p) {
    if (p < 0 || p > 6) return 0;
    return p == 6 ? kSunday : 1u << (p + 2);
}

uint32_t OrdinalOfListPosition(int p) {
    if (p < 0 || p > 4) return 0;
    return kOrdFirst << p;
}

namespace {

Verdict NotValid(EditField focus) {
    return Verdict::Refuse(IDS_PATTERN_NOT_VALID, focus);
}

PatternConfirmation Refused(Verdict v) {
    PatternConfirmation c;
    c.verdict = v;
    return c;
}

bool IntervalOk(int64_t n) {
    return n >= 1 && n <= 0xFFFF;
}

// The form's words and start, before the range and options are looked at.
PatternConfirmation ConfirmForm(const PatternChoice& ch) {
    PatternConfirmation c;
    const DateTime s = ch.start;
    const int64_t sDay = s.DayNumber();
    const uint32_t n = static_cast<uint32_t>(ch.interval);
    switch (ch.form) {
    case RecurrenceForm::None:
        c.start = s;
        return c;
    case RecurrenceForm::EveryNDays:
        if (!IntervalOk(ch.interval)) return Refused(NotValid(EditField::Interval));
        c.start = s;
        c.pattern = kFormByDate | kKindDaily;
        c.param = n;
        return c;
    case RecurrenceForm::EveryNWeeks: {
        if (!IntervalOk(ch.interval)) return Refused(NotValid(EditField::Interval));
        const uint32_t set = ch.weekdays & kWeekdayMask;
        if (set == 0) return Refused(NotValid(EditField::Weekdays));
        // The first selected weekday on or after S, at most 6 days on.
        int64_t d = sDay;
        while (!(set & WeekdayBit(DayOfWeekFromDays(d))))
            ++d;
        c.start = DateTime::FromDayNumber(d).WithTimeOf(s);
        c.pattern = kFormByDate | kKindWeekly | set;
        c.param = n;
        return c;
    }
    case RecurrenceForm::DayOfMonth: {
        if (ch.day < 1 || ch.day > 31) return Refused(NotValid(EditField::DayOfMonth));
        if (!IntervalOk(ch.interval)) return Refused(NotValid(EditField::Interval));
        std::optional<DateTime> d = AddMonthsClamped(s, ch.day, 0);
        if (d && d->DayNumber() < sDay) d = AddMonthsClamped(s, ch.day, n);
        if (!d) return Refused(NotValid(EditField::Interval));
        c.start = d->WithTimeOf(s);
        c.pattern = kFormByDate | kKindMonthly;
        c.param = PatternParamOf(static_cast<uint32_t>(ch.day), n);
        return c;
    }
    case RecurrenceForm::NthWeekdayMonthly: {
        const uint32_t ordinal = OrdinalOfListPosition(ch.ordinal);
        const uint32_t weekday = WeekdayBitOfListPosition(ch.weekday);
        if (ordinal == 0) return Refused(NotValid(EditField::Ordinal));
        if (weekday == 0) return Refused(NotValid(EditField::Weekday));
        if (!IntervalOk(ch.interval)) return Refused(NotValid(EditField::Interval));
        const uint32_t pattern = kFormByWeekday | kKindMonthly | ordinal | weekday;
        std::optional<DateTime> d = NthWeekdayOfMonth(s, pattern);
        if (d->DayNumber() < sDay) {
            d = AddMonthsClamped(s, 1, n);
            if (d) d = NthWeekdayOfMonth(*d, pattern);
        }
        if (!d) return Refused(NotValid(EditField::Interval));
        c.start = d->WithTimeOf(s);
        c.pattern = pattern;
        c.param = PatternParamOf(static_cast<uint32_t>(d->Day()), n);
        return c;
    }
    case RecurrenceForm::YearlyDate: {
        if (ch.month < 1 || ch.month > 12) return Refused(NotValid(EditField::Month));
        if (ch.day < 1 || ch.day > 31 || (ch.month == 2 && ch.day > 28))
            return Refused(NotValid(EditField::DayOfMonth));
        const DateTime d = DateTime::FromParts(s.Year(), ch.month, ch.day);
        if (!d.IsValid()) return Refused(NotValid(EditField::DayOfMonth));
        c.start = d.WithTimeOf(s); // even when that is before S
        c.pattern = kFormByDate | kKindYearly;
        c.param = 1;
        return c;
    }
    case RecurrenceForm::YearlyNthWeekday: {
        const uint32_t ordinal = OrdinalOfListPosition(ch.ordinal);
        const uint32_t weekday = WeekdayBitOfListPosition(ch.weekday);
        if (ordinal == 0) return Refused(NotValid(EditField::Ordinal));
        if (weekday == 0) return Refused(NotValid(EditField::Weekday));
        if (ch.month < 1 || ch.month > 12) return Refused(NotValid(EditField::Month));
        const uint32_t pattern = kFormByWeekday | kKindYearly | ordinal | weekday;
        DateTime d = NthWeekdayOfMonth(DateTime::FromParts(s.Year(), ch.month, 1), pattern);
        if (d.DayNumber() < sDay) {
            const DateTime nextYear = DateTime::FromParts(s.Year() + 1, ch.month, 1);
            if (!nextYear.IsValid()) return Refused(NotValid(EditField::Month));
            d = NthWeekdayOfMonth(nextYear, pattern);
        }
        c.start = d.WithTimeOf(s);
        c.pattern = pattern;
        c.param = 12;
        return c;
    }
    }
    return Refused(NotValid(EditField::None));
}

bool IsYearly(RecurrenceForm f) {
    return f == RecurrenceForm::YearlyDate || f == RecurrenceForm::YearlyNthWeekday;
}

} // namespace

PatternConfirmation ConfirmPattern(const PatternChoice& choice) {
    PatternConfirmation c = ConfirmForm(choice);
    if (!c.verdict.Ok()) return c;
    c.age = choice.age && IsYearly(choice.form);
    c.skipWhenOver = choice.skipWhenOver;
    if (choice.form != RecurrenceForm::None && choice.endsOn) {
        // The range ends with the whole end day, so an occurrence on that day is included.
        if (choice.end.DayNumber() < choice.start.DayNumber())
            return Refused(Verdict::Refuse(IDS_END_BEFORE_START, EditField::EndDate));
        c.hasEnd = true;
        c.end = choice.end.Date() + DateTimeSpan::Seconds(kSecondsPerDay - 1);
    }
    return c;
}

bool NeedsShortMonthWarning(const PatternChoice& choice) {
    return choice.form == RecurrenceForm::DayOfMonth && choice.day > 28 && choice.day <= 31;
}

void ApplyPattern(EventRecord& e, const PatternConfirmation& c) {
    e.SetPattern(c.pattern, c.param);
    e.start = c.start;
    e.SetFlag(kAge, c.age);
    e.SetFlag(kHasEnd, c.hasEnd && e.IsRecurring());
    if (c.hasEnd) e.end = c.end;
    e.SetFlag(kSkipWhenOver, c.skipWhenOver);
}

Verdict CheckRecurringDuration(DateTimeSpan duration, DateTimeSpan period) {
    if (duration < period) return Verdict::Pass();
    return Verdict::Refuse(IDS_DURATION_TOO_LONG_FOR_PATTERN, EditField::Duration);
}

Verdict CheckRecurringDuration(const EventRecord& e) {
    if (!e.IsRecurring()) return Verdict::Pass();
    return CheckRecurringDuration(e.DurationSpan(), e.PeriodLength());
}

} // namespace zm
