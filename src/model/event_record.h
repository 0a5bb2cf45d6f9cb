#pragma once
// The in-memory event: what the user typed together with the reminder state the program keeps.

#include "model/date_time.h"
#include "model/time_amount.h"
#include "model/week_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

namespace zm {

// Bits of EventRecord::Flags. All others are written as 0 and ignored.
enum EventFlag : uint32_t {
    kSnoozed = 0x0001,
    kRecurring = 0x0002,
    kShown = 0x0004,
    kAccepted = 0x0010,
    kCustomSound = 0x0020,
    kSkipWhenOver = 0x0040,
    kHasWindowSize = 0x0080,
    kHasSoundPause = 0x0100,
    kHasEnd = 0x0200,
    kDisabled = 0x0400,
    kAge = 0x0800,
};

// The pattern word: weekday set in bits 1-7, kind in bits 8-11, form in bits 12-15, ordinal in
// bits 16-20.
enum PatternBits : uint32_t {
    kSunday = 0x02,
    kMonday = 0x04,
    kTuesday = 0x08,
    kWednesday = 0x10,
    kThursday = 0x20,
    kFriday = 0x40,
    kSaturday = 0x80,
    kWeekdayMask = 0xFE,

    kKindDaily = 0x100,
    kKindWeekly = 0x200,
    kKindMonthly = 0x400,
    kKindYearly = 0x800,
    kKindMask = 0xF00,

    kFormByDate = 0x1000,
    kFormByWeekday = 0x2000,
    kFormMask = 0xF000,

    kOrdFirst = 0x10000,
    kOrdSecond = 0x20000,
    kOrdThird = 0x40000,
    kOrdFourth = 0x80000,
    kOrdLast = 0x100000,
    kOrdinalMask = 0x1F0000,
};

// Weekday bit of a day-of-week number (1 = Sunday ... 7 = Saturday).
constexpr uint32_t WeekdayBit(int dow) {
    return 1u << dow;
}

// The pattern parameter of a monthly pattern: the day of the month in bits 16-31, the interval
// in bits 0-15.
constexpr uint32_t PatternParamOf(uint32_t day, uint32_t interval) {
    return day << 16 | interval;
}

// The outcome of the due check for one instant.
struct DueCheck {
    bool due = false;
    DateTime instant;     // the reminder instant the due reminder stands for
    bool shifted = false; // brought forward by the week-end rule
};

struct WeekendShiftResult {
    bool applies = false;
    DateTime instant;
};

// What the "Next reminder:" line shows: an instant, or why there is none.
struct NextReminderInfo {
    enum class Kind { Instant, Accepted, Disabled, Ended };
    Kind kind = Kind::Instant;
    DateTime instant; // for Kind::Instant
};
// The string-table text of a reminder that never comes (59288 accepted, 59335 disabled, ended);
// 0 for an instant.
int NeverReminderMessage(NextReminderInfo::Kind kind);

// The verdict on an advance notice when the timing of an event changed.
enum class AdvanceCheck {
    Ok,
    // The advance reaches back to the previous occurrence (58012): refused, focus the advance.
    ReachesPreviousOccurrence,
    // A one-time reminder whose time has passed: ask 58011 whether to mark it accepted.
    AskAcceptPassed,
};

// The shortest gap between two consecutive occurrences of a pattern, as validation uses it;
// zero when the words name no recurrence.
DateTimeSpan PatternPeriodLength(uint32_t pattern, uint32_t param);

// A plain value: copies are independent, a moved-from record is empty of texts, and two records
// are equal when every field is (the validity status of the instants is not compared).
struct EventRecord {
    // A blank record with Start zero; see NewEvent for the start of a new event.

    // The start of a new event: every default, Start = now with the seconds set to 0.
    static EventRecord NewEvent(DateTime now);
    // The target of a load by key: the defaults, the key, and no sound.
    static EventRecord ForKey(uint16_t key);

    uint16_t key = 0;
    uint32_t flags = 0;
    uint32_t pattern = 0;
    uint32_t patternParam = 0;
    uint32_t id = 0;
    int32_t typeIndex = -1;
    TimeAmount advance = kDefaultAdvance;
    DateTime start;
    DateTime listOccurrence;
    DateTime snoozeUntil;
    DateTime lastShown;
    TimeAmount snoozeChoice = kDefaultSnoozeChoice;
    uint32_t sound = 1; // bits 0-15 kind (0 none, 1 beep, 2 file); bits 16-31: 1 = repeat
    TimeAmount duration = kDefaultDuration;
    uint32_t windowSize = 0;       // width bits 0-15, height bits 16-31
    uint32_t soundPause = 0x10000; // minutes bits 16-31, seconds bits 0-15
    DateTime end;
    std::string typeName;
    std::string name;
    std::string notes;
    std::string soundFile;

    bool Has(uint32_t flag) const { return (flags & flag) != 0; }
    void SetFlag(uint32_t flag, bool on) { flags = on ? (flags | flag) : (flags & ~flag); }
    bool IsRecurring() const { return Has(kRecurring); }
    uint32_t Kind() const { return pattern & kKindMask; }
    uint32_t Form() const { return pattern & kFormMask; }
    uint32_t Interval() const { return patternParam & 0xFFFF; }
    uint32_t PatternDay() const { return patternParam >> 16; }

    // --- field operations ---
    void SetPattern(uint32_t pattern, uint32_t param);
    void SetTypeIndex(int32_t index) { typeIndex = index; }
    DateTimeSpan AdvanceSpan() const { return advance.ToSpan(); }
    DateTimeSpan DurationSpan() const { return duration.ToSpan(); }
    void StampShown(DateTime instant);
    // Snoozed until `until`; the unit and count (bit 15: "before start") are kept as the choice.
    void SetSnooze(DateTime until, AmountUnit unit, uint32_t count);
    // Returns false when the record already was in the asked state (nothing to write).
    bool SetDisabled(bool on);
    // 128 plus the byte lengths of the four strings.
    uint32_t StoredSize() const;
    // CRC over pattern, parameter, start, duration, name, notes and type name; recognises the
    // same event in another file when Id is 0.
    uint32_t ContentSignature() const;

    // A monthly day-D or yearly by-date pattern: the ones the week-end rule brings forward.
    bool IsMonthlyOrYearlyDate() const;

    // --- occurrences (recurrence.cpp) ---
    // All of them take the time of day of Start and return Start for a one-time event.
    // First occurrence on or after the date of t; Start itself when t is before Start's date.
    DateTime OccurrenceOnOrAfter(DateTime t) const;
    // The occurrence one step before / after the occurrence x (stepping from the date of x).
    // A step that cannot be made (no interval, no weekday, a year out of range) returns x.
    DateTime PreviousOccurrence(DateTime x) const;
    DateTime NextOccurrence(DateTime x) const;
    // Shortest gap between consecutive occurrences, as validation uses it.
    DateTimeSpan PeriodLength() const;

    // --- reminder timing (reminder_timing.cpp) ---
    // Whether a reminder is due at instant a, and for which reminder instant.
    DueCheck IsDue(DateTime a, const WeekSettings& week) const;
    // The week-end rule for reminder instant r seen on day t. Callers check
    // week.CheckWeekendEvents themselves; this looks at the work week only.
    WeekendShiftResult WeekendShift(DateTime t, DateTime r, const WeekSettings& week) const;
    // The occurrence a due reminder stands for (the reminder window shows it).
    DateTime CurrentOccurrence(DateTime now, const WeekSettings& week) const;
    // The user accepted the reminder. `shownOccurrence` is the occurrence the reminder window
    // showed, when there is one: if the wall clock was set back since (an autumn change), the
    // stamp still covers that occurrence's reminder, so it does not come a second time.
    void Accept(DateTime now, const WeekSettings& week,
                std::optional<DateTime> shownOccurrence = std::nullopt);
    // Cancels a snooze so that the current occurrence's reminder is due again at once.
    void Unsnooze(DateTime lookAheadLimit);
    // Whether the occurrence whose reminder is due has already ended.
    bool IsTimeOver(DateTime now) const;
    NextReminderInfo NextReminder(DateTime now) const;
    AdvanceCheck ValidateAdvance(DateTime now) const;
    // Stamps the occurrences before the look-ahead limit (the end of today) as shown, so that
    // the next reminder is the one of the occurrence on or after the limit: the previous
    // occurrence's reminder, but never a stamp ahead of now (an event that starts later has no
    // occurrences before its start to mark). For a recurring event only.
    void StampPastOccurrences(DateTime now, DateTime lookAheadLimit);
    // A recurring reminder stamped a day or more ahead of now (the clock was set forward and
    // back); a stamp that the week-end rule left on a day off up to a week ahead is not one, nor
    // a stamp before the reminder of the start: no reminder was ever shown there, and such a
    // stamp hides none (saving an event that starts weeks ahead once left one).
    bool IsStampedInFuture(DateTime now, const WeekSettings& week) const;

    friend bool operator==(const EventRecord&, const EventRecord&) = default;
};

static_assert(std::is_nothrow_move_constructible_v<EventRecord> &&
              std::is_nothrow_move_assignable_v<EventRecord>);

} // namespace zm
