#pragma once
// The two calendar settings that take part in reminder timing: the work week and the
// "Check week-end events" option. They are inputs of the timing rules, never globals.

#include <cstdint>

namespace zm {

class Settings;

struct WeekSettings {
    // Bit 0 Sunday ... bit 6 Saturday; a set bit is a working day. By default every day is one,
    // as in the setting table.
    uint8_t workWeek = 0x7F;
    bool checkWeekendEvents = false;

    // dow: 1 = Sunday ... 7 = Saturday.
    constexpr bool IsWorkday(int dow) const { return (workWeek >> (dow - 1)) & 1; }
    constexpr bool IsDayOff(int dow) const { return !IsWorkday(dow); }
    // A working day followed by a day off (Saturday is followed by Sunday).
    constexpr bool IsLastWorkday(int dow) const {
        return IsWorkday(dow) && IsDayOff(dow == 7 ? 1 : dow + 1);
    }
    friend bool operator==(const WeekSettings&, const WeekSettings&) = default;
};

// The calendar settings as the user's settings hold them.
WeekSettings ReadWeekSettings(const Settings& settings);

} // namespace zm
