// The event library on the real file system: opening a full library, reading every event, and
// adding, modifying and deleting one event, each with its flush to the disk.

#include "bench_folder.h"
#include "store/io/memory_file.h"
#include "store/library/event_library.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace zm {
namespace {

// A folder with a library of `events` one-block events.
class Fixture {
public:
    explicit Fixture(int events) {
        folder_.WriteLibrary("Zantimo.VR0", events, bench::MixedEvent);
        path = folder_.File("Zantimo.VR0");
    }
    std::string path;

private:
    bench::BenchFolder folder_;
};

void BM_OpenFullLibrary(benchmark::State& state) {
    Fixture f(3999);
    for (auto _ : state) {
        EventLibrary lib;
        if (lib.Open(f.path) != LibraryResult::Ok) state.SkipWithError("open failed");
        benchmark::DoNotOptimize(lib.CountEvents());
    }
}
BENCHMARK(BM_OpenFullLibrary);

void BM_ReadEveryEvent(benchmark::State& state) {
    Fixture f(3999);
    EventLibrary lib;
    if (lib.Open(f.path) != LibraryResult::Ok) state.SkipWithError("open failed");
    for (auto _ : state) {
        int read = 0;
        const LibraryResult rc = lib.ForEachEvent([&](uint16_t key) {
            const ReadResult<EventRecord> e = lib.ReadEvent(key);
            read += e.Ok();
            return e.Code();
        });
        if (rc != LibraryResult::Ok || read != 3999)
            state.SkipWithError("not every event was read");
    }
    state.SetItemsProcessed(state.iterations() * 3999);
}
BENCHMARK(BM_ReadEveryEvent)->Unit(benchmark::kMillisecond);

// Each change below runs in a library of 3998 events with one block free.
void BM_AddEvent(benchmark::State& state) {
    Fixture f(3998);
    EventLibrary lib;
    if (lib.Open(f.path) != LibraryResult::Ok) state.SkipWithError("open failed");
    for (auto _ : state) {
        EventRecord e = bench::MixedEvent(7);
        if (lib.AddEvent(e) != LibraryResult::Ok) state.SkipWithError("add failed");
        state.PauseTiming();
        if (lib.DeleteEvent(e.key, e.id) != LibraryResult::Ok) state.SkipWithError("delete failed");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddEvent)->Unit(benchmark::kMicrosecond);

void BM_ModifyEvent(benchmark::State& state) {
    Fixture f(3998);
    EventLibrary lib;
    if (lib.Open(f.path) != LibraryResult::Ok) state.SkipWithError("open failed");
    ReadResult<EventRecord> read = lib.ReadEvent(2000);
    if (!read.Ok()) return state.SkipWithError("read failed");
    EventRecord e = std::move(read).Value();
    for (auto _ : state) {
        e.flags ^= kDisabled;
        if (lib.ModifyEvent(e) != LibraryResult::Ok) state.SkipWithError("modify failed");
    }
}
BENCHMARK(BM_ModifyEvent)->Unit(benchmark::kMicrosecond);

void BM_DeleteEvent(benchmark::State& state) {
    Fixture f(3998);
    EventLibrary lib;
    if (lib.Open(f.path) != LibraryResult::Ok) state.SkipWithError("open failed");
    for (auto _ : state) {
        state.PauseTiming();
        EventRecord e = bench::MixedEvent(9);
        if (lib.AddEvent(e) != LibraryResult::Ok) state.SkipWithError("add failed");
        state.ResumeTiming();
        if (lib.DeleteEvent(e.key, e.id) != LibraryResult::Ok) state.SkipWithError("delete failed");
    }
}
BENCHMARK(BM_DeleteEvent)->Unit(benchmark::kMicrosecond);

void BM_RewriteFirstBlock(benchmark::State& state) {
    Fixture f(3999);
    EventLibrary lib;
    if (lib.Open(f.path) != LibraryResult::Ok) state.SkipWithError("open failed");
    ReadResult<EventRecord> read = lib.ReadEvent(1234);
    if (!read.Ok()) return state.SkipWithError("read failed");
    EventRecord e = std::move(read).Value();
    for (auto _ : state) {
        e.flags ^= kShown;
        if (lib.RewriteFirstBlock(e) != LibraryResult::Ok) state.SkipWithError("rewrite failed");
    }
}
BENCHMARK(BM_RewriteFirstBlock)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zm
