#include "calendar/calendar_keys.h"
#include "calendar/calendar_layout.h"
#include "calendar/calendar_pointer.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

// A 7 x 16 pixel font and a 6-pixel-wide small one.
constexpr CalendarFontMeasures kFonts{7, 16, 6};

TEST(CalendarLayout, SizesFollowTheFonts) {
    const CalendarLayout plain(kFonts, {});
    EXPECT_EQ(plain.CellWidth(), 23);
    EXPECT_EQ(plain.CellHeight(), 18);
    EXPECT_EQ(plain.ClientSize(), (Size{7 * 23 + 12, 6 * 18 + 20 + 17 + 6 + 4}));
    EXPECT_EQ(plain.WindowSize(), (Size{7 * 23 + 18, 6 * 18 + 20 + 17 + 6 + 4 + 6}));

    const CalendarLayout full(kFonts, {.todayLine = true, .weekNumbers = true});
    EXPECT_EQ(full.WeekColumnWidth(), 20);
    EXPECT_EQ(full.ClientSize(), (Size{7 * 23 + 12 + 22, 6 * 18 + 20 + 17 + 6 + 20}));
    // Every part lies inside the client area, the grid right of the week column.
    const Rect client{0, 0, full.ClientSize().width, full.ClientSize().height};
    EXPECT_TRUE(client.Contains(full.Grid()));
    EXPECT_TRUE(client.Contains(full.TodayLine()));
    EXPECT_GE(full.Grid().x, full.WeekNumberCell(0).Right());
    EXPECT_GE(full.TodayLine().y, full.Grid().Bottom());
}

TEST(CalendarLayout, HitRegions) {
    const CalendarLayout layout(kFonts, {.todayLine = true, .weekNumbers = true});
    const int w = layout.ClientSize().width;
    const Rect grid = layout.Grid();
    const struct {
        Point at;
        CalendarHitResult hit;
    } cases[] = {
        {{6, 4}, {CalendarHit::PreviousYear}},
        {{16, 17}, {CalendarHit::PreviousYear}},
        {{17, 10}, {CalendarHit::PreviousMonth}},
        {{w - 28, 10}, {CalendarHit::NextMonth}},
        {{w - 17, 10}, {CalendarHit::NextYear}},
        {{w - 7, 10}, {CalendarHit::NextYear}},
        {{w - 6, 10}, {}},
        {{10, 3}, {}},
        {{w / 2, 8}, {}},
        {{grid.x, grid.y}, {CalendarHit::Day, 0}},
        {{grid.x + 23 * 6 + 22, grid.y + 18 * 2 + 1}, {CalendarHit::Day, 20}},
        {{grid.Right() - 1, grid.Bottom() - 1}, {CalendarHit::Day, 41}},
        {{grid.x - 1, grid.y}, {}}, // the week column
        {{w / 2, layout.TodayLine().y + 2}, {CalendarHit::TodayLine}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(layout.HitTest(c.at), c.hit) << c.at.x << "," << c.at.y;

    const CalendarLayout noToday(kFonts, {});
    EXPECT_EQ(noToday.HitTest({noToday.ClientSize().width / 2, noToday.ClientSize().height - 2}),
              CalendarHitResult{});
}

constexpr CalendarHitResult kNextMonth{CalendarHit::NextMonth};
constexpr CalendarHitResult kPreviousYear{CalendarHit::PreviousYear};
constexpr CalendarHitResult kToday{CalendarHit::TodayLine};
constexpr CalendarHitResult kNowhere{};
constexpr CalendarHitResult Cell(int i) {
    return {CalendarHit::Day, i};
}

TEST(CalendarPointer, ChoosesOnlyByReleaseOverThePressedCell) {
    CalendarPointer pointer;
    EXPECT_TRUE(pointer.Press(Cell(9)).redraw);
    EXPECT_EQ(pointer.Highlighted(), 9);
    EXPECT_TRUE(pointer.Move(Cell(10)).redraw);
    EXPECT_EQ(pointer.Highlighted(), 10);
    EXPECT_EQ(pointer.Release(Cell(10)).chosenCell, -1);
    EXPECT_EQ(pointer.Highlighted(), -1);

    pointer.Press(Cell(9));
    pointer.Move(kNowhere);
    EXPECT_EQ(pointer.Highlighted(), -1);
    pointer.Move(Cell(9));
    EXPECT_EQ(pointer.Release(Cell(9)).chosenCell, 9);

    pointer.Press(kToday);
    EXPECT_EQ(pointer.Highlighted(), kTodayLineCell);
    EXPECT_TRUE(pointer.Release(kToday).todayChosen);
    pointer.Press(kToday);
    EXPECT_EQ(pointer.Release(Cell(0)), (PointerOutcome{.redraw = true}));
    // A release without a press.
    EXPECT_EQ(pointer.Release(Cell(3)), PointerOutcome{});
}

TEST(CalendarPointer, ButtonsMoveAtOnceThenRepeatWhileInside) {
    CalendarPointer pointer;
    EXPECT_EQ(pointer.Press(kNextMonth), (PointerOutcome{.stepMonths = 1, .startRepeat = true}));
    EXPECT_EQ(pointer.RepeatTick().stepMonths, 1);
    pointer.Move(Cell(3));
    EXPECT_EQ(pointer.RepeatTick().stepMonths, 0);
    EXPECT_EQ(pointer.Highlighted(), -1);
    pointer.Move(kNextMonth);
    EXPECT_EQ(pointer.RepeatTick().stepMonths, 1);
    EXPECT_EQ(pointer.Release(kNextMonth), (PointerOutcome{.stopRepeat = true}));
    EXPECT_EQ(pointer.RepeatTick().stepMonths, 0);

    EXPECT_EQ(pointer.Press(kPreviousYear).stepMonths, -12);
    EXPECT_TRUE(pointer.Repeating());
}

TEST(CalendarKeys, Table) {
    using A = CalendarKeyAction;
    using K = CalendarKey;
    const struct {
        K key;
        bool ctrl, alt;
        A action;
    } cases[] = {
        {K::Left, false, false, A::DayBack},
        {K::Right, false, false, A::DayForward},
        {K::Up, false, false, A::WeekBack},
        {K::Down, false, false, A::WeekForward},
        {K::KeypadMinus, false, false, A::MonthBack},
        {K::KeypadPlus, false, false, A::MonthForward},
        {K::KeypadMinus, true, false, A::YearBack},
        {K::KeypadPlus, true, false, A::YearForward},
        {K::Enter, false, false, A::Choose},
        {K::Escape, false, false, A::Dismiss},
        {K::Tab, false, false, A::Dismiss},
        {K::Up, false, true, A::Dismiss},
        {K::F4, false, true, A::Dismiss},
        {K::Down, false, true, A::Ignore},
        {K::F4, false, false, A::Ignore},
        {K::Other, true, false, A::Ignore},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ActionOfKey(c.key, c.ctrl, c.alt), c.action) << static_cast<int>(c.key);
    EXPECT_EQ(ActionDays(A::WeekBack), -7);
    EXPECT_EQ(ActionMonths(A::YearForward), 12);
}

} // namespace
} // namespace zm
