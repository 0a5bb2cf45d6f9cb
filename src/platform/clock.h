#pragma once
// The source of "now". The program asks the clock; tests give it a fixed one.

#include <cstdint>

namespace zm {

// A wall-clock reading broken into its parts (month 1-12, day 1-31, hour 0-23, ...).
struct CivilTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Local wall-clock time of the user's time zone, to the whole second (0 to 59: a leap
    // second reads as the second before it).
    virtual CivilTime LocalNow() const = 0;
    // Coordinated universal time, to the whole second (0 to 59).
    virtual CivilTime UtcNow() const = 0;
    // The name of the local time zone as the platform spells it ("CET", "Central European Time").
    virtual const char* TimeZoneName() const = 0;
};

// The real clock, from the C library.
class SystemClock final : public Clock {
public:
    CivilTime LocalNow() const override;
    CivilTime UtcNow() const override;
    const char* TimeZoneName() const override;
};

} // namespace zm
