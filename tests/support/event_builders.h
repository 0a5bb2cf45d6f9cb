#pragma once
// Small helpers for building instants and events in the model tests.

#include "model/event_record.h"

#include <cstdio>
#include <ostream>

namespace zm {
// Readable instants in test failures.
inline void PrintTo(const DateTime& t, std::ostream* os) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.Year(), t.Month(), t.Day(),
                  t.Hour(), t.Minute(), t.Second());
    *os << buf;
}
} // namespace zm

namespace zm::testing {

inline DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::FromParts(y, mo, d, h, mi, s);
}

// A recurring event with the given words and start; Advance in minutes.
inline EventRecord Recurring(uint32_t pattern, uint32_t param, DateTime start,
                             int advanceMinutes = 0) {
    EventRecord e;
    e.start = start;
    e.SetPattern(pattern, param);
    e.advance = TimeAmount::Of(AmountUnit::Minute, advanceMinutes);
    return e;
}

inline EventRecord OneTime(DateTime start, int advanceMinutes = 0) {
    EventRecord e;
    e.start = start;
    e.advance = TimeAmount::Of(AmountUnit::Minute, advanceMinutes);
    return e;
}

inline uint32_t MonthlyParam(int day, int n) {
    return static_cast<uint32_t>(day) << 16 | n;
}

inline constexpr uint32_t kDaily = kFormByDate | kKindDaily;
inline constexpr uint32_t kWeekly = kFormByDate | kKindWeekly;
inline constexpr uint32_t kMonthlyDay = kFormByDate | kKindMonthly;
inline constexpr uint32_t kMonthlyNth = kFormByWeekday | kKindMonthly;
inline constexpr uint32_t kYearlyDate = kFormByDate | kKindYearly;
inline constexpr uint32_t kYearlyNth = kFormByWeekday | kKindYearly;

} // namespace zm::testing
