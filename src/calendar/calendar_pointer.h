#pragma once
// The month calendar's left mouse button: the month and year buttons move at once and then every
// tick of a repeat timer while the button stays down over them; a day cell or the today line is
// chosen by pressing and releasing over the same one.

#include "calendar/calendar_layout.h"

namespace zm {

inline constexpr int kCalendarRepeatMs = 200;
// The pressed "cell" of the today line.
inline constexpr int kTodayLineCell = 255;

// What the window does after a mouse step.
struct PointerOutcome {
    int stepMonths = 0; // move the current date by months (12 for a year)
    bool startRepeat = false;
    bool stopRepeat = false;
    int chosenCell = -1; // a day cell was chosen
    bool todayChosen = false;
    bool redraw = false;
    friend bool operator==(const PointerOutcome&, const PointerOutcome&) = default;
};

class CalendarPointer {
public:
    // The button went down (a double click counts as a press).
    PointerOutcome Press(CalendarHitResult at);
    // The pointer moved with the button down.
    PointerOutcome Move(CalendarHitResult at);
    PointerOutcome Release(CalendarHitResult at);
    // The repeat timer ticked.
    PointerOutcome RepeatTick() const;

    // The cell drawn pressed: -1 none, 0-41 a day, kTodayLineCell the today line.
    int Highlighted() const { return highlighted_; }
    bool Repeating() const { return repeating_ != CalendarHit::Nothing; }

private:
    PointerOutcome Cancel();

    CalendarHit repeating_ = CalendarHit::Nothing;
    bool insideButton_ = false;
    int pressed_ = -1;
    int highlighted_ = -1;
};

// The months a button moves: -1, 1, -12, 12; 0 for anything else.
int ButtonMonths(CalendarHit hit);

} // namespace zm
