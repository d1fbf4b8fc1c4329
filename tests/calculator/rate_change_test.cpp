// What if the rate changes, as the state object runs it: on 2,000 generated loans and mortgages
// (every period pair, tax, down payment, balloon, rates up and down, the change at the first, a
// middle and the last payment, with and without extras), every figure of the rate change and of
// the rate shocks against the schedule model, to the cent or 1e-9 of the figure.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "calculator/fincalc.h"
#include "core/number_text.h"
#include "support/generated_loans.h"
#include "support/recording_host.h"
#include "support/report_inputs.h"
#include "support/schedule_model.h"

namespace selvane {
namespace {

// The rate per payment an APR gives, as the calculation derives it from its periods.
double perPayment(double apr, double compoundMonths, double perMonth) {
    return std::pow(1 + 0.01 * apr * compoundMonths / (perMonth * 12), 1 / compoundMonths) - 1;
}

TEST(RateChange, FiguresAreThoseOfAnExactScheduleOnGeneratedLoans) {
    NullHost host;
    FinCalc c(host);
    c.Form_Load();
    std::mt19937 gen(20261207);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<>(a, b)(gen); };
    int checked = 0, endless = 0, onTime = 0, same = 0, steep = 0;
    for (int i = 0; i < 2000; ++i) {
        testing::Loan l = testing::generate(gen);
        const bool withExtras = i % 2 == 0;
        if (!withExtras)
            l.extra = l.lump = 0;
        testing::calculate(c, l);
        if (c.noSchedule())
            continue;
        const Plan& p = *c.plan;
        ASSERT_TRUE(c.setExtras(roundTripText(l.extra), std::to_string(l.from),
                                roundTripText(l.lump), std::to_string(l.at)));
        const std::int64_t places[] = {1, p.payments / 2 + 1, p.payments, p.payments + 1};
        const std::int64_t from = places[i % 7 == 6 ? 3 : i % 3]; // the last: after the plan
        const bool keepEndDate = i % 4 < 2;
        const bool unchanged = i % 10 == 9; // the plan's own APR
        const double apr = unchanged ? c.planApr : std::round(uniform(-2, 30) * 1000) / 1000;
        const std::string trace = "loan " + std::to_string(i) + " at " + std::to_string(apr) +
                                  " from " + std::to_string(from) +
                                  (keepEndDate ? " keeping the end date" : " keeping the payment");
        ASSERT_TRUE(c.setRateChange(roundTripText(apr), std::to_string(from), keepEndDate));
        const auto f = c.rateChangeFigures();
        ASSERT_TRUE(f) << trace;
        const double C = c.planCompoundMonths, P = p.paymentsPerMonth;
        const model::Change change{perPayment(apr, C, P), from, keepEndDate};
        // Where the balance can grow a trillion-fold over the plan (centuries of payments at a
        // high rate), a payment's last bit moves the last payment by more than a cent: no
        // payment in doubles has exact figures there, and such plans are left out.
        const double fastest = std::max(p.periodRate, perPayment(c.planApr + 3, C, P));
        if (static_cast<double>(p.payments) * std::log1p(std::max(fastest, change.rate)) >
            std::log(1e12)) {
            ++steep;
            continue;
        }
        const auto walk = [&](const model::Change* ch) {
            return model::walk(p.amountFinanced, p.periodRate, p.payment, p.endAmount, p.payments,
                               l.extra, l.from, l.lump, l.at, ch);
        };
        const model::Totals m = walk(&change), base = walk(nullptr);
        if (m.endless) {
            ++endless;
            EXPECT_NE(f->message.find("never paid off"), std::string::npos) << trace << f->message;
            const model::Change kept{change.rate, from, true};
            EXPECT_NE(f->message.find(
                          c.currency().amount(static_cast<double>(walk(&kept).changedPayment))),
                      std::string::npos)
                << trace << f->message;
            continue;
        }
        ASSERT_TRUE(f->message.empty()) << trace << f->message;
        const auto expectClose = [&](double got, model::Quad want, const std::string& what) {
            EXPECT_TRUE(model::close(got, want))
                << trace << ", " << what << ": " << got << " against " << static_cast<double>(want);
        };
        ++checked;
        expectClose(f->payment, m.changedPayment, "payment");
        EXPECT_EQ(f->payments, m.payments) << trace;
        expectClose(f->lastPayment, m.lastPayment, "lastPayment");
        expectClose(f->totalPaid, m.totalPaid, "totalPaid");
        expectClose(f->totalInterest, m.totalInterest, "totalInterest");
        expectClose(f->extraInterest, m.totalInterest - base.totalInterest, "extraInterest");
        EXPECT_EQ(f->paymentsChange, m.payments - base.payments) << trace;
        EXPECT_DOUBLE_EQ(f->yearsChange, static_cast<double>(f->paymentsChange) / (12 * P));
        // Keeping the end date never runs past the plan's last payment, and ends on it wherever
        // the plan without the change does and no extra ends it sooner.
        if (keepEndDate) {
            EXPECT_LE(f->payments, p.payments) << trace;
            if (!withExtras && base.payments == p.payments) {
                ++onTime;
                EXPECT_EQ(f->payments, p.payments) << trace;
            }
        }
        // The plan's own rate, its payment kept, changes nothing at all.
        if (unchanged && !keepEndDate) {
            ++same;
            EXPECT_EQ(f->extraInterest, 0) << trace;
            EXPECT_EQ(f->paymentsChange, 0) << trace;
        }

        // The shocks: the plan's APR one to three points higher from the change, the end date
        // kept.
        const auto shock = c.shock();
        ASSERT_TRUE(shock) << trace;
        for (int k = 1; k <= 3; ++k) {
            const model::Change up{perPayment(c.planApr + k, C, P), from <= p.payments ? from : 1,
                                   true};
            const model::Totals s = walk(&up);
            const ShockFigures& got = (*shock)[static_cast<size_t>(k - 1)];
            EXPECT_EQ(got.points, k);
            expectClose(got.payment, s.changedPayment, "payment +" + std::to_string(k));
            expectClose(got.totalInterest, s.totalInterest, "interest +" + std::to_string(k));
        }
    }
    EXPECT_LT(steep, 300);
    EXPECT_GT(checked, 1200);
    EXPECT_GT(endless, 20);
    EXPECT_GT(onTime, 250);
    EXPECT_GT(same, 40);
}

// The texts the window shows, for a 25-year mortgage at 4 % whose rate changes from payment 61
// (figures as the model above has them): signed changes, singular and plural, and no figure
// beside a refused text or where a change cannot be used.
TEST(RateChange, TextsOfTheWindow) {
    testing::RecordingHost host;
    FinCalc c(host, testing::kUsd);
    c.Form_Load();
    c.mnMortgage_Click();
    c.fields[field::APR].text = "4";
    c.Calculate();
    RateChangeTexts t = c.rateChangeTexts();
    EXPECT_TRUE(t.apr == "4" && t.from == "1" && !t.on && t.figures[0] == "\u2013");
    const struct {
        struct {
            const char *apr, *from;
            bool keepEndDate;
        } change;
        std::array<std::string, 7> figures;
    } cases[] = {
        {{"6.5", "61", false},
         {"$789.03", "465", "$772.38", "$366,882.45", "$216,882.45", "+$130,173.35",
          "+165 payments (13 years 9 months)"}},
        {{"6.5", "61", true},
         {"$966.95", "300", "$966.95", "$279,410.28", "$129,410.28", "+$42,701.18", "0 payments"}},
        {{"3.97", "1", false},
         {"$789.03", "299", "$337.57", "$235,468.60", "$85,468.60", "($1,240.49)",
          "-1 payment (-1 month)"}},
        {{"4.00001", "1", false},
         {"$789.03", "301", "$0.42", "$236,709.51", "$86,709.51", "+$0.42",
          "+1 payment (1 month)"}},
        // Less than half a cent more: no sign before a figure of no cents.
        {{"4.00005", "300", false},
         {"$789.03", "300", "$789.03", "$236,709.09", "$86,709.09", "$0.00", "0 payments"}},
    };
    for (const auto& k : cases) {
        ASSERT_TRUE(c.setRateChange(k.change.apr, k.change.from, k.change.keepEndDate));
        t = c.rateChangeTexts();
        EXPECT_EQ(t.figures, k.figures) << k.change.apr;
        EXPECT_TRUE(t.on && t.refused.empty() && t.message.empty());
    }
    EXPECT_EQ(t.shockFrom, "From payment 300 on, the end date kept:");
    ASSERT_TRUE(c.setRateChange("6.5", "61", false));
    EXPECT_EQ(c.rateChangeTexts().shockFrom, "From payment 61 on, the end date kept:");
    const std::array<std::string, 3> shock1{"+1 point (5.000 %)", "$858.08", "$103,280.92"};
    EXPECT_EQ(c.rateChangeTexts().shock[0], shock1);
    EXPECT_EQ(c.rateChangeTexts().shock[2][0], "+3 points (7.000 %)");

    // A refused text, a payment that does not pay the interest at the new rate, a lease.
    EXPECT_FALSE(c.setRateChange("6.5", "0", false));
    t = c.rateChangeTexts();
    EXPECT_TRUE(t.on && !t.refused.empty() && t.figures[0] == "\u2013" &&
                t.shock[0][1] == "\u2013");
    ASSERT_TRUE(c.setRateChange("30", "61", false));
    t = c.rateChangeTexts();
    EXPECT_TRUE(!t.message.empty() && t.figures[0] == "\u2013" && t.shock[0][1] != "\u2013");
    // Kept so, the plan has no number of payments, length or totals to compare.
    c.mnKeep_Click();
    for (const size_t row : {1, 2, 4})
        EXPECT_EQ(c.compareTexts()[row][0], "\u2013") << row;
    c.mnLease_Click();
    t = c.rateChangeTexts();
    EXPECT_TRUE(!t.unavailable.empty() && t.shockFrom.empty() && t.figures[0] == "\u2013");
}

} // namespace
} // namespace selvane
