// Compare Offers: every figure of ten offers, both rates of each, the marks and when each costs
// less than another for good, as the window works them out after an edit.

#include <benchmark/benchmark.h>

#include "plan/offers.h"

namespace selvane {
namespace {

// Ten 30-year offers of each payment period and compounding, with fees of every kind.
std::vector<Offer> tenOffers() {
    std::vector<Offer> offers;
    for (int i = 0; i < 10; ++i) {
        Offer o;
        o.name = "Offer" + std::to_string(i + 1);
        o.amount = 250'000;
        o.apr = 3.5 + 0.15 * i;
        o.period = static_cast<PaymentPeriod>(i % 3);
        o.compound = static_cast<CompoundPeriod>(i % 4);
        o.payments = 30 * unitPeriodsPerYear(o.period);
        o.balloon = i % 2 ? 20'000 : 0;
        o.upfront = 500.0 * i;
        o.added = 300.0 * (i % 3);
        o.fee = i % 2 ? 4 : 0;
        offers.push_back(o);
    }
    return offers;
}

void BM_TenOffers(benchmark::State& state) {
    const bool pairs = state.range(0) != 0;
    const std::vector<Offer> offers = tenOffers();
    for (auto _ : state) {
        OfferBook book;
        for (const Offer& o : offers)
            book.put(o);
        benchmark::DoNotOptimize(book.rows());
        if (pairs)
            for (std::size_t i = 0; i < offers.size(); ++i)
                for (std::size_t j = 0; j < offers.size(); ++j)
                    benchmark::DoNotOptimize(book.evenAfter(i, j));
    }
}
BENCHMARK(BM_TenOffers)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace selvane
