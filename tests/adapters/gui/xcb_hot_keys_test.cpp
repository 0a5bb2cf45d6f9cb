#include "adapters/gui/xcb_hot_keys.h"
#include "platform/hot_key_code.h"

#include <X11/keysym.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <xcb/xcb_keysyms.h>

namespace zm {
namespace {

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

class XcbHotKeys : public testing::Test {
protected:
    // One connection stays open for the whole suite, so a server that resets when its last
    // client leaves does not reset between the tests.
    static void SetUpTestSuite() {
        const char* display = std::getenv("DISPLAY");
        if (display && *display) keeper_ = xcb_connect(nullptr, nullptr);
    }
    static void TearDownTestSuite() {
        if (keeper_) xcb_disconnect(keeper_);
        keeper_ = nullptr;
    }
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display)
            GTEST_SKIP()
                << "no DISPLAY: the key grabs need an X server (the test XcbHotKeys.OnXvfb "
                   "runs them under xvfb-run)";
    }
    static Connection Connect() {
        Connection c(xcb_connect(nullptr, nullptr), &xcb_disconnect);
        EXPECT_EQ(xcb_connection_has_error(c.get()), 0);
        return c;
    }

private:
    static inline xcb_connection_t* keeper_ = nullptr;
};

// Another client grabs a combination directly; true when the server allowed it.
bool GrabElsewhere(xcb_connection_t* c, uint32_t keySym, uint16_t modifiers) {
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(c);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keySym);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_generic_error_t* error =
        xcb_request_check(c, xcb_grab_key_checked(c, 1, root, modifiers, codes[0],
                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    const bool granted = error == nullptr;
    std::free(error);
    std::free(codes);
    xcb_key_symbols_free(symbols);
    return granted;
}

TEST_F(XcbHotKeys, ASecondProgramFindsTheKeyHeldAndGetsItOnceReleased) {
    const Connection first = Connect();
    const Connection second = Connect();
    zm::XcbHotKeys mine(first.get());
    zm::XcbHotKeys theirs(second.get());
    constexpr uint8_t kCtrlAlt = kHotKeyControl | kHotKeyAlt;

    EXPECT_EQ(mine.Register(125, 'K', kCtrlAlt), HotKeyResult::Ok);
    EXPECT_EQ(theirs.Register(1, 'K', kCtrlAlt), HotKeyResult::HeldByAnother);
    // Held with Num Lock and Caps Lock on as well.
    const Connection third = Connect();
    EXPECT_FALSE(GrabElsewhere(third.get(), XK_k, 4 | 8 | XCB_MOD_MASK_LOCK));
    if (mine.NumLockMask() != 0) {
        EXPECT_FALSE(GrabElsewhere(third.get(), XK_k, 4 | 8 | mine.NumLockMask()));
    }

    // A key the other program holds: the installed key stays.
    EXPECT_EQ(theirs.Register(1, 0x25, kCtrlAlt), HotKeyResult::Ok); // Ctrl+Alt+Left
    EXPECT_EQ(mine.Register(125, 0x25, kCtrlAlt), HotKeyResult::HeldByAnother);
    EXPECT_EQ(theirs.Register(2, 'K', kCtrlAlt), HotKeyResult::HeldByAnother);

    // Replacing a key releases the old one only once the new one is held.
    EXPECT_EQ(mine.Register(125, 0x24, kCtrlAlt), HotKeyResult::Ok); // Ctrl+Alt+Home
    EXPECT_EQ(theirs.Register(2, 'K', kCtrlAlt), HotKeyResult::Ok);
    mine.Unregister(125);
    EXPECT_EQ(theirs.Register(3, 0x24, kCtrlAlt), HotKeyResult::Ok);
}

TEST_F(XcbHotKeys, APressWithLocksOnReachesTheHandler) {
    const Connection c = Connect();
    zm::XcbHotKeys keys(c.get());
    ASSERT_EQ(keys.Register(126, 0x74, kHotKeyShift), HotKeyResult::Ok); // Shift+F5
    int pressed = 0;
    keys.SetPressedHandler([&](int id) { pressed = id; });

    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(c.get());
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, XK_F5);
    const xcb_keycode_t f5 = codes[0];
    std::free(codes);
    xcb_key_symbols_free(symbols);

    xcb_key_press_event_t press{};
    press.response_type = XCB_KEY_PRESS;
    press.detail = f5;
    press.state = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_LOCK | keys.NumLockMask();
    EXPECT_TRUE(keys.HandleEvent(reinterpret_cast<xcb_generic_event_t*>(&press)));
    EXPECT_EQ(pressed, 126);

    pressed = 0;
    press.state = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL;
    EXPECT_FALSE(keys.HandleEvent(reinterpret_cast<xcb_generic_event_t*>(&press)));
    press.response_type = XCB_KEY_RELEASE;
    press.state = XCB_MOD_MASK_SHIFT;
    EXPECT_FALSE(keys.HandleEvent(reinterpret_cast<xcb_generic_event_t*>(&press)));
    EXPECT_EQ(pressed, 0);
}

} // namespace
} // namespace zm
