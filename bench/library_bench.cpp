// The event library on the real file system: opening a full library, reading every event, and
// adding, modifying and deleting one event, each with its flush to the disk.

#include "bench_folder.h"
#include "store/library/event_library.h"
#include "store/io/memory_file.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace zm {
namespace {


// One-block events of every kind of recurrence.
EventRecord Mixed(int i) {
    EventRecord e = EventRecord::NewEvent(DateTime::FromParts(2024, 1 + i % 12, 1 + i % 28, 8));
    e.Name = "Event " + std::to_string(i);
    e.Notes = i % 2 ? "Bring the documents." : "";
    e.TypeName = i % 3 ? "Meeting" : "Birthday";
    switch (i % 5) {
    case 0:
        break;
    case 1:
        e.SetPattern(kKindDaily | kFormByDate, 1);
        break;
    case 2:
        e.SetPattern(kKindWeekly | kMonday | kThursday, 2);
        break;
    case 3:
        e.SetPattern(kKindMonthly | kFormByDate, (15u << 16) | 1);
        break;
    case 4:
        e.SetPattern(kKindYearly | kFormByDate, 1);
        break;
    }
    return e;
}

// A folder with a library of `events` one-block events.
class Fixture {
public:
    explicit Fixture(int events) {
        folder_.writeLibrary("Zantimo.VR0", events, Mixed);
        path = folder_.file("Zantimo.VR0");
    }
    std::string path;

private:
    bench::BenchFolder folder_;
};

void BM_OpenFullLibrary(benchmark::State& state) {
    Fixture f(3999);
    for (auto _ : state) {
        EventLibrary lib;
        if (lib.open(f.path) != lr::kOk) state.SkipWithError("open failed");
        benchmark::DoNotOptimize(lib.countEvents());
    }
}
BENCHMARK(BM_OpenFullLibrary);

void BM_ReadEveryEvent(benchmark::State& state) {
    Fixture f(3999);
    EventLibrary lib;
    if (lib.open(f.path) != lr::kOk) state.SkipWithError("open failed");
    for (auto _ : state) {
        int read = 0;
        lib.forEachEvent([&](uint16_t key) {
            EventRecord e = EventRecord::ForKey(key);
            const LibraryResult rc = lib.readEvent(e);
            read += rc == lr::kOk;
            return rc;
        });
        if (read != 3999) state.SkipWithError("not every event was read");
    }
    state.SetItemsProcessed(state.iterations() * 3999);
}
BENCHMARK(BM_ReadEveryEvent)->Unit(benchmark::kMillisecond);

// Each change below runs in a library of 3998 events with one block free.
void BM_AddEvent(benchmark::State& state) {
    Fixture f(3998);
    EventLibrary lib;
    if (lib.open(f.path) != lr::kOk) state.SkipWithError("open failed");
    for (auto _ : state) {
        EventRecord e = Mixed(7);
        if (lib.addEvent(e) != lr::kOk) state.SkipWithError("add failed");
        state.PauseTiming();
        lib.deleteEvent(e.Key);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddEvent)->Unit(benchmark::kMicrosecond);

void BM_ModifyEvent(benchmark::State& state) {
    Fixture f(3998);
    EventLibrary lib;
    if (lib.open(f.path) != lr::kOk) state.SkipWithError("open failed");
    EventRecord e = EventRecord::ForKey(2000);
    lib.readEvent(e);
    for (auto _ : state) {
        e.Flags ^= kDisabled;
        if (lib.modifyEvent(e) != lr::kOk) state.SkipWithError("modify failed");
    }
}
BENCHMARK(BM_ModifyEvent)->Unit(benchmark::kMicrosecond);

void BM_DeleteEvent(benchmark::State& state) {
    Fixture f(3998);
    EventLibrary lib;
    if (lib.open(f.path) != lr::kOk) state.SkipWithError("open failed");
    for (auto _ : state) {
        state.PauseTiming();
        EventRecord e = Mixed(9);
        lib.addEvent(e);
        state.ResumeTiming();
        if (lib.deleteEvent(e.Key) != lr::kOk) state.SkipWithError("delete failed");
    }
}
BENCHMARK(BM_DeleteEvent)->Unit(benchmark::kMicrosecond);

void BM_RewriteFirstBlock(benchmark::State& state) {
    Fixture f(3999);
    EventLibrary lib;
    if (lib.open(f.path) != lr::kOk) state.SkipWithError("open failed");
    EventRecord e = EventRecord::ForKey(1234);
    lib.readEvent(e);
    for (auto _ : state) {
        e.Flags ^= kShown;
        if (lib.rewriteFirstBlock(e) != lr::kOk) state.SkipWithError("rewrite failed");
    }
}
BENCHMARK(BM_RewriteFirstBlock)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zm
