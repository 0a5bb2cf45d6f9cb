#pragma once
// A packed amount of time: count in bits 0-14, "before start" in bit 15, unit in bits 16-31
// (0 minute, 1 hour, 2 day, 3 week). Used for advance notices, durations, snooze choices and
// quick-reminder delays.

#include "model/date_time.h"

#include <cstdint>

namespace zm {

// The unit of an amount. A word read from a file may carry any other value in its unit bits;
// it is kept as it is and counts as no known unit.
enum class AmountUnit : uint32_t { Minute = 0, Hour = 1, Day = 2, Week = 3 };

constexpr bool IsKnownUnit(AmountUnit unit) {
    return static_cast<uint32_t>(unit) <= static_cast<uint32_t>(AmountUnit::Week);
}

struct TimeAmount {
    static constexpr uint32_t kBeforeStart = 0x8000;
    static constexpr uint32_t kMaxCount = 32767;

    uint32_t word = 0;

    constexpr TimeAmount() = default;
    constexpr explicit TimeAmount(uint32_t w) : word(w) {}
    // The unit in bits 16-31 and the low 16 bits of the count (with its "before start" bit).
    static constexpr TimeAmount Of(AmountUnit unit, uint32_t count) {
        return TimeAmount((static_cast<uint32_t>(unit) << 16) | (count & 0xFFFF));
    }

    constexpr AmountUnit Unit() const { return static_cast<AmountUnit>(word >> 16); }
    // The count without the "before start" bit.
    constexpr uint32_t Count() const { return word & 0x7FFF; }
    constexpr bool BeforeStart() const { return (word & kBeforeStart) != 0; }

    // The span of the amount. The whole low 16 bits count (callers that may see the
    // "before start" bit strip it first); an unknown unit gives a zero span.
    constexpr DateTimeSpan ToSpan() const {
        const int64_t n = word & 0xFFFF;
        switch (Unit()) {
        case AmountUnit::Minute:
            return DateTimeSpan::Minutes(n);
        case AmountUnit::Hour:
            return DateTimeSpan::Hours(n);
        case AmountUnit::Day:
            return DateTimeSpan::Days(n);
        case AmountUnit::Week:
            return DateTimeSpan::Days(7 * n);
        }
        return DateTimeSpan();
    }

    friend constexpr bool operator==(TimeAmount, TimeAmount) = default;
};

inline constexpr TimeAmount kDefaultAdvance{0};
inline constexpr TimeAmount kDefaultDuration{30};
inline constexpr TimeAmount kDefaultSnoozeChoice{5};

} // namespace zm
