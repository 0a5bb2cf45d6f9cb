#include "calendar/calendar_pointer.h"

namespace zm {

namespace {

int CellOf(CalendarHitResult at) {
    if (at.hit == CalendarHit::Day) return at.cell;
    if (at.hit == CalendarHit::TodayLine) return kTodayLineCell;
    return -1;
}

} // namespace

int ButtonMonths(CalendarHit hit) {
    switch (hit) {
    case CalendarHit::PreviousMonth:
        return -1;
    case CalendarHit::NextMonth:
        return 1;
    case CalendarHit::PreviousYear:
        return -12;
    case CalendarHit::NextYear:
        return 12;
    default:
        return 0;
    }
}

PointerOutcome CalendarPointer::Cancel() {
    PointerOutcome out;
    out.stopRepeat = repeating_ != CalendarHit::Nothing;
    out.redraw = highlighted_ != -1;
    repeating_ = CalendarHit::Nothing;
    insideButton_ = false;
    pressed_ = highlighted_ = -1;
    return out;
}

PointerOutcome CalendarPointer::Press(CalendarHitResult at) {
    PointerOutcome out = Cancel();
    if (const int months = ButtonMonths(at.hit)) {
        repeating_ = at.hit;
        insideButton_ = true;
        out.stepMonths = months;
        out.startRepeat = true;
        out.stopRepeat = false;
        return out;
    }
    pressed_ = highlighted_ = CellOf(at);
    out.redraw = out.redraw || pressed_ != -1;
    return out;
}

PointerOutcome CalendarPointer::Move(CalendarHitResult at) {
    PointerOutcome out;
    if (repeating_ != CalendarHit::Nothing) {
        insideButton_ = at.hit == repeating_;
    } else if (pressed_ != -1) {
        const int under = CellOf(at);
        out.redraw = under != highlighted_;
        highlighted_ = under;
    }
    return out;
}

PointerOutcome CalendarPointer::Release(CalendarHitResult at) {
    const int pressed = pressed_;
    PointerOutcome out = Cancel();
    if (pressed == -1 || CellOf(at) != pressed) return out;
    if (pressed == kTodayLineCell)
        out.todayChosen = true;
    else
        out.chosenCell = pressed;
    return out;
}

PointerOutcome CalendarPointer::RepeatTick() const {
    PointerOutcome out;
    if (repeating_ != CalendarHit::Nothing && insideButton_)
        out.stepMonths = ButtonMonths(repeating_);
    return out;
}

} // namespace zm
