// What If: the schedule with extras (recomputed on every change of an input) and Find the Rate.

#include <benchmark/benchmark.h>

#include "core/extra_payments.h"
#include "core/rate_search.h"

namespace selvane {
namespace {

// A 360-payment mortgage and a ten-million-payment plan, each with an extra amount every payment
// and a one-time amount; the long one's extras are too small to end it early, so it runs whole.
void BM_ExtraScheduleWithExtras(benchmark::State& state) {
    const bool longPlan = state.range(0) > 360;
    const Plan plan{200000, longPlan ? 1e-9 : 0.004124, longPlan ? 0.01 : 1100.57, 0,
                    state.range(0)};
    const Extras x = longPlan ? Extras{0.0001, 1, 1.0, 24} : Extras{200.0, 1, 5000.0, 24};
    for (auto _ : state)
        benchmark::DoNotOptimize(schedule(plan, x));
}
BENCHMARK(BM_ExtraScheduleWithExtras)->Arg(360)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);

using K = PaymentQuestion::Kind;

struct RateCase {
    PaymentQuestion q;
    double payment;
};

// Typical offers: a 30-year mortgage, a lease with tax, a savings plan, a biweekly plan of 10,000
// payments at a high rate, and a plan that needs a negative rate.
const RateCase kCases[] = {
    {{K::Loan, 360, 250000, 50000, 0, 0, 1, 1}, 1073.64},
    {{K::Lease, 36, 30000, 0, 12000, 5, 1, 1}, 530.31},
    {{K::Investment, 120, 1000, 0, 50000, 0, 1, 1}, 300},
    {{K::Loan, 10000, 150000, 0, 0, 0, 12 / 365.25, 365.25 / 168}, 2500},
    {{K::Loan, 60, 20000, 0, 0, 0, 1, 1}, 330},
};

void BM_FindRate(benchmark::State& state) {
    const RateCase& c = kCases[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(findRate(c.q, c.payment));
}
BENCHMARK(BM_FindRate)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// The longest search: no rate exists, so every step on both sides is tried.
void BM_FindRateNone(benchmark::State& state) {
    const PaymentQuestion q{K::Loan, 60, 20000, 0, 0, 0, 1, 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(findRate(q, 1));
}
BENCHMARK(BM_FindRateNone)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace selvane
