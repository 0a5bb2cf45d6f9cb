// Which events the list shows and at which occurrence.

#include "list/list_inclusion.h"
#include "store/types/type_list.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::At;

const InclusionClock kClock{At(2001, 1, 10, 9, 0), At(2001, 1, 10, 23, 59, 59), {}};

ListViewState View(ViewMode mode, DateTime date) {
    ListViewState view;
    view.mode = mode;
    view.viewDate = date;
    return view;
}

EventRecord Typed(EventRecord e, int typeIndex) {
    e.typeIndex = typeIndex;
    return e;
}

TEST(ListInclusion, AnAcceptedOneTimeEventHidesUnderAFilterWithoutShowAccepted) {
    TypeList types;
    types.CreatePredefined();
    TypeFilter filter{0, "Work", {types.Types()[0].name}};
    types.Filters().push_back(filter);
    ASSERT_TRUE(types.SelectFilter("Work"));
    EventRecord accepted = Typed(testing::OneTime(At(2001, 1, 10, 12, 0)), 0);
    accepted.SetFlag(kAccepted, true);
    EventRecord otherType = Typed(testing::OneTime(At(2001, 1, 10, 12, 0)), 1);

    for (ViewMode mode : {ViewMode::Day, ViewMode::Week, ViewMode::Month, ViewMode::All}) {
        const ListViewState view = View(mode, At(2001, 1, 10));
        EXPECT_FALSE(IncludeInList(accepted, view, ListFilter::FromTypes(types, true), kClock));
        EXPECT_TRUE(IncludeInList(accepted, view, ListFilter::FromTypes(types, false), kClock));
        EXPECT_FALSE(IncludeInList(otherType, view, ListFilter::FromTypes(types, true), kClock));
    }
    types.Filters()[0].options = kFilterShowAccepted;
    ASSERT_TRUE(types.SelectFilter("Work"));
    EXPECT_TRUE(IncludeInList(accepted, View(ViewMode::Day, At(2001, 1, 10)),
                              ListFilter::FromTypes(types, true), kClock));
}

TEST(ListInclusion, EventsOfTheUndefinedTypePassEveryFilter) {
    TypeList types;
    types.CreatePredefined();
    types.Filters().push_back({0, "Work", {types.Types()[0].name}});
    ASSERT_TRUE(types.SelectFilter("Work"));
    const ListFilter filter = ListFilter::FromTypes(types, true);
    for (int index : {-1, static_cast<int>(types.TypeCount()), 99}) {
        for (ViewMode mode : {ViewMode::Day, ViewMode::All}) {
            EventRecord e = Typed(testing::OneTime(At(2001, 1, 10, 12, 0)), index);
            EXPECT_TRUE(IncludeInList(e, View(mode, At(2001, 1, 10)), filter, kClock)) << index;
            // The accepted option still applies to them.
            e.SetFlag(kAccepted, true);
            EXPECT_FALSE(IncludeInList(e, View(mode, At(2001, 1, 10)), filter, kClock)) << index;
        }
    }
}

struct PeriodCase {
    const char* what;
    EventRecord event;
    ViewMode mode;
    DateTime viewDate;
    std::optional<DateTime> occurrence; // none: excluded
};

EventRecord Snoozed(EventRecord e, DateTime until) {
    e.SetFlag(kSnoozed, true);
    e.snoozeUntil = until;
    return e;
}

EventRecord Ending(EventRecord e, DateTime end) {
    e.SetFlag(kHasEnd, true);
    e.end = end;
    return e;
}

TEST(ListInclusion, PeriodsSnoozesEndsAndRemindersDueToday) {
    const auto daily = testing::Recurring(testing::kDaily, 1, At(2001, 1, 1, 8, 0));
    const auto weekly = testing::Recurring(testing::kWeekly | kMonday, 1, At(2001, 1, 1, 8, 0));
    const PeriodCase cases[] = {
        {"one-time in its day", testing::OneTime(At(2001, 1, 12, 7, 0)), ViewMode::Day,
         At(2001, 1, 12), At(2001, 1, 12, 7, 0)},
        {"one-time on another day", testing::OneTime(At(2001, 1, 12, 7, 0)), ViewMode::Day,
         At(2001, 1, 13), std::nullopt},
        {"overdue one-time shows today", testing::OneTime(At(2001, 1, 9, 7, 0)), ViewMode::Day,
         At(2001, 1, 10), At(2001, 1, 9, 7, 0)},
        {"weekly in a month", weekly, ViewMode::Month, At(2001, 1, 16), At(2001, 1, 22, 8, 0)},
        {"weekly not in a day", weekly, ViewMode::Day, At(2001, 1, 16), std::nullopt},
        {"ended", Ending(daily, At(2001, 1, 5)), ViewMode::Day, At(2001, 1, 12), std::nullopt},
        {"snoozed into the day",
         Snoozed(testing::OneTime(At(2001, 1, 5, 7, 0)), At(2001, 1, 12, 10, 0)), ViewMode::Day,
         At(2001, 1, 12), At(2001, 1, 5, 7, 0)},
        {"snoozed one-time elsewhere",
         Snoozed(testing::OneTime(At(2001, 1, 12, 7, 0)), At(2001, 1, 20, 10, 0)), ViewMode::Day,
         At(2001, 1, 12), std::nullopt},
        {"snoozed recurring shows the occurrence before", Snoozed(weekly, At(2001, 1, 12, 9, 0)),
         ViewMode::Day, At(2001, 1, 12), At(2001, 1, 8, 8, 0)},
        {"snoozed recurring elsewhere goes on", Snoozed(daily, At(2001, 1, 20, 9, 0)),
         ViewMode::Day, At(2001, 1, 12), At(2001, 1, 12, 8, 0)},
        {"all mode: next from now", daily, ViewMode::All, At(2000, 1, 1), At(2001, 1, 10, 8, 0)},
    };
    for (const PeriodCase& c : cases) {
        EventRecord event = c.event;
        const bool included = IncludeInList(event, View(c.mode, c.viewDate), {}, kClock);
        EXPECT_EQ(included, c.occurrence.has_value()) << c.what;
        if (included && c.occurrence) {
            EXPECT_EQ(event.listOccurrence, *c.occurrence) << c.what;
        }
    }
}

TEST(ListInclusion, ASearchLooksInNameThenNotesIgnoringTheFilter) {
    EventRecord event = Typed(testing::OneTime(At(2001, 1, 12, 7, 0)), 5);
    event.name = "Dentist";
    event.notes = "Bring the CARD";
    ListViewState view = View(ViewMode::Day, At(1990, 1, 1));
    view.searching = true;
    ListFilter filter;
    filter.active = true;
    view.searchText = SearchKey("card", false);
    EXPECT_TRUE(IncludeInList(event, view, filter, kClock));
    EXPECT_EQ(event.listOccurrence, At(2001, 1, 12, 7, 0));
    view.matchCase = true;
    view.searchText = SearchKey("card", true);
    EXPECT_FALSE(IncludeInList(event, view, filter, kClock));
    view.searchText = "Dent";
    EXPECT_TRUE(IncludeInList(event, view, filter, kClock));
}

TEST(ListInclusion, ASearchWithoutTextListsNothing) {
    // The find bar shown before Find Now: the period's rows are gone and none come.
    EventRecord event = testing::OneTime(At(2001, 1, 12, 7, 0));
    event.name = "Dentist";
    ListViewState view = View(ViewMode::All, At(2001, 1, 12));
    view.searching = true;
    EXPECT_FALSE(IncludeInList(event, view, {}, kClock));
    view.searching = false;
    EXPECT_TRUE(IncludeInList(event, view, {}, kClock));
}

} // namespace
} // namespace zm
