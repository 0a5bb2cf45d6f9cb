#include "platform/clock.h"

#include <algorithm>
#include <ctime>

namespace zm {
namespace {
// A leap second (tm_sec 60) reads as the second before it: no instant has a 61st second.
CivilTime FromTm(const std::tm& t) {
    const int second = std::min(t.tm_sec, 59);
    return CivilTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, second};
}
} // namespace

CivilTime SystemClock::LocalNow() const {
    std::time_t now = std::time(nullptr);
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &now);
#else
    localtime_r(&now, &t);
#endif
    return FromTm(t);
}

CivilTime SystemClock::UtcNow() const {
    std::time_t now = std::time(nullptr);
    std::tm t{};
#ifdef _WIN32
    gmtime_s(&t, &now);
#else
    gmtime_r(&now, &t);
#endif
    return FromTm(t);
}

const char* SystemClock::TimeZoneName() const {
    std::time_t now = std::time(nullptr);
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &now);
    return _tzname[t.tm_isdst > 0 ? 1 : 0];
#else
    localtime_r(&now, &t);
    tzset();
    return tzname[t.tm_isdst > 0 ? 1 : 0];
#endif
}

} // namespace zm
