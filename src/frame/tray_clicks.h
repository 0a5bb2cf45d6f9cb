#pragma once
// Left clicks on the tray icon and on the floating clock. A single click opens the pop-up
// calendar, but only after the double-click time has passed without a second click: a double
// click opens the main window instead. The frame runs the timer; this decides.

namespace zm {

struct ClickPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ClickPoint&, const ClickPoint&) = default;
};

// The point of a click on the floating clock: the calendar opens at the clock.
inline constexpr ClickPoint kClockClick{-1, -1};

class TrayClicks {
public:
    // A left click on the tray icon at `where`. True: (re)start the single-click timer.
    bool TrayLeftClick(bool calendarOnLeftClick, ClickPoint where);
    // A left click on the floating clock. True: (re)start the timer; false: stop it.
    bool ClockLeftClick(bool calendarOnLeftClick);
    // A double click on either: the timer stops and the main window opens.
    void DoubleClick() { waiting_ = false; }
    // The pop-up calendar consumed a click: the next click of the clock starts nothing.
    void SuppressNextClockClick() { suppressNext_ = true; }

    // The single-click timer ran out: true when the calendar opens at Point(). Nothing opens
    // while the left button is still down, or when the click's window (the clock, or for a
    // tray click the task bar) is no longer in front.
    bool DelayOver(bool leftButtonDown, bool clickWindowInFront);
    ClickPoint Point() const { return point_; }

private:
    ClickPoint point_;
    bool waiting_ = false;
    bool suppressNext_ = false;
};

} // namespace zm
