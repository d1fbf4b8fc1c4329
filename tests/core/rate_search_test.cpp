// Find the Rate where no rate gives the payment: each reason has its own plain sentence.

#include <gtest/gtest.h>

#include "core/rate_search.h"

namespace selvane {
namespace {

TEST(FindRate, SaysWhyWhenNoRateGivesThePayment) {
    using K = PaymentQuestion::Kind;
    const double daily = 12 / 365.25;
    struct Case {
        const char* name;
        PaymentQuestion q;
        double payment;
        const char* says;
    };
    const Case cases[] = {
        {"no period chosen", {K::Loan, 60, 20000, 0, 0, 0, kFailed, 1}, 400, "Choose a payment"},
        {"no payments", {K::Loan, 0, 20000, 0, 0, 0, 1, 1}, 400, "more than 0"},
        {"negative count", {K::Investment, -3, 0, 0, 1000, 0, 1, 1}, 100, "more than 0"},
        {"yearly compounding, 6 payments",
         {K::Loan, 6, 20000, 0, 0, 0, 12, 1},
         4000,
         "more than 11 payments"},
        {"payments far below the loan",
         {K::Loan, 60, 20000, 0, 0, 0, 1, 1},
         1,
         "add up to less than the amount borrowed minus the end amount"},
        {"lease, the same with tax",
         {K::Lease, 36, 30000, 0, 0, 5, 1, 1},
         0.5,
         "add up to less than the amount borrowed minus the end amount"},
        {"deposits far above the goal",
         {K::Investment, 12, 0, 0, 10000, 0, 1, 1},
         2000,
         "deposits add up to more than the end amount minus the start amount"},
        {"beyond the highest rate", {K::Loan, 12, 1000, 0, 0, 0, daily, 1}, 1e300, "No rate from"},
    };
    for (const Case& c : cases) {
        const FoundRate r = findRate(c.q, c.payment);
        EXPECT_FALSE(r.apr) << c.name << ": " << *r.apr;
        EXPECT_FALSE(r.realApr) << c.name;
        EXPECT_NE(r.message.find(c.says), std::string::npos) << c.name << ": " << r.message;
    }
}

} // namespace
} // namespace selvane
