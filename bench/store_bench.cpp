// The event store: the daily rebuild of the pending list over a full library (walk, read,
// due check at the look-ahead limit), and storing, changing and deleting one event, each with
// its flush to the disk.

#include "bench_folder.h"
#include "store/event_store.h"
#include "store/io/memory_file.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace zm {
namespace {

const DateTime kNow = DateTime::FromParts(2024, 3, 14, 8, 0);

// One-block events of every kind of recurrence, some of them due today.
EventRecord Mixed(int i) {
    EventRecord e = EventRecord::NewEvent(DateTime::FromParts(2024, 1 + i % 12, 1 + i % 28, 8));
    e.name = "Event " + std::to_string(i);
    e.notes = i % 2 ? "Bring the documents." : "";
    e.typeName = i % 3 ? "Meeting" : "Birthday";
    e.advance = TimeAmount::Of(AmountUnit::Minute, 15 * (i % 4));
    switch (i % 6) {
    case 0:
        break;
    case 1:
        e.SetPattern(kKindDaily | kFormByDate, 1 + i % 3);
        break;
    case 2:
        e.SetPattern(kKindWeekly | kFormByDate | kMonday | kThursday, 1 + i % 2);
        break;
    case 3:
        e.SetPattern(kKindMonthly | kFormByDate, (15u << 16) | 1);
        break;
    case 4:
        e.SetPattern(kKindMonthly | kFormByWeekday | kOrdSecond | kThursday, 1);
        break;
    case 5:
        e.SetPattern(kKindYearly | kFormByDate, 1);
        break;
    }
    if (i % 7 == 0) e.StampShown(kNow - DateTimeSpan::Days(1));
    return e;
}

// A program folder with a library of `events` one-block events.
class Folder : public bench::BenchFolder {
public:
    explicit Folder(int events) { WriteLibrary("Zantimo.VR0", events, Mixed); }
};

void BM_DailyRebuildFullLibrary(benchmark::State& state) {
    Folder folder(3999);
    const WeekSettings week{0x3E, state.range(0) != 0}; // Monday to Friday
    EventStore store(StoreSetup{nullptr, [] { return kNow; }, week, folder.Dir()});
    if (store.OpenDefaultLibrary() != LibraryResult::Ok) state.SkipWithError("open failed");
    for (auto _ : state) {
        if (store.ReloadPending() != LibraryResult::Ok) state.SkipWithError("rebuild failed");
        benchmark::DoNotOptimize(store.Pending().Size());
    }
    state.counters["pending"] = static_cast<double>(store.Pending().Size());
}
BENCHMARK(BM_DailyRebuildFullLibrary)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Each iteration stores a new event, changes it and deletes it again: three writes of blocks
// and index, each flushed.
void BM_StoreChangeDelete(benchmark::State& state) {
    Folder folder(3000);
    EventStore store(StoreSetup{nullptr, [] { return kNow; }, {}, folder.Dir()});
    if (store.OpenDefaultLibrary() != LibraryResult::Ok) state.SkipWithError("open failed");
    if (store.RebuildPending() != LibraryResult::Ok) state.SkipWithError("rebuild failed");
    int i = 0;
    for (auto _ : state) {
        EventRecord e = Mixed(i++);
        if (store.StoreNew(e) != LibraryResult::Ok) state.SkipWithError("storeNew failed");
        e.name += " (changed)";
        if (store.StoreChanged(e) != LibraryResult::Ok) state.SkipWithError("storeChanged failed");
        if (store.DeleteStored(e.key, e.id) != LibraryResult::Ok)
            state.SkipWithError("deleteStored failed");
    }
    state.SetItemsProcessed(3 * state.iterations());
}
BENCHMARK(BM_StoreChangeDelete)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zm
