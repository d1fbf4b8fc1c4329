// The plan's schedule at its edges: which plans have one, which extras are taken, and the half
// cent that ends a schedule. Figures over whole plans are checked against the schedule model by
// the state object's tests.

#include <gtest/gtest.h>

#include <cmath>

#include "core/extra_payments.h"
#include "support/case_table.h"
#include "support/schedule_model.h"

namespace selvane {
namespace {

// The cases are in tests/data/schedule_cases.csv: extras refused with the sentence saying why,
// and plans without a schedule with theirs.
TEST(ExtraPayments, ProblemsAreNamed) {
    for (const testing::CaseRow& c : testing::readCases("schedule_cases.csv")) {
        const double v1 = c.number("v1"), v2 = c.number("v2"), v3 = c.number("v3"),
                     v4 = c.number("v4");
        const auto problem =
            c.text("check") == "extras"
                ? extrasProblem(v1, v2, v3, v4)
                : scheduleProblem({v1, v2, v3, v4, static_cast<std::int64_t>(c.number("v5"))});
        if (c.empty("says"))
            EXPECT_FALSE(problem) << c.line << ": " << *problem;
        else
            EXPECT_NE(problem.value_or("").find(c.text("says")), std::string::npos) << c.line;
    }
}

// A balance left under half a cent above the end amount counts as paid: the payment then pays
// exactly what is left, and a schedule never ends with a payment of a fraction of a cent. Amounts
// near the top of the range of doubles are split for the exact products differently. Every plan
// also has the schedule model's figures.
TEST(ExtraPayments, HalfACentEndsTheScheduleAndHugeAmountsStayExact) {
    const struct {
        Plan plan;
        std::int64_t payments; // and the last payment, where the plan is one of 100
        double last;
    } cases[] = {
        {{100, 0, 100.0 / 3 - 0.004 / 3, 0, 4}, 3, 100.0 / 3 + 0.008 / 3}, // 0.004 left: paid
        {{100, 0, 33.33, 0, 4}, 4, 0.01}, // 0.01 left: a fourth payment
        {{100, 0, 50, 0, 4}, 2, 50},      // ends early, to the cent
        {{1e306, 0.01, 2.3e304, 1e300, 60}, 0, 0},
    };
    for (const auto& [plan, payments, last] : cases) {
        const ScheduleTotals s = schedule(plan, Extras{});
        const model::Totals m = model::walk(plan.amountFinanced, plan.periodRate, plan.payment,
                                            plan.endAmount, plan.payments);
        if (payments > 0) {
            EXPECT_EQ(s.payments, payments) << plan.payment;
            EXPECT_NEAR(s.lastPayment.value(), last, 1e-12) << plan.payment;
        }
        EXPECT_EQ(s.payments, m.payments) << plan.payment;
        EXPECT_TRUE(model::close(s.lastPayment.value(), m.lastPayment)) << plan.payment;
        EXPECT_TRUE(model::close(s.totalPaid.value(), m.totalPaid)) << plan.payment;
        EXPECT_TRUE(model::close(s.totalInterest.value(), m.totalInterest)) << plan.payment;
    }
}

// A balance decaying at a negative rate settles among the subnormal doubles, where the walk stops
// working it out; an extra amount or a lump due later must still move it.
TEST(ExtraPayments, ASettledBalanceStillTakesLaterExtras) {
    const Plan plan{100, -0.05 / 12, 0, -1, 400000, 1};
    const struct {
        Extras x;
        std::int64_t payments;
        double at300000;
    } cases[] = {
        {{}, 400000, 0}, {{0, 1, 0.5, 300000}, 400000, -0.5}, {{0.01, 300000, 0, 1}, 0, 0}};
    for (const auto& c : cases) {
        double seen = NAN;
        const ScheduleTotals s = walkSchedule(plan, c.x, [&](std::int64_t k, double balance) {
            if (k == 300000)
                seen = balance;
        });
        if (c.payments > 0) {
            EXPECT_EQ(s.payments, c.payments);
            EXPECT_NEAR(seen, c.at300000, 1e-12);
        } else { // 0.01 more each payment reaches -0.995 in about 130 payments
            EXPECT_GT(s.payments, 300100);
            EXPECT_LT(s.payments, 300200);
        }
    }
}

} // namespace
} // namespace selvane
