#include "sound/sound_file_filter.h"

namespace zm {
namespace {

std::string_view NextField(std::string_view& rest) {
    const size_t bar = rest.find('|');
    const std::string_view field = rest.substr(0, bar);
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    return field;
}

} // namespace

std::vector<std::string> FileDialogFilters(std::string_view barSeparated) {
    std::vector<std::string> filters;
    std::string_view rest = barSeparated;
    while (!rest.empty()) {
        std::string_view label = NextField(rest);
        std::string_view patterns = NextField(rest);
        if (label.empty() || patterns.empty()) break;
        // A label that already names its patterns names them in the toolkit's form below.
        if (const size_t open = label.rfind(" (");
            open != std::string_view::npos && label.back() == ')')
            label = label.substr(0, open);
        std::string filter(label);
        filter += " (";
        for (bool first = true; !patterns.empty(); first = false) {
            const size_t semicolon = patterns.find(';');
            std::string_view pattern = patterns.substr(0, semicolon);
            patterns = semicolon == std::string_view::npos ? std::string_view()
                                                           : patterns.substr(semicolon + 1);
            if (!first) filter += ' ';
            filter += pattern == "*.*" ? std::string_view("*") : pattern;
        }
        filter += ')';
        filters.push_back(std::move(filter));
    }
    return filters;
}

} // namespace zm
