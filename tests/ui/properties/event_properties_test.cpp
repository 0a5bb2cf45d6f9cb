// The event's properties: the lines derived from an event, and the sheet that shows them.

#include "model/describe.h"
#include "res/strings.h"
#include "support/event_builders.h"
#include "support/nameless_controls.h"
#include "support/window_fixture.h"
#include "ui/properties/event_info_page.h"
#include "ui/properties/event_properties.h"

#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

namespace zm {
namespace {

using testing::At;
using testing::WindowFixture;

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
    WindowFixture f;
    for (const InfoCase& c : Cases()) {
        SCOPED_TRACE(c.what);
        const EventInfoLines lines = DescribeEventInfo(c.event, f.now_, f.formats_, f.names_);
        EXPECT_EQ(lines.next,
                  c.next.empty() ? f.formats_.FormatDayDateTime(c.nextAt, false) : c.next);
        EXPECT_EQ(lines.previous,
                  c.previous ? f.formats_.FormatDayDateTime(c.event.lastShown, false) : "");
        EXPECT_EQ(lines.snoozed, c.snoozed);
        EXPECT_EQ(lines.recurrence.has_value(), c.recurrence);
        if (c.recurrence) {
            EXPECT_EQ(*lines.recurrence, DescribePattern(c.event, f.names_));
        }
        EXPECT_EQ(lines.stateImage, c.stateImage);
        EXPECT_EQ(lines.recurringImage, c.event.IsRecurring());
        EXPECT_EQ(lines.remind, "15 minutes before start");
    }
}

TEST(EventInfoPage, HidesTheLinesThatDoNotApplyAndKeepsItsOwnCopy) {
    WindowFixture f;
    auto listed = std::make_unique<EventRecord>(Cases()[0].event);
    listed->name = "Tax return";
    EventPropertiesSheet sheet(f.Context(), *listed, nullptr);
    // The list replaces its copy while the sheet is open.
    listed.reset();
    EventInfoPage* page = sheet.Page();
    EXPECT_EQ(page->Event().name, "Tax return");
    EXPECT_EQ(sheet.windowTitle(), "Properties");
    EXPECT_EQ(page->ValueLabel(IDS_INFO_NEXT_REMINDER)->text(), "Never ( accepted )");
    EXPECT_TRUE(page->ValueLabel(IDS_INFO_SNOOZED)->isHidden());
    EXPECT_TRUE(page->CaptionLabel(IDS_INFO_RECURRENCE)->isHidden());
    EXPECT_FALSE(page->ValueLabel(IDS_INFO_START)->isHidden());
}

TEST(EventPropertiesSheet, EveryControlHasAName) {
    WindowFixture f;
    EventPropertiesSheet sheet(f.Context(), Cases()[1].event, nullptr);
    EXPECT_EQ(testing::NamelessControls(sheet), "");
}

TEST(Screenshots, Properties) {
    WindowFixture f;
    QDir().mkpath(ZM_SCREENSHOT_DIR);
    EventRecord e = Cases()[1].event;
    e.name = "Morning walk";
    e.typeName = f.types_.TypeAt(1)->name;
    e.typeIndex = 1;
    e.flags |= kShown;
    e.lastShown = At(2026, 12, 6, 8, 45);
    EventPropertiesSheet sheet(f.Context(), e, nullptr);
    sheet.show();
    sheet.grab().save(QString(ZM_SCREENSHOT_DIR) + "/properties.png");
    EXPECT_FALSE(sheet.Page()->ValueLabel(IDS_INFO_RECURRENCE)->isHidden());
}

} // namespace
} // namespace zm
