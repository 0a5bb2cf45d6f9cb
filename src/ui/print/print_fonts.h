#pragma once
// The three print fonts of the settings (header, text, footer), sized in page lengths (tenths of
// a millimetre), and the measures the page layout asks of them.

#include "platform/settings.h"
#include "print/text_measurer.h"

#include <QFont>
#include <QFontMetricsF>
#include <array>
#include <vector>

namespace zm {

class PrintFonts final : public TextMeasurer {
public:
    explicit PrintFonts(const Settings& settings);

    const QFont& Font(FontRole role) const { return fonts_[static_cast<int>(role)]; }
    int Ascent(FontRole role) const;
    int TextWidth(FontRole role, std::string_view text) const override;
    int LineHeight(FontRole role) const override;

private:
    std::array<QFont, 3> fonts_;
    std::vector<QFontMetricsF> metrics_; // by FontRole
};

} // namespace zm
