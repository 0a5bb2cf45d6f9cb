#pragma once
// The desktop's system-wide keys for the running program: X11 key grabs on Qt's own X
// connection, their presses taken from Qt's event loop. Where the desktop gives no such keys (a
// Wayland session without X, no display), every key is refused as Unavailable, which the
// program treats like a key that another program holds.

#include "platform/hot_keys.h"

#include <memory>

namespace zm {

// Needs the QGuiApplication to exist, and to outlive the result.
std::unique_ptr<HotKeys> CreateDesktopHotKeys();

// Refuses every key.
class UnavailableHotKeys final : public HotKeys {
public:
    HotKeyResult Register(int, uint8_t, uint8_t) override { return HotKeyResult::Unavailable; }
    void Unregister(int) override {}
    void SetPressedHandler(std::function<void(int)>) override {}
};

} // namespace zm
