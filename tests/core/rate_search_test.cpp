// Find the Rate against a dense scan of the payment by its definition: a rate is found exactly
// where the scan finds one, the one nearest 0, and it gives the payment back. Where no rate gives
// the payment, each reason has its own plain sentence.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <tuple>
#include <vector>

#include "core/rate_search.h"
#include "support/case_table.h"

namespace selvane {
namespace {

// The cases are in tests/data/no_rate_cases.csv: each must give no rate and a sentence saying why.
// The samples the search rests on, as promised: rising, from 1e-11 points above -100 % to the
// highest APR, 0 among them, 4e-6 points apart beside 0 and about 4 % apart above 1 %.
TEST(FindRate, SamplesRiseFromJustAboveMinus100ToTheHighestApr) {
    const std::vector<double> v = sampledAprs();
    EXPECT_TRUE(std::adjacent_find(v.begin(), v.end(), std::greater_equal<>()) == v.end());
    EXPECT_NEAR(v.front() + 100, 1e-11, 3e-14);
    EXPECT_EQ(v.back(), kHighestApr);
    const auto zero = std::find(v.begin(), v.end(), 0.0);
    ASSERT_TRUE(zero != v.begin() && zero != v.end());
    EXPECT_NEAR(zero[-1], -3e-6, 1e-7);
    EXPECT_NEAR(zero[1], 4e-6, 1e-7);
    for (auto it = std::upper_bound(v.begin(), v.end(), 1.0); it + 1 < v.end(); ++it)
        EXPECT_NEAR(it[1] / it[0], 1.0403, 1e-4) << *it;
}

TEST(FindRate, SaysWhyWhenNoRateGivesThePayment) {
    using K = PaymentQuestion::Kind;
    const std::map<std::string, K> kinds{
        {"Loan", K::Loan}, {"Lease", K::Lease}, {"Investment", K::Investment}};
    for (const testing::CaseRow& c : testing::readCases("no_rate_cases.csv")) {
        const PaymentQuestion q{kinds.at(c.text("kind")), c.number("PERS"),  c.number("SBAL"),
                                c.number("DPMT"),         c.number("FBAL"),  c.number("TAX"),
                                c.number("compound"),     c.number("period")};
        const FoundRate r = findRate(q, c.number("payment"));
        EXPECT_FALSE(r.apr) << c.line << ": " << *r.apr;
        EXPECT_FALSE(r.realApr) << c.line;
        EXPECT_NE(r.message.find(c.text("says")), std::string::npos) << c.line << ": " << r.message;
    }
}

// The payment at an APR by its definition, in extended precision: the level payment (a deposit,
// in an investment) that takes the amount to the end amount in PERS payments at the period rate
// the calculation derives from the APR; a lease's with its sales tax.
std::optional<long double> definedPayment(const PaymentQuestion& q, double apr) {
    const double C = q.compoundMonths, P = q.paymentsPerMonth;
    const double base = 1 + 0.01 * apr * C / (P * 12);
    if (!(base > 0))
        return std::nullopt;
    const long double r = std::pow(base, 1 / C) - 1;
    using K = PaymentQuestion::Kind;
    const long double amount = q.kind == K::Investment ? -q.SBAL
                               : q.kind == K::Loan     ? q.SBAL * (1 + 0.01 * q.TAX) - q.DPMT
                                                       : q.SBAL - q.DPMT;
    const long double end = q.kind == K::Investment ? -q.FBAL : q.FBAL;
    // (1 + r)^PERS for a whole PERS, by squaring.
    long double g = 1, x = 1 + r;
    for (auto n = static_cast<long long>(q.PERS); n > 0; n /= 2, x *= x)
        if (n % 2 == 1)
            g *= x;
    const long double level = r == 0 ? (amount - end) / q.PERS : (amount * g - end) * r / (g - 1);
    if (!std::isfinite(static_cast<double>(level)))
        return std::nullopt;
    return q.kind == K::Lease ? level * (1 + 0.01L * q.TAX) : level;
}

// Over 4,000 APRs from just above -100 % to 1,000,000 %, each 0.8 % further from -100 % than the
// one before: how often the payment less the target changes sign, and the largest |APR| of the
// stretch nearest 0 where it does.
std::pair<int, double> scan(const PaymentQuestion& q, double payment) {
    static const std::vector<double> aprs = [] {
        std::vector<double> v{0};
        for (int i = 0; i <= 4000; ++i)
            v.push_back(100 * std::expm1(std::log(1e-10) +
                                         (std::log(1e4 + 1) - std::log(1e-10)) * i / 4000));
        std::sort(v.begin(), v.end());
        return v;
    }();
    std::pair<int, double> out{0, INFINITY};
    std::optional<long double> last;
    for (size_t i = 0; i < aprs.size(); ++i) {
        const auto p = definedPayment(q, aprs[i]);
        if (p && last && (*last < payment) != (*p < payment)) {
            ++out.first;
            out.second = std::min(out.second, std::max(-aprs[i - 1], aprs[i]));
        }
        last = p;
    }
    return out;
}

// Plans whose payment turns with the rate (an end amount below zero, or an investment that starts
// in debt), plain ones, and payments at a rate or near a turning point.
TEST(FindRate, FindsTheRateNearestZeroWheneverAScanFindsOne) {
    using K = PaymentQuestion::Kind;
    std::mt19937 gen(1337);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<>(a, b)(gen); };
    const double compound[] = {12 / 365.25, 1, 6, 12}, period[] = {365.25 / 168, 2, 1};
    int found = 0, turning = 0;
    for (int i = 0; i < 3000; ++i) {
        PaymentQuestion q;
        q.kind = std::array{K::Loan, K::Lease, K::Investment}[i % 3];
        q.compoundMonths = compound[std::uniform_int_distribution<>(0, 3)(gen)];
        q.paymentsPerMonth = period[std::uniform_int_distribution<>(0, 2)(gen)];
        q.PERS = std::round(std::exp(uniform(std::log(13), std::log(600))));
        q.SBAL = std::round(uniform(1000, 500000));
        q.DPMT = uniform(0, 1) < 0.3 ? std::round(q.SBAL * uniform(0, 0.3)) : 0;
        q.TAX = uniform(0, 1) < 0.3 ? uniform(0, 10) : 0;
        const bool turns = uniform(0, 1) < 0.5;
        q.FBAL =
            turns ? -std::round(q.SBAL * uniform(0.5, 4)) : std::round(q.SBAL * uniform(0, 0.5));
        if (q.kind == K::Investment) {
            q.SBAL = turns ? -q.SBAL : q.SBAL * uniform(0, 0.2);
            q.FBAL = turns ? std::round(-q.SBAL * uniform(0.5, 4)) : std::round(q.SBAL * 3 + 10000);
        }
        // One plan in ten next to 0 %, where the payment moves in steps of its last digits.
        const auto at = paymentAtApr(q, i % 10 == 0 ? uniform(-1e-6, 1e-6) : uniform(-40, 60));
        if (!at)
            continue;
        const double payment = uniform(0, 1) < 0.7 ? *at : *at * uniform(0.9, 1.1);
        const auto [changes, nearest] = scan(q, payment);
        const FoundRate r = findRate(q, payment);
        SCOPED_TRACE(::testing::Message() << "plan " << i << " payment " << payment);
        turning += changes > 1;
        if (changes == 0) {
            // A rate the scan passed over (a touch at a turning point) must still be one.
            if (r.apr) {
                EXPECT_NEAR(*paymentAtApr(q, *r.apr), payment, 1e-9 * std::fabs(payment));
            }
            continue;
        }
        ASSERT_TRUE(r.apr) << r.message;
        ++found;
        EXPECT_LE(std::fabs(*r.apr), nearest * (1 + 1e-9));
        EXPECT_NEAR(*paymentAtApr(q, *r.apr), payment, 1e-9 * std::fabs(payment));
    }
    EXPECT_GT(found, 2000);
    EXPECT_GT(turning, 200);
}

// A balloon of more than twice the loan, to be paid out at the end: both 11.49 % and 13.37 % give
// the payment of 13.37 %, and the one nearer 0 is found. Then two rates a hair apart around the
// payment's turning point, far closer than any two samples: the search must look into the turning
// point to find either.
TEST(FindRate, TwoRatesAroundATurningPoint) {
    const PaymentQuestion q{PaymentQuestion::Kind::Loan, 106, 314022.56, 0, -653212.32, 0, 6, 1};
    const FoundRate nearer = findRate(q, *paymentAtApr(q, 13.37));
    ASSERT_TRUE(nearer.apr) << nearer.message;
    EXPECT_NEAR(*nearer.apr, 11.49, 0.01);

    // Just above the bottom of a trough two rates give the payment; the one nearer 0 wins: left
    // of a trough at positive rates, right of one at negative rates.
    const std::tuple<PaymentQuestion, double, double> troughs[] = {
        {q, 11.49, 13.37},
        {{PaymentQuestion::Kind::Loan, 60, 100000, 0, -57122, 0, 1, 1}, -18.5, -16.5}};
    for (const auto& [t, from, to] : troughs) {
        double bottom = from, lowest = *paymentAtApr(t, bottom);
        for (double apr = from; apr <= to; apr += 1e-5)
            if (const double p = *paymentAtApr(t, apr); p < lowest)
                std::tie(bottom, lowest) = std::make_pair(apr, p);
        ASSERT_TRUE(bottom > from + 0.01 && bottom < to - 0.01) << bottom; // inside, not at an end
        const double payment = lowest + 1e-7 * std::fabs(lowest);
        const FoundRate r = findRate(t, payment);
        ASSERT_TRUE(r.apr) << r.message;
        EXPECT_NEAR(*paymentAtApr(t, *r.apr), payment, 1e-9 * payment);
        EXPECT_LT(std::fabs(*r.apr), std::fabs(bottom));
        EXPECT_NEAR(*r.apr, bottom, 0.1);
    }
}

// A rate near the top of the range, between its last two samples.
TEST(FindRate, ARateNearTheHighestOne) {
    const PaymentQuestion q{PaymentQuestion::Kind::Loan, 13, 1000, 0, 0, 0, 1, 1};
    const double payment = *paymentAtApr(q, 999000);
    const FoundRate r = findRate(q, payment);
    ASSERT_TRUE(r.apr) << r.message;
    EXPECT_NEAR(*paymentAtApr(q, *r.apr), payment, 1e-9 * payment);
}

} // namespace
} // namespace selvane
