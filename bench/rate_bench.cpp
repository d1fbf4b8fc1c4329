// Every pass over a plan of ten million payments, at -0.5 %, -5 %, 0 % and 7.5 % a year: building
// the report (each calculation), the payment table and yearly summary as CSV (the exports), the
// chart's walk and the What If schedule. A pass must cost the same at any rate: at a negative
// rate the balance decays into the smallest doubles, where arithmetic is many times slower, unless
// the passes notice that it has stopped changing. After the runs the slowest rate's time is
// printed over the fastest's.

#include <benchmark/benchmark.h>

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "core/chart_data.h"
#include "core/details_text.h"
#include "core/extra_payments.h"
#include "core/report_export.h"
#include "core/yearly_summary.h"

namespace selvane {
namespace {

constexpr double kPayments = 1e7;
constexpr double kFinanced = 20000;
const CurrencyFormat kUsd{QLocale(QLocale::English, QLocale::UnitedStates)};

// APR in hundredths of a percent, as the benchmark's argument.
double periodRateOf(std::int64_t aprHundredths) {
    return static_cast<double>(aprHundredths) / 100.0 / 100.0 / 12.0;
}

// The level payment that pays the amount off over the payments (at 7.5 % the growth factor
// overflows, so the payment is the first period's interest; at -0.5 % it underflows to nothing).
double paymentOf(double rate) {
    if (rate == 0)
        return kFinanced / kPayments;
    return kFinanced * rate / (1.0 - std::pow(1.0 + rate, -kPayments));
}

const DetailsReport& reportAt(std::int64_t apr) {
    static std::map<std::int64_t, std::unique_ptr<DetailsReport>> made;
    auto& r = made[apr];
    if (!r) {
        ReportInputs in;
        in.SBAL = kFinanced;
        in.PERS = kPayments;
        in.PeriodRate = periodRateOf(apr);
        in.APR = in.RAPR = static_cast<double>(apr) / 100.0;
        in.PMT = paymentOf(in.PeriodRate);
        r = std::make_unique<DetailsReport>();
        if (!DetailsReport::build(in, kUsd, *r))
            std::fprintf(stderr, "rate bench: the report at %lld failed\n",
                         static_cast<long long>(apr));
    }
    return *r;
}

void BM_BuildReport(benchmark::State& state) {
    ReportInputs in;
    in.SBAL = kFinanced;
    in.PERS = kPayments;
    in.PeriodRate = periodRateOf(state.range(0));
    in.PMT = paymentOf(in.PeriodRate);
    DetailsReport r;
    for (auto _ : state)
        benchmark::DoNotOptimize(DetailsReport::build(in, kUsd, r));
}

void BM_PaymentTableCsv(benchmark::State& state) {
    const DetailsReport& r = reportAt(state.range(0));
    for (auto _ : state) {
        size_t bytes = 0;
        writePaymentTableCsv(r, [&bytes](std::string_view piece) {
            bytes += piece.size();
            return true;
        });
        benchmark::DoNotOptimize(bytes);
        state.counters["bytes"] = static_cast<double>(bytes);
    }
}

void BM_YearlyCsv(benchmark::State& state) {
    const DetailsReport& r = reportAt(state.range(0));
    const YearlySummary years(r, 12);
    for (auto _ : state) {
        size_t bytes = 0;
        writeYearlyCsv(years, false, [&bytes](std::string_view piece) {
            bytes += piece.size();
            return true;
        });
        benchmark::DoNotOptimize(bytes);
        state.counters["bytes"] = static_cast<double>(bytes);
    }
}

void BM_ChartWalk(benchmark::State& state) {
    const DetailsReport& r = reportAt(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(chartData(r, false, 12, 1000));
}

// The schedule runs whole: an end amount below zero is never reached by a balance that only
// decays, and at 0 % the plan ends at its last payment. (At 7.5 % a plan of ten million payments
// cannot pay down: its payment is the first period's interest, and it has no schedule.)
void BM_Schedule(benchmark::State& state) {
    const double rate = periodRateOf(state.range(0));
    const Plan plan{kFinanced,
                    rate,
                    paymentOf(rate),
                    state.range(0) < 0 ? -1.0 : 0.0,
                    static_cast<std::int64_t>(kPayments),
                    1};
    for (auto _ : state)
        benchmark::DoNotOptimize(schedule(plan, Extras{}));
}

void rates(benchmark::internal::Benchmark* b) {
    for (const std::int64_t apr : {-50, -500, 0, 750})
        b->Arg(apr);
    b->Unit(benchmark::kMillisecond)->Iterations(3);
}
BENCHMARK(BM_BuildReport)->Apply(rates);
BENCHMARK(BM_PaymentTableCsv)->Apply(rates);
BENCHMARK(BM_YearlyCsv)->Apply(rates);
BENCHMARK(BM_ChartWalk)->Apply(rates);
BENCHMARK(BM_Schedule)->Arg(-50)->Arg(-500)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

// Shows the runs as usual and keeps each pass's time per rate for the summary. The exports write
// more characters at some rates ("-20000.00" where another rate has "0.00"), so their time is
// taken per byte written.
class SpreadReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0)
                continue;
            const std::string name = run.benchmark_name();
            const size_t slash = name.find('/');
            const std::string pass = name.substr(0, slash);
            m_rates[pass][std::stoll(name.substr(slash + 1))] = m_times[pass].size();
            double time = run.real_accumulated_time / static_cast<double>(run.iterations);
            if (const auto bytes = run.counters.find("bytes"); bytes != run.counters.end())
                time /= bytes->second.value;
            m_times[pass].push_back(time);
        }
    }
    // Each pass's slowest rate against 0 %, where no figure comes near the subnormal doubles. (A
    // negative rate may be faster: its rows stop changing, and are not worked out again.)
    void printSpread() const {
        for (const auto& [pass, times] : m_times) {
            const auto at = [&](std::int64_t apr) {
                const auto i = m_rates.at(pass).find(apr);
                return i == m_rates.at(pass).end() ? 0.0 : times[i->second];
            };
            const double slowest = *std::max_element(times.begin(), times.end());
            std::printf("rate independence: %-20s slowest rate / 0 %% = %.2f\n", pass.c_str(),
                        slowest / at(0));
        }
    }

  private:
    std::map<std::string, std::vector<double>> m_times;
    std::map<std::string, std::map<std::int64_t, size_t>> m_rates; // APR -> index in m_times
};

} // namespace
} // namespace selvane

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    selvane::SpreadReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSpread();
    benchmark::Shutdown();
    return 0;
}
