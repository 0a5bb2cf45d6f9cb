// The reminder scheduler: the due check over a pending list of 200 events, and one whole tick
// (the due check, the daily rebuild's day check and the next-due shot armed again).

#include "support/event_builders.h"
#include "support/scheduler_fixture.h"

#include <benchmark/benchmark.h>

namespace zm {
namespace {
using namespace testing;

const DateTime kNow = At(2024, 3, 14, 8, 0); // a Thursday

// An event of every kind of recurrence whose reminder falls later today.
EventRecord Today(int i) {
    const DateTime at = kNow + DateTimeSpan::Minutes(60 + (i * 7) % 840);
    const int advance = 15 * (i % 3);
    switch (i % 7) {
    case 0:
        return OneTime(at, advance);
    case 1:
        return Recurring(kDaily, 1, at - DateTimeSpan::Days(10), advance);
    case 2:
        return Recurring(kWeekly | kThursday | kMonday, 1, at - DateTimeSpan::Days(7), advance);
    case 3:
        return Recurring(kMonthlyDay, MonthlyParam(14, 1), at - DateTimeSpan::Days(29), advance);
    case 4:
        return Recurring(kMonthlyNth | kOrdSecond | kThursday, MonthlyParam(14, 1), at, advance);
    case 5:
        return Recurring(kYearlyDate, 1, at - DateTimeSpan::Days(366), advance); // 14 March 2023
    default:
        return Recurring(kYearlyNth | kOrdSecond | kThursday, 12, at, advance);
    }
}

// A running scheduler past its start-up delay with 200 pending events, none due yet.
class Ticking {
public:
    explicit Ticking(benchmark::State& state) : rig(kNow) {
        for (int i = 0; i < 200; ++i) {
            EventRecord e = Today(i);
            e.StampShown(kNow - DateTimeSpan::Hours(12));
            if (rig.Store().StoreNew(e) != LibraryResult::Ok) state.SkipWithError("store failed");
        }
        if (rig.Start() != LibraryResult::Ok) state.SkipWithError("start failed");
        rig.timeline.RunFor(60'000);
        if (rig.Store().Pending().Size() != 200) state.SkipWithError("not all pending");
    }
    SchedulerRig rig;
};

void BM_DueCheck200Pending(benchmark::State& state) {
    Ticking program(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(program.rig.Store().DueReminders());
}
BENCHMARK(BM_DueCheck200Pending)->Unit(benchmark::kMicrosecond);

void BM_WholeTick200Pending(benchmark::State& state) {
    Ticking program(state);
    for (auto _ : state)
        program.rig.Sched().Tick();
    if (!program.rig.presenter.presented.empty()) state.SkipWithError("a reminder was due");
}
BENCHMARK(BM_WholeTick200Pending)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zm
