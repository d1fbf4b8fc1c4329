// Compare Offers against the model: random offers in every payment and compound period with fees
// of each kind; the rates without fees against the period rate; offers without rates, and those
// refused; when one offer costs less for good; moving a plan to an offer; and the worked examples
// the US and European rules publish.

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>
#include <sstream>

#include "plan/offers.h"
#include "support/offers_model.h"

namespace selvane {
namespace {

using I = std::int64_t;
using model::Quad;
constexpr PaymentPeriod kPeriods[] = {PaymentPeriod::Biweekly, PaymentPeriod::SemiMonthly,
                                      PaymentPeriod::Monthly};
constexpr CompoundPeriod kCompounds[] = {CompoundPeriod::Daily, CompoundPeriod::Monthly,
                                         CompoundPeriod::SixMonths, CompoundPeriod::Yearly};

bool cent(double got, Quad want) {
    return std::fabs(got - double(want)) <= 0.01;
}
// A rate to the last bits the money it comes from carries: 1e-9 of it, 1e-11 points beside 0.
bool sameRate(std::optional<double> got, std::optional<Quad> want) {
    const double w = want ? double(*want) : 0;
    return got.has_value() == want.has_value() &&
           (!want || std::fabs(*got - w) <= std::max(1e-9 * std::fabs(w), 1e-11));
}
double shown(std::optional<Quad> v) {
    return v ? double(*v) : NAN;
}
std::string describe(const Offer& o) {
    std::ostringstream s;
    s << std::setprecision(17) << o.name << " amount " << o.amount << " apr " << o.apr << " n "
      << o.payments << " period " << int(o.period) << " compound " << int(o.compound) << " balloon "
      << o.balloon << " upfront " << o.upfront << " added " << o.added << " fee " << o.fee;
    return s.str();
}

struct Random {
    std::mt19937_64 gen;
    I whole(I a, I b) { return std::uniform_int_distribution<I>(a, b)(gen); }
    double uniform(double a, double b) { return std::uniform_real_distribution<>(a, b)(gen); }
    static double toCents(double v) { return std::round(v * 100) / 100; }
    double money(double from, double to) {
        return toCents(std::exp(uniform(std::log(from), std::log(to))));
    }

    // Often short, sometimes at no interest or below it, each fee in about half the offers.
    Offer offer(PaymentPeriod p, CompoundPeriod c, I most = 480) {
        Offer o{"offer", money(1000, 500000), 0, 1, p, c};
        o.apr = whole(0, 9) == 0 ? 0 : std::round(uniform(-5, 30) * 1000) / 1000;
        o.payments = whole(0, 3) == 0 ? whole(1, 12) : whole(1, most);
        o.balloon = whole(0, 2) == 0 ? toCents(o.amount * uniform(0, 0.5)) : 0;
        o.upfront = whole(0, 1) ? toCents(o.amount * uniform(0, 0.05)) : 0;
        o.added = whole(0, 1) ? toCents(o.amount * uniform(0, 0.05)) : 0;
        o.fee = whole(0, 1) ? toCents(uniform(0, 20)) : 0;
        return o;
    }
};

void expectModel(const Offer& o) {
    SCOPED_TRACE(describe(o));
    const auto want = model::figures(o);
    std::string why;
    const auto got = workOutOffer(o, &why);
    ASSERT_EQ(got.has_value(), want.has_value()) << why;
    if (!want)
        return;
    EXPECT_EQ(got->payments, o.payments);
    EXPECT_TRUE(cent(got->payment, want->payment) && cent(got->fees, want->fees) &&
                cent(got->totalInterest, want->totalInterest) &&
                cent(got->costOfCredit, want->costOfCredit) &&
                cent(got->totalPayable, want->totalPayable))
        << std::setprecision(12) << got->payment << " " << got->totalInterest << " " << got->fees
        << " " << got->costOfCredit << " " << got->totalPayable << ", model "
        << double(want->payment) << " " << double(want->totalInterest) << " " << double(want->fees)
        << " " << double(want->costOfCredit) << " " << double(want->totalPayable);
    EXPECT_TRUE(sameRate(got->aprc, want->aprc) && sameRate(got->apr, want->apr))
        << std::setprecision(17) << "APRC " << got->aprc.value_or(NAN) << " APR "
        << got->apr.value_or(NAN) << ", model " << shown(want->aprc) << " " << shown(want->apr);
    EXPECT_EQ(got->rateMessage.empty(), want->aprc.has_value()) << got->rateMessage;
}

TEST(OfferFigures, AreTheModelsOnRandomOffers) {
    Random rnd{std::mt19937_64(20260701)};
    for (int i = 0; i < 300; ++i) {
        const Offer o = rnd.offer(kPeriods[i % 3], kCompounds[i / 3 % 4]);
        expectModel(o);
        // The model's one borrowed figure, the payment, is the annuity at the period rate.
        const auto p = model::payment(o);
        if (!p)
            continue; // fewer payments than months in a compound period
        const Quad r = model::periodRate(o), v = model::power(1 / (1 + r), o.payments);
        const Quad S = Quad(o.amount) + o.added, n = Quad(o.payments);
        const Quad annuity = r == 0 ? (S - o.balloon) / n : (S - o.balloon * v) * r / (1 - v);
        EXPECT_LE(std::fabs(*p - double(annuity)), 1e-9 * std::max(std::fabs(*p), 1.0));
    }
}

// Without fees the flows are the loan's own, so both rates are the period rate a year: the APR
// as a nominal rate, the APRC compounded. The APR is the typed one only where the period rate is
// the APR over 12 or 24 payments a year: monthly compounding, monthly or semi-monthly payments.
TEST(OfferRates, WithoutFeesAreThePeriodRate) {
    for (const PaymentPeriod p : kPeriods)
        for (const CompoundPeriod c : kCompounds)
            for (const double apr : {-3.5, 0.0, 7.25, 29.9}) {
                const Offer o{"plain", 25000, apr, 60, p, c, 4000};
                SCOPED_TRACE(describe(o));
                const auto f = workOutOffer(o);
                ASSERT_TRUE(f && f->apr && f->aprc);
                const Quad r = model::periodRate(o);
                const model::Period m = model::periodOf(p);
                EXPECT_TRUE(sameRate(f->apr, 100 * r * m.units)) << *f->apr;
                const Quad compounded = model::power(1 + r, m.apart.den, m.apart.num) - 1;
                EXPECT_TRUE(sameRate(f->aprc, 100 * compounded)) << *f->aprc;
                if (c == CompoundPeriod::Monthly && p != PaymentPeriod::Biweekly) {
                    EXPECT_NEAR(*f->apr, apr, 1e-9);
                } else if (apr != 0) {
                    EXPECT_GT(std::fabs(*f->apr - apr), 1e-4);
                }
            }
}

TEST(OfferRates, NoneWhereTheFeesTakeTheAmount) {
    for (const double upfront : {10000.0, 12500.0}) {
        const Offer o{"costly", 10000,  6, 36, PaymentPeriod::Monthly, CompoundPeriod::Monthly,
                      0,        upfront};
        expectModel(o);
        const auto f = workOutOffer(o);
        ASSERT_TRUE(f);
        EXPECT_FALSE(f->aprc || f->apr || f->rateMessage.empty());
    }
}

TEST(OfferProblem, RefusesWhatCannotBeWorkedOut) {
    EXPECT_FALSE(offerProblem({"fair", 10000, 5, 48}));
    EXPECT_FALSE(offerProblem({"fair", 10000, -99.99, 48}));
    const Offer refused[] = {{"fair", -1, 5, 48},
                             {"fair", 0, 5, 48},
                             {"fair", 10000, 5, 0},
                             {"fair", 10000, 5, kMaxPasses + 1},
                             {"fair", 10000, -100, 48},
                             {"fair", 10000, -250, 48},
                             {"", 10000, 5, 48},
                             {"fair", 10000, 5, 48, {}, {}, -5},
                             {"fair", 10000, 5, 48, {}, {}, 0, -1},
                             {"fair", 10000, 5, 48, {}, {}, 0, 0, -0.01},
                             {"fair", 10000, 5, 48, {}, {}, 0, 0, 0, -2}};
    for (const Offer& o : refused) {
        std::string why;
        EXPECT_TRUE(offerProblem(o)) << describe(o);
        EXPECT_FALSE(workOutOffer(o, &why)) << describe(o);
        EXPECT_FALSE(why.empty()) << describe(o);
    }
}

// When one offer costs less for good, by the code and by the model; none where either has no
// payment.
struct EvenAfters {
    std::optional<I> code, model;
};
std::optional<EvenAfters> evenAfters(const Offer& a, const Offer& b) {
    const auto fa = workOutOffer(a), fb = workOutOffer(b);
    const auto pa = model::payment(a), pb = model::payment(b);
    if (!fa || !fb || !pa || !pb)
        return std::nullopt;
    return EvenAfters{evenAfter(costSteps(a, *fa), costSteps(b, *fb)),
                      model::evenAfter(model::costs(a, *pa), model::costs(b, *pb))};
}

// Pairs of the same amount half the time, so that either can be the cheaper one; periods mixed.
TEST(OfferEvenAfter, IsTheModelsOnRandomPairs) {
    Random rnd{std::mt19937_64(20260702)};
    for (int i = 0; i < 80; ++i) {
        const Offer a = rnd.offer(kPeriods[i % 3], kCompounds[i % 4], 120);
        Offer b = rnd.offer(kPeriods[i / 3 % 3], kCompounds[i / 4 % 4], 120);
        if (i % 2 == 0)
            b.amount = a.amount;
        SCOPED_TRACE(describe(a) + " / " + describe(b));
        const auto e = evenAfters(a, b);
        if (!e)
            continue;
        const CostSteps steps = costSteps(a, *workOutOffer(a));
        const model::Costs costs = model::costs(a, *model::payment(a));
        for (I t = 0; t <= costs.end() + costs.step; t += costs.step / 2)
            EXPECT_TRUE(cent(steps.by(t), costs.by(t))) << "at " << t << ": " << steps.by(t);
        EXPECT_EQ(e->code, e->model) << e->code.value_or(-1) << ", model " << e->model.value_or(-1);
    }
    // The same offer is never cheaper; one that differs only by a fee up front is from the start.
    const Offer a{"a", 20000, 6, 36, PaymentPeriod::Biweekly, CompoundPeriod::Daily};
    Offer b = a;
    b.upfront = 100;
    const auto same = evenAfters(a, a), fromStart = evenAfters(a, b), never = evenAfters(b, a);
    ASSERT_TRUE(same && fromStart && never);
    EXPECT_TRUE(!same->code && !same->model && !never->code && !never->model);
    EXPECT_EQ(fromStart->code, 0);
    EXPECT_EQ(fromStart->model, 0);
}

void expectSwitch(const Plan& plan, const Offer& to, const SwitchInput& in) {
    std::ostringstream s;
    s << std::setprecision(17) << "plan " << plan.amountFinanced << " r " << plan.periodRate
      << " pmt " << plan.payment << " end " << plan.endAmount << " n " << plan.payments << " P "
      << plan.paymentsPerMonth << " at " << in.at << " erc " << in.erc << " costs " << in.costs
      << " to " << describe(to);
    SCOPED_TRACE(s.str());
    const auto want = model::switchTo(plan, to, in.at, in.erc, in.costs);
    std::string why;
    const auto got = workOutSwitch({plan, true}, to, in, why);
    ASSERT_EQ(got.has_value(), want.has_value()) << why;
    if (!want)
        return;
    EXPECT_TRUE(cent(got->balance, want->balance) && cent(got->costs, want->costs) &&
                cent(got->payment, want->payment) &&
                cent(got->savingPerPayment, want->savingPerPayment) &&
                cent(got->netSaving, want->netSaving))
        << std::setprecision(12) << got->balance << " " << got->costs << " " << got->payment << " "
        << got->savingPerPayment << " " << got->netSaving << ", model " << double(want->balance)
        << " " << double(want->costs) << " " << double(want->payment) << " "
        << double(want->savingPerPayment) << " " << double(want->netSaving);
    EXPECT_EQ(got->breakEven, want->breakEven)
        << got->breakEven.value_or(-1) << ", model " << want->breakEven.value_or(-1);
}

// Plans as a calculation solves them, the level payment to the end amount at the period rate.
// An offer paid off dearer than another at that time, which the other's later payments overtake:
// cheaper for good from the other's payment 197 on (time 197 x 365 units), which falls just
// after its own grid's 214th point (71,904): after its payment 215.
TEST(OfferEvenAfter, CountsOnItsOwnGridOnceOvertaken) {
    const CostSteps early{336, 1, 0, 19650, 0}, later{365, 300, 0, 100, 0};
    EXPECT_EQ(evenAfter(early, later), 215);
    EXPECT_EQ(evenAfter(later, early), std::nullopt);
}

TEST(OfferSwitch, IsTheModelsOnRandomPlansAndOffers) {
    Random rnd{std::mt19937_64(20260703)};
    for (int i = 0; i < 100; ++i) {
        const double P = i % 3 == 0 ? 1 : i % 3 == 1 ? 2 : 365.25 / 168;
        const double r = rnd.whole(0, 9) == 0 ? 0 : rnd.uniform(0, 0.12) / 12 / P;
        const double S = rnd.money(5000, 800000);
        const double E = rnd.whole(0, 3) == 0 ? Random::toCents(S * rnd.uniform(0, 0.4)) : 0;
        const I n = rnd.whole(1, 360);
        const Plan plan{S, r, model::levelPayment(S, r, n, E), E, n, P};
        const Offer to = rnd.offer(kPeriods[i / 3 % 3], kCompounds[i % 4], 360);
        const double erc = std::round(rnd.uniform(0, 3) * 100) / 100;
        expectSwitch(plan, to,
                     {to.name, rnd.whole(0, n - 1), erc, Random::toCents(rnd.uniform(0, 3000))});
    }
    // A dearer loan with costs to move never pays; nor does the same loan, which saves nothing.
    const Plan plan{100000, 0.04 / 12, model::levelPayment(100000, 0.04 / 12, 240, 0), 0, 240, 1};
    const Offer dear{"dear", 0, 9, 240, PaymentPeriod::Monthly, CompoundPeriod::Monthly};
    const Offer same{"same", 0, 4, 228, PaymentPeriod::Monthly, CompoundPeriod::Monthly};
    expectSwitch(plan, dear, {"dear", 12, 1, 500});
    expectSwitch(plan, same, {"same", 12, 0, 0});
    std::string why;
    const auto never = workOutSwitch({plan, true}, dear, {"dear", 12, 1, 500}, why);
    const auto none = workOutSwitch({plan, true}, same, {"same", 12, 0, 0}, why);
    ASSERT_TRUE(never && none) << why;
    EXPECT_TRUE(!never->breakEven && !none->breakEven);
    EXPECT_NEAR(none->payment, plan.payment, 1e-6);
    EXPECT_NEAR(none->netSaving, 0, 0.01);
}

// Worked examples as published, each to its published decimals. Regulation Z (12 CFR part 1026),
// appendix J, (c) "Examples for the actuarial method": (c)(1)(i), monthly payments, regular first
// period, $5,000 advanced, 24 payments of $230: 9.69 %; (c)(5)(i), a single advance and a single
// payment, $1,000 repaid with $1,080 after 255 days, the term the unit-period and 365/255 of them
// a year: 11.45 %. Directive 98/7/EC (amending 87/102/EEC on consumer credit), Annex III
// "Examples of calculation", A (a year of 365 days): ECU 1,000 lent on 1 January 1994 and repaid
// with ECU 1,200 on 1 July 1995, 546 days later: 12.96 % (13 % to one decimal); the same with
// ECU 50 retained for administrative expenses, so that 950 is lent: 16.9 %; ECU 1,000 repaid with
// ECU 600 after one year and 600 after two: i = 0.1306623, 13.07 %.
TEST(OfferPublishedExamples, AreReproduced) {
    struct Case {
        double advanced, each;
        I n;
        double last;
        model::Fraction step; // in the rate's units of time
        double perYear, published;
    };
    const Case cases[] = {{5000, 230, 24, 0, {1, 1}, 12, 9.69},
                          {1000, 1080, 1, 0, {1, 1}, 365.0 / 255, 11.45},
                          {1000, 1200, 1, 0, {546, 365}, 1, 12.96},
                          {950, 1200, 1, 0, {546, 365}, 1, 16.9},
                          {1000, 600, 2, 0, {1, 1}, 1, 13.07}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.published);
        const double step = double(c.step.num) / double(c.step.den);
        const auto i = levelFlowRate(c.advanced, c.each, c.n, c.last, step);
        const auto m = model::flowRate(c.advanced, c.each, c.n, c.last, c.step);
        ASSERT_TRUE(i && m);
        // To the published decimals: half a unit of the last one.
        const double half = c.published == 16.9 ? 0.05 : 0.005;
        EXPECT_NEAR(100 * *i * c.perYear, c.published, half);
        EXPECT_NEAR(100 * double(*m) * c.perYear, c.published, half);
        EXPECT_NEAR(*i, double(*m), 1e-15);
    }
    EXPECT_EQ(std::round(1000 * *levelFlowRate(1000, 1200, 1, 0, 546.0 / 365)) / 10, 13.0);
    // Published with its seventh decimal cut, not rounded.
    EXPECT_NEAR(*levelFlowRate(1000, 600, 2, 0, 1), 0.13066235, 5e-8);
    // The monthly loan as an offer: at twelve times the example's monthly rate the calculator's
    // payment is the published $230, and the offer's APR the published one.
    const Offer o{"regz", 5000, 1200 * levelFlowRate(5000, 230, 24, 0, 1).value_or(0), 24};
    const auto f = workOutOffer(o);
    ASSERT_TRUE(f && f->apr);
    EXPECT_NEAR(f->payment, 230, 0.005);
    EXPECT_NEAR(*f->apr, 9.69, 0.005);
}

} // namespace
} // namespace selvane
