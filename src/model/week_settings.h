#pragma once
// The two calendar settings that take part in reminder timing: the work week and the
// "Check week-end events" option. They are inputs of the timing rules, never globals.

#include <cstdint>

namespace zm {

struct WeekSettings {
    // Bit 0 Sunday ... bit 6 Saturday; a set bit is a working day. Default every day, as the
    // work-week setting reads when nothing is stored.
    uint8_t WorkWeek = 127;
    bool CheckWeekendEvents = false;

    // dow: 1 = Sunday ... 7 = Saturday.
    constexpr bool IsWorkday(int dow) const { return (WorkWeek >> (dow - 1)) & 1; }
    constexpr bool IsDayOff(int dow) const { return !IsWorkday(dow); }
    // A working day followed by a day off (Saturday is followed by Sunday).
    constexpr bool IsLastWorkday(int dow) const {
        return IsWorkday(dow) && IsDayOff(dow == 7 ? 1 : dow + 1);
    }
};

} // namespace zm
