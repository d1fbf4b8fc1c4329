// The payment table and years as CSV, and the chart's data, for long reports.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/chart_data.h"
#include "core/extra_payments.h"
#include "core/file_io.h"
#include "core/report_export.h"
#include "core/workbook_export.h"

namespace selvane {
namespace {

// A long plan whose balance stays within bounds for ten million rows: a near-zero rate.
DetailsReport longReport(std::int64_t rows) {
    ReportInputs in;
    in.SBAL = 250000;
    in.DPMT = 50000;
    in.APR = 5;
    in.PeriodRate = rows > 360 ? 1e-6 : 0.004124;
    in.PMT = rows > 360 ? 0.2 : 1100.57;
    in.PERS = static_cast<double>(rows);
    DetailsReport r;
    DetailsReport::build(in, CurrencyFormat(QLocale(QLocale::English, QLocale::UnitedStates)), r);
    return r;
}

// File > Export Report to a file: formatted, written to a temporary file, synced and renamed.
void BM_ExportPaymentTableCsvFile(benchmark::State& state) {
    const DetailsReport r = longReport(state.range(0));
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath(QStringLiteral("table.csv")).toStdString();
    for (auto _ : state) {
        const bool ok = replaceFileWith(path, [&r](const WritePiece& write) {
                            return writePaymentTableCsv(r, write);
                        }).ok;
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_ExportPaymentTableCsvFile)
    ->Arg(360)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same as an Excel workbook, both sheets: the library's own files, then the safe replacement.
// A sheet holds at most 1,048,574 payments, so the long plan is a million.
void BM_ExportWorkbookFile(benchmark::State& state) {
    const DetailsReport r = longReport(state.range(0));
    const YearlySummary years(r, 12);
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath(QStringLiteral("book.xlsx")).toStdString();
    const CurrencyFormat usd(QLocale(QLocale::English, QLocale::UnitedStates));
    for (auto _ : state)
        benchmark::DoNotOptimize(writeWorkbook(path, r, years, false, usd).ok);
}
BENCHMARK(BM_ExportWorkbookFile)
    ->Arg(360)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ExportYearlyCsv(benchmark::State& state) {
    const DetailsReport r = longReport(state.range(0));
    const YearlySummary years(r, 12);
    for (auto _ : state) {
        size_t bytes = 0;
        writeYearlyCsv(years, false, [&bytes](std::string_view piece) {
            bytes += piece.size();
            return true;
        });
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ExportYearlyCsv)->Arg(360)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The chart's walk over every row, cut down to 1000 pixel columns.
void BM_ChartData(benchmark::State& state) {
    const DetailsReport r = longReport(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(chartData(r, false, 12, 1000));
}
BENCHMARK(BM_ChartData)->Arg(1000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

// One screenful of the yearly table, as the window's view asks for it, deep in a long report.
void BM_YearlyVisibleRows(benchmark::State& state) {
    const DetailsReport r = longReport(state.range(0));
    const YearlySummary years(r, 12);
    for (auto _ : state)
        for (std::int64_t y = years.yearCount() - 30; y <= years.yearCount(); ++y)
            benchmark::DoNotOptimize(years.year(y));
}
BENCHMARK(BM_YearlyVisibleRows)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace selvane
