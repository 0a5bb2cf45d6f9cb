#pragma once
// A clock that says what the test tells it.

#include "platform/clock.h"

namespace zm {

class FakeClock final : public Clock {
public:
    CivilTime local;
    CivilTime utc;
    const char* zone = "UTC";
    CivilTime LocalNow() const override { return local; }
    CivilTime UtcNow() const override { return utc; }
    const char* TimeZoneName() const override { return zone; }
};

} // namespace zm
