#include "platform/shortcut_keys.h"

#include "platform/hot_key_code.h"

namespace zm {

HotKeyResult ShortcutKeys::Set(int id, uint16_t code) {
    const uint16_t installed = Installed(id);
    if (code == 0) {
        if (installed != 0) hotKeys_.Unregister(id);
        installed_.erase(id);
        return HotKeyResult::Ok;
    }
    const HotKeyParts wanted = SplitHotKeyCode(code);
    if (installed == 0 || wanted != SplitHotKeyCode(installed)) {
        const HotKeyResult result = hotKeys_.Register(id, wanted.virtualKey, wanted.modifiers);
        if (result != HotKeyResult::Ok) return result;
    }
    installed_[id] = code;
    return HotKeyResult::Ok;
}

uint16_t ShortcutKeys::Installed(int id) const {
    const auto it = installed_.find(id);
    return it == installed_.end() ? 0 : it->second;
}

void ShortcutKeys::ReleaseAll() {
    for (const auto& [id, code] : installed_)
        hotKeys_.Unregister(id);
    installed_.clear();
}

} // namespace zm
