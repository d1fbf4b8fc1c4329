// The payment table and yearly summary as CSV, the yearly sums and the decimation, each checked
// against the details report's own rows or a plain reading of the values.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "core/chart_data.h"
#include "core/report_export.h"
#include "core/yearly_summary.h"
#include "support/case_table.h"
#include "support/report_inputs.h"

namespace selvane {
namespace {

using testing::kUsd;
using testing::reportInputs;

std::vector<std::string> split(const std::string& text, const std::string& by) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t at; (at = text.find(by, start)) != std::string::npos; start = at + by.size())
        out.push_back(text.substr(start, at - start));
    out.push_back(text.substr(start));
    return out;
}

std::string collect(const std::function<void(const WritePiece&)>& produce) {
    std::string s;
    produce([&s](std::string_view piece) {
        s += piece;
        return true;
    });
    return s;
}

// A plan of `rows` payments at `perYear` a year: a loan paid down to zero, or deposits.
struct Plan {
    const char* name;
    std::int64_t rows;
    std::int64_t perYear;
    bool investment;
};

DetailsReport build(const Plan& p) {
    ReportInputs in;
    in.investment = p.investment;
    in.PERS = static_cast<double>(p.rows);
    in.APR = 6.5;
    in.PeriodRate = 0.065 / static_cast<double>(p.perYear);
    if (p.investment) {
        in.SBAL = 2500;
        in.PMT = 125.5;
    } else {
        in.SBAL = 180000;
        in.DPMT = 20000;
        const double r = in.PeriodRate, n = in.PERS, P0 = in.SBAL - in.DPMT;
        in.PMT = P0 * r / (1 - std::pow(1 + r, -n));
    }
    DetailsReport report;
    EXPECT_TRUE(DetailsReport::build(in, kUsd, report));
    return report;
}

const Plan kPlans[] = {
    {"one payment", 1, 12, false},
    {"49 monthly, a partial last year", 49, 12, false},
    {"30 years monthly", 360, 12, false},
    {"weekly", 260, 52, false},
    {"biweekly with a partial year", 131, 26, false},
    {"daily", 1000, 365, false},
    {"yearly", 25, 1, false},
    {"investment monthly", 121, 12, true},
    {"investment weekly", 520, 52, true},
};

// Cents of a two-decimal text, for sums the test does on its own.
long long cents(const std::string& s) {
    const std::regex form(R"((-?)(\d+)\.(\d\d))");
    std::smatch m;
    EXPECT_TRUE(std::regex_match(s, m, form)) << s;
    const long long v = std::stoll(m[2]) * 100 + std::stoll(m[3]);
    return m[1].length() ? -v : v;
}

// The CSV row of payment k against the report's own line for it, field by field.
void expectRowMatches(const DetailsReport& report, const std::string& csvLine, std::int64_t k) {
    std::string line = report.line(DetailsReport::kSummaryLines + k - 1);
    ASSERT_EQ(line.substr(0, 2), "  ");
    auto cells = split(line.substr(2), "\t");
    for (auto& cell : cells)
        if (cell == "-0.00")
            cell = "0.00"; // the report keeps a zero's sign; a spreadsheet's zero has none
    EXPECT_EQ(split(csvLine, ","), cells) << "payment " << k;
}

// Each plan's payment table is its report's rows value for value, and its years add up to the
// report to the cent.
TEST(PaymentTableCsvAndYears, AreTheReportsRows) {
    const std::regex plainNumber(R"(-?\d+\.\d\d)");
    for (const Plan& plan : kPlans) {
        SCOPED_TRACE(plan.name);
        const DetailsReport report = build(plan);
        const std::string csv =
            collect([&](const WritePiece& w) { writePaymentTableCsv(report, w); });
        ASSERT_EQ(csv.substr(csv.size() - 2), "\r\n");
        const auto lines = split(csv.substr(0, csv.size() - 2), "\r\n");
        ASSERT_EQ(static_cast<std::int64_t>(lines.size()), plan.rows + 1);
        EXPECT_EQ(lines[0], kPaymentTableCsvHeader);
        for (std::int64_t k = 1; k <= plan.rows; ++k) {
            expectRowMatches(report, lines[static_cast<size_t>(k)], k);
            const auto fields = split(lines[static_cast<size_t>(k)], ",");
            ASSERT_EQ(fields.size(), 5u);
            EXPECT_EQ(fields[0], std::to_string(k));
            for (size_t f = 1; f < fields.size(); ++f)
                EXPECT_TRUE(std::regex_match(fields[f], plainNumber)) << fields[f];
        }
        const YearlySummary years(report, plan.perYear);
        ASSERT_EQ(years.yearCount(), (plan.rows + plan.perYear - 1) / plan.perYear);
        std::int64_t payments = 0, y = 0;
        long long principal = 0, interest = 0;
        years.forEachYear([&](const YearRow& row) {
            ++y;
            EXPECT_EQ(row.year, y);
            const std::int64_t last = std::min(y * plan.perYear, plan.rows);
            EXPECT_EQ(row.payments, last - (y - 1) * plan.perYear);
            const DetailsReport::Row end = report.rowValues(last);
            EXPECT_EQ(row.balance.text(), moneyText(end.balance));
            // The lazy year is the same as the year of the walk.
            const YearRow lazy = years.year(y);
            EXPECT_EQ(std::tie(lazy.principal, lazy.interest, lazy.balance, lazy.payments),
                      std::tie(row.principal, row.interest, row.balance, row.payments));
            payments += row.payments;
            principal += cents(row.principal.text());
            interest += cents(row.interest.text());
            // Every year so far sums to that year's last row.
            EXPECT_EQ(principal, cents(moneyText(end.principal)));
            EXPECT_EQ(interest, cents(moneyText(end.interest)));
        });
        EXPECT_EQ(y, years.yearCount());
        EXPECT_EQ(payments, plan.rows);
        const YearRow total = years.total();
        EXPECT_EQ(total.payments, plan.rows);
        EXPECT_EQ(cents(total.principal.text()), principal);
        EXPECT_EQ(cents(total.interest.text()), interest);
        EXPECT_EQ(yearRowTexts(total, kUsd)[0] + yearRowTexts(years.year(1), kUsd)[0], "Total1");
        // The report's summary totals: interest always; principal when the plan ends at zero
        // (loan) or makes whole deposits (investment).
        EXPECT_EQ(interest, cents(moneyText(report.totals().interest)));
        EXPECT_EQ(principal, cents(moneyText(report.totals().principal)));
    }
}

TEST(PaymentTableCsv, AMillionRowsAndThreeAllCome) {
    const Plan plan{"long", 1'000'003, 12, false};
    const DetailsReport report = build(plan);
    const std::string csv = collect([&](const WritePiece& w) { writePaymentTableCsv(report, w); });
    const auto lines = split(csv.substr(0, csv.size() - 2), "\r\n");
    ASSERT_EQ(lines.size(), 1'000'004u);
    // Rows across the pieces the writer formats on other threads, and the last ones.
    for (std::int64_t k : {1LL, 2LL, 65535LL, 65536LL, 65537LL, 131072LL, 131073LL, 500000LL,
                           999999LL, 1000000LL, 1000002LL, 1000003LL})
        expectRowMatches(report, lines[static_cast<size_t>(k)], k);
    for (std::int64_t k = 1; k <= plan.rows; k += 9973)
        expectRowMatches(report, lines[static_cast<size_t>(k)], k);

    // Its 83,334 years go out in many pieces, each year once.
    const YearlySummary years(report, 12);
    const std::string yearly =
        collect([&](const WritePiece& w) { writeYearlyCsv(years, false, w); });
    const auto yearLines = split(yearly.substr(0, yearly.size() - 2), "\r\n");
    ASSERT_EQ(static_cast<std::int64_t>(yearLines.size()), years.yearCount() + 2);
    for (std::int64_t y : {1LL, 1500LL, 3000LL, 41667LL, 83334LL}) {
        const YearRow row = years.year(y);
        EXPECT_EQ(yearLines[static_cast<size_t>(y)],
                  std::to_string(y) + "," + std::to_string(row.payments) + "," +
                      row.principal.text() + "," + row.interest.text() + "," + row.balance.text());
    }
}

TEST(YearlySummary, EmptyReportHasNoYears) {
    const DetailsReport none;
    const YearlySummary years(none, 12);
    EXPECT_EQ(years.yearCount(), 0);
    EXPECT_EQ(years.year(1).payments, 0);
    const std::string csv = collect([&](const WritePiece& w) { writeYearlyCsv(years, false, w); });
    EXPECT_EQ(csv, "Year,Payments,Principal Paid,Interest Paid,Balance\r\n");
}

// The cases are in tests/data/count_cases.csv: the passes a number of payments takes, the
// payments a year a payment period gives, and the years a chart bar takes.
TEST(Counts, TableOfCases) {
    for (const testing::CaseRow& c : testing::readCases("count_cases.csv")) {
        const std::string f = c.text("function");
        const double x = c.number("input");
        if (f != "passCount" && f != "paymentsPerYear" && f != "yearsPerBar")
            ADD_FAILURE() << "no function " << f;
        const std::int64_t got =
            f == "passCount" ? passCount(x)
            : f == "paymentsPerYear"
                ? paymentsPerYear(x)
                : yearsPerBar(static_cast<std::int64_t>(x), static_cast<int>(c.number("bars")));
        EXPECT_EQ(got, static_cast<std::int64_t>(c.number("expected"))) << c.line;
    }
}

} // namespace
} // namespace selvane
