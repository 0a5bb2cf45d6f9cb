// Random patterns of every form with starts between 1950 and 2050: stepping from the first
// occurrence on or after a day reaches every occurrence a later day finds, and a step back
// undoes a step forward.

#include "model/pattern_confirm.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>
#include <random>

namespace zm {
namespace {
using namespace testing;

// A random pattern of one of the six forms, confirmed the way the recurrence editor does, so
// that Start is itself an occurrence.
EventRecord RandomEvent(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int64_t first = DaysFromCivil(1950, 1, 1);
    const int64_t last = DaysFromCivil(2050, 12, 31);
    const DateTime s =
        DateTime::FromDayNumber(std::uniform_int_distribution<int64_t>(first, last)(rng)) +
        DateTimeSpan::Minutes(pick(0, 1439));
    PatternChoice c;
    c.start = s;
    c.form = static_cast<RecurrenceForm>(pick(1, 6));
    switch (c.form) {
    case RecurrenceForm::EveryNDays:
        c.interval = pick(1, 40);
        break;
    case RecurrenceForm::EveryNWeeks:
        c.interval = pick(1, 5);
        c.weekdays = static_cast<uint32_t>(pick(1, 127)) << 1;
        break;
    case RecurrenceForm::DayOfMonth:
        c.interval = pick(1, 14);
        c.day = pick(1, 31);
        break;
    case RecurrenceForm::NthWeekdayMonthly:
        c.interval = pick(1, 14);
        c.ordinal = pick(0, 4);
        c.weekday = pick(0, 6);
        break;
    case RecurrenceForm::YearlyDate:
        c.month = pick(1, 12);
        c.day = pick(1, DaysInMonth(2001, c.month)); // February up to 28
        break;
    case RecurrenceForm::YearlyNthWeekday:
        c.ordinal = pick(0, 4);
        c.weekday = pick(0, 6);
        c.month = pick(1, 12);
        break;
    case RecurrenceForm::None:
        break;
    }
    const PatternConfirmation confirmed = ConfirmPattern(c);
    EXPECT_TRUE(confirmed.verdict.Ok());
    EventRecord e;
    ApplyPattern(e, confirmed);
    // Yearly by-date events from templates may start on 29 February.
    if (c.form == RecurrenceForm::YearlyDate && pick(0, 9) == 0) {
        const int year = 1952 + 4 * pick(0, 24);
        e.start = At(year, 2, 29).WithTimeOf(s);
    }
    return e;
}

TEST(OccurrenceProperties, SteppingNeverSkipsAnOccurrenceAndStepsUndoEachOther) {
    std::mt19937 rng(20240229);
    int64_t totalSteps = 0;
    for (int i = 0; i < 3000; ++i) {
        const EventRecord e = RandomEvent(rng);
        SCOPED_TRACE(::testing::Message()
                     << "case " << i << " pattern 0x" << std::hex << e.pattern << " param 0x"
                     << e.patternParam << std::dec << " start " << e.start.Year() << "-"
                     << e.start.Month() << "-" << e.start.Day());
        // T from a year before Start to 40 years after; T2 up to two years after T.
        const int64_t t =
            e.start.DayNumber() + std::uniform_int_distribution<int64_t>(-365, 40 * 365)(rng);
        const int64_t t2 = t + std::uniform_int_distribution<int64_t>(0, 2 * 366)(rng);
        const DateTime target = e.OccurrenceOnOrAfter(DateTime::FromDayNumber(t2));
        ASSERT_GE(target.DayNumber(), std::max(t2, e.start.DayNumber()));

        DateTime x = e.OccurrenceOnOrAfter(DateTime::FromDayNumber(t));
        ASSERT_GE(x, e.start);
        ASSERT_EQ(x.SecondsOfDay(), e.start.SecondsOfDay());
        // For a Start that is itself an occurrence (every confirmed pattern, and a 29 February
        // yearly start, which steps to the 28th and back), a step back undoes a step forward.
        // It would not for a Start that is not an occurrence, such as a weekly Start on a day
        // outside the weekday set, which only templates can produce.
        ASSERT_EQ(e.PreviousOccurrence(e.NextOccurrence(x)), x);
        int steps = 0;
        while (x.DayNumber() < t2) {
            const DateTime next = e.NextOccurrence(x);
            ASSERT_GT(next, x);
            ASSERT_EQ(e.PreviousOccurrence(next), x);
            // Nothing lies between two steps: the day after x finds next.
            ASSERT_EQ(e.OccurrenceOnOrAfter(x.AddDays(1)), next);
            x = next;
            ASSERT_LT(++steps, 1000);
            ++totalSteps;
        }
        ASSERT_EQ(x, target);
    }
    // The walks are long enough to cross month ends, leap days and week blocks many times.
    EXPECT_GT(totalSteps, 30000);
}

} // namespace
} // namespace zm
