#pragma once
// A tray that comes and goes when the test says so.

#include "platform/tray_presence.h"

namespace zm::testing {

class FakeTrayPresence final : public TrayPresence {
public:
    bool there = false;
    int looks = 0;

    bool TrayThere() override {
        ++looks;
        return there;
    }
};

} // namespace zm::testing
