#include "adapters/qt/qt_locale_names.h"

namespace zm {
namespace {
// Qt numbers the days 1 = Monday ... 7 = Sunday; ours run 1 = Sunday ... 7 = Saturday.
int QtDay(int dow) {
    return dow == 1 ? 7 : dow - 1;
}
} // namespace

std::string QtLocaleNames::LongDayName(int dow) const {
    return dow >= 1 && dow <= 7 ? locale_.dayName(QtDay(dow), QLocale::LongFormat).toStdString()
                                : "";
}
std::string QtLocaleNames::ShortDayName(int dow) const {
    return dow >= 1 && dow <= 7 ? locale_.dayName(QtDay(dow), QLocale::ShortFormat).toStdString()
                                : "";
}
std::string QtLocaleNames::LongMonthName(int m) const {
    return m >= 1 && m <= 12 ? locale_.monthName(m, QLocale::LongFormat).toStdString() : "";
}
std::string QtLocaleNames::ShortMonthName(int m) const {
    return m >= 1 && m <= 12 ? locale_.monthName(m, QLocale::ShortFormat).toStdString() : "";
}

} // namespace zm
