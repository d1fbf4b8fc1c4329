// What if, as the state object runs it. Find the Rate is checked by its definition: type the
// found APR in (Use This Rate), calculate the payment, and it must be the payment typed, for
// thousands of generated plans in every mode and period pair.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "calculator/fincalc.h"
#include "calculator/mode_menu.h"
#include "core/number_text.h"

namespace selvane {
namespace {

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
    runModeSwitch(c, p.mode);
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

namespace selvane {
namespace {

class WhatIfHost : public NullHost {
  public:
    int shown = 0, closed = 0;
    void showWhatIf() override { ++shown; }
    void closeWhatIf() override { ++closed; }
};

class WhatIf : public ::testing::Test {
  protected:
    void SetUp() override {
        c.Form_Load();
        c.mnMortgage_Click();
    }
    WhatIfHost host;
    FinCalc c{host};
};

TEST_F(WhatIf, ExtrasOfNothingAreThePlanAsTheReportHasIt) {
    const auto w = c.whatIf();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->schedule.payments, c.report.rowCount());
    EXPECT_EQ(w->schedule.totalInterest, c.report.totals().interest);
    EXPECT_EQ(w->interestSaved, 0);
    EXPECT_EQ(w->paymentsSaved, 0);
    EXPECT_EQ(w->yearsSaved, 0);
    EXPECT_FALSE(w->schedule.paidOffEarly);
}

TEST_F(WhatIf, AOneTimeAmountThatPaysTheRestEndsThePlanThere) {
    const std::int64_t at = 24;
    ASSERT_TRUE(c.setExtras("0", "1", "1000000000", std::to_string(at)));
    const auto w = c.whatIf();
    ASSERT_TRUE(w);
    const double before = c.report.rowValues(at - 1).balance;
    const double r = val(c.stored.PeriodRate).v;
    EXPECT_EQ(w->schedule.payments, at);
    EXPECT_EQ(w->schedule.lastPayment, before * (1 + r) - val(c.stored.FBAL).v);
    EXPECT_EQ(w->paymentsSaved, static_cast<double>(c.report.rowCount() - at));
    EXPECT_DOUBLE_EQ(w->yearsSaved, w->paymentsSaved / 12);
    EXPECT_GT(w->interestSaved, 0);
}

TEST_F(WhatIf, FollowsEveryCalculation) {
    ASSERT_TRUE(c.setExtras("150", "1", "0", "1"));
    const auto before = c.whatIf();
    c.fields[field::SBAL].text = "300000";
    c.Calculate();
    const auto after = c.whatIf();
    ASSERT_TRUE(before && after);
    EXPECT_GT(after->schedule.payments, before->schedule.payments);
    EXPECT_EQ(after->interestSaved, c.report.totals().interest - after->schedule.totalInterest);
    c.choosePeriod(0); // biweekly: 26 payments a year
    const auto biweekly = c.whatIf();
    ASSERT_TRUE(biweekly);
    EXPECT_DOUBLE_EQ(biweekly->yearsSaved,
                     biweekly->paymentsSaved / (12 * val(c.PaymentsPerMonth).v));
}

TEST_F(WhatIf, RefusedExtrasKeepTheOnesBeforeAndSayWhy) {
    ASSERT_TRUE(c.setExtras(" 100 ", "12", "2500.50", "36"));
    const Extras good = c.extras;
    struct Case {
        const char *extra, *from, *lump, *at, *says;
    };
    const Case cases[] = {
        {"-1", "1", "0", "1", "extra amount"},
        {"abc", "1", "0", "1", "extra amount"},
        {"100abc", "1", "0", "1", "extra amount"},
        {"", "1", "0", "1", "extra amount"},
        {"inf", "1", "0", "1", "extra amount"},
        {"100", "0", "0", "1", "start at a whole"},
        {"100", "1.5", "0", "1", "start at a whole"},
        {"100", "1", "-5", "1", "one-time amount"},
        {"100", "1", "5", "0", "one-time amount goes"},
        {"100", "1", "5", "x", "one-time amount goes"},
    };
    for (const Case& k : cases) {
        EXPECT_FALSE(c.setExtras(k.extra, k.from, k.lump, k.at)) << k.extra << " " << k.from;
        EXPECT_NE(c.extrasMessage.find(k.says), std::string::npos) << c.extrasMessage;
        EXPECT_EQ(c.extras.extra, good.extra);
        EXPECT_EQ(c.extras.from, good.from);
        EXPECT_EQ(c.extras.lump, good.lump);
        EXPECT_EQ(c.extras.at, good.at);
    }
    EXPECT_TRUE(c.setExtras("0", "1", "0", "1"));
    EXPECT_TRUE(c.extrasMessage.empty());
}

TEST_F(WhatIf, OnlyLoansAndMortgagesTakeExtras) {
    const std::pair<void (FinCalc::*)(), bool> modes[] = {{&FinCalc::mnPersonalLoan_Click, true},
                                                          {&FinCalc::mnMortgage_Click, true},
                                                          {&FinCalc::mnLease_Click, false},
                                                          {&FinCalc::mnIncome_Click, false},
                                                          {&FinCalc::mnInvestment_Click, false}};
    for (const auto& [click, takes] : modes) {
        (c.*click)();
        EXPECT_EQ(c.whatIf().has_value(), takes) << c.CalculatorMode;
        const auto why = c.extrasUnavailable();
        EXPECT_EQ(!why.has_value(), takes) << c.CalculatorMode;
        EXPECT_NE(why.value_or("loans and mortgages").find("loans and mortgages"),
                  std::string::npos);
    }
}

TEST_F(WhatIf, OneWindowThatClosesWithTheMainWindow) {
    c.mnWhatIf_Click();
    c.mnWhatIf_Click();
    EXPECT_EQ(host.shown, 2); // the second click raises the one window
    EXPECT_TRUE(c.whatIfOpen);
    c.whatIfClosed();
    EXPECT_FALSE(c.whatIfOpen);
    c.mnWhatIf_Click();
    c.Form_Unload();
    EXPECT_EQ(host.closed, 1);
    EXPECT_FALSE(c.whatIfOpen);
}

TEST_F(WhatIf, KeptPlanStaysWhileTheOneNowChanges) {
    EXPECT_FALSE(c.kept);
    c.mnKeep_Click();
    ASSERT_TRUE(c.kept);
    const PlanFigures kept = *c.kept;
    EXPECT_EQ(kept.mode, "Mortgage");
    EXPECT_EQ(kept.payment, val(c.stored.PMT).v);
    EXPECT_EQ(kept.payments, val(c.stored.PERS).v);
    EXPECT_EQ(kept.totalInterest, c.report.totals().interest);
    EXPECT_DOUBLE_EQ(kept.years, kept.payments / 12);

    c.fields[field::PERS].text = "180";
    c.Calculate();
    const PlanFigures now = c.planFigures();
    EXPECT_EQ(c.kept->payments, kept.payments);
    EXPECT_EQ(now.payments, 180);
    EXPECT_GT(now.payment, kept.payment);
    EXPECT_LT(now.totalInterest, kept.totalInterest);
    c.mnClearKept_Click();
    EXPECT_FALSE(c.kept);
}

TEST_F(WhatIf, ALeaseIsKeptWithThePaymentItsFieldShows) {
    c.mnLease_Click();
    c.mnKeep_Click();
    ASSERT_TRUE(c.kept);
    EXPECT_EQ(format00(c.kept->payment), c.fields[field::PMT].text);
}

TEST_F(WhatIf, TheRateOfAnOfferSolvedForItsNumberOfPayments) {
    c.chooseResult(2); // number of payments: the payment is typed
    c.fields[field::APR].text = "6.125";
    c.fields[field::PMT].text = "1500";
    c.Calculate();
    const std::string payments = c.fields[field::PERS].text;
    c.mnFindRate_Click();
    ASSERT_TRUE(c.foundRate && c.foundRate->apr) << c.foundRate->message;
    // The number of payments is read back from its field, rounded to the cent.
    EXPECT_NEAR(*c.foundRate->apr, 6.125, 1e-3);
    c.mnUseRate_Click();
    EXPECT_EQ(c.fields[field::PERS].text, payments);
    EXPECT_EQ(c.fields[field::APR].text, "6.125");
}

TEST_F(WhatIf, UseThisRateWithoutARateChangesNothing) {
    const auto before = c.reportRevision;
    c.mnUseRate_Click(); // nothing searched yet
    EXPECT_EQ(c.reportRevision, before);

    c.mnPersonalLoan_Click(); // monthly compounding: rates above -100 % lose at most 1/12 a month
    c.chooseResult(2);
    const std::string apr = c.fields[field::APR].text;
    c.fields[field::PMT].text = "0.01"; // far too little to repay the loan at any such rate
    c.mnFindRate_Click();
    ASSERT_TRUE(c.foundRate);
    EXPECT_FALSE(c.foundRate->apr);
    EXPECT_NE(c.foundRate->message.find("add up to less"), std::string::npos);
    const auto afterSearch = c.reportRevision;
    c.mnUseRate_Click();
    EXPECT_EQ(c.reportRevision, afterSearch);
    EXPECT_EQ(c.fields[field::APR].text, apr);
}

} // namespace
} // namespace selvane
