// The floating clock expands its format four times a second; this measures one expansion of
// typical and worst-case formats.

#include "format/display_format.h"
#include "format/locale_formats.h"
#include "support/fake_clock.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void Expand(benchmark::State& state, const std::string& format) {
    const zm::LocaleDescription locale;
    const zm::EnglishLocaleFormatter formatter;
    const zm::FakeClock clock;
    const zm::DisplayFormatContext context{locale, formatter, clock};
    const zm::DateTime moment = zm::DateTime::FromParts(2024, 3, 5, 15, 4, 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(zm::ExpandDisplayFormat(format, moment, context));
}

void BM_ClockDefaultFormat(benchmark::State& state) {
    Expand(state, "hh:mm:ss tt|");
}
void BM_ClockDateAndTime(benchmark::State& state) {
    Expand(state, "dddd, d MMMM yyyy|HH:mm:ss 'Week' ww @ ZZ gg|");
}
// The longest format the Clock page allows, all codes.
void BM_Clock383Codes(benchmark::State& state) {
    std::string format;
    while (format.size() + 5 <= 383)
        format += "dddd~";
    Expand(state, format);
}

void BM_FormatDayDateTime(benchmark::State& state) {
    zm::LocaleDescription d;
    const zm::LocaleFormats formats(d);
    const zm::DateTime moment = zm::DateTime::FromParts(2024, 3, 5, 15, 4, 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(formats.FormatDayDateTime(moment, false));
}

} // namespace

BENCHMARK(BM_ClockDefaultFormat);
BENCHMARK(BM_ClockDateAndTime);
BENCHMARK(BM_Clock383Codes);
BENCHMARK(BM_FormatDayDateTime);
