#include "calendar/calendar_layout.h"

#include "calendar/month_grid.h"

namespace zm {

namespace {

constexpr int kButtonWidth = 11;
constexpr int kButtonTop = 4;
constexpr int kCaptionSeparator = 2;  // the two lines under the caption
constexpr int kInitialsSeparator = 2; // a line under the initials and a gap

} // namespace

CalendarLayout::CalendarLayout(const CalendarFontMeasures& fonts, CalendarLook look)
    : look_(look), cellWidth_(3 * fonts.averageCharWidth + 2), cellHeight_(fonts.charHeight + 2),
      weekColumnWidth_(3 * fonts.smallAverageCharWidth + 2), captionHeight_(cellHeight_ + 2),
      initialsHeight_(cellHeight_ - 1), todayHeight_(cellHeight_) {
    client_.width = kGridColumns * cellWidth_ + 2 * kCalendarMargin +
                    (look_.weekNumbers ? weekColumnWidth_ + 2 : 0);
    client_.height = kGridRows * cellHeight_ + captionHeight_ + initialsHeight_ + 6 +
                     (look_.todayLine ? todayHeight_ + 2 : 4);
}

Size CalendarLayout::WindowSize() const {
    return {client_.width + 2 * kCalendarFrame, client_.height + 2 * kCalendarFrame};
}

Rect CalendarLayout::PreviousYearButton() const {
    return {kCalendarMargin, kButtonTop, kButtonWidth, cellHeight_ - kButtonTop};
}
Rect CalendarLayout::PreviousMonthButton() const {
    return {kCalendarMargin + kButtonWidth, kButtonTop, kButtonWidth, cellHeight_ - kButtonTop};
}
Rect CalendarLayout::NextMonthButton() const {
    return {client_.width - kCalendarMargin - 2 * kButtonWidth, kButtonTop, kButtonWidth,
            cellHeight_ - kButtonTop};
}
Rect CalendarLayout::NextYearButton() const {
    return {client_.width - kCalendarMargin - kButtonWidth, kButtonTop, kButtonWidth,
            cellHeight_ - kButtonTop};
}

Rect CalendarLayout::InitialsRow() const {
    return {0, captionHeight_ + kCaptionSeparator, client_.width, initialsHeight_};
}

Rect CalendarLayout::InitialsCell(int column) const {
    const Rect grid = Grid();
    return {grid.x + column * cellWidth_, InitialsRow().y, cellWidth_, initialsHeight_};
}

Rect CalendarLayout::Grid() const {
    const int left = kCalendarMargin + (look_.weekNumbers ? weekColumnWidth_ + 2 : 0);
    const int top = captionHeight_ + kCaptionSeparator + initialsHeight_ + kInitialsSeparator;
    return {left, top, kGridColumns * cellWidth_, kGridRows * cellHeight_};
}

Rect CalendarLayout::DayCell(int cell) const {
    const Rect grid = Grid();
    return {grid.x + (cell % kGridColumns) * cellWidth_,
            grid.y + (cell / kGridColumns) * cellHeight_, cellWidth_, cellHeight_};
}

Rect CalendarLayout::WeekNumberCell(int row) const {
    if (!look_.weekNumbers) return {};
    return {kCalendarMargin, Grid().y + row * cellHeight_, weekColumnWidth_, cellHeight_};
}

Rect CalendarLayout::TodayLine() const {
    if (!look_.todayLine) return {};
    return {kCalendarMargin, Grid().Bottom() + 3, client_.width - 2 * kCalendarMargin,
            todayHeight_};
}

CalendarHitResult CalendarLayout::HitTest(Point p) const {
    if (PreviousYearButton().Contains(p)) return {CalendarHit::PreviousYear};
    if (PreviousMonthButton().Contains(p)) return {CalendarHit::PreviousMonth};
    if (NextMonthButton().Contains(p)) return {CalendarHit::NextMonth};
    if (NextYearButton().Contains(p)) return {CalendarHit::NextYear};
    const Rect grid = Grid();
    if (grid.Contains(p)) {
        const int column = (p.x - grid.x) / cellWidth_;
        const int row = (p.y - grid.y) / cellHeight_;
        return {CalendarHit::Day, row * kGridColumns + column};
    }
    if (look_.todayLine && TodayLine().Contains(p)) return {CalendarHit::TodayLine};
    return {};
}

} // namespace zm
