// OK on the sheet: the three shortcut keys all or none, and the order of the other steps.

#include "platform/hot_key_code.h"
#include "platform/shortcut_keys.h"
#include "preferences/apply_order.h"
#include "support/fake_hot_keys.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zm {
namespace {

constexpr uint8_t kCtrlAlt = kHotKeyControl | kHotKeyAlt;

TEST(InstallShortcutKeys, ARefusedKeyPutsBackTheOnesBeforeIt) {
    FakeHotKeys desktop;
    ShortcutKeys keys(desktop);
    const uint16_t oldMain = MakeHotKeyCode('M', kCtrlAlt);
    ASSERT_EQ(keys.Set(kMainWindowHotKeyId, oldMain), HotKeyResult::Ok);
    desktop.heldElsewhere.insert({'N', kCtrlAlt});

    const ShortcutKeyCodes wanted{MakeHotKeyCode('W', kCtrlAlt), MakeHotKeyCode('C', kCtrlAlt),
                                  MakeHotKeyCode('N', kCtrlAlt)};
    const auto refusal = InstallShortcutKeys(keys, wanted);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->role, ShortcutKeyRole::NewEvent);
    EXPECT_EQ(refusal->why, HotKeyResult::HeldByAnother);
    EXPECT_EQ(keys.Installed(kMainWindowHotKeyId), oldMain);
    EXPECT_EQ(keys.Installed(kCalendarHotKeyId), 0);
    EXPECT_EQ(desktop.held.size(), 1u);
    EXPECT_EQ(desktop.held.at(kMainWindowHotKeyId), (FakeHotKeys::Combination{'M', kCtrlAlt}));

    desktop.heldElsewhere.clear();
    EXPECT_FALSE(InstallShortcutKeys(keys, wanted));
    EXPECT_EQ(keys.Installed(kNewEventHotKeyId), wanted[2]);
    EXPECT_EQ(desktop.held.size(), 3u);
}

class RecordingSteps final : public PreferenceSteps {
public:
    std::optional<ShortcutKeyRefusal> refusal;
    std::vector<std::string> done;

    std::optional<ShortcutKeyRefusal> InstallShortcutKeys() override {
        done.push_back("keys");
        return refusal;
    }
    void ShowRefusedKey(const ShortcutKeyRefusal&) override { done.push_back("refused"); }
    void SaveOptions() override { done.push_back("save"); }
    void WriteAutorun() override { done.push_back("autorun"); }
    void ApplyFonts() override { done.push_back("fonts"); }
    void ApplyWorkWeek() override { done.push_back("week"); }
    void ApplyTitleCentring() override { done.push_back("title"); }
    void ApplyClock() override { done.push_back("clock"); }
    void SavePrinting() override { done.push_back("printing"); }
    void ApplyTypes() override { done.push_back("types"); }
    void ApplyQuickReminders() override { done.push_back("quick"); }
};

TEST(ApplyPreferences, StepsRunInOrderAndARefusedKeySavesNothing) {
    RecordingSteps steps;
    EXPECT_TRUE(ApplyPreferences(SheetForm::Full, {true, true, true, true}, steps));
    EXPECT_EQ(steps.done, (std::vector<std::string>{"keys", "save", "autorun", "types", "quick",
                                                    "fonts", "week", "title", "clock"}));

    steps.done.clear();
    EXPECT_TRUE(ApplyPreferences(SheetForm::Full, {}, steps));
    EXPECT_EQ(steps.done, (std::vector<std::string>{"keys", "save", "autorun", "types", "quick"}));

    steps.done.clear();
    steps.refusal = ShortcutKeyRefusal{ShortcutKeyRole::Calendar, HotKeyResult::HeldByAnother};
    EXPECT_FALSE(ApplyPreferences(SheetForm::Full, {true, true, true, true}, steps));
    EXPECT_EQ(steps.done, (std::vector<std::string>{"keys", "refused"}));

    steps.done.clear();
    EXPECT_TRUE(ApplyPreferences(SheetForm::PrintingOnly, {}, steps));
    EXPECT_EQ(steps.done, (std::vector<std::string>{"printing"}));

    for (const auto& [form, step] : {std::pair{SheetForm::TypesOnly, "types"},
                                     std::pair{SheetForm::QuickRemindersOnly, "quick"}}) {
        steps.done.clear();
        EXPECT_TRUE(ApplyPreferences(form, {}, steps));
        EXPECT_EQ(steps.done, (std::vector<std::string>{step}));
    }
}

TEST(WeekSettingsDiffer, EachPartOfTheWeekSettingsCounts) {
    using Change = void (*)(ProgramSettings&);
    const std::pair<const char*, Change> cases[] = {
        {"a work day", [](ProgramSettings& o) { o.workWeek ^= 1; }},
        {"check week-end events", [](ProgramSettings& o) { o.checkWeekendEvents ^= true; }},
        {"first day of the week", [](ProgramSettings& o) { o.firstDayOfWeek = 6; }},
        {"first week of the year", [](ProgramSettings& o) { o.firstWeekOfYear = 2; }},
    };
    const ProgramSettings before;
    EXPECT_FALSE(WeekSettingsDiffer(before, before));
    for (const auto& [what, change] : cases) {
        ProgramSettings after = before;
        change(after);
        EXPECT_TRUE(WeekSettingsDiffer(before, after)) << what;
    }
    ProgramSettings other = before;
    other.hideWhenOver = true;
    EXPECT_FALSE(WeekSettingsDiffer(before, other));
}

} // namespace
} // namespace zm
