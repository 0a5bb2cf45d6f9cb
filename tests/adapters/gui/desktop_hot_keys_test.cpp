#include "adapters/gui/desktop_hot_keys.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace zm {
namespace {

// On X11 the program holds its keys; elsewhere (offscreen, Wayland) every key is refused.
TEST(DesktopHotKeys, FollowTheDesktopThePlatformRunsOn) {
    const std::unique_ptr<HotKeys> keys = CreateDesktopHotKeys();
    const HotKeyResult result =
        keys->Register(127, 'J', kHotKeyShift | kHotKeyControl | kHotKeyAlt);
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        EXPECT_EQ(result, HotKeyResult::Ok);
    else
        EXPECT_EQ(result, HotKeyResult::Unavailable);
    keys->Unregister(127);
}

} // namespace
} // namespace zm
