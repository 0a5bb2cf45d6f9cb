#include "platform/hot_key_code.h"
#include "platform/shortcut_keys.h"
#include "support/fake_hot_keys.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

constexpr uint16_t kCtrlAltK = 0x064B;
constexpr uint16_t kCtrlAltLeft = 0x0E25; // with the extended flag
constexpr uint16_t kShiftF5 = 0x0174;

TEST(HotKeyCode, TheExtendedFlagIsNoModifier) {
    struct Case {
        uint16_t code;
        HotKeyParts parts;
    };
    const Case cases[] = {
        {kCtrlAltK, {'K', kHotKeyControl | kHotKeyAlt}},
        {kCtrlAltLeft, {0x25, kHotKeyControl | kHotKeyAlt}},
        {0x0824, {0x24, 0}},                                          // Home, no modifier
        {0x0F2D, {0x2D, kHotKeyShift | kHotKeyControl | kHotKeyAlt}}, // Insert
        {kShiftF5, {0x74, kHotKeyShift}},
        {0xF041, {'A', 0}}, // unknown flags dropped
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitHotKeyCode(c.code), c.parts) << std::hex << c.code;
        EXPECT_EQ(MakeHotKeyCode(c.parts.virtualKey, c.parts.modifiers),
                  c.code & (IsExtendedVirtualKey(c.parts.virtualKey) ? 0x0FFF : 0x07FF))
            << std::hex << c.code;
    }
    EXPECT_EQ(MakeHotKeyCode(0, kHotKeyAlt), 0);
}

TEST(HotKeyCode, EveryKeyWithAKeySymComesBack) {
    int keys = 0;
    for (int vk = 1; vk < 256; ++vk) {
        const uint32_t keySym = KeySymOfVirtualKey(static_cast<uint8_t>(vk));
        if (keySym == 0) continue;
        ++keys;
        EXPECT_EQ(VirtualKeyOfKeySym(keySym), vk) << std::hex << vk;
    }
    EXPECT_GE(keys, 26 + 10 + 24 + 10 + 30);
    EXPECT_EQ(VirtualKeyOfKeySym('K'), 'K');
    EXPECT_EQ(XModifiersOf(kHotKeyShift | kHotKeyControl | kHotKeyAlt), 1 | 4 | 8);
}

TEST(ShortcutKeys, ANewKeyIsHeldBeforeTheOldOneGoesAndAFailureKeepsTheOld) {
    FakeHotKeys desktop;
    ShortcutKeys keys(desktop);
    EXPECT_EQ(keys.Set(kMainWindowHotKeyId, kCtrlAltK), HotKeyResult::Ok);
    EXPECT_EQ(desktop.held.at(kMainWindowHotKeyId), (FakeHotKeys::Combination{'K', 6}));

    // The same key and modifiers, with or without the extended flag: no call.
    const int calls = desktop.calls;
    EXPECT_EQ(keys.Set(kMainWindowHotKeyId, kCtrlAltK), HotKeyResult::Ok);
    EXPECT_EQ(keys.Set(kMainWindowHotKeyId, kCtrlAltK | 0x0800), HotKeyResult::Ok);
    EXPECT_EQ(desktop.calls, calls);

    // Another program holds Shift+F5: the installed key stays held and installed.
    desktop.heldElsewhere.insert({0x74, kHotKeyShift});
    EXPECT_EQ(keys.Set(kMainWindowHotKeyId, kShiftF5), HotKeyResult::HeldByAnother);
    EXPECT_EQ(keys.Installed(kMainWindowHotKeyId), kCtrlAltK | 0x0800);
    EXPECT_EQ(desktop.held.at(kMainWindowHotKeyId), (FakeHotKeys::Combination{'K', 6}));

    // An extended key works, and a second id cannot take a combination the first holds.
    EXPECT_EQ(keys.Set(kMainWindowHotKeyId, kCtrlAltLeft), HotKeyResult::Ok);
    EXPECT_EQ(desktop.held.at(kMainWindowHotKeyId), (FakeHotKeys::Combination{0x25, 6}));
    EXPECT_EQ(keys.Set(kCalendarHotKeyId, kCtrlAltLeft), HotKeyResult::HeldByAnother);
    EXPECT_EQ(keys.Installed(kCalendarHotKeyId), 0);

    int pressed = 0;
    desktop.SetPressedHandler([&](int id) { pressed = id; });
    EXPECT_TRUE(desktop.Press(0x25, 6));
    EXPECT_EQ(pressed, kMainWindowHotKeyId);

    EXPECT_EQ(keys.Set(kMainWindowHotKeyId, 0), HotKeyResult::Ok);
    EXPECT_TRUE(desktop.held.empty());
    EXPECT_EQ(keys.Set(kMainWindowHotKeyId, 0), HotKeyResult::Ok);
}

TEST(ShortcutKeys, WithoutSystemWideKeysEverySetFailsAndNothingIsInstalled) {
    FakeHotKeys desktop;
    desktop.available = false;
    {
        ShortcutKeys keys(desktop);
        EXPECT_EQ(keys.Set(kNewEventHotKeyId, kCtrlAltK), HotKeyResult::Unavailable);
        EXPECT_EQ(keys.Installed(kNewEventHotKeyId), 0);
        EXPECT_EQ(keys.Set(kNewEventHotKeyId, 0), HotKeyResult::Ok);
    }
    desktop.available = true;
    {
        ShortcutKeys keys(desktop);
        keys.Set(kNewEventHotKeyId, kCtrlAltK);
        keys.Set(kCalendarHotKeyId, kShiftF5);
    }
    EXPECT_TRUE(desktop.held.empty()); // released when the keys go
}

} // namespace
} // namespace zm
