// Building the details report, and producing its whole text, at 360 rows to a million.

#include <benchmark/benchmark.h>

#include "core/details_text.h"

namespace selvane {
namespace {

ReportInputs mortgage(double rows) {
    ReportInputs in;
    in.SBAL = 250000;
    in.DPMT = 50000;
    in.APR = 5;
    in.RAPR = 5.0625;
    in.PeriodRate = 0.004124;
    in.PMT = 1100.57;
    in.PERS = rows;
    if (rows > 360) {
        // A loan paid down over 30 years would overflow if it ran on for a million rows: the
        // long cases are a near-zero rate whose balance stays within bounds.
        in.PeriodRate = 1e-6;
        in.PMT = 0.2;
    }
    return in;
}

const CurrencyFormat kUsd{QLocale(QLocale::English, QLocale::UnitedStates)};

// What ShowDetails does after every calculation.
void BM_ReportBuild(benchmark::State& state) {
    const ReportInputs in = mortgage(static_cast<double>(state.range(0)));
    DetailsReport r;
    for (auto _ : state)
        benchmark::DoNotOptimize(DetailsReport::build(in, kUsd, r));
}
BENCHMARK(BM_ReportBuild)->Arg(360)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// The whole text of every row streamed out, as the command-line dump writes it (to a sink that
// only counts here, so that no allocation of the whole text is measured).
void BM_ReportText(benchmark::State& state) {
    DetailsReport r;
    DetailsReport::build(mortgage(static_cast<double>(state.range(0))), kUsd, r);
    for (auto _ : state) {
        size_t bytes = 0;
        r.writeText([&bytes](std::string_view piece) { bytes += piece.size(); });
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ReportText)->Arg(360)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A screenful of lines anywhere in the report, as the report view paints it.
void BM_ReportVisibleLines(benchmark::State& state) {
    DetailsReport r;
    DetailsReport::build(mortgage(static_cast<double>(state.range(0))), kUsd, r);
    const std::int64_t first = r.lineCount() - 60;
    for (auto _ : state)
        benchmark::DoNotOptimize(r.lines(first, 60));
}
BENCHMARK(BM_ReportVisibleLines)->Arg(360)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace selvane
