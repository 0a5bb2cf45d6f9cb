// Printing a full list of 3999 rows, half of them with two lines of notes, on A4: laying the job
// out (fonts, columns, wrapped notes, pagination) and writing every page to a PDF file.

#include "platform/memory_settings.h"
#include "support/temp_folder.h"
#include "ui/print/print_job.h"

#include <QApplication>
#include <QPrinter>
#include <benchmark/benchmark.h>

namespace zm {
namespace {

constexpr int kFullList = 3999;
constexpr PaperGeometry kA4{{0, 0, 2100, 2970}, {0, 0, 2100, 2970}};

std::shared_ptr<const PrintSource> FullList() {
    auto source = std::make_shared<PrintSource>();
    for (int i = 0; i < kFullList; ++i) {
        PrintRow row;
        row.cells = {"Event " + std::to_string(i),
                     "Mon 7 12 2026 10:00",
                     "30 minutes",
                     i % 4 ? "" : "36",
                     "Meeting",
                     i % 3 ? "" : "Every Monday"};
        if (i % 2)
            row.notes = "Bring the documents for the quarterly review, the new budget figures "
                        "and the list of questions from the last meeting; book the room.";
        row.colour = 0x0000C0;
        source->rows.push_back(std::move(row));
    }
    source->timeSpan = "All events";
    source->date = "Monday, 7 December 2026";
    return source;
}

void BM_LayOut(benchmark::State& state) {
    const auto source = FullList();
    MemorySettings settings;
    int pages = 0;
    for (auto _ : state)
        pages = PrintDocument(source, settings, true, kA4, false).PageCount();
    state.counters["pages"] = pages;
}
BENCHMARK(BM_LayOut)->Unit(benchmark::kMillisecond);

void BM_PrintToPdf(benchmark::State& state) {
    const auto source = FullList();
    MemorySettings settings;
    const testing::TempFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(QString::fromStdString(folder.File("list.pdf")));
    const PrintDocument document(source, settings, true, kA4, false);
    for (auto _ : state)
        if (PrintPages(document, printer, 1, document.PageCount()) != PrintResult::Printed)
            state.SkipWithError("not printed");
    state.counters["pages"] = document.PageCount();
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zm

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
