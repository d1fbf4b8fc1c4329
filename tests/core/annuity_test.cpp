// The annuity functions against peer values (annuity_peer_vectors.csv), and against our own worked
// examples and failure cases (annuity_cases.csv): a row with an error must fail, never give a
// non-finite number. A row without an expected value need only succeed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/annuity.h"
#include "support/case_table.h"

namespace selvane {
namespace {

using testing::CaseRow;

std::optional<double> call(const CaseRow& r) {
    const std::string f = r.text("function");
    const double rate = r.number("rate"), nper = r.number("nper"), per = r.number("per"),
                 pmt = r.number("pmt"), pv = r.number("pv"), fv = r.number("fv");
    if (f == "PV")
        return PV(rate, nper, pmt, fv);
    if (f == "FV")
        return FV(rate, nper, pmt, pv);
    if (f == "PMT")
        return Pmt(rate, nper, pv, fv);
    if (f == "NPER")
        return NPer(rate, pmt, pv, fv);
    if (f == "IPMT")
        return IPmt(rate, per, nper, pv, fv);
    if (f == "PPMT")
        return PPmt(rate, per, nper, pv, fv);
    ADD_FAILURE() << "unknown function " << f;
    return std::nullopt;
}

// Every row's function gives the expected value within 1e-9 relative, or fails where it should.
void expectRows(const std::vector<CaseRow>& rows) {
    for (const CaseRow& r : rows) {
        const auto got = call(r);
        const std::string id = r.text("id") + " " + r.text("function");
        if (!r.empty("error")) {
            EXPECT_FALSE(got.has_value()) << id << " should fail";
            continue;
        }
        ASSERT_TRUE(got.has_value()) << id << " failed";
        EXPECT_TRUE(std::isfinite(*got)) << id;
        if (r.empty("expected"))
            continue;
        const double expected = r.number("expected");
        const double tol = 1e-9 * std::max(std::fabs(expected), 1e-300);
        EXPECT_NEAR(*got, expected, expected == 0 ? 1e-9 : tol) << id;
    }
}

TEST(Annuity, AgreesWithPeerValues) {
    const auto rows = testing::readCases("annuity_peer_vectors.csv");
    ASSERT_EQ(rows.size(), 292u);
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](auto& r) { return !r.empty("error"); }),
              26);
    expectRows(rows);
}

TEST(Annuity, WorkedExamplesAndFailures) {
    const auto rows = testing::readCases("annuity_cases.csv");
    ASSERT_EQ(rows.size(), 26u);
    expectRows(rows);
}

} // namespace
} // namespace selvane
