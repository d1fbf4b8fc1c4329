// Check a Lender's Statement: a statement of 10,000 monthly payments read from its CSV text, and
// read and compared with the plan under every convention, as the window does when a file is
// opened. With the plan's own rate every row matches at once; with another rate no convention
// matches the first row, so each day count's rate is found from the first rows and tried again.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "plan/statement.h"

namespace selvane {
namespace {

constexpr int kPayments = 10'000;
constexpr std::int64_t kAmountCents = 100'000'000; // 1,000,000.00
constexpr std::int64_t kPaymentCents = 100'004;    // 1,000.04; the last payment pays the rest
constexpr double kApr = 1.2;

std::string cents(std::int64_t c) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", c < 0 ? "-" : "",
                  static_cast<long long>((c < 0 ? -c : c) / 100),
                  static_cast<long long>((c < 0 ? -c : c) % 100));
    return text;
}

// A lender's statement at 1.2 % on 30/360, each interest rounded half up: a payout row on
// 15 December 1989, then a payment on the 15th of every month from January 1990 (into the 28th
// century: dates to the year 9999 are statements' as well).
std::string statementCsv() {
    std::string csv =
        "Date,Payment,Interest,Principal,Balance\r\n1989-12-15,,,," + cents(kAmountCents) + "\r\n";
    std::int64_t balance = kAmountCents;
    for (int k = 0; k < kPayments; ++k) {
        // A month on 30/360 is 30/360 of a year: the balance times 1.2 % / 12, half up.
        const std::int64_t interest = (balance * 12 + 6'000) / 12'000;
        const std::int64_t payment = k + 1 == kPayments ? balance + interest : kPaymentCents;
        balance += interest - payment;
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-15", 1990 + k / 12, k % 12 + 1);
        csv += std::string(date) + ',' + cents(payment) + ',' + cents(interest) + ',' +
               cents(payment - interest) + ',' + cents(balance) + "\r\n";
    }
    return csv;
}

void BM_ReadStatement(benchmark::State& state) {
    const std::string csv = statementCsv();
    std::string why;
    for (auto _ : state) {
        const auto s = readStatement(csv, why);
        if (!s || s->rows.size() != kPayments)
            state.SkipWithError(why.c_str());
        benchmark::DoNotOptimize(s);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(csv.size()));
}
BENCHMARK(BM_ReadStatement)->Unit(benchmark::kMillisecond);

// Arg 0: the plan's rate is the lender's; 1: the plan's is a quarter point higher.
void BM_ReadAndMatchStatement(benchmark::State& state) {
    const std::string csv = statementCsv();
    StatementPlan plan;
    plan.apr = kApr + (state.range(0) != 0 ? 0.25 : 0);
    plan.periodRate = plan.apr / 1200;
    plan.amount = static_cast<double>(kAmountCents) / 100;
    plan.payment = static_cast<double>(kPaymentCents) / 100;
    std::string why;
    for (auto _ : state) {
        const auto s = readStatement(csv, why);
        if (!s) {
            state.SkipWithError(why.c_str());
            break;
        }
        const StatementMatch m = matchStatement(*s, plan);
        if (m.matched != kPayments || m.apr != kApr)
            state.SkipWithError("the lender's own convention did not match every row");
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_ReadAndMatchStatement)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace selvane
