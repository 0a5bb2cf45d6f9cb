#include "edit/recurrence_panels.h"

#include "model/civil_date.h"

#include <algorithm>

namespace zm {
namespace {

int OrdinalPosition(uint32_t pattern, int day) {
    for (int p = 0; p < 5; ++p)
        if (pattern & (kOrdFirst << p)) return p;
    const int p = (day - 1) / 7;
    return p > 4 ? 4 : p;
}

int WeekdayPosition(uint32_t pattern, int startDow) {
    for (int dow = 1; dow <= 7; ++dow)
        if (pattern & WeekdayBit(dow)) return ListPositionOfWeekday(dow);
    return ListPositionOfWeekday(startDow);
}

int64_t IntervalOr1(uint32_t interval) {
    return interval == 0 ? 1 : interval;
}

} // namespace

int ListPositionOfWeekday(int dow) {
    return (dow + 5) % 7;
}

int WeekdayOfBox(int box, int firstDayOfWeek) {
    return (box + firstDayOfWeek + 1) % 7 + 1;
}

int BoxOfWeekday(int dow, int firstDayOfWeek) {
    return ((dow - firstDayOfWeek + 5) % 7 + 7) % 7;
}

RecurrencePanels PanelsOf(const EventRecord& event) {
    RecurrencePanels p;
    const DateTime s = event.start;
    const int day = s.Day();
    const int startDow = s.DayOfWeek();
    p.start = s;
    p.weekdays = WeekdayBit(startDow);
    p.monthDay = day;
    p.monthOrdinal = p.yearOrdinal = (day - 1) / 7 > 4 ? 4 : (day - 1) / 7;
    p.monthWeekday = p.yearWeekday = ListPositionOfWeekday(startDow);
    p.yearMonth = p.yearNthMonth = s.Month();
    p.yearDay = day;
    p.age = event.Has(kAge);
    p.endsOn = event.Has(kHasEnd);
    p.end = p.endsOn ? event.end : s.Date() + DateTimeSpan::Seconds(kSecondsPerDay - 1);
    p.skipWhenOver = event.Has(kSkipWhenOver);
    if (!event.IsRecurring()) return p;

    const bool byWeekday = event.Form() == kFormByWeekday;
    switch (event.Kind()) {
    case kKindDaily:
        p.kind = RecurrenceKind::Daily;
        p.dailyInterval = IntervalOr1(event.Interval());
        break;
    case kKindWeekly:
        p.kind = RecurrenceKind::Weekly;
        p.weeklyInterval = IntervalOr1(event.Interval());
        p.weekdays = event.pattern & kWeekdayMask;
        break;
    case kKindMonthly:
        p.kind = RecurrenceKind::Monthly;
        p.monthlyByWeekday = byWeekday;
        if (byWeekday) {
            p.monthOrdinal = OrdinalPosition(event.pattern, day);
            p.monthWeekday = WeekdayPosition(event.pattern, startDow);
            p.monthNthInterval = IntervalOr1(event.Interval());
        } else {
            if (event.PatternDay() >= 1 && event.PatternDay() <= 31)
                p.monthDay = static_cast<int>(event.PatternDay());
            p.monthDayInterval = IntervalOr1(event.Interval());
        }
        break;
    case kKindYearly:
        p.kind = RecurrenceKind::Yearly;
        p.yearlyByWeekday = byWeekday;
        if (byWeekday) {
            p.yearOrdinal = OrdinalPosition(event.pattern, day);
            p.yearWeekday = WeekdayPosition(event.pattern, startDow);
        }
        break;
    default:
        break;
    }
    return p;
}

RecurrencePanels FollowStart(RecurrencePanels p, DateTime oldStart, DateTime newStart) {
    const YearMonthDay d = newStart.Ymd();
    const int dow = newStart.DayOfWeek();
    const bool lastOfMonth = d.day + 7 > DaysInMonth(d.year, d.month);
    const auto ordinal = [&](int old) {
        if (old == 4 && lastOfMonth) return 4;
        return std::min((d.day - 1) / 7, 4);
    };
    p.start = newStart;
    const uint32_t oldBit = WeekdayBit(oldStart.DayOfWeek());
    if (p.weekdays == 0 || p.weekdays == oldBit)
        p.weekdays = WeekdayBit(dow);
    else
        p.weekdays |= WeekdayBit(dow);
    p.monthDay = d.day;
    p.monthOrdinal = ordinal(p.monthOrdinal);
    p.monthWeekday = ListPositionOfWeekday(dow);
    p.yearMonth = d.month;
    p.yearDay = d.day;
    p.yearOrdinal = ordinal(p.yearOrdinal);
    p.yearWeekday = ListPositionOfWeekday(dow);
    p.yearNthMonth = d.month;
    if (!p.endsOn) p.end = newStart.Date() + DateTimeSpan::Seconds(kSecondsPerDay - 1);
    return p;
}

PatternChoice ChoiceOf(const RecurrencePanels& p) {
    PatternChoice c;
    c.start = p.start;
    c.endsOn = p.endsOn;
    c.end = p.end;
    c.age = p.age;
    c.skipWhenOver = p.skipWhenOver;
    switch (p.kind) {
    case RecurrenceKind::Daily:
        c.form = RecurrenceForm::EveryNDays;
        c.interval = p.dailyInterval;
        break;
    case RecurrenceKind::Weekly:
        c.form = RecurrenceForm::EveryNWeeks;
        c.interval = p.weeklyInterval;
        c.weekdays = p.weekdays;
        break;
    case RecurrenceKind::Monthly:
        if (p.monthlyByWeekday) {
            c.form = RecurrenceForm::NthWeekdayMonthly;
            c.interval = p.monthNthInterval;
            c.ordinal = p.monthOrdinal;
            c.weekday = p.monthWeekday;
        } else {
            c.form = RecurrenceForm::DayOfMonth;
            c.interval = p.monthDayInterval;
            c.day = p.monthDay;
        }
        break;
    case RecurrenceKind::Yearly:
        if (p.yearlyByWeekday) {
            c.form = RecurrenceForm::YearlyNthWeekday;
            c.ordinal = p.yearOrdinal;
            c.weekday = p.yearWeekday;
            c.month = p.yearNthMonth;
        } else {
            c.form = RecurrenceForm::YearlyDate;
            c.month = p.yearMonth;
            c.day = p.yearDay;
        }
        c.interval = 1;
        break;
    }
    return c;
}

} // namespace zm
