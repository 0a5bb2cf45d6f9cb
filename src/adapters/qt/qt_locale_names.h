#pragma once
// Day and month names of the user's locale, from QLocale.

#include "platform/locale_names.h"

#include <QLocale>

namespace zm {

class QtLocaleNames final : public LocaleNames {
public:
    explicit QtLocaleNames(QLocale locale = QLocale()) : locale_(std::move(locale)) {}
    std::string LongDayName(int dow) const override;
    std::string ShortDayName(int dow) const override;
    std::string LongMonthName(int month) const override;
    std::string ShortMonthName(int month) const override;

private:
    QLocale locale_;
};

} // namespace zm
