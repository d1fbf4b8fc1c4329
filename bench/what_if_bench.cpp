// What If: the schedule with extras (recomputed on every change of an input) and Find the Rate.

#include <benchmark/benchmark.h>

#include <cmath>

#include "core/extra_payments.h"
#include "core/rate_search.h"
#include "plan/dated_schedule.h"
#include "plan/timeline.h"

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

// The timeline's figures (its schedule, the plan's own, and the three shocks'), as the window
// asks for them after a change of events: a 30-year monthly mortgage with 20 events of every
// kind, and a 1,000,000-payment plan with 100.
void BM_TimelineFigures(benchmark::State& state) {
    const std::int64_t n = state.range(0), events = state.range(1);
    // The long plan's rate and amounts are small enough that it runs to its last payment.
    const bool longPlan = n > 360;
    const double apr = longPlan ? 1.2e-6 : 5.07, scale = longPlan ? 1e-5 : 1;
    const double r = longPlan ? 1e-9 : 0.004124;
    SolvedPlan p{{200000, r, 0, 0, n}, apr, 1};
    p.plan.payment = 200000 * r / (1 - std::pow(1 + r, -static_cast<double>(n)));
    Timeline t;
    const std::int64_t gap = n / (events + 1);
    for (std::int64_t i = 1; i <= events; ++i) {
        const std::int64_t at = i * gap;
        switch (i % 4) {
        case 0:
            t.add({TimelineEvent::Kind::Rate, apr * (1 + static_cast<double>(i % 7) / 20), at, 0, 1,
                   1, true, i % 8 == 0});
            break;
        case 1:
            t.add({TimelineEvent::Kind::Extra, 50 * scale, at, at + gap / 2, 1 + i % 12});
            break;
        case 2:
            t.add({TimelineEvent::Kind::Lump, 1000 * scale, at});
            break;
        default:
            t.add({TimelineEvent::Kind::Holiday, 0, at, 0, 1, 3, i % 2 == 0, true});
        }
    }
    const TimelineFigures f = timelineFigures(p, t, CurrencyFormat(), asWritten);
    state.counters["payments"] = static_cast<double>(f.payments);
    for (auto _ : state)
        benchmark::DoNotOptimize(timelineFigures(p, t, CurrencyFormat(), asWritten));
}
BENCHMARK(BM_TimelineFigures)
    ->Args({360, 20})
    ->Args({1'000'000, 100})
    ->Unit(benchmark::kMillisecond);

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

// The dated schedule under each basis (periodic, 30/360, actual/365, actual/360, actual/actual),
// without rounding and to the cent: worked out (every row walked, its calendar years summed), as
// after every change of the plan or its dates (second argument 0); and every row given again, as
// the Schedule window's table and an export read them (1). Dates end in 9999, so the longest
// dated schedule is biweekly from 1 January of the year 1: 260,000 payments. The APR charges a
// little more than the plan's rate, so that every basis runs to the last payment; the counter is
// the time per million rows.
void BM_DatedSchedule(benchmark::State& state) {
    const auto basis = static_cast<DayCount>(state.range(0) % 5);
    const bool cents = state.range(0) >= 5, rows = state.range(1) != 0;
    const std::int64_t n = 260'000;
    const double r = 0.0002;
    Plan plan{100'000'000, r, 0, 0, n, 365.25 / 168};
    plan.payment = plan.amountFinanced * r / (1 - std::pow(1 + r, -static_cast<double>(n)));
    const DatedPlan p{plan,  PaymentDates({1, 1, 1}, std::nullopt, PaymentPeriod::Biweekly),
                      basis, cents,
                      0.6,   std::round(plan.payment * 100) / 100};
    const std::optional<DatedSchedule> s = DatedSchedule::of(p);
    for (auto _ : state) {
        if (rows) {
            double sum = 0;
            s->forEachRow(1, s->payments(), [&](const DatedRow& row) { sum += row.interest; });
            benchmark::DoNotOptimize(sum);
        } else {
            benchmark::DoNotOptimize(DatedSchedule::of(p));
        }
    }
    state.counters["rows"] = static_cast<double>(s->payments());
    state.counters["secondsPerMillionRows"] = benchmark::Counter(
        static_cast<double>(s->payments()) / 1e6,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DatedSchedule)
    ->ArgsProduct({{0, 1, 2, 3, 4, 7, 9}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace selvane
