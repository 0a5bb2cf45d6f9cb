#pragma once
// The recurrence editor's fields as plain values: what they show for an event when the editor
// opens, and the pattern choice they make when it is confirmed.

#include "model/event_record.h"
#include "model/pattern_confirm.h"

#include <cstdint>

namespace zm {

enum class RecurrenceKind { Daily, Weekly, Monthly, Yearly };

struct RecurrencePanels {
    RecurrenceKind kind = RecurrenceKind::Weekly;
    DateTime start;
    // Counts as typed; 0 or less for a field without a number.
    int64_t dailyInterval = 1;
    int64_t weeklyInterval = 1;
    uint32_t weekdays = 0; // weekday bits of the pattern word
    bool monthlyByWeekday = false;
    int monthDay = 1;
    int64_t monthDayInterval = 1;
    int monthOrdinal = 0; // list positions: ordinal 0 first ... 4 last, weekday 0 Monday ...
    int monthWeekday = 0;
    int64_t monthNthInterval = 1;
    bool yearlyByWeekday = false;
    int yearMonth = 1; // 1 ... 12
    int yearDay = 1;
    int yearOrdinal = 0;
    int yearWeekday = 0;
    int yearNthMonth = 1;
    bool age = false;
    bool endsOn = false;
    DateTime end;
    bool skipWhenOver = false;
};

// The fields for the event: its pattern's kind and values, the others at their proposals (the
// start's day, weekday, month and ordinal; interval 1). An event without recurrence proposes
// every week on the start's weekday. The end is the event's, or the start's day at 23:59:59.
RecurrencePanels PanelsOf(const EventRecord& event);

// The fields after the start was moved to another day, so that the start stays the pattern's
// first occurrence and confirming does not move it back: the day of the month, the yearly month
// and day, and the ordinal, weekday and month of the n-th weekday forms follow the new day (a
// "last" ordinal stays while the new day is the last such weekday of its month); the weekday
// boxes get the new day's weekday, in place of the old start's when that was the only one ticked,
// else beside the others. Without an end the proposed end follows too. Kinds and intervals stay.
RecurrencePanels FollowStart(RecurrencePanels panels, DateTime oldStart, DateTime newStart);

// The choice the fields make (the pattern form of the kind and its radio button).
PatternChoice ChoiceOf(const RecurrencePanels& panels);

// The list position (0 Monday ... 6 Sunday) of a day-of-week number (1 Sunday ... 7 Saturday).
int ListPositionOfWeekday(int dow);

// The weekday boxes start at the first day of the week (0 Monday ... 6 Sunday): box 0 ... 6
// shows the day-of-week number WeekdayOfBox, and day d has box BoxOfWeekday.
int WeekdayOfBox(int box, int firstDayOfWeek);
int BoxOfWeekday(int dow, int firstDayOfWeek);

} // namespace zm
