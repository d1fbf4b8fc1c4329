// What if, as the state object runs it: every figure, the rate change's too, against the schedule
// model on generated loans; plans without a schedule; the texts, the rate change's too; a found
// rate that goes with its plan. Find the Rate is checked by its definition: type the found APR in
// (Use This Rate), calculate the payment, and it must be the payment typed, for thousands of
// generated plans in every mode and period pair.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <tuple>
#include <vector>

#include "calculator/fincalc.h"
#include "calculator/mode_menu.h"
#include "core/number_text.h"
#include "support/case_table.h"
#include "support/generated_loans.h"
#include "support/recording_host.h"
#include "support/report_inputs.h"
#include "support/schedule_model.h"

namespace selvane {
namespace {

using testing::calculate;
using testing::Loan;

class WhatIf : public ::testing::Test {
  protected:
    void SetUp() override {
        c.Form_Load();
        c.mnMortgage_Click();
    }
    testing::RecordingHost host;
    FinCalc c{host, testing::kUsd}; // texts in dollars, whatever the machine's locale
};

// The rate per payment an APR gives, as the calculation derives it from its periods.
double perPayment(double apr, double compoundMonths, double perMonth) {
    return std::pow(1 + 0.01 * apr * compoundMonths / (perMonth * 12), 1 / compoundMonths) - 1;
}

// The payment the payment field shows after a calculation: a lease's with its tax.
double shownPayment(const FinCalc& c) {
    const double pmt = val(c.stored.PMT).v;
    return c.mode() == Mode::Lease ? pmt * (1 + 0.01 * val(c.stored.TAX).v) : pmt;
}

TEST_F(WhatIf, FoundRatesGiveThePaymentBackWhenCalculated) {
    std::mt19937 gen(20261206);
    auto pick = [&](const auto& options) {
        return options[std::uniform_int_distribution<size_t>(0, std::size(options) - 1)(gen)];
    };
    const auto whole = [&](int most) { return std::uniform_int_distribution<int>(0, most)(gen); };
    const Mode modes[] = {Mode::PersonalLoan, Mode::Mortgage, Mode::Lease, Mode::Income,
                          Mode::Investment};
    const double counts[] = {1, 2, 3, 12, 13, 36, 47.5, 60, 180, 360, 1000, 4000, 10000};
    const double amounts[] = {500, 20000, 150000, 1234567.89};
    const double rates[] = {0,  1e-4, -1e-4, 0.001, 0.01, 0.1, 1,   3.25, 7.5, 12,  29.99,
                            60, 99.9, 100,   150,   250,  500, 999, -0.5, -3,  -25, -60};
    const double shares[] = {0, 0, 0.1, 0.35}; // end amount and down payment as shares
    const double taxes[] = {0, 0, 5, 8.25};
    int checked = 0, skipped = 0;
    for (int i = 0; i < 3000; ++i) {
        const double sbal = pick(amounts);
        const auto share = [&] { return std::round(sbal * pick(shares) * 100) / 100; };
        // Solved for the payment (result 0), with no extras.
        const Loan l{pick(modes), whole(3), whole(2), 0,           pick(counts),
                     sbal,        share(),  share(),  pick(taxes), pick(rates),
                     0,           0,        0,        1,           1};
        // As the calculation gives it, and as a user types it from an offer: to the cent.
        for (const bool cents : {false, true}) {
            calculate(c, l);
            const double exact = shownPayment(c);
            const double typed = cents ? std::round(exact * 100) / 100 : exact;
            // Yearly compounding with fewer payments than months, and rates so high that a long
            // plan's growth overflows, have no payment to find a rate for.
            if (!c.plan.solved || !std::isfinite(exact) || typed == 0) {
                ++skipped;
                continue;
            }
            c.fields[field::PMT].text = roundTripText(typed);
            c.mnFindRate_Click();
            ASSERT_TRUE(c.plan.foundRate && c.plan.foundRate->apr)
                << "plan " << i << ": " << c.plan.foundRate->message;
            const double apr = *c.plan.foundRate->apr;
            const std::optional<double> realApr = c.plan.foundRate->realApr;
            c.mnUseRate_Click();
            ++checked;
            // The calculation took every digit from the field (which then shows "0.000").
            EXPECT_EQ(val(c.stored.APR).v, apr);
            EXPECT_NEAR(shownPayment(c), typed, 1e-9 * std::fabs(typed)) << "plan " << i;
            if (realApr) {
                EXPECT_NEAR(*realApr, val(c.stored.RAPR).v,
                            1e-12 * std::max(1.0, std::fabs(*realApr)));
            }
        }
    }
    EXPECT_GT(checked, 4000);
    EXPECT_LT(skipped, 1200);
}

// Every figure of the What If window and of Compare against the schedule model, from the plan as
// the calculation left it: the amount financed (with the sales tax where the payment was solved
// for), the period rate, the payment, the end amount and the payments rounded up. About a hundred
// of the plans run thousands of payments at 20 % or more, where the balance's rounding errors grow
// by (1 + rate) each period: they agree to the cent only through the schedule's extra precision.
// Then the rate changes (every period pair, tax, down payment, balloon, rates up and down), to the
// cent or 1e-9 of the figure.
TEST_F(WhatIf, FiguresAreThoseOfAnExactScheduleOnGeneratedLoans) {
    std::mt19937 gen(20261207);
    int scheduled = 0, refused = 0, decimals = 0, failed = 0;
    int checked = 0, endless = 0, onTime = 0, same = 0, steep = 0; // of the rate changes
    for (int i = 0; i < 3000; ++i) {
        const Loan l = testing::generate(gen);
        c.clearRateChange(); // the last plan's, which Compare would show
        calculate(c, l);
        const double financed =
            l.result == 0 ? l.sbal * (1 + 0.01 * l.tax) - l.dpmt : l.sbal - l.dpmt;
        const double rate = val(c.stored.PeriodRate).v, pmt = val(c.stored.PMT).v;
        const double pers = val(c.stored.PERS).v;
        const auto n = static_cast<std::int64_t>(std::ceil(pers));
        const std::string trace = "loan " + std::to_string(i);
        ASSERT_TRUE(c.setExtras("0", "1", "0", "1"));
        const bool paysDown = l.fbal < financed &&
                              model::Quad(pmt) > model::Quad(financed) * model::Quad(rate) &&
                              std::isfinite(pers) && n >= 1;
        const auto plain = c.plan.whatIf();
        if (!c.plan.solved) { // the calculation failed: no figures, and no earlier plan's
            ++failed;
            EXPECT_FALSE(plain) << trace;
            EXPECT_NE(c.plan.noSchedule().value_or("").find("failed"), std::string::npos) << trace;
            continue;
        }
        ASSERT_EQ(plain.has_value(), paysDown) << trace;
        if (!paysDown) {
            ++refused;
            EXPECT_TRUE(c.plan.noSchedule()) << trace;
            EXPECT_FALSE(c.plan.planFigures().totalPaid) << trace;
            continue;
        }
        ++scheduled;
        decimals += pers != std::floor(pers);
        const model::Totals base = model::walk(financed, rate, pmt, l.fbal, n);
        // Nothing extra, nothing saved; and Compare shows the same schedule.
        EXPECT_EQ(plain->interestSaved, 0) << trace;
        EXPECT_EQ(plain->paymentsSaved, 0) << trace;
        const PlanFigures now = c.plan.planFigures();
        EXPECT_EQ(plain->payments, base.payments) << trace;
        EXPECT_EQ(now.payments, base.payments) << trace;
        EXPECT_TRUE(model::close(plain->lastPayment, base.lastPayment)) << trace;
        EXPECT_TRUE(model::close(*now.totalPaid, base.totalPaid)) << trace;
        EXPECT_TRUE(model::close(*now.totalInterest, base.totalInterest)) << trace;
        EXPECT_TRUE(model::close(*now.totalPaid - *now.totalInterest,
                                 model::Quad(financed) - model::Quad(l.fbal)))
            << trace;

        ASSERT_TRUE(c.setExtras(roundTripText(l.extra), std::to_string(l.from),
                                roundTripText(l.lump), std::to_string(l.at)));
        const auto w = c.plan.whatIf();
        ASSERT_TRUE(w) << trace;
        const model::Totals x =
            model::walk(financed, rate, pmt, l.fbal, n, l.extra, l.from, l.lump, l.at);
        EXPECT_EQ(w->payments, x.payments) << trace;
        EXPECT_EQ(w->paymentsSaved, base.payments - x.payments) << trace;
        EXPECT_TRUE(model::close(w->lastPayment, x.lastPayment)) << trace;
        EXPECT_TRUE(model::close(w->totalPaid, x.totalPaid)) << trace;
        EXPECT_TRUE(model::close(w->totalInterest, x.totalInterest)) << trace;
        EXPECT_TRUE(model::close(w->interestSaved, base.totalInterest - x.totalInterest)) << trace;
        EXPECT_DOUBLE_EQ(w->yearsSaved,
                         static_cast<double>(w->paymentsSaved) / (12 * *c.PaymentsPerMonth));
        const bool unused =
            (l.lump != 0 && l.at > x.payments) || (l.extra != 0 && l.from > x.payments);
        EXPECT_EQ(!w->note.empty(), unused) << trace << " " << w->note;

        // Then a new rate from the first, a middle or the last payment or after the plan, the
        // plan's own APR now and then, either answer of the lender, with the extras every other
        // plan: every figure of the rate change and of the rate shocks.
        const bool withExtras = i % 2 == 0;
        const double extra = withExtras ? l.extra : 0, lump = withExtras ? l.lump : 0;
        ASSERT_TRUE(c.setExtras(roundTripText(extra), std::to_string(l.from), roundTripText(lump),
                                std::to_string(l.at)));
        const Plan& p = *c.plan.solved;
        const std::int64_t places[] = {1, p.payments / 2 + 1, p.payments, p.payments + 1};
        const std::int64_t from = places[i % 7 == 6 ? 3 : i % 3]; // the last: after the plan
        const bool keepEndDate = i % 4 < 2;
        const bool unchanged = i % 10 == 9; // the plan's own APR
        const double apr =
            unchanged ? c.plan.apr
                      : std::round(std::uniform_real_distribution<>(-2, 30)(gen) * 1000) / 1000;
        const std::string rateTrace =
            trace + " at " + std::to_string(apr) + " from " + std::to_string(from) +
            (keepEndDate ? " keeping the end date" : " keeping the payment");
        ASSERT_TRUE(c.setRateChange(roundTripText(apr), std::to_string(from), keepEndDate));
        const auto f = c.plan.rateChangeFigures();
        ASSERT_TRUE(f) << rateTrace;
        const double C = c.plan.compoundMonths, P = p.paymentsPerMonth;
        const model::Change change{perPayment(apr, C, P), from, keepEndDate};
        // Where the balance can grow a trillion-fold over the plan (centuries of payments at a
        // high rate), a payment's last bit moves the last payment by more than a cent: no
        // payment in doubles has exact figures there, and such plans are left out.
        const double fastest = std::max(p.periodRate, perPayment(c.plan.apr + 3, C, P));
        if (static_cast<double>(p.payments) * std::log1p(std::max(fastest, change.rate)) >
            std::log(1e12)) {
            ++steep;
            continue;
        }
        const auto walk = [&](const model::Change* ch) {
            return model::walk(p.amountFinanced, p.periodRate, p.payment, p.endAmount, p.payments,
                               extra, l.from, lump, l.at, ch);
        };
        const model::Totals m = walk(&change), before = walk(nullptr);
        if (m.endless) {
            ++endless;
            EXPECT_NE(f->message.find("never paid off"), std::string::npos)
                << rateTrace << f->message;
            const model::Change kept{change.rate, from, true};
            EXPECT_NE(f->message.find(
                          c.currency().amount(static_cast<double>(walk(&kept).changedPayment))),
                      std::string::npos)
                << rateTrace << f->message;
            continue;
        }
        ASSERT_TRUE(f->message.empty()) << rateTrace << f->message;
        const auto expectClose = [&](double got, model::Quad want, const std::string& what) {
            EXPECT_TRUE(model::close(got, want)) << rateTrace << ", " << what << ": " << got
                                                 << " against " << static_cast<double>(want);
        };
        ++checked;
        expectClose(f->payment, m.changedPayment, "payment");
        EXPECT_EQ(f->payments, m.payments) << rateTrace;
        expectClose(f->lastPayment, m.lastPayment, "lastPayment");
        expectClose(f->totalPaid, m.totalPaid, "totalPaid");
        expectClose(f->totalInterest, m.totalInterest, "totalInterest");
        expectClose(f->extraInterest, m.totalInterest - before.totalInterest, "extraInterest");
        EXPECT_EQ(f->paymentsChange, m.payments - before.payments) << rateTrace;
        EXPECT_DOUBLE_EQ(f->yearsChange, static_cast<double>(f->paymentsChange) / (12 * P));
        // Keeping the end date never runs past the plan's last payment, and ends on it wherever
        // the plan without the change does and no extra ends it sooner.
        if (keepEndDate) {
            EXPECT_LE(f->payments, p.payments) << rateTrace;
            if (!withExtras && before.payments == p.payments) {
                ++onTime;
                EXPECT_EQ(f->payments, p.payments) << rateTrace;
            }
        }
        // The plan's own rate, its payment kept, changes nothing at all.
        if (unchanged && !keepEndDate) {
            ++same;
            EXPECT_EQ(f->extraInterest, 0) << rateTrace;
            EXPECT_EQ(f->paymentsChange, 0) << rateTrace;
        }

        // The shocks: the plan's APR one to three points higher from the change, the end date
        // kept.
        const auto shock = c.plan.shock();
        ASSERT_TRUE(shock) << rateTrace;
        for (int k = 1; k <= 3; ++k) {
            const model::Change up{perPayment(c.plan.apr + k, C, P), from <= p.payments ? from : 1,
                                   true};
            const model::Totals s = walk(&up);
            const ShockFigures& got = (*shock)[static_cast<size_t>(k - 1)];
            EXPECT_EQ(got.points, k);
            expectClose(got.payment, s.changedPayment, "payment +" + std::to_string(k));
            expectClose(got.totalInterest, s.totalInterest, "interest +" + std::to_string(k));
        }
    }
    EXPECT_GT(scheduled, 2000);
    EXPECT_GT(refused, 100);
    EXPECT_GT(decimals, 300);
    EXPECT_LT(failed, 200);
    EXPECT_LT(steep, 450);
    EXPECT_GT(checked, 1800);
    EXPECT_GT(endless, 30);
    EXPECT_GT(onTime, 375);
    EXPECT_GT(same, 60);
}

TEST_F(WhatIf, TextsOfTheWindowComeFromTheState) {
    ASSERT_TRUE(c.setExtras("200", "1", "5000", "24"));
    EXPECT_EQ(c.plan.whatIfTexts().figures[6], "8 years 4 months"); // 100 monthly payments saved
    ASSERT_TRUE(c.setExtras("0", "1", "1000", "400"));
    EXPECT_NE(c.plan.whatIfTexts().note.find("at payment 400 comes after the last payment (300)"),
              std::string::npos);

    c.mnKeep_Click();
    c.fields[field::PERS].text = "180";
    c.Calculate();
    const CompareTexts compare = c.plan.compareTexts();
    using Row = std::array<std::string, 3>;
    EXPECT_EQ(compare[1], (Row{"300", "180", "-120"}));
    EXPECT_EQ(compare[4], (Row{"25 years", "15 years", "-10 years"}));
    EXPECT_EQ(compare[3][2],
              c.currency()(*c.plan.planFigures().totalInterest - *c.plan.kept->totalInterest));
    // A failed calculation has no plan: none of its figures are shown, none are kept.
    c.chooseCompound(3); // yearly: 10.5 payments are too few
    c.fields[field::PERS].text = "10.5";
    c.Calculate();
    c.mnKeep_Click();
    for (const Row& row : c.plan.compareTexts())
        EXPECT_EQ(row[1] + row[2], "\u2013\u2013");
    EXPECT_EQ(c.plan.compareTexts()[1][0], "300");
}

// With dates, each schedule's payoff beside its figures, worked out by hand: the first payment a
// month after 31 January 2026, 28 February; payment 300 in January 2051, payment 200 in
// September 2042 (8 years 4 months sooner), payment 180 in January 2041.
TEST_F(WhatIf, PayoffDatesBesideTheFigures) {
    ASSERT_TRUE(c.setExtras("200", "1", "5000", "24"));
    EXPECT_EQ(c.plan.whatIfTexts().payoff, "");
    ASSERT_TRUE(c.setStartDate("2026-01-31"));
    EXPECT_EQ(c.plan.whatIfTexts().payoff, "Paid off in September 2042, 8 years 4 months sooner");
    const CalendarTexts t = c.plan.calendarTexts();
    EXPECT_EQ(t.payoff, "Paid off on 1/31/2051, payment 300");
    EXPECT_EQ(t.firstInUse, "2/28/2026");
    EXPECT_EQ(t.years.front()[0] + " " + t.years.front()[1], "2026 11");
    EXPECT_EQ(t.years.back()[0] + " " + t.years.back()[1], "Total 300");
    c.mnKeep_Click();
    c.fields[field::PERS].text = "180";
    c.Calculate();
    using Row = std::array<std::string, 3>;
    EXPECT_EQ(c.plan.comparePayoff(), (Row{"January 2051", "January 2041", "-10 years"}));
    ASSERT_TRUE(c.setExtras("0", "1", "0", "1"));
    EXPECT_EQ(c.plan.whatIfTexts().payoff, "Paid off in January 2041, as planned");
    ASSERT_TRUE(c.setRateChange("6", "1", false)); // the payment kept: a longer plan
    EXPECT_NE(c.plan.rateChangeTexts().payoff.find("later"), std::string::npos);
}

TEST_F(WhatIf, RefusedExtrasKeepTheOnesBeforeAndSayWhy) {
    ASSERT_TRUE(c.setExtras(" 100 ", "12", "2500.50", "36"));
    const Extras good = c.plan.extras;
    // The cases are in tests/data/refused_extras_cases.csv: texts typed in the window, and a
    // piece of the sentence that says why they are refused.
    for (const testing::CaseRow& k : testing::readCases("refused_extras_cases.csv")) {
        EXPECT_FALSE(c.setExtras(k.text("extra"), k.text("from"), k.text("lump"), k.text("at")))
            << k.line;
        EXPECT_NE(c.plan.extrasMessage.find(k.text("says")), std::string::npos)
            << c.plan.extrasMessage;
        EXPECT_EQ(c.plan.extras, good);
        EXPECT_EQ(c.plan.whatIfTexts().figures[0],
                  "\u2013"); // no figures (a dash) for the text before
    }
    // A refusal goes with the window: opened again, it shows the extras in use.
    c.mnWhatIf_Click();
    EXPECT_FALSE(c.setRateChange("x", "1", true));
    c.whatIfClosed();
    EXPECT_TRUE(c.plan.extrasMessage.empty() && c.plan.rateChangeMessage.empty() && !c.whatIfOpen);
    EXPECT_TRUE(c.setExtras("0", "1", "0", "1"));
    EXPECT_TRUE(c.plan.extrasMessage.empty());
    EXPECT_NE(c.plan.whatIfTexts().figures[0], "\u2013");
}

// Why the other modes take none. That Compare keeps the plan of every mode, with its figures, is
// the case compare-every-mode of the command-line scripts.
TEST_F(WhatIf, OnlyLoansAndMortgagesTakeExtras) {
    const std::tuple<void (FinCalc::*)(), const char*> modes[] = {
        {&FinCalc::mnPersonalLoan_Click, nullptr},
        {&FinCalc::mnMortgage_Click, nullptr},
        {&FinCalc::mnLease_Click, "set by its contract"},
        {&FinCalc::mnIncome_Click, "paid to you"},
        {&FinCalc::mnInvestment_Click, "raise the deposit"}};
    for (const auto& [click, says] : modes) {
        (c.*click)();
        EXPECT_EQ(c.plan.whatIf().has_value(), says == nullptr) << c.CalculatorMode;
        EXPECT_NE(c.plan.extrasUnavailable().value_or("-").find(says ? says : "-"),
                  std::string::npos)
            << c.CalculatorMode;
    }
}

// What the window shows of a found rate: the sentence and a dash when none gives the payment, the
// APR to six decimals when one does. Which rate, and when it is forgotten, is the case
// found-rate-follows-the-plan of the command-line scripts.
TEST_F(WhatIf, RateTextsOfTheWindow) {
    c.chooseResult(2);
    c.fields[field::PMT].text = "0";
    c.mnFindRate_Click();
    EXPECT_EQ(host.count("showWhatIf"), 1);
    ASSERT_TRUE(c.plan.foundRate && !c.plan.foundRate->apr && !c.plan.foundRate->message.empty());
    EXPECT_EQ(c.plan.rateTexts().message, c.plan.foundRate->message);
    EXPECT_EQ(c.plan.rateTexts().apr, "\u2013");
    c.fields[field::PMT].text = "1500";
    c.mnFindRate_Click();
    ASSERT_TRUE(c.plan.foundRate && c.plan.foundRate->apr) << c.plan.foundRate->message;
    EXPECT_EQ(c.plan.rateTexts().apr, formatFixed(*c.plan.foundRate->apr, 6) + " %");
    EXPECT_TRUE(c.plan.rateTexts().message.empty());
}

// The texts the window shows, for a 25-year mortgage at 4 % whose rate changes from payment 61
// (figures as the schedule model has them): signed changes, singular and plural, and no figure
// beside a refused text or where a change cannot be used.
TEST_F(WhatIf, RateChangeTextsOfTheWindow) {
    c.fields[field::APR].text = "4";
    c.Calculate();
    RateChangeTexts t = c.plan.rateChangeTexts();
    EXPECT_TRUE(t.apr == "4" && t.from == "1" && !t.on && t.figures[0] == "\u2013");
    // The cases are in tests/data/rate_change_text_cases.csv: the change, the window's figures in
    // their order and the heading of the rate shocks.
    const std::array<const char*, 7> columns{"payment",        "payments",       "last_payment",
                                             "total_paid",     "total_interest", "extra_interest",
                                             "payments_change"};
    for (const testing::CaseRow& k : testing::readCases("rate_change_text_cases.csv")) {
        const bool keepEndDate = k.text("keep_end_date") == "yes";
        ASSERT_TRUE(c.setRateChange(k.text("apr"), k.text("from"), keepEndDate)) << k.line;
        t = c.plan.rateChangeTexts();
        for (size_t i = 0; i < t.figures.size(); ++i)
            EXPECT_EQ(t.figures[i], k.text(columns.at(i))) << k.line;
        EXPECT_TRUE(t.on && t.refused.empty() && t.message.empty()) << k.line;
        EXPECT_EQ(t.keepEndDate, keepEndDate) << k.line;
        EXPECT_EQ(t.shockFrom, k.text("shock_from")) << k.line;
    }
    ASSERT_TRUE(c.setRateChange("6.5", "61", false));
    const std::array<std::string, 3> shock1{"+1 point (5.000 %)", "$858.08", "$103,280.92"};
    EXPECT_EQ(c.plan.rateChangeTexts().shock[0], shock1);
    EXPECT_EQ(c.plan.rateChangeTexts().shock[2][0], "+3 points (7.000 %)");

    // A refused text, a payment that does not pay the interest at the new rate, a lease.
    EXPECT_FALSE(c.setRateChange("6.5", "0", false));
    t = c.plan.rateChangeTexts();
    EXPECT_TRUE(t.on && !t.refused.empty() && t.figures[0] == "\u2013" &&
                t.shock[0][1] == "\u2013");
    ASSERT_TRUE(c.setRateChange("30", "61", false));
    t = c.plan.rateChangeTexts();
    EXPECT_TRUE(!t.message.empty() && t.figures[0] == "\u2013" && t.shock[0][1] != "\u2013");
    // Kept so, the plan has no number of payments, length or totals to compare.
    c.mnKeep_Click();
    for (const size_t row : {1, 2, 4})
        EXPECT_EQ(c.plan.compareTexts()[row][0], "\u2013") << row;
    c.mnLease_Click();
    t = c.plan.rateChangeTexts();
    EXPECT_TRUE(!t.unavailable.empty() && t.shockFrom.empty() && t.figures[0] == "\u2013");
}

} // namespace
} // namespace selvane
