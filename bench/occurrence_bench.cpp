// Occurrence and due-check cost per pattern form, with Start 1 year and 40 years before the
// instants asked about: the cost must not grow with the distance.

#include "model/event_record.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {
using namespace zm;

constexpr uint32_t kForms[][2] = {
    {kFormByDate | kKindDaily, 3},
    {kFormByDate | kKindWeekly | kMonday | kThursday, 2},
    {kFormByDate | kKindMonthly, 31u << 16 | 1},
    {kFormByWeekday | kKindMonthly | kOrdLast | kFriday, 1},
    {kFormByDate | kKindYearly, 1},
    {kFormByWeekday | kKindYearly | kOrdThird | kTuesday, 12},
};
constexpr const char* kFormNames[] = {"daily",       "weekly",     "monthly_day",
                                      "monthly_nth", "yearly_day", "yearly_nth"};

// 64 instants spread over the year 2024, so each call asks a different question.
std::array<DateTime, 64> Queries() {
    std::array<DateTime, 64> q{};
    const DateTime base = DateTime::FromParts(2024, 1, 3, 10, 0, 0);
    for (size_t i = 0; i < q.size(); ++i)
        q[i] = base + DateTimeSpan::Seconds(static_cast<int64_t>(i) * 5 * 86400 + 3671 * i);
    return q;
}

EventRecord MakeEvent(int form, int yearsBack) {
    EventRecord e;
    e.start = DateTime::FromParts(2024 - yearsBack, 1, 2, 9, 0, 0);
    e.SetPattern(kForms[form][0], kForms[form][1]);
    e.advance = TimeAmount::Of(AmountUnit::Minute, 15);
    e.StampShown(e.start);
    return e;
}

void BM_OccurrenceOnOrAfter(benchmark::State& state) {
    const EventRecord e =
        MakeEvent(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto q = Queries();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(e.OccurrenceOnOrAfter(q[i++ & 63]));
    state.SetLabel(kFormNames[state.range(0)]);
}

void BM_NextOccurrence(benchmark::State& state) {
    const EventRecord e =
        MakeEvent(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    auto q = Queries();
    for (DateTime& x : q)
        x = e.OccurrenceOnOrAfter(x);
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(e.NextOccurrence(q[i++ & 63]));
    state.SetLabel(kFormNames[state.range(0)]);
}

void BM_IsDue(benchmark::State& state) {
    const EventRecord e =
        MakeEvent(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const WeekSettings week{0x3E, true};
    const auto q = Queries();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(e.IsDue(q[i++ & 63], week));
    state.SetLabel(kFormNames[state.range(0)]);
}

// Arguments: form, years from Start to the queries.
void Forms(benchmark::internal::Benchmark* b) {
    for (int form = 0; form < 6; ++form)
        for (int years : {1, 40})
            b->Args({form, years});
}

BENCHMARK(BM_OccurrenceOnOrAfter)->Apply(Forms);
BENCHMARK(BM_NextOccurrence)->Apply(Forms);
BENCHMARK(BM_IsDue)->Apply(Forms);

} // namespace
