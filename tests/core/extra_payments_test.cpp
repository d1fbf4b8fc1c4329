// Extra payments over the report's recurrence: none reproduce the report, a large one ends the
// plan at once, and a plan with an end amount stops there.

#include <gtest/gtest.h>

#include <cmath>

#include "core/extra_payments.h"

namespace selvane {
namespace {

const CurrencyFormat kUsd{QLocale(QLocale::English, QLocale::UnitedStates)};

struct Plan {
    const char* name;
    double SBAL, DPMT, FBAL, ratePerPayment, PERS;
};

// The payment that takes P0 to FBAL in PERS payments, as the calculator's payment result does.
ReportInputs inputs(const Plan& p) {
    ReportInputs in;
    in.SBAL = p.SBAL;
    in.DPMT = p.DPMT;
    in.FBAL = p.FBAL;
    in.PeriodRate = p.ratePerPayment;
    in.PERS = p.PERS;
    const double r = p.ratePerPayment, g = std::pow(1 + r, p.PERS);
    in.PMT = r == 0 ? (p.SBAL - p.DPMT - p.FBAL) / p.PERS
                    : ((p.SBAL - p.DPMT) * g - p.FBAL) * r / (g - 1);
    return in;
}

const Plan kPlans[] = {
    {"personal loan", 20000, 0, 0, 0.075 / 12, 60},
    {"mortgage", 200000, 50000, 0, 0.05 / 12, 360},
    {"mortgage with a balloon", 200000, 20000, 60000, 0.065 / 12, 120},
    {"every two weeks", 150000, 0, 0, 0.06 / 26, 650},
    {"no interest", 12000, 0, 0, 0, 48},
};

TEST(ExtraPayments, NoExtrasAreTheReport) {
    for (const Plan& plan : kPlans) {
        SCOPED_TRACE(plan.name);
        const ReportInputs in = inputs(plan);
        DetailsReport report;
        ASSERT_TRUE(DetailsReport::build(in, kUsd, report));
        const ExtraSchedule s =
            walkExtraSchedule(in, Extras{}, [&](std::int64_t k, double pay, double B, double I) {
                const DetailsReport::Row row = report.rowValues(k);
                EXPECT_EQ(I, row.interest) << k;
                if (k < report.rowCount()) {
                    EXPECT_EQ(B, row.balance) << k;
                    EXPECT_EQ(pay, in.PMT) << k;
                } else { // the rounding left in the last balance, under a cent
                    EXPECT_NEAR(B, row.balance, 0.005);
                    EXPECT_NEAR(pay, in.PMT, 0.005);
                }
            });
        EXPECT_EQ(s.payments, report.rowCount());
        EXPECT_EQ(s.totalInterest, report.totals().interest);
        EXPECT_NEAR(s.totalPaid, in.PMT * static_cast<double>(s.payments), 0.005);
        EXPECT_FALSE(s.paidOffEarly);
    }
}

TEST(ExtraPayments, AOneTimeAmountThatPaysItAllEndsThere) {
    for (const Plan& plan : kPlans) {
        SCOPED_TRACE(plan.name);
        const ReportInputs in = inputs(plan);
        DetailsReport report;
        ASSERT_TRUE(DetailsReport::build(in, kUsd, report));
        const std::int64_t at = 10;
        const ExtraSchedule s = extraSchedule(in, Extras{0, 1, 1e9, at});
        EXPECT_EQ(s.payments, at);
        EXPECT_TRUE(s.paidOffEarly);
        const double before = report.rowValues(at - 1).balance;
        EXPECT_EQ(s.lastPayment, before * (1.0 + in.PeriodRate) - in.FBAL);
        EXPECT_EQ(s.totalInterest, report.rowValues(at).interest);
    }
}

TEST(ExtraPayments, ExtrasStopAtTheEndAmount) {
    const Plan balloon = kPlans[2];
    const ReportInputs in = inputs(balloon);
    double lastBalance = -1;
    const ExtraSchedule s = walkExtraSchedule(in, Extras{400, 13, 0, 1},
                                              [&](std::int64_t k, double pay, double B, double) {
                                                  EXPECT_GE(B, in.FBAL) << k;
                                                  EXPECT_LE(pay, in.PMT + (k >= 13 ? 400 : 0)) << k;
                                                  EXPECT_GT(pay, 0) << k;
                                                  lastBalance = B;
                                              });
    EXPECT_EQ(lastBalance, in.FBAL);
    EXPECT_TRUE(s.paidOffEarly);
    EXPECT_LT(s.payments, 120);
    const ExtraSchedule plan = extraSchedule(in, Extras{});
    EXPECT_LT(s.totalInterest, plan.totalInterest);
    // The principal paid is the same either way: from P0 down to the end amount.
    EXPECT_NEAR(s.totalPaid - s.totalInterest, plan.totalPaid - plan.totalInterest, 1e-6);
}

TEST(ExtraPayments, ProblemsAreNamed) {
    const struct {
        double extra, from, lump, at;
        bool fine;
    } cases[] = {
        {0, 1, 0, 1, true},      {100, 12, 5000, 60, true}, {-1, 1, 0, 1, false},
        {0, 1, -0.01, 1, false}, {NAN, 1, 0, 1, false},     {INFINITY, 1, 0, 1, false},
        {0, 0, 0, 1, false},     {0, 1.5, 0, 1, false},     {0, 1, 0, 0, false},
        {0, 1, 0, 2.25, false},  {0, 1e300, 0, 1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(!extrasProblem(c.extra, c.from, c.lump, c.at).has_value(), c.fine)
            << c.extra << " " << c.from << " " << c.lump << " " << c.at;
}

} // namespace
} // namespace selvane
