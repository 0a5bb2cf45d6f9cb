#pragma once
// Instants and lengths of time.
//
// An instant is a local wall-clock reading, counted in whole seconds from midnight of
// 30 December 1899. Whole seconds make instants compare exactly: 08:45:00 built from its parts
// and 09:00 minus a 15-minute advance are the same value. The library file stores the
// 64-bit floating-point day number instead; ToOle/FromOle convert at the file boundary.
//
// Daylight saving: instants are wall-clock readings without a zone, so an occurrence at a time
// that a spring-forward skips (02:30 when clocks jump from 02:00 to 03:00) is reached by the
// first "now" after the jump: its reminder comes at 03:00. An occurrence inside the hour that
// an autumn change repeats is reminded the first time the wall clock reaches it; accepting
// stamps LastShown with the wall-clock "now" (or with the reminder's own instant, when the
// reminder window stayed up over the change and is accepted before the repeated hour reaches
// it), so the repeated hour does not remind of it a second time. A snooze is a wall-clock
// instant too: one that ends inside the repeated hour comes at its first pass.

#include "model/civil_date.h"

#include <cstdint>
#include <optional>

namespace zm {

inline constexpr int64_t kSecondsPerDay = 86400;

// A length of time in whole seconds; one day is 86400.
class DateTimeSpan {
public:
    constexpr DateTimeSpan() = default;
    static constexpr DateTimeSpan Seconds(int64_t s) { return DateTimeSpan(s); }
    static constexpr DateTimeSpan Minutes(int64_t m) { return DateTimeSpan(m * 60); }
    static constexpr DateTimeSpan Hours(int64_t h) { return DateTimeSpan(h * 3600); }
    static constexpr DateTimeSpan Days(int64_t d) { return DateTimeSpan(d * kSecondsPerDay); }

    constexpr int64_t TotalSeconds() const { return s_; }
    // Whole days, truncated toward zero.
    constexpr int64_t WholeDays() const { return s_ / kSecondsPerDay; }

    constexpr DateTimeSpan operator-() const { return DateTimeSpan(-s_); }
    constexpr DateTimeSpan operator+(DateTimeSpan o) const { return DateTimeSpan(s_ + o.s_); }
    constexpr DateTimeSpan operator-(DateTimeSpan o) const { return DateTimeSpan(s_ - o.s_); }
    friend constexpr auto operator<=>(DateTimeSpan, DateTimeSpan) = default;

private:
    constexpr explicit DateTimeSpan(int64_t s) : s_(s) {}
    int64_t s_ = 0;
};

class DateTime {
public:
    enum class Status : uint8_t { Valid, Invalid, Null };

    // The zero instant, 30 December 1899 00:00:00, valid.
    constexpr DateTime() = default;

    // Fails (status Invalid) when the calendar date or the time of day does not exist.
    // Years 100 to 9999 are accepted, as the stored day numbers allow.
    static DateTime FromParts(int year, int month, int day, int hour = 0, int minute = 0,
                              int second = 0);
    static constexpr DateTime FromSeconds(int64_t s) { return DateTime(s, Status::Valid); }
    static constexpr DateTime FromDayNumber(int64_t days) {
        return DateTime(days * kSecondsPerDay, Status::Valid);
    }
    static constexpr DateTime Invalid() { return DateTime(0, Status::Invalid); }
    static constexpr DateTime Null() { return DateTime(0, Status::Null); }

    // The stored form: days since 30 December 1899, the fraction being the time of day. Before
    // the epoch the number is negative and the time of day is still the positive fraction
    // (-1.25 is 29 December 1899 06:00). FromOle rounds to the nearest second; a number that is
    // not finite or outside years 100 to 9999 gives an Invalid instant.
    static DateTime FromOle(double days);
    double ToOle() const;

    constexpr bool IsValid() const { return status_ == Status::Valid; }

    constexpr int64_t TotalSeconds() const { return s_; }
    // Day number of the date (floor), day 0 = 30 December 1899.
    constexpr int64_t DayNumber() const {
        return s_ >= 0 ? s_ / kSecondsPerDay : -((-s_ + kSecondsPerDay - 1) / kSecondsPerDay);
    }
    constexpr int64_t SecondsOfDay() const { return s_ - DayNumber() * kSecondsPerDay; }

    YearMonthDay Ymd() const { return CivilFromDays(DayNumber()); }
    int Year() const { return Ymd().year; }
    int Month() const { return Ymd().month; }
    int Day() const { return Ymd().day; }
    constexpr int Hour() const { return static_cast<int>(SecondsOfDay() / 3600); }
    constexpr int Minute() const { return static_cast<int>(SecondsOfDay() / 60 % 60); }
    constexpr int Second() const { return static_cast<int>(SecondsOfDay() % 60); }
    // 1 = Sunday ... 7 = Saturday.
    constexpr int DayOfWeek() const { return DayOfWeekFromDays(DayNumber()); }
    // 1 ... 366.
    int DayOfYear() const;

    // Midnight of the same day.
    constexpr DateTime Date() const { return FromDayNumber(DayNumber()); }
    // The date of this instant with the time of day of another.
    constexpr DateTime WithTimeOf(DateTime t) const {
        return FromSeconds(DayNumber() * kSecondsPerDay + t.SecondsOfDay());
    }
    constexpr DateTime AddDays(int64_t d) const { return FromSeconds(s_ + d * kSecondsPerDay); }

    constexpr DateTime operator+(DateTimeSpan d) const {
        return FromSeconds(s_ + d.TotalSeconds());
    }
    constexpr DateTime operator-(DateTimeSpan d) const {
        return FromSeconds(s_ - d.TotalSeconds());
    }
    constexpr DateTimeSpan operator-(DateTime o) const { return DateTimeSpan::Seconds(s_ - o.s_); }
    DateTime& operator+=(DateTimeSpan d) { return *this = *this + d; }
    DateTime& operator-=(DateTimeSpan d) { return *this = *this - d; }

    // Compares the instants only; the status is not part of the value.
    friend constexpr bool operator==(DateTime a, DateTime b) { return a.s_ == b.s_; }
    friend constexpr auto operator<=>(DateTime a, DateTime b) { return a.s_ <=> b.s_; }

private:
    constexpr DateTime(int64_t s, Status st) : s_(s), status_(st) {}
    int64_t s_ = 0;
    Status status_ = Status::Valid;
};

// Whole days from the date of a to the date of b (b - a).
constexpr int64_t DaysBetween(DateTime a, DateTime b) {
    return b.DayNumber() - a.DayNumber();
}

inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;

class Clock;
// The clock's local wall-clock time as an instant.
DateTime LocalNow(const Clock& clock);
// The local time of the system clock: "now" wherever nobody gives another clock.
DateTime SystemNow();

} // namespace zm
