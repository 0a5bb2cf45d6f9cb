// The event list over a full library of 3999 events: filling its All view from the library,
// and sorting it anew by a header click, through the table model and its view, offscreen.

#include "../bench_events.h"
#include "list/row_order.h"
#include "store/io/memory_file.h"
#include "store/library/event_library.h"
#include "support/window_fixture.h"
#include "ui/list/event_list_view.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace zm {
namespace {

constexpr int kFullLibrary = 3999;

// Events of every kind of recurrence and several types, some with an age, some accepted.
EventRecord Mixed(int i) {
    EventRecord e = bench::MixedEvent(i);
    e.name = "Event " + std::to_string((i * 7919) % kFullLibrary);
    static const char* const kTypes[] = {"Meeting", "Birthday", "Call", "Payment", "Travel"};
    e.typeName = kTypes[i % 5];
    e.SetFlag(kAge, i % 5 == 4);
    e.SetFlag(kAccepted, i % 10 == 0);
    return e;
}

// A window fixture whose library holds kFullLibrary events.
class FullLibrary {
public:
    FullLibrary() {
        const auto bytes = bench::LibraryBytes(kFullLibrary, Mixed);
        fx.store_.Close();
        fx.fs_.Put("/prog/Zantimo.VR0", *bytes);
        if (fx.store_.OpenDefaultLibrary() != LibraryResult::Ok) std::abort();
    }
    testing::WindowFixture fx;
};

void BM_FillAllView(benchmark::State& state) {
    FullLibrary full;
    EventListView view(full.fx.Context(), full.fx.boxes_);
    for (auto _ : state) {
        view.Refresh(std::nullopt, ViewMode::All);
        if (view.RowCount() != kFullLibrary) state.SkipWithError("not every event is listed");
    }
    state.SetItemsProcessed(state.iterations() * kFullLibrary);
}
BENCHMARK(BM_FillAllView)->Unit(benchmark::kMillisecond);

void BM_SortAllView(benchmark::State& state) {
    FullLibrary full;
    EventListView view(full.fx.Context(), full.fx.boxes_);
    view.Refresh(std::nullopt, ViewMode::All);
    view.selectAll();
    int click = 0;
    for (auto _ : state)
        view.SortByHeader(click++ % kListColumnCount);
    state.SetItemsProcessed(state.iterations() * kFullLibrary);
}
BENCHMARK(BM_SortAllView)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zm

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
