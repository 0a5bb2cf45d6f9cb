#include "clock/upcoming_reminders.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::At;

EventRecord Named(uint16_t key, const char* name, EventRecord e) {
    e.key = key;
    e.name = name;
    return e;
}

TEST(UpcomingReminders, FromThePendingList) {
    const DateTime now = At(2026, 12, 7, 12, 0);
    PendingList pending;
    EXPECT_TRUE(UpcomingFromPending(pending, now, {}).Items().empty()); // no limit yet
    pending.SetLimit(EndOfDay(now));
    pending.Add(Named(1, "late", testing::OneTime(At(2026, 12, 7, 18, 0))));
    pending.Add(Named(2, "overdue", testing::OneTime(At(2026, 12, 7, 11, 0))));
    EventRecord over = testing::OneTime(At(2026, 12, 7, 10, 0));
    over.SetFlag(kSkipWhenOver, true);
    pending.Add(Named(3, "skipped", over));
    EventRecord snoozed = testing::OneTime(At(2026, 12, 7, 9, 0));
    snoozed.SetFlag(kSkipWhenOver, true);
    snoozed.SetSnooze(At(2026, 12, 7, 14, 0), AmountUnit::Hour, 2);
    pending.Add(Named(4, "snoozed", snoozed));
    pending.Add(Named(5, "also late", testing::OneTime(At(2026, 12, 7, 18, 0))));

    const UpcomingList list = UpcomingFromPending(pending, now, {});
    std::vector<std::string> names;
    for (const UpcomingItem& item : list.Items())
        names.push_back(item.name);
    EXPECT_EQ(names, (std::vector<std::string>{"overdue", "snoozed", "late", "also late"}));
    EXPECT_EQ(list.Items()[0].kind, UpcomingKind::Due);
    EXPECT_EQ(list.Items()[0].instant, now);
    EXPECT_EQ(list.Items()[1].kind, UpcomingKind::Snoozed);
    EXPECT_EQ(list.Items()[2].kind, UpcomingKind::Normal);
}

TEST(UpcomingReminders, TooltipTextsSizeAndPlace) {
    EXPECT_EQ(UpcomingLabel(true), "Today's upcoming reminders: (none)");
    EXPECT_EQ(UpcomingLabel(false), "Today's upcoming reminders:");
    EXPECT_EQ(TooltipDatePictureFor("dddd, MMMM d, yyyy"),
              (TooltipDatePicture{"dddd, MMMM d, yyyy", false}));
    EXPECT_EQ(TooltipDatePictureFor("d 'dddd' MMMM yyyy"),
              (TooltipDatePicture{"dddd', 'd 'dddd' MMMM yyyy", true}));
    EXPECT_EQ(TooltipDatePictureFor("").picture, "dddd, MMMM dd, yyyy");

    EXPECT_EQ(TooltipRowHeight(16), 18);
    EXPECT_EQ(TooltipRowHeight(17), 19);
    EXPECT_EQ(TooltipSize({150, 14}, {170, 14}, 0), (Size{198, 46}));
    EXPECT_EQ(TooltipSize({150, 14}, {100, 20}, 2), (Size{178, 96}));

    const Rect screen{0, 0, 1280, 800};
    EXPECT_EQ(PlaceUnder({1000, 10, 100, 30}, {200, 100}, screen), (Point{1000, 41}));
    EXPECT_EQ(PlaceUnder({1200, 10, 70, 30}, {200, 100}, screen), (Point{1079, 41}));
    EXPECT_EQ(PlaceUnder({100, 750, 70, 30}, {200, 100}, screen), (Point{100, 649}));
}

} // namespace
} // namespace zm
