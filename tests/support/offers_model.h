#pragma once
// An independent model of Compare Offers in quadruple precision. The payment is the calculator's
// own rule (paymentAtApr), the one figure taken from the code. The rest is worked out here: the
// totals; the APRC and the APR, each found by halving over the discounted payments added term by
// term; the cost over time and when one offer costs less for good, tried at every time either
// pays; and moving a plan to an offer. Powers to fractions are roots of whole powers by Newton's
// method, so nothing beyond the four operations is needed in 113 bits.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/rate_search.h"
#include "plan/offers.h"
#include "support/schedule_model.h"

namespace selvane::model {

inline Quad power(Quad x, std::int64_t e) {
    Quad g = 1;
    for (std::int64_t k = e < 0 ? -e : e; k > 0; k /= 2, x *= x)
        if (k % 2 == 1)
            g *= x;
    return e < 0 ? 1 / g : g;
}
// x^(num/den) for x > 0: the root first, so that nothing leaves the range of a double.
inline Quad power(Quad x, std::int64_t num, std::int64_t den) {
    Quad z = std::pow(static_cast<double>(x), 1.0 / static_cast<double>(den));
    for (int i = 0; i < 4; ++i)
        z -= (power(z, den) - x) / (den * power(z, den - 1));
    return power(z, num);
}

struct Fraction {
    std::int64_t num, den;
};
// Per payment period (biweekly, semi-monthly, monthly): payments a month (every 14 days is
// 365.25/168 = 1461/672 a month), unit-periods a year for the APR, the years between payments for
// the APRC, and the time between them in 1/8760 year.
struct Period {
    Fraction perMonth;
    int units;
    Fraction apart;
    std::int64_t step;
};
inline Period periodOf(PaymentPeriod p) {
    constexpr Period t[] = {
        {{1461, 672}, 26, {14, 365}, 336}, {{2, 1}, 24, {1, 24}, 365}, {{1, 1}, 12, {1, 12}, 730}};
    return t[static_cast<int>(p)];
}
// Months per compounding: a day is 12/365.25 = 48/1461 of a month.
inline Fraction compoundMonths(CompoundPeriod c) {
    constexpr Fraction t[] = {{48, 1461}, {1, 1}, {6, 1}, {12, 1}};
    return t[static_cast<int>(c)];
}

// (1 + APR/100 x C/(12 P))^(1/C) - 1
inline Quad periodRate(const Offer& o) {
    const Fraction c = compoundMonths(o.compound), p = periodOf(o.period).perMonth;
    const Quad base = 1 + Quad(o.apr) / 100 * c.num * p.den / (Quad(c.den) * 12 * p.num);
    return power(base, c.den, c.num) - 1;
}

inline std::optional<double> payment(const Offer& o) {
    const Fraction c = compoundMonths(o.compound), p = periodOf(o.period).perMonth;
    return paymentAtApr({PaymentQuestion::Kind::Loan, static_cast<double>(o.payments),
                         o.amount + o.added, 0, o.balloon, 0, double(c.num) / double(c.den),
                         double(p.num) / double(p.den)},
                        o.apr);
}

// The rate per unit of time at which `received` now equals `each` at 1 .. n steps and `last`
// more with the n-th, a step being num/den units: halving between -1 and the first power of two
// it is below, to 1e-20. One sign change in the flows leaves one root.
inline std::optional<Quad> flowRate(Quad received, Quad each, std::int64_t n, Quad last,
                                    Fraction step) {
    auto above = [&](Quad x) { // the payments are worth more at x than what was received
        const Quad d = 1 / power(1 + x, step.num, step.den);
        Quad worth = 0, dk = 1;
        for (std::int64_t k = 1; k <= n; ++k)
            worth += each * (dk *= d);
        return worth + last * dk > received;
    };
    Quad lo = Quad(-1) + Quad(1e-9), hi = 1;
    if (!(received > 0) || !above(lo))
        return std::nullopt;
    while (above(hi))
        if ((hi *= 2) > 1e6)
            return std::nullopt;
    while (hi - lo > Quad(1e-20)) {
        const Quad mid = (lo + hi) / 2;
        (above(mid) ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

struct Figures {
    Quad payment = 0, totalInterest = 0, fees = 0, costOfCredit = 0, totalPayable = 0;
    std::optional<Quad> aprc, apr; // percent
};

inline std::optional<Figures> figures(const Offer& o) {
    const auto pmt = payment(o);
    if (!pmt)
        return std::nullopt;
    Figures f;
    const Quad n = Quad(o.payments), each = Quad(*pmt) + o.fee,
               received = Quad(o.amount) - o.upfront;
    f.payment = *pmt;
    f.totalInterest = n * f.payment + o.balloon - (Quad(o.amount) + o.added);
    f.fees = Quad(o.upfront) + o.added + n * o.fee;
    f.costOfCredit = f.totalInterest + f.fees;
    f.totalPayable = o.amount + f.costOfCredit;
    const Period p = periodOf(o.period);
    if (const auto x = flowRate(received, each, o.payments, o.balloon, p.apart))
        f.aprc = 100 * *x;
    if (const auto i = flowRate(received, each, o.payments, o.balloon, {1, 1}))
        f.apr = 100 * *i * p.units;
    return f;
}

// What an offer has cost by time t (1/8760 year): the up-front amount, payment and fee at each
// payment made by then, the balloon with the last.
struct Costs {
    std::int64_t step = 730, n = 0;
    Quad upfront = 0, each = 0, balloon = 0;
    Quad by(std::int64_t t) const {
        const std::int64_t made = std::min(n, t / step);
        return upfront + Quad(made) * each + (made == n ? balloon : Quad(0));
    }
    std::int64_t end() const { return n * step; }
};
inline Costs costs(const Offer& o, double pmt) {
    return {periodOf(o.period).step, o.payments, o.upfront, Quad(pmt) + o.fee, o.balloon};
}

// The first payment of a's from which a costs at least half a cent less than b at every time on,
// tried at every time either pays, at 0 and past both ends.
inline std::optional<std::int64_t> evenAfter(const Costs& a, const Costs& b) {
    const std::int64_t end = std::max(a.end(), b.end());
    std::vector<std::int64_t> times{0, end + 1};
    for (const Costs* c : {&a, &b})
        for (std::int64_t k = 1; k <= c->n; ++k)
            times.push_back(k * c->step);
    auto cheaper = [&](std::int64_t t) { return a.by(t) < b.by(t) - Quad(0.005); };
    for (std::int64_t k = 0; k <= end / a.step + 1; ++k) {
        bool always = cheaper(k * a.step);
        for (const std::int64_t t : times)
            always = always && (t < k * a.step || cheaper(t));
        if (always)
            return k;
    }
    return std::nullopt;
}

struct Switch {
    Quad balance = 0, costs = 0, payment = 0, savingPerPayment = 0, netSaving = 0;
    std::optional<std::int64_t> breakEven;
};

// The plan walked to payment `at`, its balance moved to the offer; what staying and switching pay
// from then on, each on its own payment times.
inline std::optional<Switch> switchTo(const Plan& plan, Offer to, std::int64_t at, double erc,
                                      double extra) {
    const Quad r = plan.periodRate;
    Quad bal = plan.amountFinanced;
    for (std::int64_t k = 1; k <= at; ++k)
        bal = bal + bal * r - plan.payment;
    std::vector<Quad> paidBy{0}; // by staying, after each payment of the plan's left
    for (Quad left = bal; std::int64_t(paidBy.size()) <= plan.payments - at; left -= plan.payment) {
        const bool last = std::int64_t(paidBy.size()) == plan.payments - at;
        paidBy.push_back(paidBy.back() + (last ? left + left * r : Quad(plan.payment)));
        left += left * r;
    }
    to.amount = static_cast<double>(bal);
    const auto pmt = payment(to);
    if (!pmt)
        return std::nullopt;
    const Period mine = periodOf(plan.paymentsPerMonth == 1   ? PaymentPeriod::Monthly
                                 : plan.paymentsPerMonth == 2 ? PaymentPeriod::SemiMonthly
                                                              : PaymentPeriod::Biweekly);
    const Quad each = Quad(*pmt) + to.fee;
    Switch s{bal,  Quad(erc) / 100 * bal + extra + to.upfront,
             *pmt, plan.payment - each * periodOf(to.period).units / mine.units,
             0,    std::nullopt};
    Costs moved = costs(to, *pmt);
    moved.upfront = s.costs;
    const std::int64_t sp = mine.step, left = std::int64_t(paidBy.size()) - 1;
    auto stayed = [&](std::int64_t t) { return paidBy[std::size_t(std::min(t / sp, left))]; };
    for (std::int64_t j = 1; j <= std::max(left, moved.end() / sp + 1) + 1 && !s.breakEven; ++j)
        if (stayed(j * sp) - moved.by(j * sp) > Quad(0.005))
            s.breakEven = j;
    const std::int64_t made = std::min(to.payments, left * sp / moved.step);
    const Quad ro = periodRate(to), g = power(1 + ro, made), borrowed = Quad(to.amount) + to.added;
    const Quad owed = made == to.payments ? Quad(0)
                      : ro == 0           ? borrowed - Quad(made) * *pmt
                                          : borrowed * g - *pmt * (g - 1) / ro;
    s.netSaving = stayed(left * sp) - moved.by(left * sp) - owed;
    return s;
}

} // namespace selvane::model
