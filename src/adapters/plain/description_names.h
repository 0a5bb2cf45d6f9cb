#pragma once
// Day and month names taken from a locale description.

#include "format/locale_description.h"
#include "platform/locale_names.h"

namespace zm {

class DescriptionLocaleNames final : public LocaleNames {
public:
    explicit DescriptionLocaleNames(LocaleDescription d) : d_(std::move(d)) {}
    std::string LongDayName(int dow) const override {
        return dow >= 1 && dow <= 7 ? d_.longDayNames[dow - 1] : "";
    }
    std::string ShortDayName(int dow) const override {
        return dow >= 1 && dow <= 7 ? d_.shortDayNames[dow - 1] : "";
    }
    std::string LongMonthName(int m) const override {
        return m >= 1 && m <= 12 ? d_.longMonthNames[m - 1] : "";
    }
    std::string ShortMonthName(int m) const override {
        return m >= 1 && m <= 12 ? d_.shortMonthNames[m - 1] : "";
    }

private:
    LocaleDescription d_;
};

} // namespace zm
