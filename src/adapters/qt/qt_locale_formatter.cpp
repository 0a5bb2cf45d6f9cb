#include "adapters/qt/qt_locale_formatter.h"

namespace zm {

std::optional<std::string> QtLocaleFormatter::FormatDate(std::string_view picture,
                                                         const CivilTime& moment) const {
    if (!IsRunOf(picture, 'g') || locale_.language() != QLocale::English) return std::nullopt;
    return std::string(moment.year > 0 ? "A.D." : "B.C.");
}

std::optional<std::string> QtLocaleFormatter::FormatTime(std::string_view picture,
                                                         const CivilTime& moment) const {
    if (!IsRunOf(picture, 't')) return std::nullopt;
    const QString text = moment.hour < 12 ? locale_.amText() : locale_.pmText();
    if (text.isEmpty()) return std::string();
    if (picture.size() > 1) return text.toStdString();
    // The first character, whole even when it takes two UTF-16 units.
    return text.left(text.at(0).isHighSurrogate() ? 2 : 1).toStdString();
}

} // namespace zm
