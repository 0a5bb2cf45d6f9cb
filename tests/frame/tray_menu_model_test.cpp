#include "frame/frame_commands.h"
#include "frame/tray_menu_model.h"
#include "store/quick/quick_list.h"
#include "store/types/type_list.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zm {
namespace {

std::vector<std::string> Texts(const std::vector<TrayMenuItem>& items) {
    std::vector<std::string> texts;
    for (const TrayMenuItem& item : items)
        texts.push_back(item.kind == TrayItemKind::Separator ? "-" : item.text);
    return texts;
}

const TrayMenuItem& ByCommand(const std::vector<TrayMenuItem>& items, uint32_t command) {
    for (const TrayMenuItem& item : items) {
        if (item.kind == TrayItemKind::Command && item.command == command) return item;
        if (item.kind == TrayItemKind::Submenu)
            for (const TrayMenuItem& child : item.children)
                if (child.command == command && child.kind == TrayItemKind::Command) return child;
    }
    static const TrayMenuItem none;
    ADD_FAILURE() << "no item " << command;
    return none;
}

struct TrayMenuTest : ::testing::Test {
    TrayMenuTest() {
        for (const char* name : {"Call", "Meeting"}) {
            EventType type;
            type.name = name;
            types.AddType(type, {}, {});
        }
        QuickReminder tea;
        tea.menuName = "Tea in 5";
        quick.AddWithDefaultIcon(tea);
    }
    TypeList types;
    QuickList quick;
};

TEST_F(TrayMenuTest, ItemsInOrderWithTheirSubmenusAndImages) {
    const auto menu = BuildTrayMenu({}, types, quick);
    EXPECT_EQ(Texts(menu), (std::vector<std::string>{
                               "&Restore", "&New", "&Quick Reminders", "-", "S&topwatch...",
                               "&Countdown timer...", "-", "Reminder &sound", "&Enable Zantimore",
                               "&Preferences...", "-", "&Help", "-", "E&xit"}));
    EXPECT_EQ(Texts(menu[1].children),
              (std::vector<std::string>{"Call", "Meeting", "-", "&Customize..."}));
    EXPECT_EQ(menu[1].children[1].command, 32864u);
    EXPECT_EQ(menu[1].children[1].image, kTypeImageBase + 1);
    EXPECT_EQ(Texts(menu[2].children),
              (std::vector<std::string>{"Tea in 5", "-", "&Customize..."}));
    EXPECT_EQ(menu[2].children[0].command, 32814u);
    EXPECT_EQ(menu[2].children[0].image, kQuickImageBase);
    EXPECT_EQ(Texts(menu[7].children), (std::vector<std::string>{"&Enable", "&Disable"}));
    EXPECT_EQ(
        Texts(menu[11].children),
        (std::vector<std::string>{"&Help Topics", "-", "Zantimore on the &Web", "-", "&About..."}));
    EXPECT_EQ(menu[0].image, kImageRestore);
    EXPECT_EQ(menu[11].image, kImageHelp);
    EXPECT_EQ(menu[13].image, kImageExit);

    int defaults = 0;
    for (const TrayMenuItem& item : menu)
        defaults += item.isDefault;
    EXPECT_EQ(defaults, 1);
    EXPECT_TRUE(menu[0].isDefault);
}

TEST_F(TrayMenuTest, TogglesShowTheirState) {
    struct Case {
        bool enabled;
        bool sound;
    };
    for (const Case c : {Case{true, true}, Case{false, false}, Case{true, false}}) {
        const auto menu =
            BuildTrayMenu({.remindersEnabled = c.enabled, .soundOn = c.sound}, types, quick);
        EXPECT_EQ(ByCommand(menu, kCmdToggleReminders).checked, c.enabled);
        EXPECT_TRUE(ByCommand(menu, kCmdToggleReminders).checkable);
        EXPECT_EQ(ByCommand(menu, kCmdSoundOn).enabled, !c.sound);
        EXPECT_EQ(ByCommand(menu, kCmdSoundOff).enabled, c.sound);
        EXPECT_EQ(menu[7].image, c.sound ? kImageSoundOn : kImageSoundOff);
    }
}

TEST_F(TrayMenuTest, AnOpenProgramDialogGreysWhatWouldOpenAnother) {
    const auto menu = BuildTrayMenu({.programDialogOpen = true}, types, quick);
    for (const uint32_t greyed : std::initializer_list<uint32_t>{
             kCmdRestore, kCmdAbout, kCmdPreferences, kCmdCustomizeTypes, kCmdCustomizeQuick,
             kCmdFirstNewOfType})
        EXPECT_FALSE(ByCommand(menu, greyed).enabled) << greyed;
    for (const uint32_t open :
         std::initializer_list<uint32_t>{kCmdExit, kCmdStopwatch, kCmdCountdown, kCmdHelpTopics,
                                         kCmdToggleReminders, kCmdFirstQuick})
        EXPECT_TRUE(ByCommand(menu, open).enabled) << open;
}

TEST_F(TrayMenuTest, ThePlainMenuHasNoImages) {
    const auto menu = BuildTrayMenu({.plainMenu = true}, types, quick);
    for (const TrayMenuItem& item : menu) {
        EXPECT_EQ(item.image, kNoImage) << item.text;
        for (const TrayMenuItem& child : item.children)
            EXPECT_EQ(child.image, kNoImage) << child.text;
    }
}

} // namespace
} // namespace zm
