#include "model/snooze_rules.h"
#include "res/strings.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {
using namespace testing;

const WeekSettings kWeek{0x3E, false};

TEST(TimeLeft, OverdueDaysAndTheBeforeStartOffer) {
    const DateTime occurrence = At(2024, 6, 10, 9, 0);
    struct {
        DateTime now;
        bool overdue;
        int64_t days;
        bool offerBeforeStart;
    } cases[] = {
        {occurrence + DateTimeSpan::Seconds(150), true, 0, false},
        {occurrence + DateTimeSpan::Seconds(140), true, 0, false}, // 2 minutes 20 seconds
        {occurrence + DateTimeSpan::Seconds(139), false, 0, false},
        {occurrence + DateTimeSpan::Seconds(130), false, 0, false},
        {occurrence - DateTimeSpan::Minutes(6), false, 0, false},
        {occurrence - DateTimeSpan::Minutes(7), false, 0, true},
        {At(2024, 6, 8, 8, 0), false, 2, true},   // 2 days 1 hour, same time of day
        {At(2024, 6, 7, 22, 0), false, 3, true},  // 2 days 3 hours, over midnight
        {At(2024, 6, 9, 23, 55), false, 1, true}, // tomorrow, 9 hours ahead
    };
    for (const auto& c : cases) {
        const TimeLeft left = TimeLeftUntil(occurrence, c.now);
        EXPECT_EQ(left.overdue, c.overdue) << left.seconds;
        EXPECT_EQ(left.days, c.days) << left.seconds;
        EXPECT_EQ(left.offerBeforeStart, c.offerBeforeStart) << left.seconds;
    }
}

TEST(OfferedSnoozeAmount, TheLastChoiceWhenSnoozedOrRememberedElseFiveMinutes) {
    EventRecord e = OneTime(At(2024, 6, 10, 9, 0));
    e.snoozeChoice = TimeAmount::Of(AmountUnit::Hour, 2);
    EXPECT_EQ(OfferedSnoozeAmount(e, false), kDefaultSnoozeChoice);
    EXPECT_EQ(OfferedSnoozeAmount(e, true), TimeAmount::Of(AmountUnit::Hour, 2));
    e.flags |= kSnoozed;
    EXPECT_EQ(OfferedSnoozeAmount(e, false), TimeAmount::Of(AmountUnit::Hour, 2));
    e.snoozeChoice = TimeAmount::Of(AmountUnit::Minute,
                                    10 | TimeAmount::kBeforeStart); // 10 minutes before start
    EXPECT_EQ(OfferedSnoozeAmount(e, true), kDefaultSnoozeChoice);
    e.snoozeChoice = TimeAmount::Of(static_cast<AmountUnit>(4), 10);
    EXPECT_EQ(OfferedSnoozeAmount(e, true), kDefaultSnoozeChoice);
}

TEST(BeforeStartSnooze, MustComeBackLaterThanAMinuteFromNow) {
    const DateTime occurrence = At(2024, 6, 10, 9, 0);
    const Verdict refused = Verdict::Refuse(IDS_SNOOZE_BEFORE_START, EditField::SnoozeAmount);
    const DateTime nineAway = occurrence - DateTimeSpan::Minutes(9);
    EXPECT_EQ(CheckBeforeStartSnooze(occurrence, DateTimeSpan::Minutes(9), nineAway), refused);
    const DateTime tenAway = occurrence - DateTimeSpan::Minutes(10);
    EXPECT_EQ(CheckBeforeStartSnooze(occurrence, DateTimeSpan::Minutes(9), tenAway), refused);
    EXPECT_TRUE(CheckBeforeStartSnooze(occurrence, DateTimeSpan::Minutes(8), tenAway).Ok());
}

SnoozeRequest Request(DateTime occurrence, DateTimeSpan span, AmountUnit unit, uint32_t count) {
    SnoozeRequest r;
    r.occurrence = occurrence;
    r.span = span;
    r.unit = unit;
    r.count = count;
    return r;
}

TEST(Snooze, ADailyEventCannotBeSnoozedPastItsNextReminder) {
    const EventRecord daily = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0));
    const DateTime o = At(2024, 6, 10, 9, 0);
    struct {
        DateTime now;
        int hours;
        bool accepted;
    } cases[] = {
        {At(2024, 6, 10, 9, 0, 20), 25, false},
        {At(2024, 6, 10, 9, 0, 20), 24, false},
        {At(2024, 6, 10, 9, 0, 20), 2, true},
        {At(2024, 6, 10, 9, 0, 0), 2, true}, // in the very second the reminder fell due
        // Yesterday's missed reminder, shown early today, may not pass today's own one.
        {At(2024, 6, 10, 8, 0, 0), 1, true},
        {At(2024, 6, 10, 8, 0, 0), 2, false},
    };
    for (const auto& c : cases) {
        EventRecord e = daily;
        e.StampShown(At(2024, 6, 9, 9, 1));
        const Verdict v = ApplySnooze(
            e, Request(o, DateTimeSpan::Hours(c.hours), AmountUnit::Hour, c.hours), c.now, kWeek);
        EXPECT_EQ(v.Ok(), c.accepted) << c.hours;
        if (c.accepted) {
            EXPECT_TRUE(e.Has(kSnoozed));
            EXPECT_EQ(e.snoozeUntil, c.now + DateTimeSpan::Hours(c.hours));
            EXPECT_EQ(e.lastShown, c.now);
            EXPECT_EQ(e.snoozeChoice, TimeAmount::Of(AmountUnit::Hour, c.hours));
        } else {
            EXPECT_EQ(v.message, IDS_SNOOZE_AFTER_NEXT);
            EXPECT_FALSE(e.Has(kSnoozed));
            EXPECT_EQ(e.lastShown, At(2024, 6, 9, 9, 1));
        }
    }
}

TEST(Snooze, BeforeStartCountsBackFromTheOccurrenceAndKeepsTheMarker) {
    EventRecord e = Recurring(kDaily, 1, At(2024, 6, 1, 9, 0), 60);
    const DateTime now = At(2024, 6, 10, 8, 0, 20);
    const uint32_t count = 10 | TimeAmount::kBeforeStart;
    ASSERT_TRUE(ApplySnooze(e,
                            Request(At(2024, 6, 10, 9, 0), -DateTimeSpan::Minutes(10),
                                    AmountUnit::Minute, count),
                            now, kWeek)
                    .Ok());
    EXPECT_EQ(e.snoozeUntil, At(2024, 6, 10, 8, 50));
    EXPECT_TRUE(e.snoozeChoice.BeforeStart());
    EXPECT_TRUE(e.IsDue(At(2024, 6, 10, 8, 50), kWeek).due);
    EXPECT_EQ(e.CurrentOccurrence(At(2024, 6, 10, 8, 50), kWeek), At(2024, 6, 10, 9, 0));
}

TEST(Snooze, AWeekendReminderMaySleepUntilTheNextMonthsOne) {
    const WeekSettings weekendRule{0x3E, true};
    EventRecord e = Recurring(kMonthlyDay, MonthlyParam(15, 1), At(2024, 1, 15, 9, 0));
    e.StampShown(At(2024, 5, 15, 9, 0));
    const DateTime friday = At(2024, 6, 14, 10, 0);
    ASSERT_TRUE(e.IsDue(friday, weekendRule).shifted);
    EXPECT_TRUE(
        ApplySnooze(e, Request(At(2024, 6, 15, 9, 0), DateTimeSpan::Days(3), AmountUnit::Day, 3),
                    friday, weekendRule)
            .Ok());
}

} // namespace
} // namespace zm
