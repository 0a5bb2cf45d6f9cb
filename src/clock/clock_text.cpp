#include "clock/clock_text.h"

#include "res/strings.h"

namespace zm {

std::string ClockFormatToKeep(std::string_view userFormat) {
    std::string kept = userFormat.empty() ? std::string(LoadString(IDS_CLOCK_EMPTY_FORMAT))
                                          : std::string(userFormat);
    return kept + "|";
}

std::vector<std::string> ClockLines(std::string_view text) {
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    std::vector<std::string> lines;
    size_t from = 0;
    for (;;) {
        const size_t end = text.find('\n', from);
        lines.emplace_back(text.substr(from, end == std::string_view::npos ? end : end - from));
        if (end == std::string_view::npos) return lines;
        from = end + 1;
    }
}

bool ClockText::Update(std::string text) {
    if (known_ && text == shown_) return false;
    shown_ = std::move(text);
    known_ = true;
    return true;
}

} // namespace zm
