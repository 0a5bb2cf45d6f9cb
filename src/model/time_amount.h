#pragma once
// A packed amount of time: count in bits 0-14, "before start" in bit 15, unit in bits 16-31
// (0 minute, 1 hour, 2 day, 3 week). Used for advance notices, durations, snooze choices and
// quick-reminder delays.

#include <cstdint>

#include "model/date_time.h"

namespace zm {

enum class AmountUnit : uint32_t { Minute = 0, Hour = 1, Day = 2, Week = 3 };

struct TimeAmount {
    static constexpr uint32_t kBeforeStart = 0x8000;
    static constexpr uint32_t kMaxCount = 32767;

    uint32_t word = 0;

    constexpr TimeAmount() = default;
    constexpr explicit TimeAmount(uint32_t w) : word(w) {}
    static constexpr TimeAmount Of(uint32_t unit, uint32_t count) {
        return TimeAmount((unit << 16) | (count & 0xFFFF));
    }

    constexpr uint32_t Unit() const { return word >> 16; }
    // The count without the "before start" bit.
    constexpr uint32_t Count() const { return word & 0x7FFF; }
    constexpr bool BeforeStart() const { return (word & kBeforeStart) != 0; }

    // The span of the amount. The whole low 16 bits count (callers that may see the
    // "before start" bit strip it first); a unit above 3 gives a zero span.
    constexpr DateTimeSpan ToSpan() const {
        const int64_t n = word & 0xFFFF;
        switch (Unit()) {
        case 0: return DateTimeSpan::Minutes(n);
        case 1: return DateTimeSpan::Hours(n);
        case 2: return DateTimeSpan::Days(n);
        case 3: return DateTimeSpan::Days(7 * n);
        default: return DateTimeSpan();
        }
    }

    friend constexpr bool operator==(TimeAmount, TimeAmount) = default;
};

inline constexpr TimeAmount kDefaultAdvance{0};
inline constexpr TimeAmount kDefaultDuration{30};
inline constexpr TimeAmount kDefaultSnoozeChoice{5};

} // namespace zm
