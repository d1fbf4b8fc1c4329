// Drawing the money charts: MoneyCharts::update for a plot 1000 pixels wide over reports of a
// thousand to ten million payments. The counter peak_extra_MB is how far the process's peak
// memory rose above what it held before the drawings (the report itself is made beforehand).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "chart/money_chart.h"
#include "core/details_text.h"
#include "qt_bench_main.h"

namespace selvane {
namespace {

const CurrencyFormat kUsd{QLocale(QLocale::English, QLocale::UnitedStates)};

// A loan paid down over the rows; a long one runs at a near-zero rate so its balance stays within
// bounds (as in the report benchmarks).
const DetailsReport& report(std::int64_t rows) {
    static std::map<std::int64_t, std::unique_ptr<DetailsReport>> made;
    auto& r = made[rows];
    if (!r) {
        ReportInputs in;
        in.SBAL = 250000;
        in.APR = 5;
        in.RAPR = 5.0625;
        in.PERS = static_cast<double>(rows);
        in.PeriodRate = rows > 360 ? 1e-6 : 0.004124;
        in.PMT = rows > 360 ? 0.2 : 1100.57;
        r = std::make_unique<DetailsReport>();
        DetailsReport::build(in, kUsd, *r);
    }
    return *r;
}

// Kilobytes of a /proc/self/status line ("VmRSS:", "VmHWM:").
long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::strlen(key)));
    return -1;
}

void BM_ChartUpdate(benchmark::State& state) {
    const std::int64_t rows = state.range(0);
    const ChartSource source{&report(rows), false, 12, kUsd};
    MoneyCharts charts;
    // Linux resets the peak to the current size on "5": the peak after the runs is theirs.
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = statusKb("VmRSS:");
    for (auto _ : state) {
        charts.update(source, 1000);
        benchmark::DoNotOptimize(charts.data().balance.data());
    }
    const long peak = statusKb("VmHWM:");
    if (before >= 0 && peak >= 0)
        state.counters["peak_extra_MB"] = static_cast<double>(peak - before) / 1024.0;
    state.counters["points"] = static_cast<double>(charts.data().balance.size());
}
BENCHMARK(BM_ChartUpdate)
    ->Arg(1'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace selvane

int main(int argc, char** argv) {
    // The charts are Qt objects and need an application; no window is shown.
    return runQtBenchmarks(argc, argv, [] {
        // The first drawing loads the fonts, once a process; that is not the charts' cost.
        selvane::MoneyCharts charts;
        charts.update(selvane::ChartSource{&selvane::report(360), false, 12, selvane::kUsd}, 1000);
    });
}
