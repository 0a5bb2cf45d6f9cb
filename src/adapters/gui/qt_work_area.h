#pragma once
// The screens and work areas as Qt reports them.

#include "platform/work_area.h"

namespace zm {

class QtWorkArea final : public WorkArea {
public:
    std::vector<ScreenArea> Screens() const override;
};

} // namespace zm
