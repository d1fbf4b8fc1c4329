// The annuity functions against peer values, and the failure cases the peer does not cover.

#include <gtest/gtest.h>

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
    bool fails = false;
};

double number(const std::string& s) {
    return s.empty() ? 0.0 : std::stod(s);
}

std::vector<PeerRow> loadPeerRows() {
    std::ifstream in(std::string(SELVANE_TEST_DATA) + "/annuity_peer_vectors.csv");
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
        r.expected = r.fails ? 0.0 : number(c[8]);
        rows.push_back(r);
    }
    return rows;
}

std::optional<double> call(const PeerRow& r) {
    if (r.function == "PV")
        return PV(r.rate, r.nper, r.pmt, r.fv);
    if (r.function == "FV")
        return FV(r.rate, r.nper, r.pmt, r.pv);
    if (r.function == "NPER")
        return NPer(r.rate, r.pmt, r.pv, r.fv);
    if (r.function == "IPMT")
        return IPmt(r.rate, r.per, r.nper, r.pv, r.fv);
    if (r.function == "PPMT")
        return PPmt(r.rate, r.per, r.nper, r.pv, r.fv);
    ADD_FAILURE() << "unknown function " << r.function;
    return std::nullopt;
}

TEST(Annuity, AgreesWithPeerValues) {
    const auto rows = loadPeerRows();
    ASSERT_EQ(rows.size(), 292u);
    int failing = 0;
    for (const PeerRow& r : rows) {
        const auto got = call(r);
        if (r.fails) {
            ++failing;
            EXPECT_FALSE(got.has_value()) << r.id << " " << r.function << " should fail";
            continue;
        }
        ASSERT_TRUE(got.has_value()) << r.id << " " << r.function << " failed";
        const double tol = 1e-9 * std::max(std::fabs(r.expected), 1e-300);
        EXPECT_NEAR(*got, r.expected, r.expected == 0 ? 1e-9 : tol) << r.id << " " << r.function;
    }
    EXPECT_EQ(failing, 26);
}

TEST(Annuity, WorkedExamples) {
    EXPECT_NEAR(*PV(0.01, 12, -100, 0), 1125.5077473484, 1e-9);
    EXPECT_NEAR(*FV(0.01, 12, -100, 0), 1268.2503013197, 1e-9);
    EXPECT_NEAR(*NPer(0.01, -100, 1000, 0), 10.588644459423, 1e-9); // ln(10/9) / ln(1.01)
    EXPECT_DOUBLE_EQ(*NPer(0.0, -100, 1000, 0), 10.0);
    // The interest of the first payment is the interest on the whole present value.
    for (double nper : {1.0, 12.0, 60.5, 360.0})
        EXPECT_NEAR(*IPmt(0.01, 1, nper, -5000, 0), 50, 1e-9);
}

TEST(Annuity, PartsAddUpToTheLevelPayment) {
    for (double per : {0.5, 1.0, 7.0, 12.0, 12.9}) {
        const double level = *Pmt(0.005, 12, -10000, 0);
        EXPECT_NEAR(*IPmt(0.005, per, 12, -10000, 0) + *PPmt(0.005, per, 12, -10000, 0), level,
                    1e-9)
            << per;
    }
}

TEST(Annuity, PaymentNumberRange) {
    // Any payment number strictly between 0 and nper + 1 is valid, fractional ones included.
    EXPECT_TRUE(IPmt(0.01, 0.5, 12, -1000, 0).has_value());
    EXPECT_TRUE(PPmt(0.01, 12.5, 12, -1000, 0).has_value());
    EXPECT_TRUE(IPmt(0.01, 12.999, 12, -1000, 0).has_value());
    for (double per : {0.0, -1.0, 13.0, 14.0}) {
        EXPECT_FALSE(IPmt(0.01, per, 12, -1000, 0).has_value()) << per;
        EXPECT_FALSE(PPmt(0.01, per, 12, -1000, 0).has_value()) << per;
    }
    EXPECT_FALSE(IPmt(0.01, 1, 0, -1000, 0).has_value()); // no payments at all
}

TEST(Annuity, FailuresAreReportedNeverReturnedAsNonFinite) {
    EXPECT_FALSE(NPer(-1.0, -100, 1000, 0).has_value());
    EXPECT_FALSE(NPer(-1.5, -100, 1000, 0).has_value());
    EXPECT_FALSE(NPer(0.0, 0.0, 1000, 0).has_value());
    EXPECT_FALSE(NPer(0.01, -10, 1000, 0).has_value()); // payment equals the interest
    EXPECT_FALSE(NPer(0.01, -5, 1000, 0).has_value());  // payment below the interest
    EXPECT_FALSE(Pmt(0.01, 0, 1000, 0).has_value());
    EXPECT_FALSE(PV(1e300, 1e300, -1, 0).has_value()); // overflow
    EXPECT_FALSE(FV(-2.5, 0.5, -1, 0).has_value());    // negative base, fractional power
    EXPECT_FALSE(Pmt(1e-17, 12, 1000, 0).has_value()); // 1 + rate == 1: divides by zero
    EXPECT_FALSE(PV(0.0, 1e308, 1e308, 0).has_value());
}

} // namespace
} // namespace selvane
