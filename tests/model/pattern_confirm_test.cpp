#include "model/pattern_confirm.h"
#include "res/strings.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {
using namespace testing;

// Wednesday 12 June 2024, 10:30.
const DateTime kS = At(2024, 6, 12, 10, 30);

PatternChoice Choice(RecurrenceForm form) {
    PatternChoice c;
    c.form = form;
    c.start = kS;
    return c;
}

TEST(ConfirmPattern, WhereEachFormPutsStartAndWhatItWrites) {
    using F = RecurrenceForm;
    struct Case {
        const char* name;
        PatternChoice choice;
        DateTime start;
        uint32_t pattern;
        uint32_t param;
    };
    auto with = [](F form, auto set) {
        PatternChoice c = Choice(form);
        set(c);
        return c;
    };
    const Case cases[] = {
        {"every 3 days", with(F::EveryNDays, [](auto& c) { c.interval = 3; }), kS, 0x1100, 3},
        {"weeks on Mon, Fri",
         with(F::EveryNWeeks, [](auto& c) { c.interval = 2, c.weekdays = kMonday | kFriday; }),
         At(2024, 6, 14, 10, 30), 0x1200 | kMonday | kFriday, 2},
        {"weeks on Wed", with(F::EveryNWeeks, [](auto& c) { c.weekdays = kWednesday; }), kS,
         0x1200 | kWednesday, 1},
        {"day 20", with(F::DayOfMonth, [](auto& c) { c.day = 20; }), At(2024, 6, 20, 10, 30),
         0x1400, MonthlyParam(20, 1)},
        {"day 10 every 3", with(F::DayOfMonth, [](auto& c) { c.day = 10, c.interval = 3; }),
         At(2024, 9, 10, 10, 30), 0x1400, MonthlyParam(10, 3)},
        {"day 31 in June", with(F::DayOfMonth, [](auto& c) { c.day = 31; }),
         At(2024, 6, 30, 10, 30), 0x1400, MonthlyParam(31, 1)},
        {"last Friday", with(F::NthWeekdayMonthly, [](auto& c) { c.ordinal = 4, c.weekday = 4; }),
         At(2024, 6, 28, 10, 30), 0x2400 | kOrdLast | kFriday, MonthlyParam(28, 1)},
        {"first Monday every 2",
         with(F::NthWeekdayMonthly, [](auto& c) { c.ordinal = 0, c.weekday = 0, c.interval = 2; }),
         At(2024, 8, 5, 10, 30), 0x2400 | kOrdFirst | kMonday, MonthlyParam(5, 2)},
        {"10 March, before S", with(F::YearlyDate, [](auto& c) { c.month = 3, c.day = 10; }),
         At(2024, 3, 10, 10, 30), 0x1800, 1},
        {"first Monday of May",
         with(F::YearlyNthWeekday, [](auto& c) { c.ordinal = 0, c.weekday = 0, c.month = 5; }),
         At(2025, 5, 5, 10, 30), 0x2800 | kOrdFirst | kMonday, 12},
        {"last Sunday of June",
         with(F::YearlyNthWeekday, [](auto& c) { c.ordinal = 4, c.weekday = 6, c.month = 6; }),
         At(2024, 6, 30, 10, 30), 0x2800 | kOrdLast | kSunday, 12},
        {"none", Choice(F::None), kS, 0, 0},
    };
    for (const Case& c : cases) {
        const PatternConfirmation r = ConfirmPattern(c.choice);
        ASSERT_TRUE(r.verdict.Ok()) << c.name;
        EXPECT_EQ(r.start, c.start) << c.name;
        EXPECT_EQ(r.pattern, c.pattern) << c.name;
        EXPECT_EQ(r.param, c.param) << c.name;
    }
}

TEST(ConfirmPattern, RefusesAnInvalidPatternWithTheFieldToFocus) {
    using F = RecurrenceForm;
    struct Case {
        PatternChoice choice;
        EditField focus;
    };
    auto with = [](F form, auto set) {
        PatternChoice c = Choice(form);
        set(c);
        return c;
    };
    const Case cases[] = {
        {with(F::EveryNDays, [](auto& c) { c.interval = 0; }), EditField::Interval},
        {with(F::EveryNDays, [](auto& c) { c.interval = 70000; }), EditField::Interval},
        {with(F::EveryNWeeks, [](auto& c) { c.weekdays = 0; }), EditField::Weekdays},
        {with(F::EveryNWeeks, [](auto& c) { c.weekdays = 0x01; }), EditField::Weekdays},
        {with(F::EveryNWeeks, [](auto& c) { c.interval = -1, c.weekdays = kMonday; }),
         EditField::Interval},
        {with(F::DayOfMonth, [](auto& c) { c.day = 0; }), EditField::DayOfMonth},
        {with(F::DayOfMonth, [](auto& c) { c.day = 32; }), EditField::DayOfMonth},
        {with(F::DayOfMonth, [](auto& c) { c.day = 5, c.interval = 0; }), EditField::Interval},
        {with(F::NthWeekdayMonthly, [](auto& c) { c.weekday = 1; }), EditField::Ordinal},
        {with(F::NthWeekdayMonthly, [](auto& c) { c.ordinal = 1; }), EditField::Weekday},
        {with(F::YearlyDate, [](auto& c) { c.day = 3; }), EditField::Month},
        {with(F::YearlyDate, [](auto& c) { c.month = 2, c.day = 29; }), EditField::DayOfMonth},
        {with(F::YearlyDate, [](auto& c) { c.month = 4, c.day = 31; }), EditField::DayOfMonth},
        {with(F::YearlyDate, [](auto& c) { c.month = 4, c.day = 0; }), EditField::DayOfMonth},
        {with(F::YearlyNthWeekday, [](auto& c) { c.ordinal = 0, c.weekday = 0; }),
         EditField::Month},
    };
    for (const Case& c : cases) {
        const PatternConfirmation r = ConfirmPattern(c.choice);
        EXPECT_EQ(r.verdict, Verdict::Refuse(IDS_PATTERN_NOT_VALID, c.focus))
            << static_cast<int>(c.choice.form) << " focus " << static_cast<int>(c.focus);
    }
}

TEST(ConfirmPattern, TheRangeAgeAndTimeIsOverOptions) {
    PatternChoice c = Choice(RecurrenceForm::EveryNDays);
    c.endsOn = true;
    c.end = At(2024, 6, 11, 23, 59, 59);
    EXPECT_EQ(ConfirmPattern(c).verdict, Verdict::Refuse(IDS_END_BEFORE_START, EditField::EndDate));
    c.end = At(2024, 6, 12); // the day of S counts whole
    PatternConfirmation r = ConfirmPattern(c);
    ASSERT_TRUE(r.verdict.Ok());
    EXPECT_TRUE(r.hasEnd);
    EXPECT_EQ(r.end, At(2024, 6, 12, 23, 59, 59));

    c.age = true;
    c.skipWhenOver = true;
    r = ConfirmPattern(c);
    EXPECT_FALSE(r.age); // Age belongs to yearly events only
    EXPECT_TRUE(r.skipWhenOver);
    c.form = RecurrenceForm::YearlyDate;
    c.month = 1;
    c.day = 1;
    c.end = At(2030, 1, 1);
    r = ConfirmPattern(c);
    ASSERT_TRUE(r.verdict.Ok());
    EXPECT_TRUE(r.age);
}

TEST(ConfirmPattern, ApplyingItResetsTheReminderStateAndSetsTheOptions) {
    EventRecord e = OneTime(At(2024, 6, 1, 9, 0));
    e.flags = kShown | kAccepted | kAge | kSkipWhenOver;
    PatternChoice c = Choice(RecurrenceForm::EveryNWeeks);
    c.weekdays = kFriday;
    c.endsOn = true;
    c.end = At(2024, 12, 31);
    ApplyPattern(e, ConfirmPattern(c));
    EXPECT_EQ(e.flags, static_cast<uint32_t>(kRecurring | kHasEnd));
    EXPECT_EQ(e.start, At(2024, 6, 14, 10, 30));
    EXPECT_EQ(e.end, At(2024, 12, 31, 23, 59, 59));

    ApplyPattern(e, ConfirmPattern(Choice(RecurrenceForm::None))); // "Remove recurrence"
    EXPECT_EQ(e.flags, 0u);
    EXPECT_EQ(e.pattern, 0u);
    EXPECT_EQ(e.start, kS);
}

TEST(ConfirmPattern, DaysBeyond28AskAboutShortMonths) {
    PatternChoice c = Choice(RecurrenceForm::DayOfMonth);
    for (int day : {28, 29, 31, 32}) {
        c.day = day;
        EXPECT_EQ(NeedsShortMonthWarning(c), day == 29 || day == 31) << day;
    }
    c.form = RecurrenceForm::YearlyDate;
    c.day = 30;
    EXPECT_FALSE(NeedsShortMonthWarning(c));
}

TEST(RecurringDuration, MustBeShorterThanThePeriod) {
    EventRecord daily = Recurring(kDaily, 1, kS);
    const Verdict tooLong = Verdict::Refuse(IDS_DURATION_TOO_LONG_FOR_PATTERN, EditField::Duration);
    const struct {
        TimeAmount duration;
        bool ok;
    } cases[] = {{TimeAmount::Of(AmountUnit::Week, 1), false},
                 {TimeAmount::Of(AmountUnit::Day, 1), false},
                 {TimeAmount::Of(AmountUnit::Hour, 23), true},
                 {TimeAmount::Of(AmountUnit::Minute, 30), true}};
    for (const auto& c : cases) {
        daily.duration = c.duration;
        EXPECT_EQ(CheckRecurringDuration(daily), c.ok ? Verdict::Pass() : tooLong);
    }
    EventRecord once = OneTime(kS);
    once.duration = TimeAmount::Of(AmountUnit::Week, 100);
    EXPECT_TRUE(CheckRecurringDuration(once).Ok());
}

} // namespace
} // namespace zm
