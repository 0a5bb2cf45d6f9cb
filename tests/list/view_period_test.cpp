// The period the list shows: its range, its caption and the moves of the view date.

#include "list/period_caption.h"
#include "list/view_navigation.h"
#include "list/view_range.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::At;

TEST(ViewRange, MonthFrom15JanuaryEndsOn14FebruaryAtItsLastSecond) {
    const ViewRange month = RangeOf(ViewMode::Month, At(2001, 1, 15));
    EXPECT_TRUE(month.Contains(At(2001, 1, 15)));
    EXPECT_TRUE(month.Contains(At(2001, 2, 14, 23, 59, 59)));
    EXPECT_FALSE(month.Contains(At(2001, 2, 15)));
    EXPECT_FALSE(month.Contains(At(2001, 1, 14, 23, 59, 59)));
    const ViewRange day = RangeOf(ViewMode::Day, At(2001, 1, 15));
    EXPECT_TRUE(day.Contains(At(2001, 1, 15, 23, 59, 59)));
    EXPECT_FALSE(day.Contains(At(2001, 1, 16)));
    EXPECT_TRUE(RangeOf(ViewMode::All, At(2001, 1, 15)).Contains(At(1900, 1, 1)));
}

struct CaptionCase {
    ViewMode mode;
    DateTime viewDate;
    const char* caption;
};

TEST(PeriodCaption, NamesTheYearAndMonthOnlyWhereThePeriodCrossesThem) {
    const CaptionCase cases[] = {
        {ViewMode::Month, At(2001, 1, 15), "January 15 - February 14, 2001"},
        {ViewMode::Week, At(2001, 1, 1), "January 01 - 07, 2001"},
        {ViewMode::Week, At(2000, 12, 28), "December 28, 2000 - January 03, 2001"},
        {ViewMode::Month, At(2000, 12, 1), "December 01 - 31, 2000"},
        {ViewMode::Day, At(2001, 1, 15), "Monday, January 15, 2001"},
        {ViewMode::All, At(2001, 1, 15), "All"},
    };
    EnglishLocaleNames names;
    for (const CaptionCase& c : cases) {
        ListViewState view;
        view.mode = c.mode;
        view.viewDate = c.viewDate;
        EXPECT_EQ(PeriodCaption(view, names), c.caption);
        view.searching = true;
        EXPECT_EQ(PeriodCaption(view, names), "Search Results");
    }
}

TEST(PeriodCaption, TheDayIsTheLocalesLongDateAndAFilterIsNamed) {
    ListViewState view;
    view.viewDate = At(2026, 12, 7);
    EnglishLocaleNames names;
    EXPECT_EQ(PeriodCaption(view, names, "Montag, 7. Dezember 2026"), "Montag, 7. Dezember 2026");
    EXPECT_EQ(PeriodCaption(view, names), "Monday, December 07, 2026");
    view.mode = ViewMode::All;
    EXPECT_EQ(PeriodCaption(view, names, "Montag, 7. Dezember 2026"), "All");

    EXPECT_EQ(FilterPaneText(""), "");
    EXPECT_EQ(FilterPaneText("Work"), "Filter: Work");
    EXPECT_EQ(FilterPaneText("100% work"), "Filter: 100% work");
}

TEST(DayWatch, AViewOfTodayFollowsTheDayOthersKeepTheirDate) {
    struct Case {
        const char* what;
        DateTime viewDate;
        DateTime now;
        std::optional<DateTime> shown; // none: the day did not change
    };
    const Case cases[] = {
        {"same day", At(2026, 12, 7), At(2026, 12, 7, 23, 59, 59), std::nullopt},
        {"today at midnight", At(2026, 12, 7), At(2026, 12, 8, 0, 0, 0), At(2026, 12, 8)},
        {"today, found at 00:15", At(2026, 12, 7), At(2026, 12, 8, 0, 15), At(2026, 12, 8)},
        {"another day", At(2026, 12, 20), At(2026, 12, 8, 0, 15), At(2026, 12, 20)},
        {"clock set back", At(2026, 12, 7), At(2026, 12, 6, 22, 0), At(2026, 12, 6)},
    };
    for (const Case& c : cases) {
        DayWatch watch(At(2026, 12, 7, 23, 50));
        EXPECT_EQ(watch.Check(c.now, c.viewDate), c.shown) << c.what;
        EXPECT_EQ(watch.Today(), c.now.Date()) << c.what;
        // Seen once: the same day again changes nothing.
        EXPECT_EQ(watch.Check(c.now, c.viewDate), std::nullopt) << c.what;
    }
}

struct MoveCase {
    DateTime from;
    int months;
    DateTime to;
};

TEST(ViewNavigation, MonthsAndYearsKeepTheDayStepppedDownToTheMonthsLast) {
    const MoveCase cases[] = {
        {At(2001, 1, 31), 1, At(2001, 2, 28)},  {At(2004, 1, 31), 1, At(2004, 2, 29)},
        {At(2004, 2, 29), 12, At(2005, 2, 28)}, {At(2004, 2, 29), -12, At(2003, 2, 28)},
        {At(2001, 3, 31), -1, At(2001, 2, 28)}, {At(2001, 1, 15), -1, At(2000, 12, 15)},
        {At(9999, 12, 5), 1, At(9999, 12, 5)},
    };
    for (const MoveCase& c : cases)
        EXPECT_EQ(StepViewMonths(c.from, c.months), c.to);
    EXPECT_EQ(StepViewYears(At(2004, 2, 29), 1), At(2005, 2, 28));
    EXPECT_EQ(StepViewDays(At(2001, 1, 1), -1), At(2000, 12, 31));
    EXPECT_EQ(StepViewDays(At(9999, 12, 31), 1), At(9999, 12, 31));
}

} // namespace
} // namespace zm
