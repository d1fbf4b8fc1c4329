// The balance with extras as the chart draws it: with no extras it is the plan's own balance line
// (the report's), and with them it ends where the extras pay the plan off, at the end amount. How
// a line is cut down to pixel columns is MinMaxDecimator's, tested on its own.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/chart_data.h"
#include "support/report_inputs.h"

namespace selvane {
namespace {

using testing::kUsd;
using testing::reportInputs;

// The same payments with the same balances; `tolerance` allows for the last payment, which the
// schedule ends exactly at the end amount where the report may leave a rounding residue.
void expectSame(const std::vector<ChartPoint>& got, const std::vector<ChartPoint>& want,
                double tolerance) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].payment, want[i].payment) << i;
        EXPECT_NEAR(got[i].value, want[i].value, tolerance) << i;
    }
}

struct Case {
    const char* name;
    double principal, rate, payments, endAmount;
    Extras extras;
    int columns;
};

const Case kCases[] = {
    {"mortgage, extra from the start", 250000, 0.05 / 12, 360, 0, {200, 1, 0, 1}, 500},
    {"mortgage, lump later, few columns", 250000, 0.05 / 12, 360, 0, {0, 1, 5000, 24}, 7},
    {"more columns than payments", 20000, 0.07 / 12, 60, 0, {100, 13, 2000, 30}, 400},
    {"balloon plan", 200000, 0.065 / 12, 120, 60000, {300, 6, 0, 1}, 90},
    {"no interest", 12000, 0, 48, 0, {50, 1, 0, 1}, 13},
    {"lump pays everything at once", 20000, 0.07 / 12, 60, 0, {0, 1, 1e6, 2}, 30},
};

TEST(ExtrasBalancePoints, FollowThePlansBalanceAndEndAtThePayOff) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        ReportInputs in;
        in.SBAL = c.principal;
        in.FBAL = c.endAmount;
        in.PERS = c.payments;
        in.PeriodRate = c.rate;
        const double g = std::pow(1 + c.rate, c.payments);
        in.PMT = c.rate == 0 ? (c.principal - c.endAmount) / c.payments
                             : (c.principal * g - c.endAmount) * c.rate / (g - 1);
        DetailsReport report;
        ASSERT_TRUE(DetailsReport::build(in, kUsd, report));
        ChartSource source;
        source.report = &report;
        source.currency = kUsd;
        source.plan =
            Plan{c.principal, c.rate, in.PMT, c.endAmount, static_cast<std::int64_t>(c.payments)};
        source.extras = Extras{};
        const ChartData d = source.data(c.columns);
        expectSame(d.balanceWithExtras, d.balance, 1e-6);

        // Without extras in the source nothing is walked, and the plan's lines are unchanged.
        source.extras.reset();
        const ChartData plain = source.data(c.columns);
        EXPECT_TRUE(plain.balanceWithExtras.empty());
        expectSame(plain.balance, d.balance, 0);

        source.extras = c.extras;
        const std::vector<ChartPoint> got = source.data(c.columns).balanceWithExtras;
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got.back().payment, schedule(source.plan, c.extras).payments);
        EXPECT_LT(got.back().payment, c.payments);
        EXPECT_EQ(got.back().value, c.endAmount);
    }
}

} // namespace
} // namespace selvane
