// The event's properties sheet and the page that shows the lines derived from the event.

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

// The accepted one-time event and the disabled recurring one of the lines' tests.
EventRecord AcceptedOneTime() {
    EventRecord e = testing::OneTime(At(2026, 12, 1, 10, 0), 15);
    e.flags = kAccepted | kShown;
    e.lastShown = At(2026, 12, 1, 10, 5);
    return e;
}

EventRecord DisabledRecurring() {
    EventRecord e = testing::Recurring(testing::kDaily, 1, At(2026, 11, 1, 9, 0), 15);
    e.SetFlag(kDisabled, true);
    return e;
}

TEST(EventInfoPage, HidesTheLinesThatDoNotApplyAndKeepsItsOwnCopy) {
    WindowFixture f;
    auto listed = std::make_unique<EventRecord>(AcceptedOneTime());
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
    EventPropertiesSheet sheet(f.Context(), DisabledRecurring(), nullptr);
    EXPECT_EQ(testing::NamelessControls(sheet), "");
}

TEST(Screenshots, Properties) {
    WindowFixture f;
    QDir().mkpath(ZM_SCREENSHOT_DIR);
    EventRecord e = DisabledRecurring();
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
