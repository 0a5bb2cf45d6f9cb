#pragma once
// System-wide keys in memory: what the program holds, what "other programs" hold, and a press.

#include "platform/hot_keys.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

namespace zm {

class FakeHotKeys final : public HotKeys {
public:
    using Combination = std::pair<uint8_t, uint8_t>; // virtual key, modifiers

    bool available = true;               // false: a desktop without system-wide keys
    std::set<Combination> heldElsewhere; // combinations other programs hold
    std::map<int, Combination> held;     // what this program holds, by id
    int calls = 0;                       // Register and Unregister calls

    HotKeyResult Register(int id, uint8_t virtualKey, uint8_t modifiers) override {
        ++calls;
        if (!available) return HotKeyResult::Unavailable;
        const Combination c{virtualKey, modifiers};
        if (heldElsewhere.contains(c)) return HotKeyResult::HeldByAnother;
        for (const auto& [other, heldKey] : held)
            if (other != id && heldKey == c) return HotKeyResult::HeldByAnother;
        held[id] = c;
        return HotKeyResult::Ok;
    }
    void Unregister(int id) override {
        ++calls;
        held.erase(id);
    }
    void SetPressedHandler(std::function<void(int)> handler) override {
        pressed_ = std::move(handler);
    }

    // Presses a combination: true when the program holds it.
    bool Press(uint8_t virtualKey, uint8_t modifiers) {
        for (const auto& [id, heldKey] : held)
            if (heldKey == Combination{virtualKey, modifiers}) {
                if (pressed_) pressed_(id);
                return true;
            }
        return false;
    }

private:
    std::function<void(int)> pressed_;
};

} // namespace zm
