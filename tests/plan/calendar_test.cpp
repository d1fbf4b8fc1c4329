// The dated schedule against the calendar model: random plans in every payment period, day count
// and rounding; hand-worked dates, year fractions and rows (which hold the model to its
// definition too); the periodic basis against the plan's own schedule; the last date there is.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

#include "core/chart_data.h"
#include "core/report_export.h"
#include "plan/dated_schedule.h"
#include "support/calendar_model.h"
#include "support/report_inputs.h"

namespace selvane {
namespace {

using I = std::int64_t;
using model::text;
constexpr PaymentPeriod kPeriods[] = {PaymentPeriod::Biweekly, PaymentPeriod::SemiMonthly,
                                      PaymentPeriod::Monthly};
constexpr DayCount kBases[] = {DayCount::Periodic, DayCount::Thirty360, DayCount::Actual365,
                               DayCount::Actual360, DayCount::ActualActual};

bool near(double got, model::Quad want, double within = 0.01) {
    return std::fabs(got - static_cast<double>(want)) <= within;
}

DatedPlan planOf(const model::DatedInput& in) {
    const double perMonth[] = {365.25 / 168, 2, 1}; // in kPeriods' order
    const Plan p{in.financed, in.periodRate, in.payment, in.end, in.n, perMonth[int(in.period)]};
    return {p, {in.start, in.first, in.period}, in.basis, in.cents, in.apr, in.shownPayment};
}

// A calendar year's figures against the wanted ones.
bool sameYear(const CalendarYear& g, int year, I payments, model::Quad paid, model::Quad principal,
              model::Quad interest, model::Quad balance, double within) {
    return g.year == year && g.payments == payments && near(g.paid, paid, within) &&
           near(g.principal, principal, within) && near(g.interest, interest, within) &&
           near(g.balance, balance, within);
}

std::string describe(const model::DatedInput& in) {
    std::ostringstream s;
    s.precision(17);
    s << "A " << in.financed << " r " << in.periodRate << " P " << in.payment << " shown "
      << in.shownPayment << " E " << in.end << " N " << in.n << " APR " << in.apr << " start "
      << text(in.start) << " first " << (in.first ? text(*in.first) : "default") << " period "
      << static_cast<int>(in.period) << " basis " << dayCountWord(in.basis) << " cents "
      << in.cents;
    return s.str();
}

struct Random {
    std::mt19937_64 gen;
    I whole(I a, I b) { return std::uniform_int_distribution<I>(a, b)(gen); }
    double uniform(double a, double b) { return std::uniform_real_distribution<>(a, b)(gen); }
    static double toCents(double v) { return std::round(v * 100) / 100; }

    // Any day of 1990 to 2100, often the 31 January, a 29 February or a month's last day.
    CivilDate day() {
        int y = int(whole(1990, 2100));
        const int m = int(whole(1, 12)), last = model::monthLength(y, m), pick = int(whole(0, 3));
        while (pick == 1 && !model::leap(y))
            --y;
        return pick == 0   ? CivilDate{y, 1, 31}
               : pick == 1 ? CivilDate{y, 2, 29}
                           : CivilDate{y, m, pick == 2 ? last : int(whole(1, last))};
    }

    // A plan as a calculation solves it: the level payment at the APR's rate per payment that
    // pays the amount down to the end amount in N payments, or that payment rounded up.
    model::DatedInput plan(PaymentPeriod period, DayCount basis, bool cents) {
        const double perYear[] = {365.25 / 14, 24, 12};
        model::DatedInput in{0, 0, 0, 0, 1, day(), std::nullopt, period, basis, cents};
        const I offsets[] = {10, 50, whole(1, 45)};
        if (whole(0, 2) == 0)
            in.first = model::fromOrdinal(model::ordinal(in.start) + offsets[whole(0, 2)]);
        in.financed = toCents(std::exp(uniform(std::log(500), std::log(2e6))));
        in.end = whole(0, 3) == 0 ? toCents(in.financed * uniform(0, 0.6)) : 0;
        in.apr = whole(0, 9) == 0 ? 0 : std::round(uniform(0, 20) * 1000) / 1000;
        in.n = whole(1, 480);
        const double r = in.periodRate = in.apr / 100 / perYear[int(period)];
        const double v = std::pow(1 + r, -static_cast<double>(in.n));
        const double pay = r == 0 ? (in.financed - in.end) / static_cast<double>(in.n)
                                  : (in.financed - in.end * v) * r / (1 - v);
        in.payment = whole(0, 2) ? pay : std::ceil(pay * 100) / 100;
        in.shownPayment = toCents(in.payment);
        return in;
    }
};

// Every row, the totals and the calendar years against the model; under rounding to cents the
// interest is the model's cent exactly.
void expectModel(const model::DatedInput& in) {
    SCOPED_TRACE(describe(in));
    const auto got = DatedSchedule::of(planOf(in));
    const auto want = model::datedSchedule(in);
    ASSERT_EQ(got.has_value(), want.has_value());
    if (!want)
        return;
    const double cent = in.cents && in.basis != DayCount::Periodic ? 1e-6 : 0.01;
    ASSERT_EQ(got->payments(), static_cast<I>(want->rows.size()));
    EXPECT_EQ(text(got->payoff()), text(want->rows.back().date));
    got->forEachRow(1, got->payments(), [&](const DatedRow& r) { // to the first that differs
        const model::Row& m = want->rows[static_cast<std::size_t>(r.n - 1)];
        const bool same = text(r.date) == text(m.date) && near(r.payment, m.payment) &&
                          near(r.interest, m.interest, cent) &&
                          near(r.principal, m.payment - m.interest) && near(r.balance, m.balance);
        EXPECT_TRUE(same) << "row " << r.n << ": " << text(r.date) << " " << r.payment << " "
                          << r.interest << " " << r.balance << ", model " << text(m.date) << " "
                          << double(m.payment) << " " << double(m.interest) << " "
                          << double(m.balance);
        return same;
    });
    EXPECT_TRUE(near(got->row(got->payments()).balance, want->rows.back().balance));
    EXPECT_TRUE(near(got->lastPayment(), want->rows.back().payment));
    EXPECT_TRUE(near(got->totalPaid(), want->totalPaid));
    EXPECT_TRUE(near(got->totalInterest(), want->totalInterest));
    ASSERT_EQ(got->years().size(), want->years.size());
    for (std::size_t i = 0; i < want->years.size(); ++i) {
        const model::Year& m = want->years[i];
        EXPECT_TRUE(sameYear(got->years()[i], m.year, m.payments, m.paid, m.principal, m.interest,
                             m.balance, 0.01))
            << "year " << m.year;
    }
}

// Every payment period, day count and rounding, ten random plans each; and the dates' own
// arithmetic on the start: its day number, its text, a month on, and payments by a random day.
TEST(DatedSchedule, RowsAreTheModelsOnRandomPlans) {
    Random rnd{std::mt19937_64(20260612)};
    for (int i = 0; i < 300; ++i) {
        const model::DatedInput in = rnd.plan(kPeriods[i % 3], kBases[i / 3 % 5], i / 15 % 2);
        expectModel(in);
        const CivilDate s = in.start;
        EXPECT_EQ(dayNumber(s), model::ordinal(s) - model::ordinal({1970, 1, 1}));
        EXPECT_EQ(text(dateOfDay(dayNumber(s))), text(s));
        EXPECT_EQ(isoDateText(s), text(s));
        EXPECT_EQ(text(*readIsoDate(text(s))), text(s));
        const I months = rnd.whole(-30, 30);
        EXPECT_EQ(text(addMonths(s, months)), text(model::monthsOn(s, months, s.day)));
        const auto dates = *model::paymentDates(s, in.first, in.period, in.n);
        const CivilDate by =
            model::fromOrdinal(rnd.whole(model::ordinal(s) - 3, model::ordinal(dates.back())));
        const I want =
            std::count_if(dates.begin() + 1, dates.end(), [&](CivilDate d) { return d <= by; });
        EXPECT_EQ(planOf(in).dates.paymentsBy(by), want) << text(by) << " " << describe(in);
    }
}

const CivilDate k31Jan23{2023, 1, 31}, k29Feb24{2024, 2, 29};

// Payment dates worked out by hand: from payment k on, in the code and in the model.
TEST(DatedSchedule, HandWorkedDates) {
    const auto M = PaymentPeriod::Monthly, S = PaymentPeriod::SemiMonthly,
               B = PaymentPeriod::Biweekly;
    const std::optional<CivilDate> none;
    const struct {
        CivilDate start;
        std::optional<CivilDate> first;
        PaymentPeriod period;
        I k;
        std::string want;
    } cases[] = {
        // Paid out 31 January: the month's last day, 29 February in the leap year after.
        {k31Jan23, none, M, 1, "2023-02-28 2023-03-31 2023-04-30"},
        {k31Jan23, none, M, 13, "2024-02-29 2024-03-31"},
        // 30 January, first paid 29 February (its last day): the 30th after; 15 January: the 29th.
        {{2024, 1, 30}, k29Feb24, M, 2, "2024-03-30"},
        {{2024, 1, 15}, k29Feb24, M, 2, "2024-03-29"},
        // Paid out 29 February: the 29th, 28 February in a common year.
        {k29Feb24, none, M, 1, "2024-03-29"},
        {k29Feb24, none, M, 12, "2025-02-28 2025-03-29"},
        // Ten days to a first payment on 31 March: the 31st, 30 April.
        {{2024, 3, 21}, CivilDate{2024, 3, 31}, M, 1, "2024-03-31 2024-04-30"},
        // Semi-monthly: 10 + 15 = the 25th is the late day of the 10th; 20 - 15 = the early 5th.
        {{2024, 1, 10}, none, S, 1, "2024-01-25 2024-02-10 2024-02-25 2024-03-10"},
        {{2024, 1, 20}, none, S, 1, "2024-02-05 2024-02-20 2024-03-05"},
        // Paid out on the 15th: the 30th, a late day (early day 15); 14 or 15 February 2023: its
        // 28th, the month's last day, stands for the start's day + 15 (early day 14 or 15).
        {{2024, 1, 15}, none, S, 1, "2024-01-30 2024-02-15 2024-02-29"},
        {{2023, 2, 14}, none, S, 1, "2023-02-28 2023-03-14 2023-03-29"},
        {{2023, 2, 15}, none, S, 2, "2023-03-15"},
        // A first payment on 28 February chosen after a start on the 10th, or on the 16th (whose
        // half a month later is the 1st): early day 13.
        {{2023, 2, 10}, CivilDate{2023, 2, 28}, S, 2, "2023-03-13"},
        {{2023, 1, 16}, CivilDate{2023, 2, 28}, S, 2, "2023-03-13"},
        // First on the 31st (late, early day 16), and on the 15th (early).
        {{2024, 1, 1}, CivilDate{2024, 1, 31}, S, 2, "2024-02-16 2024-02-29 2024-03-16 2024-03-31"},
        {{2024, 1, 1}, CivilDate{2024, 1, 15}, S, 2, "2024-01-30 2024-02-15 2024-02-29"},
        // Biweekly: 20 February 2024 + 14 = 5 March (29 days in February), 19 March, 2 April.
        {{2024, 2, 20}, none, B, 1, "2024-03-05 2024-03-19 2024-04-02"},
        {{2023, 12, 1}, CivilDate{2023, 12, 25}, B, 1, "2023-12-25 2024-01-08"},
    };
    for (const auto& c : cases) {
        const PaymentDates dates(c.start, c.first, c.period);
        const I last = c.k + I(c.want.size()) / 11;
        const auto m = model::paymentDates(c.start, c.first, c.period, last);
        std::string got, model;
        for (I k = c.k; k <= last; ++k) {
            got += (k > c.k ? " " : "") + text(dates.date(k).value_or(CivilDate{}));
            model += (k > c.k ? " " : "") + text((*m)[std::size_t(k)]);
        }
        EXPECT_EQ(got, c.want) << text(c.start);
        EXPECT_EQ(model, c.want) << text(c.start);
    }
    // 31 January: paid on 28 February 2023 and 31 March, none by 30 March.
    const PaymentDates jan31(k31Jan23, std::nullopt, M);
    EXPECT_EQ(jan31.paymentsBy(k31Jan23), 0);
    EXPECT_EQ(jan31.paymentsBy({2023, 3, 30}), 1);
    EXPECT_EQ(jan31.paymentsBy({2023, 3, 31}), 2);

    // Year fractions as exact fractions.
    const struct {
        DayCount basis;
        CivilDate from, to;
        I num, den;
    } fractions[] = {
        // 30/360: the 31st counts as the 30th; 31 March after 29 February stays the 31st.
        {DayCount::Thirty360, {2024, 1, 31}, k29Feb24, 29, 360},      // 30 - 1
        {DayCount::Thirty360, k29Feb24, {2024, 3, 31}, 32, 360},      // 30 + 2
        {DayCount::Thirty360, {2024, 3, 31}, {2024, 4, 30}, 30, 360}, // 30 + 0
        {DayCount::Thirty360, {2024, 4, 30}, {2024, 5, 31}, 30, 360}, // 31 -> 30 after a 30th
        {DayCount::Thirty360, {2023, 2, 28}, {2023, 3, 31}, 33, 360}, // 30 + 3
        {DayCount::Actual365, {2024, 1, 10}, k29Feb24, 50, 365},      // 21 + 29 days
        {DayCount::Actual360, k29Feb24, {2025, 3, 1}, 366, 360},
        // Actual/actual: 15 December 2023 to 15 January 2024 is 17 days of 2023, 14 of 2024.
        {DayCount::ActualActual, {2023, 12, 15}, {2024, 1, 15}, 17 * 366 + 14 * 365, 365 * 366},
        {DayCount::ActualActual, {2024, 12, 25}, {2025, 1, 8}, 7 * 366 + 7 * 365, 365 * 366},
        {DayCount::ActualActual,
         {2023, 7, 1},
         {2025, 7, 1},
         (184 + 181) * 366 + 366 * 365,
         365 * 366},
    };
    for (const auto& c : fractions) {
        const YearFraction f = yearFraction(c.basis, c.from, c.to);
        const model::Fraction m = model::fraction(c.basis, c.from, c.to);
        EXPECT_EQ(f.numerator * c.den, c.num * f.denominator) << text(c.from) << " " << text(c.to);
        EXPECT_EQ(m.num * c.den, c.num * m.den) << "model: " << text(c.from) << " " << text(c.to);
    }
}

model::DatedInput monthly(double a, double apr, double pay, I n, CivilDate start,
                          std::optional<CivilDate> first, DayCount basis, bool cents,
                          double end = 0) {
    return {a,     apr / 1200, pay, end, n, start, first, PaymentPeriod::Monthly,
            basis, cents,      apr, pay};
}

// Rows worked out by hand, in the code and in the model; the payment counts and last payments of
// the longer plans in exact fractions.
TEST(DatedSchedule, HandWorkedRows) {
    const auto A365 = DayCount::Actual365, T360 = DayCount::Thirty360;
    const std::nullopt_t none = std::nullopt;
    const CivilDate nov15{2024, 11, 15};
    const struct {
        model::DatedInput in;
        I payments;
        double last;
    } plans[] = {
        {monthly(10000, 7.3, 1056, 12, k31Jan23, none, A365, false), 10, 824.0399894536854},
        {monthly(36000, 10, 1290, 24, k29Feb24, none, DayCount::Actual360, true), 24, 11177.64},
        {monthly(1e5, 5, 8560.75, 12, {2023, 12, 15}, none, DayCount::ActualActual, true), 12,
         8562.59},
        {monthly(36500, 10, 1100, 36, {2024, 3, 21}, CivilDate{2024, 3, 31}, A365, true), 36,
         4080.8},
        {monthly(36500, 10, 1000, 40, {2024, 1, 10}, k29Feb24, A365, false), 40, 4890.08271281558},
        {monthly(36000, 10, 1290, 30, {2024, 1, 31}, k29Feb24, T360, true), 30, 3725.56},
        // 1 % a month: interest 10, 6.70, 3.367; the last pays 336.70 + 3.367 = 340.067.
        {monthly(1000, 12, 340, 3, nov15, none, T360, false), 3, 340.067},
        // 400 a month pays it off at the third of five: 216.10 + 2.161 = 218.261.
        {monthly(1000, 12, 400, 5, nov15, none, T360, false), 3, 218.261},
        // A balloon of 500: 618.10 + 6.181 - 500 = 124.281.
        {monthly(1000, 12, 200, 3, nov15, none, T360, false, 500), 3, 124.281},
        // 1000 - 3 x 333.332 = 0.004 is less than half a cent: paid at the third; 0.007 is not.
        {monthly(1000, 0, 333.332, 4, nov15, none, T360, false), 3, 333.336},
        {monthly(1000, 0, 333.331, 4, nov15, none, T360, false), 4, 0.007},
        // Half cents round up: 1003 x 0.06 x 30 / 360 = 5.015, 28.50 x 0.12 x 30 / 360 = 0.285;
        // then 508.02 x 0.005 = 2.5401, 10.56 x 0.005 = 0.0528 (the last pays 10.61).
        {monthly(1003, 6, 500, 3, {2024, 1, 15}, none, T360, true), 3, 10.61},
        {monthly(28.5, 12, 10, 3, {2024, 1, 15}, none, T360, true), 3, 9.07},
    };
    const struct {
        std::size_t plan;
        I k;
        CivilDate date;
        double interest, balance;
    } rows[] = {
        // 7.3 % of 10000 is 2 a day: 28 days 56, 10000 + 56 - 1056 = 9000;
        {0, 1, {2023, 2, 28}, 56, 9000},
        {0, 2, {2023, 3, 31}, 55.8, 7999.8},       // 9000 x 0.073 x 31 / 365
        {0, 3, {2023, 4, 30}, 47.9988, 6991.7988}, // 7999.80 x 0.073 x 30 / 365
        {1, 1, {2024, 3, 29}, 290, 35000},         // 10 % of 36000 / 360 is 10 a day
        {1, 2, {2024, 4, 29}, 301.39, 34011.39},   // 35000 x 0.1 x 31 / 360 = 301.3888...
        {1, 13, {2025, 3, 29}, 190.13, 22502.49},  // 23602.36 x 0.1 x 29 / 360 = 190.1301...
        {2, 1, {2024, 1, 15}, 424.13, 91863.38},   // 5000 x (17 / 365 + 14 / 366) = 424.1335...
        {2, 2, {2024, 2, 15}, 389.04, 83691.67},   // 91863.38 x 0.05 x 31 / 366 = 389.0389...
        {3, 1, {2024, 3, 31}, 100, 35500},         // 3650 a year, 10 a day: 10 days
        {3, 2, {2024, 4, 30}, 291.78, 34691.78},   // 3550 x 30 / 365 = 291.7808...
        {4, 1, k29Feb24, 500, 36000},              // 50 days
        {4, 2, {2024, 3, 29}, 286.027397260274, 35286.027397260274}, // 3600 x 29 / 365
        {5, 1, k29Feb24, 290, 35000},                                // 30/360 at 10 a day: 29 days
        {5, 2, {2024, 3, 31}, 311.11, 34021.11},                     // 3500 x 32 / 360 = 311.111...
        {5, 3, {2024, 4, 30}, 283.51, 33014.62}, // 34021.11 x 30 / 3600 = 283.5092...
        {8, 3, {2025, 2, 15}, 6.181, 500},
        {11, 1, {2024, 2, 15}, 5.02, 508.02},
        {11, 2, {2024, 3, 15}, 2.54, 10.56},
        {12, 1, {2024, 2, 15}, 0.29, 18.79}, // 28.50 + 0.29 - 10
    };
    for (const auto& p : plans) {
        const auto got = DatedSchedule::of(planOf(p.in));
        const auto want = model::datedSchedule(p.in);
        ASSERT_TRUE(got && want);
        EXPECT_EQ(got->payments(), p.payments) << describe(p.in);
        EXPECT_EQ(static_cast<I>(want->rows.size()), p.payments) << describe(p.in);
        EXPECT_NEAR(got->lastPayment(), p.last, 1e-6) << describe(p.in);
        EXPECT_TRUE(near(want->rows.back().payment, p.last, 1e-6)) << describe(p.in);
    }
    for (const auto& r : rows) {
        const model::DatedInput& in = plans[r.plan].in;
        const DatedRow g = DatedSchedule::of(planOf(in))->row(r.k);
        const model::Row m = model::datedSchedule(in)->rows[static_cast<std::size_t>(r.k - 1)];
        EXPECT_EQ(text(g.date), text(r.date)) << r.plan << " " << r.k;
        EXPECT_EQ(text(m.date), text(r.date)) << r.plan << " " << r.k;
        EXPECT_TRUE(near(g.interest, r.interest, 1e-6) && near(g.balance, r.balance, 1e-6) &&
                    near(m.interest, r.interest, 1e-6) && near(m.balance, r.balance, 1e-6))
            << r.plan << " " << r.k << ": " << g.interest << " " << g.balance;
    }
    // The years of the 1 % plan: 340 in 2024 (330 of it principal), 340 + 340.067 in 2025.
    const auto s = DatedSchedule::of(planOf(plans[6].in));
    ASSERT_EQ(s->years().size(), 2u);
    EXPECT_TRUE(sameYear(s->years()[0], 2024, 1, 340, 330, 10, 670, 1e-6));
    EXPECT_TRUE(sameYear(s->years()[1], 2025, 2, 680.067, 670, 10.067, 0, 1e-6));
}

// Under the periodic basis the dates only label the plan's own schedule, rounding or not; and the
// calendar years add up to its totals.
TEST(DatedSchedule, PeriodicRowsAreThePlansSchedule) {
    Random rnd{std::mt19937_64(7319)};
    for (int i = 0; i < 60; ++i) {
        const model::DatedInput in = rnd.plan(kPeriods[i % 3], DayCount::Periodic, i % 2);
        SCOPED_TRACE(describe(in));
        const DatedPlan p = planOf(in);
        std::vector<double> balances;
        const ScheduleTotals t =
            walkSchedule(p.plan, Extras{}, [&](I, double b) { balances.push_back(b); });
        const auto s = DatedSchedule::of(p);
        ASSERT_TRUE(s);
        ASSERT_EQ(s->payments(), t.payments);
        EXPECT_EQ(s->totalPaid(), schedule(p.plan, Extras{}).totalPaid.value());
        EXPECT_EQ(s->totalInterest(), t.totalInterest.value());
        EXPECT_EQ(s->lastPayment(), t.lastPayment.value());
        s->forEachRow(1, s->payments(), [&](const DatedRow& r) {
            EXPECT_EQ(r.balance, balances[static_cast<std::size_t>(r.n - 1)]) << r.n;
        });
        CalendarYear sum;
        for (const CalendarYear& y : s->years()) {
            EXPECT_EQ(y.year, s->years()[0].year + (&y - s->years().data()));
            sum.payments += y.payments;
            sum.paid += y.paid;
            sum.principal += y.principal;
            sum.interest += y.interest;
        }
        EXPECT_EQ(sum.payments, s->payments());
        EXPECT_TRUE(model::close(sum.paid, s->totalPaid()));
        EXPECT_TRUE(model::close(sum.interest, s->totalInterest()));
        EXPECT_TRUE(model::close(sum.principal, in.financed - in.end));
    }
}

// The last payment may fall on 31 December 9999, never after it; dates are read only as
// YYYY-MM-DD of a real day.
TEST(DatedSchedule, NothingPastTheLastDate) {
    const CivilDate start{9998, 12, 31};
    for (const DayCount basis : kBases) {
        model::DatedInput in = monthly(1200, 0, 100, 12, start, std::nullopt, basis, false);
        auto s = DatedSchedule::of(planOf(in));
        ASSERT_TRUE(s);
        EXPECT_EQ(text(s->payoff()), "9999-12-31");
        in = monthly(1300, 0, 100, 13, start, std::nullopt, basis, false);
        EXPECT_FALSE(DatedSchedule::of(planOf(in)));
        // One payment: the whole of it on the first payment's date.
        in = monthly(100, 0, 100, 1, {2026, 1, 31}, std::nullopt, basis, false);
        s = DatedSchedule::of(planOf(in));
        ASSERT_TRUE(s && s->payments() == 1);
        EXPECT_EQ(text(s->payoff()), "2026-02-28");
    }
    // Biweekly 17 and 31 December 9999, then none; semi-monthly 16 December, then none.
    const PaymentDates two({9999, 12, 3}, std::nullopt, PaymentPeriod::Biweekly),
        one({9999, 12, 1}, std::nullopt, PaymentPeriod::SemiMonthly);
    EXPECT_EQ(text(*two.date(2)), "9999-12-31");
    EXPECT_FALSE(two.date(3));
    EXPECT_EQ(text(*one.date(1)), "9999-12-16");
    EXPECT_FALSE(one.date(2));
    for (const char* bad : {"2026-02-30", "2023-02-29", "2026-2-1", "10000-01-01", "0000-01-01",
                            "2026-01-01x", "", "2026-13-01", "2026-00-10", " 2026-01-01",
                            "2026/01/01", "+026-01-01", "2026-01-0:", "202/-01-01", "2026-12-32"})
        EXPECT_FALSE(readIsoDate(bad)) << bad;
    for (const char* good : {"2024-02-29", "0001-01-01", "9999-12-31", "2100-02-28"})
        EXPECT_EQ(text(*readIsoDate(good)), good);
}

// The details report by calendar year: its yearly summary, its chart's bars and date axis, and
// its CSV file's Date column, against the model's dates. The years' payments are the rows dated
// in them, and their figures the differences of the report's cumulative rows at the years' ends.
TEST(DatedSchedule, ReportGoesByCalendarYear) {
    for (const PaymentPeriod period : kPeriods) {
        const CivilDate start{2024, 2, 29};
        const PaymentDates dates(start, std::nullopt, period);
        DetailsReport report;
        ASSERT_TRUE(DetailsReport::build(testing::reportInputs(61, 10000, 180, 0.003),
                                         testing::kUsd, report));
        const auto want = *model::paymentDates(start, std::nullopt, period, report.rowCount());
        const YearlySummary years(report, 12, dates);
        const ChartData chart = chartData(report, false, 12, 4800, 1000, dates);
        ASSERT_TRUE(years.calendarYears());
        ASSERT_EQ(chart.bars.size(), static_cast<size_t>(years.yearCount()));
        I row = 0, ticks = 0;
        Money principal, interest;
        for (I y = 1; y <= years.yearCount(); ++y) {
            const YearRow got = years.year(y);
            const int year = want[1].year + static_cast<int>(y) - 1;
            I count = 0;
            while (row + 1 < static_cast<I>(want.size()) && want[row + 1].year == year)
                ++row, ++count;
            const DetailsReport::Row end = report.rowValues(row);
            EXPECT_EQ(got.year, year);
            EXPECT_EQ(got.payments, count) << year;
            EXPECT_EQ((got.principal + principal).text(), Money::ofFigure(end.principal).text());
            EXPECT_EQ((got.interest + interest).text(), Money::ofFigure(end.interest).text());
            principal = principal + got.principal;
            interest = interest + got.interest;
            const ChartBar& bar = chart.bars[static_cast<size_t>(y - 1)];
            EXPECT_TRUE(bar.firstYear == year && bar.lastYear == year);
            EXPECT_NEAR(bar.interest, got.interest.value(), 1e-9);
            // A tick (every year: the plot has room) at the year's first payment.
            ASSERT_LT(ticks, static_cast<I>(chart.dateTicks.size()));
            EXPECT_EQ(chart.dateTicks[static_cast<size_t>(ticks)].second, std::to_string(year));
            EXPECT_EQ(chart.dateTicks[static_cast<size_t>(ticks++)].first,
                      static_cast<double>(row - count + 1));
        }
        EXPECT_EQ(row, report.rowCount());
        // The CSV file: the lines without dates, each with its row's date after its number.
        std::string plain, dated;
        writePaymentTableCsv(report, [&](std::string_view p) { return plain += p, true; });
        writePaymentTableCsv(
            report, [&](std::string_view p) { return dated += p, true; }, {}, dates);
        EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n'),
                  std::count(dated.begin(), dated.end(), '\n'));
        std::istringstream a(plain), b(dated);
        std::string lineA, lineB;
        std::getline(a, lineA), std::getline(b, lineB);
        EXPECT_EQ(lineB.substr(0, 17), "Payment No.,Date,");
        for (I k = 1; std::getline(a, lineA) && std::getline(b, lineB); ++k) {
            const std::size_t comma = lineA.find(',');
            EXPECT_EQ(lineB, lineA.substr(0, comma + 1) + text(want[k]) + lineA.substr(comma));
        }
    }
}

} // namespace
} // namespace selvane
