// The annuity functions against peer values (annuity_peer_vectors.csv), and against our own worked
// examples and failure cases (annuity_cases.csv): a row with an error must fail, never give a
// non-finite number. A row without an expected value need only succeed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "core/annuity.h"

#ifndef SELVANE_TEST_DATA
#error "SELVANE_TEST_DATA must name the test data folder"
#endif

namespace selvane {
namespace {

struct PeerRow {
    std::string id, function;
    double rate = 0, nper = 0, per = 0, pmt = 0, pv = 0, fv = 0, expected = 0;
    bool fails = false, anyValue = false;
};

double number(const std::string& s) {
    return s.empty() ? 0.0 : std::stod(s);
}

std::vector<PeerRow> loadRows(const char* name) {
    std::ifstream in(std::string(SELVANE_TEST_DATA) + "/" + name);
    std::vector<PeerRow> rows;
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        std::vector<std::string> c;
        std::stringstream ss(line);
        for (std::string item; std::getline(ss, item, ',');)
            c.push_back(item);
        c.resize(10);
        PeerRow r;
        r.id = c[0];
        r.function = c[1];
        r.rate = number(c[2]);
        r.nper = number(c[3]);
        r.per = number(c[4]);
        r.pmt = number(c[5]);
        r.pv = number(c[6]);
        r.fv = number(c[7]);
        r.fails = !c[9].empty();
        r.anyValue = c[8].empty();
        r.expected = number(c[8]);
        rows.push_back(r);
    }
    return rows;
}

std::optional<double> call(const PeerRow& r) {
    if (r.function == "PV")
        return PV(r.rate, r.nper, r.pmt, r.fv);
    if (r.function == "FV")
        return FV(r.rate, r.nper, r.pmt, r.pv);
    if (r.function == "PMT")
        return Pmt(r.rate, r.nper, r.pv, r.fv);
    if (r.function == "NPER")
        return NPer(r.rate, r.pmt, r.pv, r.fv);
    if (r.function == "IPMT")
        return IPmt(r.rate, r.per, r.nper, r.pv, r.fv);
    if (r.function == "PPMT")
        return PPmt(r.rate, r.per, r.nper, r.pv, r.fv);
    ADD_FAILURE() << "unknown function " << r.function;
    return std::nullopt;
}

// Every row's function gives the expected value within 1e-9 relative, or fails where it should.
void expectRows(const std::vector<PeerRow>& rows) {
    for (const PeerRow& r : rows) {
        const auto got = call(r);
        if (r.fails) {
            EXPECT_FALSE(got.has_value()) << r.id << " " << r.function << " should fail";
            continue;
        }
        ASSERT_TRUE(got.has_value()) << r.id << " " << r.function << " failed";
        EXPECT_TRUE(std::isfinite(*got)) << r.id;
        if (r.anyValue)
            continue;
        const double tol = 1e-9 * std::max(std::fabs(r.expected), 1e-300);
        EXPECT_NEAR(*got, r.expected, r.expected == 0 ? 1e-9 : tol) << r.id << " " << r.function;
    }
}

TEST(Annuity, AgreesWithPeerValues) {
    const auto rows = loadRows("annuity_peer_vectors.csv");
    ASSERT_EQ(rows.size(), 292u);
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](auto& r) { return r.fails; }), 26);
    expectRows(rows);
}

TEST(Annuity, WorkedExamplesAndFailures) {
    const auto rows = loadRows("annuity_cases.csv");
    ASSERT_EQ(rows.size(), 26u);
    expectRows(rows);
}

TEST(Annuity, PartsAddUpToTheLevelPayment) {
    for (double per : {0.5, 1.0, 7.0, 12.0, 12.9}) {
        const double level = *Pmt(0.005, 12, -10000, 0);
        EXPECT_NEAR(*IPmt(0.005, per, 12, -10000, 0) + *PPmt(0.005, per, 12, -10000, 0), level,
                    1e-9)
            << per;
    }
}

} // namespace
} // namespace selvane
