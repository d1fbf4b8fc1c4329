// The balance with extras as the chart draws it, against a plain walk of every payment: each
// pixel column of the plan holds the lowest and highest balance of its payments, the line ends
// where the extras pay the plan off, and with no extras it is the plan's own balance line.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/chart_data.h"

namespace selvane {
namespace {

const CurrencyFormat kUsd{QLocale(QLocale::English, QLocale::UnitedStates)};

// A plan and the report of the same loan.
struct Loan {
    Plan plan;
    ReportInputs in;
};

Loan loan(double principal, double ratePerPayment, double payments, double endAmount = 0) {
    ReportInputs in;
    in.SBAL = principal;
    in.FBAL = endAmount;
    in.PERS = payments;
    in.PeriodRate = ratePerPayment;
    const double r = ratePerPayment, g = std::pow(1 + r, payments);
    in.PMT =
        r == 0 ? (principal - endAmount) / payments : (principal * g - endAmount) * r / (g - 1);
    in.APR = in.RAPR = r * 1200;
    return {Plan{principal, r, in.PMT, endAmount, static_cast<std::int64_t>(payments)}, in};
}

// Every balance of the schedule, then each column's lowest and highest (first of equals) in
// payment order; column c of a plan of `rows` payments holds payments past c * rows / columns
// up to (c + 1) * rows / columns.
std::vector<ChartPoint> bruteForce(const Plan& plan, const Extras& x, std::int64_t rows,
                                   int columns) {
    std::vector<double> balance;
    walkSchedule(plan, x, [&](std::int64_t, double b) { balance.push_back(b); });
    const auto walked = static_cast<std::int64_t>(balance.size());
    std::vector<ChartPoint> out;
    for (int c = 0; c < columns; ++c) {
        const auto from =
            static_cast<std::int64_t>(c * static_cast<long double>(rows) / columns) + 1;
        const auto to = std::min(
            walked, static_cast<std::int64_t>((c + 1) * static_cast<long double>(rows) / columns));
        if (from > to)
            continue;
        std::int64_t low = from, high = from;
        for (std::int64_t k = from; k <= to; ++k) {
            if (balance[static_cast<size_t>(k - 1)] < balance[static_cast<size_t>(low - 1)])
                low = k;
            if (balance[static_cast<size_t>(k - 1)] > balance[static_cast<size_t>(high - 1)])
                high = k;
        }
        out.push_back({std::min(low, high), balance[static_cast<size_t>(std::min(low, high) - 1)]});
        if (low != high)
            out.push_back(
                {std::max(low, high), balance[static_cast<size_t>(std::max(low, high) - 1)]});
    }
    return out;
}

// The same payments with the same balances; `tolerance` allows for the last payment, which the
// schedule ends exactly at the end amount where the report may leave a rounding residue.
void expectSame(const std::vector<ChartPoint>& got, const std::vector<ChartPoint>& want,
                double tolerance = 0) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].payment, want[i].payment) << i;
        EXPECT_NEAR(got[i].value, want[i].value, tolerance) << i;
    }
}

struct Case {
    const char* name;
    Loan loan;
    Extras extras;
    int columns;
};

const Case kCases[] = {
    {"mortgage, extra from the start", loan(250000, 0.05 / 12, 360), {200, 1, 0, 1}, 500},
    {"mortgage, lump later, few columns", loan(250000, 0.05 / 12, 360), {0, 1, 5000, 24}, 7},
    {"more columns than payments", loan(20000, 0.07 / 12, 60), {100, 13, 2000, 30}, 400},
    {"balloon plan", loan(200000, 0.065 / 12, 120, 60000), {300, 6, 0, 1}, 90},
    {"no interest", loan(12000, 0, 48), {50, 1, 0, 1}, 13},
    {"lump pays everything at once", loan(20000, 0.07 / 12, 60), {0, 1, 1e6, 2}, 30},
};

TEST(ExtrasBalancePoints, AreEachColumnsExtremesOfAPlainWalk) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const Plan& plan = c.loan.plan;
        const std::int64_t rows = plan.payments;
        const std::vector<ChartPoint> got = extrasBalancePoints(plan, c.extras, rows, c.columns);
        expectSame(got, bruteForce(plan, c.extras, rows, c.columns));
        // The line ends at the payment that pays the plan off, at its end amount.
        const ScheduleTotals s = schedule(plan, c.extras);
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got.back().payment, s.payments);
        EXPECT_LT(s.payments, rows);
        EXPECT_EQ(got.back().value, plan.endAmount);
    }
}

TEST(ExtrasBalancePoints, WithoutExtrasLieOnThePlansBalanceLine) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        DetailsReport report;
        ASSERT_TRUE(DetailsReport::build(c.loan.in, kUsd, report));
        ChartSource source;
        source.report = &report;
        source.currency = kUsd;
        source.plan = c.loan.plan;
        source.extras = Extras{};
        const ChartData d = source.data(c.columns);
        expectSame(d.balanceWithExtras, d.balance, 1e-6);

        // Without extras in the source nothing is walked, and the plan's lines are unchanged.
        source.extras.reset();
        const ChartData plain = source.data(c.columns);
        EXPECT_TRUE(plain.balanceWithExtras.empty());
        expectSame(plain.balance, d.balance);
    }
}

TEST(ExtrasBalancePoints, EmptyPlansGiveNoPoints) {
    Plan none = loan(1000, 0.01, 12).plan;
    none.payments = 0;
    EXPECT_TRUE(extrasBalancePoints(none, {10, 1, 0, 1}, 0, 100).empty());
}

} // namespace
} // namespace selvane
