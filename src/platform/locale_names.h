#pragma once
// Day and month names of the user's locale.

#include <string>

namespace zm {

class LocaleNames {
public:
    virtual ~LocaleNames() = default;
    // dow: 1 = Sunday ... 7 = Saturday.
    virtual std::string LongDayName(int dow) const = 0;
    virtual std::string ShortDayName(int dow) const = 0;
    // month: 1 ... 12.
    virtual std::string LongMonthName(int month) const = 0;
    virtual std::string ShortMonthName(int month) const = 0;
};

// English names; the fixture of tests and the fallback where the platform gives none.
class EnglishLocaleNames final : public LocaleNames {
public:
    std::string LongDayName(int dow) const override;
    std::string ShortDayName(int dow) const override;
    std::string LongMonthName(int month) const override;
    std::string ShortMonthName(int month) const override;
};

} // namespace zm
