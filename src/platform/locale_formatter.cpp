#include "platform/locale_formatter.h"

namespace zm {

bool IsRunOf(std::string_view picture, char letter) {
    if (picture.empty()) return false;
    for (char c : picture)
        if (c != letter) return false;
    return true;
}

std::optional<std::string> EnglishLocaleFormatter::FormatDate(std::string_view picture,
                                                              const CivilTime& moment) const {
    if (!IsRunOf(picture, 'g')) return std::nullopt;
    return std::string(moment.year > 0 ? "A.D." : "B.C.");
}

std::optional<std::string> EnglishLocaleFormatter::FormatTime(std::string_view picture,
                                                              const CivilTime& moment) const {
    if (!IsRunOf(picture, 't')) return std::nullopt;
    const char* text = moment.hour < 12 ? "AM" : "PM";
    return picture.size() == 1 ? std::string(text, 1) : std::string(text);
}

} // namespace zm
