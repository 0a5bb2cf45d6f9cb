// Import of a 3999-record CSV file into an empty library, and export of a full library, on the
// real file system. The import is measured twice: as it runs (in batches, each flushed and
// committed through the library's journal) and with the flushes left out, which tells how much
// of it is flushing.

#include "bench_folder.h"
#include "format/locale_description.h"
#include "platform/memory_settings.h"
#include "platform/settings.h"
#include "store/io/memory_file.h"
#include "store/io/posix_file.h"
#include "store/io/store_file_system.h"
#include "store/library/event_library.h"
#include "store/library/index_journal.h"
#include "store/text_import.h"
#include "store/transfer/text_export.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace zm {
namespace {

constexpr int kEvents = 3999;

LocaleDescription EnglishUs() {
    LocaleDescription d;
    d.dateSeparator.assign(1, '/');
    d.compactDateSeparator = d.dateSeparator;
    d.timeSeparator.assign(1, ':');
    d.compactTimeSeparator = d.timeSeparator;
    return d;
}

EventRecord Sample(int i) {
    EventRecord e;
    e.start = DateTime::FromParts(2020 + i % 10, 1 + i % 12, 1 + i % 28, i % 24, i % 60);
    e.name = "Event " + std::to_string(i);
    e.notes = i % 2 ? "Bring the documents, \"signed\"." : "";
    e.typeName = i % 3 ? "Meeting" : "Birthday";
    e.duration = TimeAmount::Of(static_cast<AmountUnit>(i % 3), 1 + static_cast<uint32_t>(i % 50));
    return e;
}

// A file that keeps everything but its flushes.
class NoFlushFile final : public File {
public:
    explicit NoFlushFile(std::unique_ptr<File> inner) : inner_(std::move(inner)) {}
    LibraryResult ReadAt(uint64_t o, void* d, size_t n) override { return inner_->ReadAt(o, d, n); }
    LibraryResult WriteAt(uint64_t o, const void* d, size_t n) override {
        return inner_->WriteAt(o, d, n);
    }
    LibraryResult Size(uint64_t& s) override { return inner_->Size(s); }
    LibraryResult Flush() override { return LibraryResult::Ok; }

private:
    std::unique_ptr<File> inner_;
};

// A folder with a full library and the CSV file of its events.
class Fixture {
public:
    PosixFileSystem files;
    Fixture() {
        library = folder_.File("Zantimo.VR0");
        csv = folder_.File("events.csv");
        target = folder_.File("Target.VR0");
        exported = folder_.File("exported.csv");
        EventLibrary lib;
        keys = folder_.WriteLibrary("Zantimo.VR0", kEvents, Sample, &lib);
        LibraryExportSource source(lib);
        TextExportOptions options;
        options.locale = EnglishUs();
        if (ExportTextFile(files, csv, keys, source, options).code != LibraryResult::Ok)
            std::abort();
    }
    std::string library, csv, target, exported;
    std::vector<uint16_t> keys;

private:
    bench::BenchFolder folder_;
};

TextImportOptions CsvImport() {
    TextImportOptions o;
    o.rules.locale = EnglishUs();
    return o;
}

void ImportInto(benchmark::State& state, Fixture& f, bool flush) {
    state.PauseTiming();
    EventLibrary lib;
    FileFailure failure;
    auto file = PosixFile::Open(f.target, FileMode::Create, failure);
    if (!file) state.SkipWithError("cannot create the library");
    std::unique_ptr<File> used = std::move(file);
    if (!flush) used = std::make_unique<NoFlushFile>(std::move(used));
    if (lib.CreateFile(std::move(used), std::make_unique<FolderJournal>(f.files, f.target)) !=
        LibraryResult::Ok)
        state.SkipWithError("create failed");
    MemorySettings settings;
    LibraryImportTarget target(lib);
    state.ResumeTiming();
    const TextImportResult r = ImportTextFile(f.files, f.csv, CsvImport(), target,
                                              DateTime::FromParts(2024, 3, 5, 10), settings);
    if (r.code != LibraryResult::Ok || r.imported != kEvents) state.SkipWithError("import failed");
    state.PauseTiming();
    lib.Close();
    state.ResumeTiming();
}

void BM_ImportCsv3999(benchmark::State& state) {
    Fixture f;
    for (auto _ : state)
        ImportInto(state, f, true);
    state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(BM_ImportCsv3999)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImportCsv3999WithoutFlushing(benchmark::State& state) {
    Fixture f;
    for (auto _ : state)
        ImportInto(state, f, false);
    state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(BM_ImportCsv3999WithoutFlushing)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportFullLibraryToCsv(benchmark::State& state) {
    Fixture f;
    EventLibrary lib;
    if (lib.Open(f.library) != LibraryResult::Ok) state.SkipWithError("open failed");
    LibraryExportSource source(lib);
    TextExportOptions options;
    options.locale = EnglishUs();
    for (auto _ : state) {
        const TransferResult r = ExportTextFile(f.files, f.exported, f.keys, source, options);
        if (r.code != LibraryResult::Ok || r.events != kEvents)
            state.SkipWithError("export failed");
    }
    state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(BM_ExportFullLibraryToCsv)->Unit(benchmark::kMillisecond);

void BM_ExportFullLibraryToEventFile(benchmark::State& state) {
    Fixture f;
    EventLibrary lib;
    if (lib.Open(f.library) != LibraryResult::Ok) state.SkipWithError("open failed");
    LibraryExportSource source(lib);
    for (auto _ : state) {
        const TransferResult r = ExportEventFile(f.files, f.target, f.keys, source);
        if (r.code != LibraryResult::Ok || r.events != kEvents)
            state.SkipWithError("export failed");
    }
    state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(BM_ExportFullLibraryToEventFile)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace zm
