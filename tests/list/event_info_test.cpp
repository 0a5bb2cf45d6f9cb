// The lines of an event's properties, derived from the event at one instant.

#include "list/event_info.h"
#include "list/row_images.h"
#include "model/describe.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

using testing::At;

struct InfoCase {
    const char* what;
    EventRecord event;
    std::string next; // empty: the instant `nextAt`
    DateTime nextAt;
    bool previous; // the previous-reminder line shows LastShown
    std::optional<std::string> snoozed;
    bool recurrence;
    int stateImage;
};

std::vector<InfoCase> Cases() {
    std::vector<InfoCase> cases;
    {
        EventRecord e = testing::OneTime(At(2026, 12, 1, 10, 0), 15);
        e.flags = kAccepted | kShown;
        e.lastShown = At(2026, 12, 1, 10, 5);
        cases.push_back({"accepted one-time",
                         e,
                         "Never ( accepted )",
                         {},
                         true,
                         std::nullopt,
                         false,
                         kImageAccepted});
    }
    {
        EventRecord e = testing::Recurring(testing::kDaily, 1, At(2026, 11, 1, 9, 0), 15);
        e.SetFlag(kDisabled, true);
        cases.push_back({"disabled recurring",
                         e,
                         "Never ( disabled )",
                         {},
                         false,
                         std::nullopt,
                         true,
                         kImageDisabled});
    }
    {
        EventRecord e = testing::OneTime(At(2026, 12, 7, 12, 0), 15);
        e.flags = kShown;
        e.lastShown = At(2026, 12, 7, 9, 0);
        e.SetSnooze(At(2026, 12, 7, 11, 50), AmountUnit::Minute, 10 | 0x8000);
        cases.push_back({"snoozed before start", e, "", At(2026, 12, 7, 11, 50), true,
                         "10 minutes before start", false, kImageSnoozed});
    }
    {
        EventRecord e = testing::OneTime(At(2026, 12, 9, 8, 0), 15);
        cases.push_back(
            {"never shown", e, "", At(2026, 12, 9, 7, 45), false, std::nullopt, false, kImageNone});
    }
    return cases;
}

TEST(EventInfo, LinesFollowTheReminderState) {
    const DateTime now = At(2026, 12, 7, 9, 30);
    const LocaleFormats formats;
    const EnglishLocaleNames names;
    for (const InfoCase& c : Cases()) {
        SCOPED_TRACE(c.what);
        const EventInfoLines lines = DescribeEventInfo(c.event, now, formats, names);
        EXPECT_EQ(lines.next, c.next.empty() ? formats.FormatDayDateTime(c.nextAt, false) : c.next);
        EXPECT_EQ(lines.previous,
                  c.previous ? formats.FormatDayDateTime(c.event.lastShown, false) : "");
        EXPECT_EQ(lines.snoozed, c.snoozed);
        EXPECT_EQ(lines.recurrence.has_value(), c.recurrence);
        if (c.recurrence) {
            EXPECT_EQ(*lines.recurrence, DescribePattern(c.event, names));
        }
        EXPECT_EQ(lines.stateImage, c.stateImage);
        EXPECT_EQ(lines.recurringImage, c.event.IsRecurring());
        EXPECT_EQ(lines.remind, "15 minutes before start");
    }
}

} // namespace
} // namespace zm
