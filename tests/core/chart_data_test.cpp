// The chart's data against a plain reading of every row: each pixel column's lowest and highest
// row in payment order, and bars that are the years' principal and interest, whether the rows
// are walked in one pass or, for a long report, in two halves at once.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/chart_data.h"
#include "core/yearly_summary.h"
#include "support/case_table.h"
#include "support/report_inputs.h"

namespace selvane {
namespace {

using testing::kUsd;
using testing::reportInputs;

DetailsReport makeReport(double rows, bool investment, double rate) {
    // Long reports run at a near-zero rate so that their balance stays within bounds.
    ReportInputs in = reportInputs(rows, investment ? 1000 : 250000, rows > 1000 ? 0.2 : 1300,
                                   rate >= 0     ? rate
                                   : rows > 1000 ? 1e-6
                                                 : 0.004);
    in.RAPR = in.APR;
    in.investment = investment;
    DetailsReport r;
    EXPECT_TRUE(DetailsReport::build(in, kUsd, r));
    return r;
}

// The lowest and highest of each column's rows (first of equals), in payment order; column c
// holds the payments past c * rows / columns up to (c + 1) * rows / columns.
std::vector<ChartPoint> expectedPoints(const std::vector<double>& values, int columns) {
    std::vector<ChartPoint> out;
    const auto rows = static_cast<long double>(values.size());
    for (int c = 0; c < columns; ++c) {
        const auto from = static_cast<std::int64_t>(c * rows / columns) + 1;
        const auto to = static_cast<std::int64_t>((c + 1) * rows / columns);
        if (from > to)
            continue;
        std::int64_t low = from, high = from;
        for (std::int64_t k = from; k <= to; ++k) {
            if (values[static_cast<size_t>(k - 1)] < values[static_cast<size_t>(low - 1)])
                low = k;
            if (values[static_cast<size_t>(k - 1)] > values[static_cast<size_t>(high - 1)])
                high = k;
        }
        for (std::int64_t k : {std::min(low, high), std::max(low, high)}) {
            out.push_back({k, values[static_cast<size_t>(k - 1)]});
            if (low == high)
                break;
        }
    }
    return out;
}

void expectSame(const std::vector<ChartPoint>& got, const std::vector<ChartPoint>& want,
                const char* line) {
    ASSERT_EQ(got.size(), want.size()) << line;
    for (size_t i = 0; i < got.size(); ++i) {
        ASSERT_EQ(got[i].payment, want[i].payment) << line << " point " << i;
        ASSERT_EQ(got[i].value, want[i].value) << line << " point " << i;
    }
}

// The cases are in tests/data/chart_data_cases.csv: short and long reports, loans and
// investments, few and many columns, and the years a bar takes (at most 60 bars).
TEST(ChartData, LinesAreEachColumnsExtremesAndBarsAreTheYears) {
    for (const testing::CaseRow& c : testing::readCases("chart_data_cases.csv")) {
        SCOPED_TRACE(c.line);
        const bool investment = c.text("investment") == "yes";
        const auto perYear = static_cast<std::int64_t>(c.number("per_year"));
        const int columns = static_cast<int>(c.number("columns"));
        const DetailsReport report =
            makeReport(c.number("rows"), investment, c.empty("rate") ? -1 : c.number("rate"));
        std::vector<double> balance, principal, interest;
        report.forEachRow(1, report.rowCount(), [&](std::int64_t, const DetailsReport::Row& row) {
            balance.push_back(row.balance);
            principal.push_back(row.principal);
            interest.push_back(row.interest);
        });

        const ChartData d = chartData(report, investment, perYear, columns);
        EXPECT_EQ(d.rows, report.rowCount());
        expectSame(d.balance, expectedPoints(balance, columns), "balance");
        expectSame(d.principal, expectedPoints(principal, columns), "principal");
        expectSame(d.interest, expectedPoints(interest, columns), "interest");

        // Bars of single years are the summary's years; runs of years add up to the whole plan.
        EXPECT_EQ(d.yearsPerBar, c.number("years_per_bar"));
        const YearlySummary years(report, perYear);
        ASSERT_EQ(static_cast<std::int64_t>(d.bars.size()),
                  (years.yearCount() + d.yearsPerBar - 1) / d.yearsPerBar);
        double principalSum = 0, interestSum = 0;
        for (size_t b = 0; b < d.bars.size(); ++b) {
            const ChartBar& bar = d.bars[b];
            EXPECT_EQ(bar.firstYear, static_cast<std::int64_t>(b) * d.yearsPerBar + 1);
            EXPECT_EQ(bar.lastYear, std::min(bar.firstYear + d.yearsPerBar - 1, years.yearCount()));
            if (d.yearsPerBar == 1) {
                const YearRow y = years.year(bar.firstYear);
                EXPECT_NEAR(bar.principal, y.principal.value(), 0.005);
                EXPECT_NEAR(bar.interest, y.interest.value(), 0.005);
            }
            principalSum += bar.principal;
            interestSum += bar.interest;
        }
        const YearRow total = years.total();
        EXPECT_NEAR(principalSum, total.principal.value(), 0.01);
        EXPECT_NEAR(interestSum, total.interest.value(), 0.01);
    }
}

// The cases are in tests/data/nice_ticks_cases.csv: ranges, the ticks wanted and the least
// step.
TEST(NiceTicks, RoundStepsCoverTheRange) {
    for (const testing::CaseRow& c : testing::readCases("nice_ticks_cases.csv")) {
        SCOPED_TRACE(c.line);
        const double minStep = c.number("min_step");
        const int count = static_cast<int>(c.number("count"));
        const std::vector<double> ticks =
            niceTicks(c.number("low"), c.number("high"), count, minStep);
        const auto [low, high] =
            std::minmax({c.number("low"), c.number("high")}); // values, not references
        if (minStep > 0 && low >= 0) {
            EXPECT_EQ(ticks.front(), 0);
        }
        ASSERT_GE(ticks.size(), 2u);
        const double step = ticks[1] - ticks[0];
        // A value a hair past a round tick gets no tick of its own.
        EXPECT_LE(ticks.front(), low + step * 1e-6);
        EXPECT_GE(ticks.back(), high - step * 1e-6);
        if (low < high) { // no tick beyond those (a flat line gets one unit around it)
            EXPECT_LT(ticks.back() - step, high);
            EXPECT_GT(ticks.front() + step, low);
        }
        EXPECT_LE(ticks.size(), static_cast<size_t>(count) + 2);
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                    std::abs(mantissa - 5) < 1e-9)
            << step;
        for (size_t i = 1; i < ticks.size(); ++i)
            EXPECT_NEAR(ticks[i] - ticks[i - 1], step, step * 1e-9);
        EXPECT_GE(step, minStep);
    }
}

// The additions' figures never show a zero with a sign, where the report would ("-0.00").
TEST(AmountTexts, AZeroHasNoSign) {
    EXPECT_EQ(kUsd.amount(-0.004), "$0.00");
    EXPECT_EQ(kUsd.amount(-0.006), "($0.01)");
    EXPECT_EQ(kUsd.whole(-0.4), "$0");
    EXPECT_EQ(kUsd.whole(-0.6), "($1)");
    EXPECT_EQ(moneyText(-0.004), "0.00");
    EXPECT_EQ(moneyText(-0.006), "-0.01");
}

} // namespace
} // namespace selvane
