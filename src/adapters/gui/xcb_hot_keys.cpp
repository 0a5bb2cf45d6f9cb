#include "adapters/gui/xcb_hot_keys.h"

#include "platform/hot_key_code.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <xcb/xcb_keysyms.h>

namespace zm {
namespace {

constexpr uint32_t kKeySymNumLock = 0xFF7F;
constexpr uint8_t kBadAccess = 10;
// Shift, Lock, Control and Mod1-Mod5: the modifier bits of a key event's state.
constexpr uint16_t kKeyboardModifiers = 0xFF;

template <typename T> using CPtr = std::unique_ptr<T, decltype(&std::free)>;

std::vector<xcb_keycode_t> KeyCodesOf(xcb_key_symbols_t* symbols, uint32_t keySym) {
    std::vector<xcb_keycode_t> codes;
    if (!symbols || keySym == 0) return codes;
    const CPtr<xcb_keycode_t> list(xcb_key_symbols_get_keycode(symbols, keySym), &std::free);
    for (const xcb_keycode_t* k = list.get(); k && *k != XCB_NO_SYMBOL; ++k)
        if (std::find(codes.begin(), codes.end(), *k) == codes.end()) codes.push_back(*k);
    return codes;
}

uint16_t FindNumLockMask(xcb_connection_t* c, xcb_key_symbols_t* symbols) {
    const std::vector<xcb_keycode_t> numLock = KeyCodesOf(symbols, kKeySymNumLock);
    const CPtr<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr), &std::free);
    if (!reply || numLock.empty()) return 0;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply.get());
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int i = 0; i < perModifier; ++i)
            if (std::find(numLock.begin(), numLock.end(), codes[modifier * perModifier + i]) !=
                numLock.end())
                return static_cast<uint16_t>(1u << modifier);
    return 0;
}

} // namespace

XcbHotKeys::XcbHotKeys(xcb_connection_t* connection) : connection_(connection) {
    if (!connection_ || xcb_connection_has_error(connection_)) return;
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    if (screens.rem == 0) return;
    root_ = screens.data->root;
    symbols_ = xcb_key_symbols_alloc(connection_);
    numLockMask_ = FindNumLockMask(connection_, symbols_);
}

XcbHotKeys::~XcbHotKeys() {
    for (const auto& [id, combination] : held_)
        Ungrab(combination);
    if (symbols_) xcb_key_symbols_free(symbols_);
}

std::vector<uint16_t> XcbHotKeys::LockVariants() const {
    std::vector<uint16_t> variants{0, XCB_MOD_MASK_LOCK};
    if (numLockMask_ != 0 && numLockMask_ != XCB_MOD_MASK_LOCK) {
        variants.push_back(numLockMask_);
        variants.push_back(static_cast<uint16_t>(numLockMask_ | XCB_MOD_MASK_LOCK));
    }
    return variants;
}

HotKeyResult XcbHotKeys::Grab(const Combination& c) {
    struct Attempt {
        xcb_keycode_t key;
        uint16_t modifiers;
        xcb_void_cookie_t cookie;
    };
    std::vector<Attempt> attempts;
    for (const xcb_keycode_t key : c.keyCodes)
        for (const uint16_t lock : LockVariants()) {
            const auto modifiers = static_cast<uint16_t>(c.modifiers | lock);
            attempts.push_back({key, modifiers,
                                xcb_grab_key_checked(connection_, 1, root_, modifiers, key,
                                                     XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)});
        }
    HotKeyResult result = HotKeyResult::Ok;
    std::vector<const Attempt*> granted;
    for (const Attempt& a : attempts) {
        const CPtr<xcb_generic_error_t> error(xcb_request_check(connection_, a.cookie), &std::free);
        if (!error) {
            granted.push_back(&a);
        } else if (result == HotKeyResult::Ok || error->error_code == kBadAccess) {
            result = error->error_code == kBadAccess ? HotKeyResult::HeldByAnother
                                                     : HotKeyResult::Unavailable;
        }
    }
    if (result != HotKeyResult::Ok) {
        for (const Attempt* a : granted)
            xcb_ungrab_key(connection_, a->key, root_, a->modifiers);
        Sync();
    }
    return result;
}

void XcbHotKeys::Ungrab(const Combination& c) {
    for (const xcb_keycode_t key : c.keyCodes)
        for (const uint16_t lock : LockVariants())
            xcb_ungrab_key(connection_, key, root_, static_cast<uint16_t>(c.modifiers | lock));
    Sync();
}

void XcbHotKeys::Sync() {
    // The server has handled every request before it answers this one, so a key released here
    // is free for other programs when this returns.
    const CPtr<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr),
        &std::free);
}

HotKeyResult XcbHotKeys::Register(int id, uint8_t virtualKey, uint8_t modifiers) {
    if (root_ == 0 || xcb_connection_has_error(connection_)) return HotKeyResult::Unavailable;
    Combination wanted{KeyCodesOf(symbols_, KeySymOfVirtualKey(virtualKey)),
                       XModifiersOf(modifiers)};
    if (wanted.keyCodes.empty()) return HotKeyResult::Unavailable;
    const auto old = held_.find(id);
    if (old != held_.end() && old->second == wanted) return HotKeyResult::Ok;
    // The same combination under another id is held already, by this program.
    for (const auto& [otherId, other] : held_)
        if (otherId != id && other.modifiers == wanted.modifiers &&
            std::ranges::any_of(wanted.keyCodes, [&](xcb_keycode_t k) {
                return std::ranges::find(other.keyCodes, k) != other.keyCodes.end();
            }))
            return HotKeyResult::HeldByAnother;
    // The new combination first: the old one stays held when the new one cannot be.
    const HotKeyResult result = Grab(wanted);
    if (result != HotKeyResult::Ok) return result;
    if (old != held_.end()) Ungrab(old->second);
    held_[id] = std::move(wanted);
    return HotKeyResult::Ok;
}

void XcbHotKeys::Unregister(int id) {
    const auto it = held_.find(id);
    if (it == held_.end()) return;
    Ungrab(it->second);
    held_.erase(it);
}

void XcbHotKeys::SetPressedHandler(std::function<void(int id)> handler) {
    pressed_ = std::move(handler);
}

bool XcbHotKeys::HandleEvent(const xcb_generic_event_t* event) {
    if (!event || (event->response_type & 0x7F) != XCB_KEY_PRESS) return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const auto modifiers = static_cast<uint16_t>(press->state & kKeyboardModifiers &
                                                 ~(XCB_MOD_MASK_LOCK | numLockMask_));
    for (const auto& [id, c] : held_) {
        if (c.modifiers != modifiers) continue;
        if (std::ranges::find(c.keyCodes, press->detail) == c.keyCodes.end()) continue;
        if (pressed_) pressed_(id);
        return true;
    }
    return false;
}

} // namespace zm
