// What if, as the state object runs it. Find the Rate is checked by its definition: type the
// found APR in (Use This Rate), calculate the payment, and it must be the payment typed, for
// thousands of generated plans in every mode and period pair.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "calculator/fincalc.h"
#include "core/number_text.h"

namespace selvane {
namespace {

void switchTo(FinCalc& c, Mode m) {
    switch (m) {
    case Mode::PersonalLoan:
        c.mnPersonalLoan_Click();
        break;
    case Mode::Mortgage:
        c.mnMortgage_Click();
        break;
    case Mode::Lease:
        c.mnLease_Click();
        break;
    case Mode::Income:
        c.mnIncome_Click();
        break;
    case Mode::Investment:
        c.mnInvestment_Click();
        break;
    }
}

std::string text(double v) {
    return roundTripText(v);
}

// The payment the payment field shows after a calculation: a lease's with its tax.
double shownPayment(const FinCalc& c) {
    const double pmt = val(c.stored.PMT).v;
    return c.mode() == Mode::Lease ? pmt * (1 + 0.01 * val(c.stored.TAX).v) : pmt;
}

struct Plan {
    Mode mode;
    int compound, period;
    double pers, sbal, dpmt, fbal, tax, apr;
};

std::string describe(const Plan& p) {
    std::ostringstream s;
    s << "mode " << static_cast<int>(p.mode) << " compound " << p.compound << " period " << p.period
      << " PERS " << p.pers << " SBAL " << p.sbal << " DPMT " << p.dpmt << " FBAL " << p.fbal
      << " TAX " << p.tax << " APR " << p.apr;
    return s.str();
}

// Sets the plan up solving for the payment and calculates; false when the calculation cannot
// give a payment for it (the parts of the payment keep no value).
bool calculatePlan(FinCalc& c, const Plan& p) {
    switchTo(c, p.mode);
    c.chooseCompound(p.compound);
    c.choosePeriod(p.period);
    c.chooseResult(0);
    const std::pair<int, double> inputs[] = {{field::PERS, p.pers}, {field::SBAL, p.sbal},
                                             {field::DPMT, p.dpmt}, {field::FBAL, p.fbal},
                                             {field::TAX, p.tax},   {field::APR, p.apr}};
    for (const auto& [i, v] : inputs)
        c.fields[static_cast<size_t>(i)].text = text(v);
    c.stored.PrincipalPart.reset();
    c.stored.InterestPart.reset();
    c.Calculate();
    return c.stored.PrincipalPart && c.stored.InterestPart && std::isfinite(shownPayment(c));
}

struct RoundTrips {
    int checked = 0, skipped = 0, noAnswer = 0;
    std::vector<std::string> failures;
};

// Types `typed` into the payment field, finds the rate, uses it, and checks the payment the
// calculation then gives.
void roundTrip(FinCalc& c, const Plan& p, double typed, RoundTrips& r) {
    c.fields[field::PMT].text = text(typed);
    c.mnFindRate_Click();
    ASSERT_TRUE(c.foundRate.has_value());
    if (!c.foundRate->apr) {
        ++r.noAnswer;
        r.failures.push_back(describe(p) + " typed " + text(typed) + ": " + c.foundRate->message);
        return;
    }
    const double apr = *c.foundRate->apr;
    c.mnUseRate_Click();
    ++r.checked;
    // The calculation took every digit from the field (which then shows them as "0.000").
    EXPECT_EQ(val(c.stored.APR).v, apr);
    const double again = shownPayment(c);
    if (!(std::fabs(again - typed) <= 1e-9 * std::fabs(typed)))
        r.failures.push_back(describe(p) + " typed " + text(typed) + " found APR " + text(apr) +
                             " gives " + text(again));
    if (c.foundRate->realApr) {
        EXPECT_NEAR(*c.foundRate->realApr, val(c.stored.RAPR).v,
                    1e-12 * std::max(1.0, std::fabs(*c.foundRate->realApr)));
    }
}

TEST(FindRate, RoundTripsByCalculatingAgainAcrossGeneratedPlans) {
    NullHost host;
    FinCalc c(host);
    c.Form_Load();
    std::mt19937 gen(20261206);
    auto pick = [&](const auto& options) {
        return options[std::uniform_int_distribution<size_t>(0, std::size(options) - 1)(gen)];
    };
    const Mode modes[] = {Mode::PersonalLoan, Mode::Mortgage, Mode::Lease, Mode::Income,
                          Mode::Investment};
    const double counts[] = {1, 2, 3, 12, 13, 36, 47.5, 60, 180, 360, 1000, 4000, 10000};
    const double amounts[] = {500, 20000, 150000, 1234567.89};
    const double rates[] = {0,  1e-4, -1e-4, 0.001, 0.01, 0.1, 1,   3.25, 7.5, 12,  29.99,
                            60, 99.9, 100,   150,   250,  500, 999, -0.5, -3,  -25, -60};
    const double shares[] = {0, 0, 0.1, 0.35}; // end amount and down payment as shares
    const double taxes[] = {0, 0, 5, 8.25};
    RoundTrips r;
    for (int i = 0; i < 3000; ++i) {
        Plan p{pick(modes),
               std::uniform_int_distribution<int>(0, 3)(gen),
               std::uniform_int_distribution<int>(0, 2)(gen),
               pick(counts),
               pick(amounts),
               0,
               0,
               pick(taxes),
               pick(rates)};
        p.dpmt = std::round(p.sbal * pick(shares) * 100) / 100;
        p.fbal = std::round(p.sbal * pick(shares) * 100) / 100;
        if (!calculatePlan(c, p)) {
            ++r.skipped;
            continue;
        }
        const double exact = shownPayment(c);
        roundTrip(c, p, exact, r);
        // As a user types it from an offer: to the cent.
        const double cents = std::round(exact * 100) / 100;
        if (cents != 0 && calculatePlan(c, p))
            roundTrip(c, p, cents, r);
    }
    // Yearly compounding with fewer payments than months, and rates so high that a long plan's
    // growth overflows, have no payment to find a rate for; most plans have one.
    EXPECT_GT(r.checked, 4000);
    EXPECT_LT(r.skipped, 600);
    for (size_t i = 0; i < std::min<size_t>(r.failures.size(), 20); ++i)
        ADD_FAILURE() << r.failures[i];
    EXPECT_TRUE(r.failures.empty()) << r.failures.size() << " of " << r.checked + r.noAnswer;
}

} // namespace
} // namespace selvane
