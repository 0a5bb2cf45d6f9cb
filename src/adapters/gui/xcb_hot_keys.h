#pragma once
// System-wide keys under X11: each combination is grabbed on the root window, once for every
// keycode of its key and once more with Caps Lock, with Num Lock and with both, so the key also
// works while a lock is on. A grab the server refuses (BadAccess) means another program holds
// the combination.

#include "platform/hot_keys.h"

#include <map>
#include <vector>
#include <xcb/xcb.h>

struct _XCBKeySymbols;

namespace zm {

class XcbHotKeys final : public HotKeys {
public:
    // Grabs on the root window of the connection's first screen. The connection stays the
    // caller's and must outlive this object.
    explicit XcbHotKeys(xcb_connection_t* connection);
    ~XcbHotKeys() override;
    XcbHotKeys(const XcbHotKeys&) = delete;
    XcbHotKeys& operator=(const XcbHotKeys&) = delete;

    HotKeyResult Register(int id, uint8_t virtualKey, uint8_t modifiers) override;
    void Unregister(int id) override;
    void SetPressedHandler(std::function<void(int id)> handler) override;

    // Takes one event of the connection: true when it was a press of a held combination (the
    // handler was called).
    bool HandleEvent(const xcb_generic_event_t* event);
    // The modifier mask Num Lock sets (0 when the keyboard has no Num Lock).
    uint16_t NumLockMask() const { return numLockMask_; }

private:
    struct Combination {
        std::vector<xcb_keycode_t> keyCodes;
        uint16_t modifiers = 0;
        friend bool operator==(const Combination&, const Combination&) = default;
    };
    std::vector<uint16_t> LockVariants() const;
    HotKeyResult Grab(const Combination& c);
    // Releases the combination and waits until the server has done so.
    void Ungrab(const Combination& c);
    void Sync();

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    _XCBKeySymbols* symbols_ = nullptr;
    uint16_t numLockMask_ = 0;
    std::map<int, Combination> held_;
    std::function<void(int)> pressed_;
};

} // namespace zm
