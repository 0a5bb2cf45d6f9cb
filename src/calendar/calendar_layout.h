#pragma once
// Where the month calendar's parts lie, computed from the measures of its two fonts, and what
// lies under a point. Coordinates are the client area's (inside the 3-pixel frame).

#include "platform/screen_geometry.h"

namespace zm {

// The measures of the calendar font and of the smaller week-number font, in pixels.
struct CalendarFontMeasures {
    int averageCharWidth = 0;
    int charHeight = 0;
    int smallAverageCharWidth = 0;
};

struct CalendarLook {
    bool todayLine = false;
    bool weekNumbers = false;
};

inline constexpr int kCalendarFrame = 3;  // the frame on each side of the client area
inline constexpr int kCalendarMargin = 6; // left and right of the grid

// What lies under a point.
enum class CalendarHit {
    Nothing = 0,
    PreviousMonth = 100,
    NextMonth = 101,
    PreviousYear = 102,
    NextYear = 103,
    TodayLine = 104,
    Day = 105,
};

struct CalendarHitResult {
    CalendarHit hit = CalendarHit::Nothing;
    int cell = -1; // 0-41 for a day
    friend bool operator==(const CalendarHitResult&, const CalendarHitResult&) = default;
};

class CalendarLayout {
public:
    CalendarLayout(const CalendarFontMeasures& fonts, CalendarLook look);

    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    int WeekColumnWidth() const { return weekColumnWidth_; }
    const CalendarLook& Look() const { return look_; }

    // The client area, and the window with its frame.
    Size ClientSize() const { return client_; }
    Size WindowSize() const;

    Rect Caption() const { return {0, 0, client_.width, captionHeight_}; }
    Rect PreviousYearButton() const;
    Rect PreviousMonthButton() const;
    Rect NextMonthButton() const;
    Rect NextYearButton() const;
    // The day initials of a column (0-6), and the whole row.
    Rect InitialsRow() const;
    Rect InitialsCell(int column) const;
    // The week-number cell of a row (0-5); empty without week numbers.
    Rect WeekNumberCell(int row) const;
    Rect Grid() const;
    Rect DayCell(int cell) const;
    // Empty without the today line.
    Rect TodayLine() const;

    CalendarHitResult HitTest(Point p) const;

private:
    CalendarLook look_;
    int cellWidth_;
    int cellHeight_;
    int weekColumnWidth_;
    int captionHeight_;
    int initialsHeight_;
    int todayHeight_;
    Size client_;
};

} // namespace zm
