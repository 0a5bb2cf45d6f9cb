#pragma once
// Confirming the recurrence editor: the checks of each pattern form, where Start moves to, the
// two pattern words and the range, Age and "time is over" options. Also the duration check that
// every confirmation of a recurring event makes.

#include "model/event_record.h"
#include "model/verdict.h"

#include <cstdint>

namespace zm {

enum class RecurrenceForm {
    None,              // "Remove recurrence"
    EveryNDays,        // every N days
    EveryNWeeks,       // every N weeks on a set of weekdays
    DayOfMonth,        // day D of every N months
    NthWeekdayMonthly, // the n-th weekday of every N months
    YearlyDate,        // every year on month M, day D
    YearlyNthWeekday,  // the n-th weekday of month M every year
};

// What the user entered in the recurrence editor.
struct PatternChoice {
    RecurrenceForm form = RecurrenceForm::None;
    // N as typed; 0 or less when the field holds no number.
    int64_t interval = 1;
    // Weekly: weekday bits as in the pattern word (kSunday ... kSaturday).
    uint32_t weekdays = 0;
    // D: monthly by day and yearly by date.
    int day = 1;
    // List positions, -1 when nothing is chosen: ordinal 0 first ... 4 last, weekday
    // 0 Monday ... 6 Sunday.
    int ordinal = -1;
    int weekday = -1;
    // 1-12, 0 when nothing is chosen.
    int month = 0;
    // S: the start date and time entered.
    DateTime start;
    // "Ends on:" with its date, or "Does not end".
    bool endsOn = false;
    DateTime end;
    bool age = false;          // "Calculate age using start date"
    bool skipWhenOver = false; // "Don't show the reminder when the time is over"
};

struct PatternConfirmation {
    Verdict verdict; // 59188 or 59314 with the field to focus; nothing else is set then
    DateTime start;
    uint32_t pattern = 0;
    uint32_t param = 0;
    bool age = false;
    bool hasEnd = false;
    DateTime end; // the end day at 23:59:59, when hasEnd
    bool skipWhenOver = false;
};

// The weekday bit of weekday-list position p (0 Monday ... 6 Sunday); 0 for no choice.
uint32_t WeekdayBitOfListPosition(int p);
// The ordinal bit of ordinal-list position p (0 first ... 4 last); 0 for no choice.
uint32_t OrdinalOfListPosition(int p);

PatternConfirmation ConfirmPattern(const PatternChoice& choice);

// Day D above 28 of the monthly form: before applying, ask 58013 (with D) with OK and Cancel;
// Cancel abandons the confirmation.
bool NeedsShortMonthWarning(const PatternChoice& choice);

// Writes a successful confirmation into the record: SetPattern (which also clears the shown,
// accepted and end state), the new Start, Age, the range and SkipWhenOver.
void ApplyPattern(EventRecord& e, const PatternConfirmation& c);

// The duration of a recurring event must be shorter than its period (58037, focus Duration).
Verdict CheckRecurringDuration(DateTimeSpan duration, DateTimeSpan period);
// The same for a record; a one-time event always passes.
Verdict CheckRecurringDuration(const EventRecord& e);

} // namespace zm
