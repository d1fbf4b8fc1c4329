// The balance with extras as the chart draws it: with no extras it is the plan's own balance line
// (the report's), and with them it ends where the extras pay the plan off, at the end amount. How
// a line is cut down to pixel columns is MinMaxDecimator's, tested on its own.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/chart_data.h"
#include "support/case_table.h"
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

// The cases are in tests/data/extras_chart_cases.csv: plans, their extras and the columns drawn.
TEST(ExtrasBalancePoints, FollowThePlansBalanceAndEndAtThePayOff) {
    for (const testing::CaseRow& c : testing::readCases("extras_chart_cases.csv")) {
        SCOPED_TRACE(c.line);
        const double principal = c.number("principal"), rate = c.number("rate"),
                     payments = c.number("payments"), endAmount = c.number("end_amount");
        const Extras extras{c.number("extra"), static_cast<std::int64_t>(c.number("from")),
                            c.number("lump"), static_cast<std::int64_t>(c.number("at"))};
        const int columns = static_cast<int>(c.number("columns"));
        const double g = std::pow(1 + rate, payments);
        ReportInputs in = reportInputs(payments, principal,
                                       rate == 0 ? (principal - endAmount) / payments
                                                 : (principal * g - endAmount) * rate / (g - 1),
                                       rate);
        in.FBAL = endAmount;
        DetailsReport report;
        ASSERT_TRUE(DetailsReport::build(in, kUsd, report));
        ChartSource source;
        source.report = &report;
        source.currency = kUsd;
        source.plan = Plan{principal, rate, in.PMT, endAmount, static_cast<std::int64_t>(payments)};
        source.extras = Extras{};
        const ChartData d = source.data(columns);
        expectSame(d.balanceWithExtras, d.balance, 1e-6);

        // Without extras in the source nothing is walked, and the plan's lines are unchanged.
        source.extras.reset();
        const ChartData plain = source.data(columns);
        EXPECT_TRUE(plain.balanceWithExtras.empty());
        expectSame(plain.balance, d.balance, 0);

        source.extras = extras;
        const std::vector<ChartPoint> got = source.data(columns).balanceWithExtras;
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got.back().payment, schedule(source.plan, extras).payments);
        EXPECT_LT(got.back().payment, payments);
        EXPECT_EQ(got.back().value, endAmount);
    }
}

} // namespace
} // namespace selvane
