#pragma once
// Screens and work areas that the test lays out.

#include "platform/work_area.h"

namespace zm {

class FakeWorkArea final : public WorkArea {
public:
    // One 1920 x 1080 screen with a 40-pixel panel at the bottom.
    std::vector<ScreenArea> areas{{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}};

    std::vector<ScreenArea> Screens() const override { return areas; }
};

} // namespace zm
