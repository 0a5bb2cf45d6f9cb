#include "model/describe.h"

#include "res/format_text.h"
#include "res/strings.h"

namespace zm {
namespace {

// Monday first, as the weekly description lists the days; day-of-week numbers 1 = Sunday.
constexpr int kMondayFirst[] = {2, 3, 4, 5, 6, 7, 1};

// The ordinal word of a by-weekday pattern ("first" ... "last"); the lowest ordinal bit wins
// should a damaged word carry several, and a word without one gives an empty word.
std::string OrdinalText(uint32_t pattern) {
    const uint32_t bits = (pattern & kOrdinalMask) >> 16;
    for (int i = 0; i < 5; ++i)
        if (bits & (1u << i)) return LoadString(IDS_ORD_FIRST + i);
    return {};
}

std::string WeeklyText(const EventRecord& e, const LocaleNames& names) {
    std::string text = e.Interval() == 1 ? std::string(LoadString(IDS_EVERY_WEEK_ON))
                                         : FormatText(IDS_EVERY_N_WEEKS_ON, {e.Interval()});
    bool first = true;
    for (const int dow : kMondayFirst) {
        if (!(e.pattern & WeekdayBit(dow))) continue;
        if (!first) text += ", ";
        text += names.LongDayName(dow);
        first = false;
    }
    return text;
}

std::string MonthlyText(const EventRecord& e, const LocaleNames& names) {
    const uint32_t n = e.Interval();
    if (e.Form() == kFormByDate) {
        return n == 1 ? FormatText(IDS_DAY_OF_EVERY_MONTH, {e.PatternDay()})
                      : FormatText(IDS_DAY_OF_EVERY_N_MONTHS, {e.PatternDay(), n});
    }
    if (e.Form() == kFormByWeekday) {
        const std::string o = OrdinalText(e.pattern);
        const std::string w = names.LongDayName(e.start.DayOfWeek());
        return n == 1 ? FormatText(IDS_NTH_WEEKDAY_EVERY_MONTH, {o, w})
                      : FormatText(IDS_NTH_WEEKDAY_EVERY_N_MONTHS, {o, w, n});
    }
    return {};
}

std::string YearlyText(const EventRecord& e, const LocaleNames& names) {
    const YearMonthDay s = e.start.Ymd();
    if (e.Form() == kFormByDate)
        return FormatText(IDS_EVERY_MONTH_DAY, {names.LongMonthName(s.month), s.day});
    if (e.Form() == kFormByWeekday) {
        return FormatText(IDS_NTH_WEEKDAY_OF_MONTH,
                          {OrdinalText(e.pattern), names.LongDayName(e.start.DayOfWeek()),
                           names.LongMonthName(s.month)});
    }
    return {};
}

} // namespace

std::string DescribePattern(const EventRecord& e, const LocaleNames& names) {
    switch (e.Kind()) {
    case kKindDaily:
        return e.Interval() == 1 ? std::string(LoadString(IDS_EVERY_DAY))
                                 : FormatText(IDS_EVERY_N_DAYS, {e.Interval()});
    case kKindWeekly:
        return WeeklyText(e, names);
    case kKindMonthly:
        return MonthlyText(e, names);
    case kKindYearly:
        return YearlyText(e, names);
    default:
        return {};
    }
}

std::string DescribeAmount(AmountUnit unit, uint32_t count) {
    if (!IsKnownUnit(unit)) return {};
    const uint32_t n = count & TimeAmount::kMaxCount;
    // Singular and plural words alternate in the table: minute, minutes, hour, hours, ...
    const int index = static_cast<int>(unit) * 2 + (n == 1 ? 0 : 1);
    const char* word = LoadString(IDS_UNIT_MINUTE + index);
    if (count & TimeAmount::kBeforeStart)
        return FormatText(IDS_AMOUNT_BEFORE_START, {n, word, LoadString(IDS_BEFORE_START)});
    return FormatText(IDS_AMOUNT, {n, word});
}

std::string AgeAt(const EventRecord& e, DateTime occurrence) {
    if (e.Kind() != kKindYearly || !e.Has(kAge)) return {};
    const YearMonthDay x = occurrence.Ymd();
    const YearMonthDay s = e.start.Ymd();
    int age = x.year - s.year;
    if (x.month < s.month || (x.month == s.month && x.day < s.day)) --age;
    return std::to_string(age < 0 ? 0 : age);
}

std::string AgeSuffix(const EventRecord& e, DateTime occurrence) {
    const std::string age = AgeAt(e, occurrence);
    return age.empty() ? std::string() : FormatText(IDS_AGE_SUFFIX, {age});
}

std::string TimeLeftSuffix(bool overdue, int64_t daysLeft) {
    if (overdue) return LoadString(IDS_SUFFIX_OVERDUE);
    if (daysLeft == 1) return FormatText(IDS_SUFFIX_DAY_MORE, {daysLeft});
    if (daysLeft > 1) return FormatText(IDS_SUFFIX_DAYS_MORE, {daysLeft});
    return {};
}

} // namespace zm
