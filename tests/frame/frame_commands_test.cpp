#include "frame/frame_commands.h"
#include "frame/platform_choice.h"
#include "frame/tray_clicks.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

struct CommandCase {
    uint32_t id;
    size_t types;
    size_t quick;
    FrameCommand expected;
};

TEST(FrameCommands, EachNumberMeansOneActionAndListEntriesStopAtTheirList) {
    const CommandCase cases[] = {
        {32772, 0, 0, {FrameAction::Restore}},
        {32847, 0, 0, {FrameAction::ToggleReminders}},
        {32977, 0, 0, {FrameAction::SoundOff}},
        {32978, 0, 0, {FrameAction::SoundOn}},
        {32813, 0, 0, {FrameAction::CustomizeQuick}},
        {32862, 0, 0, {FrameAction::CustomizeTypes}},
        {57665, 0, 0, {FrameAction::Exit}},
        {57667, 0, 0, {FrameAction::HelpTopics}},
        {32814, 2, 2, {FrameAction::QuickReminder, 0}},
        {32815, 2, 1, {}}, // beyond the quick-reminder list: ignored
        {32838, 0, 25, {FrameAction::QuickReminder, 24}},
        {32839, 0, 25, {}},
        {32863, 11, 0, {FrameAction::NewOfType, 0}},
        {32912, 50, 0, {FrameAction::NewOfType, 49}},
        {32874, 11, 0, {}},
        {32913, 50, 0, {}},
        {1, 50, 25, {}},
    };
    for (const CommandCase& c : cases)
        EXPECT_EQ(ClassifyCommand(c.id, c.types, c.quick), c.expected) << c.id;
}

TEST(TrayClicks, ASingleClickOpensTheCalendarOnlyWhenNoDoubleClickFollows) {
    TrayClicks clicks;
    EXPECT_FALSE(clicks.TrayLeftClick(false, {5, 6})) << "the setting is off";
    EXPECT_FALSE(clicks.DelayOver(false, true));

    EXPECT_TRUE(clicks.TrayLeftClick(true, {5, 6}));
    EXPECT_TRUE(clicks.DelayOver(false, true));
    EXPECT_EQ(clicks.Point(), (ClickPoint{5, 6}));
    EXPECT_FALSE(clicks.DelayOver(false, true)) << "once per click";

    clicks.TrayLeftClick(true, {5, 6});
    clicks.DoubleClick();
    EXPECT_FALSE(clicks.DelayOver(false, true));

    clicks.TrayLeftClick(true, {5, 6});
    EXPECT_FALSE(clicks.DelayOver(true, true)) << "the button is still down";
    clicks.TrayLeftClick(true, {5, 6});
    EXPECT_FALSE(clicks.DelayOver(false, false)) << "another window came to the front";
}

TEST(TrayClicks, AClockClickTheCalendarConsumedStartsNothing) {
    TrayClicks clicks;
    clicks.SuppressNextClockClick();
    EXPECT_FALSE(clicks.ClockLeftClick(true));
    EXPECT_TRUE(clicks.ClockLeftClick(true)) << "only the next click";
    EXPECT_TRUE(clicks.DelayOver(false, true));
    EXPECT_EQ(clicks.Point(), kClockClick);
}

TEST(PlatformChoice, WaylandWithXRunsOnXUnlessTheUserChose) {
    struct Case {
        const char* qpa;
        const char* session;
        const char* wayland;
        const char* display;
        const char* expected;
    };
    const Case cases[] = {
        {nullptr, "wayland", "wayland-0", ":0", "xcb"},
        {nullptr, nullptr, "wayland-0", ":0", "xcb"},
        {nullptr, "wayland", nullptr, ":0", "xcb"},
        {"wayland", "wayland", "wayland-0", ":0", ""},
        {nullptr, "wayland", "wayland-0", nullptr, ""}, // no XWayland
        {nullptr, "x11", nullptr, ":0", ""},
        {"", "wayland", "wayland-0", ":0", "xcb"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseQtPlatform(c.qpa, c.session, c.wayland, c.display), c.expected)
            << (c.qpa ? c.qpa : "-") << ' ' << (c.session ? c.session : "-");
}

} // namespace
} // namespace zm
