#pragma once
// The floating clock's text: the user's format as the clock keeps it, and the text on show,
// which is drawn again only when the expansion for the moment comes out different.

#include <string>
#include <string_view>
#include <vector>

namespace zm {

// The format as the clock keeps it: an empty one shows the words Empty Clock, and a line break
// ("|") is appended, so the text always ends with one (a format ending inside an unclosed quote
// therefore shows a trailing "|").
std::string ClockFormatToKeep(std::string_view userFormat);

// The lines of a text; the line break that ends it starts no line of its own.
std::vector<std::string> ClockLines(std::string_view text);

class ClockText {
public:
    // The text for the moment. True when it differs from the one on show, which it replaces:
    // the clock is measured and drawn again. The first text always differs.
    bool Update(std::string text);
    const std::string& Shown() const { return shown_; }
    // Something besides the text changed (the format, the font): the next text is drawn.
    void Forget() { known_ = false; }

private:
    std::string shown_;
    bool known_ = false;
};

} // namespace zm
