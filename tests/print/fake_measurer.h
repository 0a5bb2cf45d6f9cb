#pragma once
// A measurer with fixed sizes: every character 10 units wide; lines of 50 (header), 40 (text)
// and 30 (footer) units.

#include "print/text_measurer.h"

namespace zm {

class FakeMeasurer final : public TextMeasurer {
public:
    int TextWidth(FontRole, std::string_view text) const override {
        return 10 * static_cast<int>(text.size());
    }
    int LineHeight(FontRole role) const override {
        return role == FontRole::Header ? 50 : role == FontRole::Text ? 40 : 30;
    }
};

} // namespace zm
