// The main window's rules that need no window: command enabling and placement.

#include "list/command_states.h"
#include "list/window_placement.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm::testing {
namespace {

EventRecord WithFlags(uint32_t flags) {
    EventRecord e;
    e.flags = flags;
    return e;
}

struct EnablingCase {
    const char* name;
    std::vector<EventRecord> selected;
    CommandStates expected;
};

TEST(CommandStates, FollowTheSelection) {
    CommandStates none;
    none.selectAll = true;
    none.navigate = true;
    none.checkDay = true;
    CommandStates one = none;
    one.remove = one.copy = one.modify = one.accept = one.disable = true;
    CommandStates snoozedDisabled = none;
    snoozedDisabled.remove = snoozedDisabled.copy = snoozedDisabled.modify = true;
    snoozedDisabled.enable = true;
    CommandStates snoozed = one;
    snoozed.wakeUp = true;
    CommandStates recurring = one;
    recurring.accept = false;
    CommandStates two = none;
    two.remove = two.copy = two.enable = two.disable = true;
    const EnablingCase cases[] = {
        {"nothing selected", {}, none},
        {"one plain event", {WithFlags(0)}, one},
        {"one snoozed", {WithFlags(kSnoozed)}, snoozed},
        {"one snoozed and disabled", {WithFlags(kSnoozed | kDisabled)}, snoozedDisabled},
        {"one recurring", {WithFlags(kRecurring)}, recurring},
        {"one accepted", {WithFlags(kAccepted)}, recurring},
        {"two, one disabled", {WithFlags(kDisabled), WithFlags(kSnoozed)}, two},
    };
    for (const EnablingCase& c : cases) {
        CommandFacts facts;
        facts.rows = 3;
        facts.selected = &c.selected;
        EXPECT_EQ(EvaluateCommands(facts), c.expected) << c.name;
    }
}

TEST(CommandStates, ChecksFollowTheViewAndTheFindBar) {
    const std::vector<EventRecord> none;
    CommandFacts facts;
    facts.selected = &none;
    facts.mode = ViewMode::Day;
    facts.viewIsToday = true;
    CommandStates s = EvaluateCommands(facts);
    EXPECT_TRUE(s.checkToday && s.checkDay && s.navigate);
    EXPECT_FALSE(s.selectAll || s.paste || s.checkFind);
    facts.mode = ViewMode::Month;
    s = EvaluateCommands(facts);
    EXPECT_TRUE(s.checkMonth);
    EXPECT_FALSE(s.checkToday || s.checkDay);
    facts.findBarShown = true;
    facts.clipboardHasEvents = true;
    s = EvaluateCommands(facts);
    EXPECT_TRUE(s.checkFind && s.paste);
    EXPECT_FALSE(s.checkMonth || s.navigate);
}

TEST(WindowPlacement, RestoresOntoTheWorkArea) {
    const std::vector<ScreenArea> screens{{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
                                          {{1920, 0, 1280, 1024}, {1920, 0, 1280, 1024}}};
    const Rect kept{100, 50, 900, 600};
    const auto bytes = PackWindowRect(kept);
    ASSERT_EQ(UnpackWindowRect(bytes), kept);
    EXPECT_EQ(PlaceMainWindow(kept, screens), kept);
    // On the second screen it stays there; off every screen it comes back to the primary one.
    EXPECT_EQ(PlaceMainWindow(Rect{2000, 100, 700, 400}, screens), (Rect{2000, 100, 700, 400}));
    EXPECT_EQ(PlaceMainWindow(Rect{5000, 3000, 700, 400}, screens), (Rect{1220, 640, 700, 400}));
    // Never smaller than the minimum, never larger than the work area.
    EXPECT_EQ(PlaceMainWindow(Rect{10, 10, 100, 100}, screens), (Rect{10, 10, 560, 330}));
    EXPECT_EQ(PlaceMainWindow(Rect{-50, 0, 3000, 2000}, screens), (Rect{0, 0, 1920, 1040}));
    // Without a stored rectangle: centred on the primary work area.
    const Rect fresh = PlaceMainWindow(std::nullopt, screens);
    EXPECT_EQ(fresh.x * 2 + fresh.width, 1920);
    // Damaged values read as none.
    EXPECT_FALSE(UnpackWindowRect(std::vector<uint8_t>(15, 0)));
    EXPECT_FALSE(UnpackWindowRect(PackWindowRect(Rect{100, 100, 0, 10})));
}

} // namespace
} // namespace zm::testing
