#pragma once
// The era and AM/PM texts of the user's locale, from QLocale.

#include "platform/locale_formatter.h"

#include <QLocale>

namespace zm {

// AM/PM: "t" gives the first character of the locale's AM or PM text, "tt" and longer the whole
// text. Era: QLocale knows no era names, so only English locales answer ("A.D."); elsewhere the
// formatter fails and the clock shows the code's own letters.
class QtLocaleFormatter final : public LocaleFormatter {
public:
    explicit QtLocaleFormatter(QLocale locale = QLocale()) : locale_(std::move(locale)) {}
    std::optional<std::string> FormatDate(std::string_view picture,
                                          const CivilTime& moment) const override;
    std::optional<std::string> FormatTime(std::string_view picture,
                                          const CivilTime& moment) const override;

private:
    QLocale locale_;
};

} // namespace zm
