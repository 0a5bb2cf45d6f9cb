// Arbitrary pattern words, parameters, starts and flags, as a damaged or foreign library file
// may hold them: the occurrence and timing functions must neither crash nor step backwards.

#include "model/event_record.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

template <typename T> T Take(const uint8_t*& data, size_t& size) {
    T v{};
    const size_t n = size < sizeof v ? size : sizeof v;
    std::memcpy(&v, data, n);
    data += n;
    size -= n;
    return v;
}

// An instant within the years the library file can hold.
zm::DateTime InstantFrom(uint64_t bits) {
    const int64_t first = zm::DaysFromCivil(100, 1, 1) * zm::kSecondsPerDay;
    const int64_t last = zm::DaysFromCivil(9999, 12, 31) * zm::kSecondsPerDay;
    return zm::DateTime::FromSeconds(first + static_cast<int64_t>(bits % uint64_t(last - first)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zm::EventRecord e;
    e.start = InstantFrom(Take<uint64_t>(data, size));
    e.SetPattern(Take<uint32_t>(data, size), Take<uint32_t>(data, size));
    e.flags |= Take<uint32_t>(data, size) & ~uint32_t{zm::kRecurring};
    e.advance = zm::TimeAmount(Take<uint32_t>(data, size));
    e.duration = zm::TimeAmount(Take<uint32_t>(data, size));
    e.lastShown = InstantFrom(Take<uint64_t>(data, size));
    e.snoozeUntil = InstantFrom(Take<uint64_t>(data, size));
    e.end = InstantFrom(Take<uint64_t>(data, size));
    const zm::WeekSettings week{Take<uint8_t>(data, size), (Take<uint8_t>(data, size) & 1) != 0};
    const zm::DateTime now = InstantFrom(Take<uint64_t>(data, size));

    // Patterns that cannot step fall back to Start, so only the direction of steps and the
    // time of day are checked.
    const zm::DateTime o = e.OccurrenceOnOrAfter(now);
    if (o.SecondsOfDay() != e.start.SecondsOfDay()) std::abort();
    const zm::DateTime next = e.NextOccurrence(o);
    if (next < o) std::abort(); // a step forward went back
    if (e.PreviousOccurrence(o) > o) std::abort();
    (void)e.PeriodLength();
    (void)e.IsDue(now, week);
    (void)e.CurrentOccurrence(now, week);
    (void)e.IsTimeOver(now);
    (void)e.NextReminder(now);
    (void)e.ValidateAdvance(now);
    (void)e.IsStampedInFuture(now, week);
    zm::EventRecord copy = e;
    copy.Accept(now, week, o);
    copy = e;
    copy.Unsnooze(now);
    return 0;
}
