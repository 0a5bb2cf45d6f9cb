// The main window's rules that need no window: command enabling, navigation, the period caption,
// placement, the toolbar's hidden buttons, the clipboard records and the paste rule.

#include "platform/locale_names.h"
#include "store/types/type_list.h"
#include "support/event_builders.h"
#include "ui/main/command_states.h"
#include "ui/main/paste_rules.h"
#include "ui/main/toolbar_customize_dialog.h"
#include "ui/main/transfer_records.h"
#include "ui/main/view_period.h"
#include "ui/main/window_placement.h"

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

TEST(ViewPeriod, StepsKeepTheDayOfTheMonthWhereItExists) {
    struct Case {
        DateTime from;
        ViewStep step;
        DateTime expected;
    } const cases[] = {
        {At(2001, 1, 31), ViewStep::NextMonth, At(2001, 2, 28)},
        {At(2004, 1, 31), ViewStep::NextMonth, At(2004, 2, 29)},
        {At(2004, 3, 31), ViewStep::PreviousMonth, At(2004, 2, 29)},
        {At(2001, 12, 15), ViewStep::NextMonth, At(2002, 1, 15)},
        {At(2001, 1, 15), ViewStep::PreviousMonth, At(2000, 12, 15)},
        {At(2004, 2, 29), ViewStep::NextYear, At(2005, 2, 28)},
        {At(2004, 2, 29), ViewStep::PreviousYear, At(2003, 2, 28)},
        {At(2001, 1, 1), ViewStep::PreviousDay, At(2000, 12, 31)},
        {At(9999, 12, 31), ViewStep::NextYear, At(9999, 12, 31)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepViewDate(c.from, c.step), c.expected);
}

TEST(ViewPeriod, CaptionNamesTheFirstAndLastDay) {
    const EnglishLocaleNames names;
    const auto longDate = [](DateTime d) { return "long " + std::to_string(d.Day()); };
    ListViewState view;
    view.viewDate = At(2001, 1, 1);
    view.mode = ViewMode::Week;
    EXPECT_EQ(PeriodCaption(view, names, longDate), "January 01 - 07, 2001");
    view.viewDate = At(2000, 12, 28);
    EXPECT_EQ(PeriodCaption(view, names, longDate), "December 28, 2000 - January 03, 2001");
    view.mode = ViewMode::Month;
    view.viewDate = At(2001, 1, 15);
    EXPECT_EQ(PeriodCaption(view, names, longDate), "January 15 - February 14, 2001");
    view.mode = ViewMode::Day;
    EXPECT_EQ(PeriodCaption(view, names, longDate), "long 15");
    view.mode = ViewMode::All;
    EXPECT_EQ(PeriodCaption(view, names, longDate), "All");
    view.searching = true;
    EXPECT_EQ(PeriodCaption(view, names, longDate), "Search Results");
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

TEST(ToolbarButtons, HiddenPositionsRoundTripAndIgnoreJunk) {
    EXPECT_EQ(ParseShownButtons("", 3), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(ParseShownButtons("2,0", 3), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(ParseShownButtons("x,7,-1,1", 3), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(FormatShownButtons({false, true, false}), "0,2");
}

TEST(TransferRecords, RoundTripAndRefuseDataThatAreNotEvents) {
    EventRecord a = OneTime(At(2026, 12, 6, 14, 30));
    a.name = "Dentist";
    a.typeName = "Appointment";
    a.id = 77;
    EventRecord b = Recurring(kDaily, 1, At(2026, 1, 1, 8));
    b.name = std::string(300, 'x');
    const std::vector<EventRecord> events{a, b};
    const std::string data = EncodeTransferRecords(events);
    const auto bytes = [](const std::string& s) {
        return std::span(reinterpret_cast<const uint8_t*>(s.data()), s.size());
    };
    std::vector<EventRecord> read;
    ASSERT_EQ(DecodeTransferRecords(bytes(data), read), LibraryResult::Ok);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].name, "Dentist");
    EXPECT_EQ(read[0].start, a.start);
    EXPECT_EQ(read[1].name, b.name);

    std::string tooMany = data;
    tooMany[0] = 3;
    std::string cut = data.substr(0, data.size() - 10);
    std::string hugeRecord = data;
    hugeRecord[4 + 4 + 1] = 0x40; // the first record claims 16 KB
    std::string tinyRecord = data;
    tinyRecord[4 + 4] = 8;
    tinyRecord[4 + 5] = 0;
    for (const std::string& bad : {tooMany, cut, hugeRecord, tinyRecord, std::string("\1\0", 2)}) {
        EXPECT_EQ(DecodeTransferRecords(bytes(bad), read), LibraryResult::Corrupted);
        EXPECT_TRUE(read.empty());
    }
}

TEST(PasteRules, MoveOneTimeEventsIntoTheViewedDay) {
    TypeList types;
    types.CreatePredefined();
    const DateTime now = At(2026, 12, 7, 9, 30);
    ListViewState yesterday;
    yesterday.mode = ViewMode::Day;
    yesterday.viewDate = At(2026, 12, 6);

    EventRecord e = OneTime(At(2026, 12, 20, 14, 30));
    e.typeName = "meeting";
    e.id = 5;
    e.flags |= kSnoozed;
    PreparePastedEvent(e, yesterday, now, {}, types);
    EXPECT_EQ(e.start, At(2026, 12, 6, 14, 30));
    EXPECT_TRUE(e.Has(kAccepted));
    EXPECT_FALSE(e.Has(kSnoozed) || e.Has(kShown));
    EXPECT_EQ(e.id, 0u);
    EXPECT_EQ(e.typeIndex, types.FindType("Meeting"));

    // Moved into the future, its old acceptance goes.
    ListViewState tomorrow = yesterday;
    tomorrow.viewDate = At(2026, 12, 8);
    EventRecord accepted = OneTime(At(2026, 11, 1, 8));
    accepted.flags |= kAccepted;
    accepted.typeName = "no such type";
    PreparePastedEvent(accepted, tomorrow, now, {}, types);
    EXPECT_EQ(accepted.start, At(2026, 12, 8, 8));
    EXPECT_FALSE(accepted.Has(kAccepted));
    EXPECT_EQ(accepted.typeIndex, -1);

    // The All view and recurring events keep their dates.
    ListViewState all = yesterday;
    all.mode = ViewMode::All;
    EventRecord kept = OneTime(At(2026, 12, 20, 14, 30));
    PreparePastedEvent(kept, all, now, {}, types);
    EXPECT_EQ(kept.start, At(2026, 12, 20, 14, 30));
    EventRecord daily = Recurring(kDaily, 1, At(2026, 12, 20, 8));
    PreparePastedEvent(daily, yesterday, now, {}, types);
    EXPECT_EQ(daily.start, At(2026, 12, 20, 8));
}

} // namespace
} // namespace zm::testing
