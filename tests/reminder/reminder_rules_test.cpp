// The reminder window's plain rules: placement, texts, snooze checks, sizes, controls, commands.

#include "reminder/reminder_commands.h"
#include "reminder/reminder_content.h"
#include "reminder/reminder_gate.h"
#include "reminder/reminder_placement.h"
#include "reminder/reminder_size.h"
#include "reminder/snooze_check.h"
#include "res/strings.h"
#include "support/event_builders.h"

#include <gtest/gtest.h>

namespace zm::testing {
namespace {

const Rect kWork{0, 0, 1920, 1040};
constexpr Size kWindow{465, 200};

TEST(ReminderPlacement, CascadesAndStartsNewColumnsWhereTheWindowWent) {
    ReminderPlacement p;
    Point last;
    for (int i = 0; i < 4; ++i)
        last = p.Place(kWindow, kWork, false);
    EXPECT_EQ(last, (Point{152, 76})); // the fourth window of a burst

    // A work area 300 pixels high: a window 200 high fits down to y = 100.
    const Rect small{100, 50, 1000, 300};
    ReminderPlacement q;
    std::vector<Point> at;
    for (int i = 0; i < 16; ++i) {
        const Point p = q.Place(kWindow, small, false);
        at.push_back({p.x - small.x, p.y - small.y});
    }
    EXPECT_EQ(at[4], (Point{190, 95}));
    EXPECT_EQ(at[5], (Point{38, 38}));  // a new column 19 pixels lower, at x = 38
    EXPECT_EQ(at[6], (Point{76, 57}));  // the cascade goes on from the new column
    EXPECT_EQ(at[9], (Point{38, 57}));  // the next column
    EXPECT_EQ(at[14], (Point{38, 95})); // the lowest column that fits
    EXPECT_EQ(at[15], (Point{38, 19})); // no column fits any more: back to the top
    EXPECT_EQ(q.ColumnTop(), 19);

    // Centred windows still move the cascade on.
    ReminderPlacement c;
    EXPECT_EQ(c.Place(kWindow, kWork, true), (Point{(1920 - 465) / 2, (1040 - 200) / 2}));
    EXPECT_EQ(c.Cascade(), (Point{38, 19}));
}

TEST(ReminderContent, SuffixesAndBeforeStart) {
    const DateTime occurrence = At(2024, 3, 11, 9, 0);
    struct Case {
        DateTime now;
        std::string suffix;
        bool beforeStart;
    };
    const Case cases[] = {
        {occurrence + DateTimeSpan::Seconds(150), " [ overdue ]", false},
        {occurrence + DateTimeSpan::Seconds(130), "", false},
        {occurrence - DateTimeSpan::Minutes(6), "", false},
        {occurrence - DateTimeSpan::Minutes(7), "", true},
        {At(2024, 3, 9, 6, 0), " [ 2 days more ]", true},
    };
    const LocaleFormats formats;
    for (const Case& c : cases) {
        EventRecord e = OneTime(occurrence);
        e.typeName = "Meeting";
        const ReminderContent rc = ReminderContentFor(e, c.now, WeekSettings{}, formats, false);
        const std::string head = "Meeting - " + formats.FormatDayDateTime(occurrence, true);
        EXPECT_EQ(rc.caption, head + c.suffix);
        EXPECT_EQ(rc.beforeStartAllowed, c.beforeStart) << rc.caption;
    }
    // Shown at 22:00 for an occurrence 2 days and 3 hours ahead: 3 days more.
    const ReminderContent late = ReminderContentFor(OneTime(At(2024, 3, 14, 1, 0)),
                                                    At(2024, 3, 11, 22, 0), {}, formats, false);
    EXPECT_TRUE(late.caption.ends_with(" [ 3 days more ]")) << late.caption;
}

TEST(ReminderContent, NameAgeSnoozeAndTimeOver) {
    const LocaleFormats formats;
    EventRecord birthday = Recurring(kYearlyDate, 1, At(1970, 6, 10, 9, 0));
    birthday.name = "Ann";
    birthday.SetFlag(kAge, true);
    birthday.SetFlag(kSkipWhenOver, true);
    birthday.duration = TimeAmount::Of(AmountUnit::Hour, 1);
    birthday.snoozeChoice = TimeAmount::Of(AmountUnit::Minute, 10 | TimeAmount::kBeforeStart);
    const DateTime now = At(2001, 6, 10, 9, 5);
    const ReminderContent rc = ReminderContentFor(birthday, now, {}, formats, true);
    EXPECT_EQ(rc.nameLine, "Ann ( 31 years )");
    EXPECT_TRUE(rc.recurring);
    EXPECT_EQ(rc.offeredSnooze, kDefaultSnoozeChoice); // a before-start choice is not offered
    EXPECT_FALSE(IsTimeOverAt(rc, At(2001, 6, 10, 10, 0)));
    EXPECT_TRUE(IsTimeOverAt(rc, At(2001, 6, 10, 10, 0, 1)));

    birthday.SetFlag(kSkipWhenOver, false);
    EXPECT_FALSE(
        IsTimeOverAt(ReminderContentFor(birthday, now, {}, formats, true), At(2002, 1, 1)));
    const ReminderContent preview = PreviewContentFor(birthday, now, formats);
    EXPECT_EQ(preview.caption, " - " + formats.FormatDayDateTime(now, true));
}

TEST(SnoozeCheck, AmountsAndBeforeStart) {
    const DateTime now = At(2024, 3, 11, 8, 50);
    const DateTime occurrence = At(2024, 3, 11, 9, 0); // 10 minutes to go
    struct Case {
        std::string text;
        bool beforeStart;
        int message;
        std::string boxText;
        double spanMinutes;
        uint32_t count;
    };
    const Case cases[] = {
        {"9", true, IDS_SNOOZE_BEFORE_START, "9 minutes", 0, 0},
        {"8", true, 0, "8 minutes", -8, 8 | TimeAmount::kBeforeStart},
        {"2 h", false, 0, "2 hours", 120, 2},
        {"40000", false, IDS_DURATION_TOO_LARGE, "40000", 0, 0},
        {"3 fortnights", false, IDS_DURATION_NOT_VALID, "3 fortnights", 0, 0},
        {"0", false, IDS_DURATION_NOT_VALID, "0", 0, 0},
    };
    for (const Case& c : cases) {
        const SnoozeCheck s = CheckSnooze(-1, c.text, c.beforeStart, occurrence, now, 0x00C801F4);
        EXPECT_EQ(s.message, c.message) << c.text;
        EXPECT_EQ(s.boxText, c.boxText) << c.text;
        if (!s.Ok()) continue;
        EXPECT_EQ(s.request.span.TotalSeconds(), static_cast<int64_t>(c.spanMinutes * 60));
        EXPECT_EQ(s.request.count, c.count);
        EXPECT_EQ(s.request.occurrence, occurrence);
        EXPECT_EQ(s.request.windowSize, 0x00C801F4u);
    }
}

TEST(ReminderSize, OpensClampedAndKeepsNoUnreadSize) {
    const Size minimum{465, 200};
    const Size work{1920, 1040};
    EventRecord e;
    EXPECT_EQ(ReminderOpenSize(e, minimum, work), minimum);
    struct Case {
        uint32_t stored;
        Size open;
    };
    const Case cases[] = {
        {0x012C0258, {600, 300}}, {0x00640064, minimum}, {0xFFFFFFFF, minimum}, {0x70007000, work}};
    for (const Case& c : cases) {
        e.SetFlag(kHasWindowSize, true);
        e.windowSize = c.stored;
        EXPECT_EQ(ReminderOpenSize(e, minimum, work), c.open) << std::hex << c.stored;
    }
    KeepCustomSize(e, std::nullopt); // could not be read: nothing changes
    EXPECT_EQ(e.windowSize, 0x70007000u);
    KeepCustomSize(e, 0);
    EXPECT_FALSE(e.Has(kHasWindowSize));
    KeepCustomSize(e, 0x012C0258);
    EXPECT_TRUE(e.Has(kHasWindowSize));
    EXPECT_EQ(e.windowSize, 0x012C0258u);
}

TEST(ReminderGate, ControlsFollowBoxesDialogsAndTheEditorsKey) {
    using C = ReminderControls;
    struct Case {
        ReminderGate gate;
        bool preview;
        C controls;
    };
    const C all{true, true, true, true, true, true};
    const Case cases[] = {
        {{}, false, all},
        {{1, ProgramDialog::None, 0}, false, C{}},
        {{0, ProgramDialog::Other, 0}, false, {true, true, true, false, true, true}},
        {{0, ProgramDialog::EventEditor, 9}, false, {true, true, true, false, true, true}},
        {{0, ProgramDialog::EventEditor, 7}, false, C{}},
        {{0, ProgramDialog::EventEditor, 7}, true, {true, false, false, false, false, true}},
        {{2, ProgramDialog::EventEditor, 7}, true, C{}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ControlsFor(c.gate, 7, true, c.preview), c.controls)
            << c.gate.openBoxes << " " << static_cast<int>(c.gate.dialog) << " " << c.preview;
    EXPECT_FALSE(ControlsFor({}, 7, false, false).beforeStart);
    EXPECT_TRUE(MayCloseForTimeOver({0, ProgramDialog::EventEditor, 9}, 7));
    EXPECT_FALSE(MayCloseForTimeOver({0, ProgramDialog::EventEditor, 7}, 7));
    EXPECT_FALSE(MayCloseForTimeOver({1, ProgramDialog::None, 0}, 7));
}

TEST(ReminderCommands, OwnCommandsInsideTheQuickReminderRangeStayTheWindows) {
    struct Case {
        int id;
        ReminderCommand command;
        int quick;
    };
    const Case cases[] = {
        {32800, ReminderCommand::StopSound, -1},
        {32816, ReminderCommand::AlwaysOnTop, -1},
        {32832, ReminderCommand::CollapseExpand, -1},
        {0xF060, ReminderCommand::Close, -1},
        {32814, ReminderCommand::None, 0},
        {32838, ReminderCommand::None, 24},
        {32839, ReminderCommand::None, -1},
    };
    for (const Case& c : cases) {
        const ReminderDispatch d = DispatchReminderCommand(c.id);
        EXPECT_EQ(d.command, c.command) << c.id;
        EXPECT_EQ(d.quickReminder, c.quick) << c.id;
    }
}

} // namespace
} // namespace zm::testing
