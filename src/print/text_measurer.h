#pragma once
// What the page layout asks of the printer's fonts: the width of a text and the height of a
// line in each of the three print fonts, in page lengths (tenths of a millimetre).

#include <string_view>

namespace zm {

enum class FontRole { Header, Text, Footer };

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int TextWidth(FontRole role, std::string_view text) const = 0;
    virtual int LineHeight(FontRole role) const = 0;
};

} // namespace zm
