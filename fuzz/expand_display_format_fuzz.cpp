// Expands arbitrary bytes as a clock format. The first bytes choose the moment and the current
// UTC time; the rest is the format. Checks that the text never exceeds its limit.

#include "format/conversion_pass.h"
#include "format/display_format.h"
#include "platform/utf8.h"
#include "support/fake_clock.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

uint64_t Take(const uint8_t*& data, size_t& size) {
    uint64_t v = 0;
    const size_t n = size < 8 ? size : 8;
    std::memcpy(&v, data, n);
    data += n;
    size -= n;
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zm;
    const uint64_t a = Take(data, size);
    // Day numbers slightly beyond years 100 to 9999 on both sides, any second of the day.
    const int64_t firstDay = DaysFromCivil(90, 1, 1);
    const int64_t lastDay = DaysFromCivil(10010, 12, 31);
    const int64_t day =
        firstDay + static_cast<int64_t>(a % static_cast<uint64_t>(lastDay - firstDay));
    const int64_t second = static_cast<int64_t>((a >> 40) % kSecondsPerDay);
    const DateTime moment = DateTime::FromSeconds(day * kSecondsPerDay + second);

    static const LocaleDescription locale;
    static const EnglishLocaleFormatter formatter;
    FakeClock clock;
    clock.utc = CivilTime{2024,
                          1,
                          1,
                          static_cast<int>((a >> 20) % 24),
                          static_cast<int>((a >> 26) % 60),
                          static_cast<int>((a >> 32) % 60)};
    clock.zone = "Fuzz Standard Time";
    const DisplayFormatContext context{locale, formatter, clock};

    const std::string_view format(reinterpret_cast<const char*>(data), size);
    const std::string text = ExpandDisplayFormat(format, moment, context);
    if (Utf8Length(text) > kMaxExpandedLength) std::abort();
    return 0;
}
