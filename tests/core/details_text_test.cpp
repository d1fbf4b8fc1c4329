// The details report text: rows, totals and the failure cases. The worked examples of each
// family, with a payment's tax, negative balances and totals in brackets, and a count below one
// (18-fractional-counts), are the recorded sessions' reports (tests/cli/sessions).

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "core/details_text.h"
#include "support/report_inputs.h"

namespace selvane {
namespace {

using testing::kUsd;
using testing::reportInputs;

ReportInputs loan(double pers) {
    ReportInputs in = reportInputs(pers, 20000, 400.7589719124764, 0.00625);
    in.RAPR = 7.763259885603113;
    return in;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST(DetailsReport, RangesReplayExactlyLikeSingleLines) {
    ReportInputs in = loan(1000);
    in.PMT = 130; // interest grows the balance: digits drift fast if a replay differed
    DetailsReport r;
    ASSERT_TRUE(DetailsReport::build(in, kUsd, r));
    for (const std::int64_t from :
         {0, 250}) { // the summary into the rows; across row 256's checkpoint
        const auto range = r.lines(from, 40);
        ASSERT_EQ(range.size(), 40u);
        for (size_t j = 0; j < range.size(); ++j)
            EXPECT_EQ(range[j], r.line(from + static_cast<std::int64_t>(j)));
    }
    EXPECT_EQ(r.line(r.lineCount()), ""); // past the last line there is none
    EXPECT_EQ(r.line(-1), "");
}

// Rows past the point where a payment leaves balance and interest bit for bit unchanged are not
// worked out again: they must still be the plain recurrence's, row for row. A negative rate with
// no payment settles among the subnormal doubles; an interest-only plan keeps its balance while
// its interest grows.
TEST(DetailsReport, RowsPastAFixedBalanceAreThePlainRecurrences) {
    const struct {
        double rate, payment;
        std::int64_t rows;
    } cases[] = {{-0.05 / 12, 0, 200000}, {0.01, 1, 1000}};
    for (const auto& c : cases) {
        DetailsReport r;
        ASSERT_TRUE(DetailsReport::build(
            reportInputs(static_cast<double>(c.rows), 100, c.payment, c.rate), kUsd, r));
        double B = 100, I = 0;
        for (std::int64_t k = 1; k <= c.rows; ++k) {
            I += c.rate * B;
            B = B * (1 + c.rate) - c.payment;
            if (k % 997 != 0 && k != c.rows)
                continue;
            const auto row = r.rowValues(k);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(row.balance), std::bit_cast<std::uint64_t>(B))
                << c.rate << " row " << k;
            ASSERT_EQ(row.interest, I) << c.rate << " row " << k;
        }
        EXPECT_EQ(r.totals().interest, I);
    }
}

// Long reports are written in pieces formatted on other threads: every line must still come out
// once, in order, with the digits of a single-line replay, also across the piece boundaries.
TEST(DetailsReport, WholeTextOfALongReportIsEveryLineInOrder) {
    ReportInputs in = loan(200003); // three full pieces and a short one
    in.PeriodRate = 1e-6;
    in.PMT = 0.05;
    DetailsReport r;
    ASSERT_TRUE(DetailsReport::build(in, kUsd, r));
    const std::string text = r.text();
    const auto whole = splitLines(text);
    ASSERT_EQ(whole.size(), static_cast<size_t>(r.lineCount()));
    for (size_t i = 0; i < whole.size(); ++i)
        if (whole[i] != r.line(static_cast<std::int64_t>(i))) {
            ADD_FAILURE() << "line " << i << ": " << whole[i] << " vs "
                          << r.line(static_cast<std::int64_t>(i));
            break;
        }

    // The same rows with other breaks: the text after the summary with its breaks replaced.
    std::string rows;
    r.writeRowsText([&](std::string_view piece) { rows += piece; }, {"|", "/"});
    std::string expected;
    for (size_t i = 10; i < whole.size(); ++i)
        expected += "|" + whole[i];
    std::replace(expected.begin(), expected.end(), '\t', '/');
    EXPECT_EQ(rows, expected);
}

// The rows' size, counted from the recurrence without writing a row, is the size of the rows
// written: across the powers of ten of the row numbers and figures, with minus signs, with
// 309-digit figures, for any range; a count told to stop stops past its bound. A stretch between
// two places, in the summary, the rows or across both, is the whole text between them, and its
// size is counted the same way.
TEST(DetailsReport, RowsTextSizeIsWhatTheRowsWrite) {
    ReportInputs growing = loan(2000);
    growing.SBAL = 9.99;
    growing.PMT = -0.001;
    growing.PeriodRate = 0.01;
    ReportInputs negative = loan(300);
    negative.PMT = 3000;
    ReportInputs huge = loan(300);
    huge.SBAL = 1.7e308;
    huge.PMT = 1e305;
    huge.PeriodRate = 1e-4;
    for (const ReportInputs& in : {loan(1200), growing, negative, huge}) {
        DetailsReport r;
        ASSERT_TRUE(DetailsReport::build(in, kUsd, r));
        const std::pair<std::int64_t, std::int64_t> ranges[] = {
            {1, r.rowCount()}, {1, 9}, {9, 11}, {95, 1010}, {256, 257}, {7, 7}, {0, 5000}, {5, 4}};
        for (const auto& [first, last] : ranges) {
            std::size_t written = 0;
            r.writeRowsText([&](std::string_view piece) { written += piece.size(); }, {}, first,
                            last);
            EXPECT_EQ(r.rowsTextSize(first, last), static_cast<std::int64_t>(written))
                << in.SBAL << " rows " << first << " to " << last;
            if (written > 1) {
                const auto bound = static_cast<std::int64_t>(written / 2);
                const std::int64_t partial = r.rowsTextSize(first, last, bound);
                EXPECT_GT(partial, bound);
                EXPECT_LE(partial, static_cast<std::int64_t>(written));
            }
        }
        const std::string text = r.text();
        const auto offset = [&](DetailsReport::Place p) { // in the text, within its line
            std::size_t start = 0;
            for (std::int64_t line = 0; line < p.line; ++line)
                start = text.find("\r\n", start) + 2;
            return std::min(start + p.byte, std::min(text.find("\r\n", start), text.size()));
        };
        const std::pair<DetailsReport::Place, DetailsReport::Place> stretches[] = {
            {{0, 10}, {0, 40}}, {{0, 25}, {1, 20}},  {{5, 3}, {11, 9}},
            {{2, 5}, {40, 6}},  {{12, 0}, {13, 99}}, {{3, 4}, {r.lineCount() - 1, 1000}}};
        for (const auto& [from, to] : stretches) {
            std::string written;
            r.writeStretch([&](std::string_view piece) { written += piece; }, from, to);
            EXPECT_EQ(written, text.substr(offset(from), offset(to) - offset(from)));
            EXPECT_EQ(r.stretchSize(from, to), static_cast<std::int64_t>(written.size()));
        }
    }
}

// An overflow in the totals keeps no report; one in the principal column only ends the rows.
TEST(DetailsReport, OverflowsInTotalsAndInThePrincipalColumn) {
    ReportInputs in = loan(200000);
    in.PMT = 1; // the balance grows without bound and overflows near row 146,000
    DetailsReport r;
    EXPECT_FALSE(DetailsReport::build(in, kUsd, r));
    in.PERS = 1e9; // past the pass limit: a failing step, decided without running the loop
    EXPECT_FALSE(DetailsReport::build(in, kUsd, r));
    // Interest only: every balance and the interest stay finite, their sum does not.
    EXPECT_FALSE(DetailsReport::build(reportInputs(8, 1e308, 1e307, 0.1), kUsd, r));
    // Without interest the principal column is k x PMT while the balance P0 - k x PMT stays
    // finite: row 2's principal overflows although the totals do not.
    ASSERT_TRUE(DetailsReport::build(reportInputs(2, 1.7e308, 1e308, 0), kUsd, r));
    EXPECT_EQ(r.rowCount(), 1);
    EXPECT_EQ(r.lineCount(), 11);
}

} // namespace
} // namespace selvane
