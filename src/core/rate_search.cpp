#include "core/rate_search.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/number_text.h"
#include "core/solver.h"
#include "core/user_text.h"

namespace selvane {

std::optional<double> paymentAtApr(const PaymentQuestion& q, double apr) {
    const Num C(q.compoundMonths), P(q.paymentsPerMonth);
    const Num r = periodRateOf(apr, C, P);
    if (!r.ok())
        return std::nullopt; // the calculation would keep an earlier period rate
    const bool investment = q.kind == PaymentQuestion::Kind::Investment;
    double amount = q.SBAL;
    if (q.kind == PaymentQuestion::Kind::Loan) {
        // Sales tax is financed with the purchase, except in a lease, where the payment bears it.
        const Num withTax = Num(q.SBAL) * taxFactor(q.TAX);
        if (withTax.ok())
            amount = withTax.v;
    }
    Num principal = investment ? Num(amount) : Num(amount) - Num(q.DPMT);
    if (!principal.ok())
        principal = 0.0; // an unset principal counts as 0
    // Where either part of the payment cannot be computed the calculation keeps earlier parts,
    // which no rate changes.
    const Num pmt = Solver{r.v, C.v, investment}.payment(q.PERS, principal, q.FBAL);
    const Num shown = q.kind == PaymentQuestion::Kind::Lease ? pmt * taxFactor(q.TAX) : pmt;
    if (!shown.ok())
        return std::nullopt;
    return shown.v;
}

namespace {

struct Sample {
    double apr = 0, payment = 0;
};

// Bisection on [a, b], where payment - target changes sign: it halves the bracket until it is as
// narrow as the APR can tell apart, or meets the target exactly, and returns the end nearer the
// target. About 50 payments a stretch, against the 1,200 sampled before it: a faster root finder
// would save nothing a user could notice.
template <class F> Sample refine(F&& f, Sample a, Sample b, double target) {
    const bool aBelow = a.payment < target;
    while (std::fabs(b.apr - a.apr) >
           4e-16 * std::max(std::fabs(a.apr), std::fabs(b.apr)) + 1e-15) {
        const double mid = 0.5 * (a.apr + b.apr);
        const auto p = f(mid);
        if (!p)
            break; // a hole inside the bracket: keep the ends found so far
        if (*p == target)
            return {mid, *p};
        ((*p < target) == aBelow ? a : b) = Sample{mid, *p};
    }
    return std::fabs(a.payment - target) < std::fabs(b.payment - target) ? a : b;
}

FoundRate noRate(std::string message) {
    return FoundRate{std::nullopt, std::nullopt, std::move(message)};
}

} // namespace

// Two rates between two samples need a turning point of the payment between them, and the payment
// turns at most once: it is the amount financed times the period rate plus (amount financed - end
// amount) times the sinking-fund factor r / ((1 + r)^n - 1), which is convex in r, and r rises
// with the APR. Where it turns the samples turn too, and the search looks closer at every sample
// higher, or lower, than both neighbours.
std::vector<double> sampledAprs() {
    constexpr int kSide = 600;
    std::vector<double> v;
    // Below 0 the distance to -100 % shrinks ever faster, down to 1e-11 points above it.
    const double lowest = std::asinh(std::log(100 / 1e-11) / 1e-6);
    for (int i = kSide; i >= 1; --i)
        v.push_back(-100 * -std::expm1(-1e-6 * std::sinh(lowest * i / kSide)));
    v.push_back(0);
    const double highest = std::asinh(kHighestApr / 1e-4);
    for (int i = 1; i < kSide; ++i)
        v.push_back(1e-4 * std::sinh(highest * i / kSide));
    v.push_back(kHighestApr);
    return v;
}

namespace {

// The APR of a sampled payment's turning point between a and c (b between them, with a payment
// beyond both of theirs), by golden-section search; `highest` looks for a maximum.
template <class F> Sample turningPoint(F&& f, Sample a, Sample b, Sample c, bool highest) {
    auto better = [&](const Sample& x, const Sample& y) {
        return highest ? x.payment > y.payment : x.payment < y.payment;
    };
    constexpr double kGolden = 0.3819660112501051;
    // Each step narrows the bracket by the golden ratio: from the widest, 1e6 points, to the
    // tolerance in under a hundred steps.
    while (c.apr - a.apr > 1e-13 * (1 + std::fabs(b.apr))) {
        const bool right = c.apr - b.apr > b.apr - a.apr;
        const double apr =
            right ? b.apr + kGolden * (c.apr - b.apr) : b.apr - kGolden * (b.apr - a.apr);
        const auto p = f(apr);
        if (!p)
            break;
        const Sample x{apr, *p};
        if (better(x, b)) {
            (right ? a : c) = b;
            b = x;
        } else {
            (right ? c : a) = x;
        }
    }
    return b;
}

} // namespace

FoundRate findRate(const PaymentQuestion& q, double payment, const Translate& say) {
    const double C = q.compoundMonths, P = q.paymentsPerMonth;
    if (!(C > 0) || !(P > 0) || !std::isfinite(C) || !std::isfinite(P))
        return noRate(say(UI_TEXT("selvane::FinCalc",
                                  "Choose a payment period and a compound period: without "
                                  "them the rate does not enter the payment.")));
    if (!(q.PERS > 0))
        return noRate(say(
            UI_TEXT("selvane::FinCalc",
                    "The number of payments must be more than 0 for the payment to have a rate.")));
    if (!(C < q.PERS + 1))
        return noRate(
            fillIn(say(UI_TEXT("selvane::FinCalc", "With this compound period the payment is "
                                                   "computed only for more than %1 payments; with "
                                                   "fewer it does not depend on the rate.")),
                   {roundTripText(std::ceil(C - 1))}));
    if (!std::isfinite(payment))
        return noRate(say(
            UI_TEXT("selvane::FinCalc", "The payment is not a number the calculator can use.")));

    auto at = [&](double apr) { return paymentAtApr(q, apr); };
    static const std::vector<double> aprs = sampledAprs();

    // The payment at every sampled APR it can be computed at. Where a long plan's growth at a
    // high rate leaves the range of numbers, the edge is found by halving and sampled too.
    std::vector<Sample> samples;
    std::optional<double> lastApr;
    bool lastOk = false;
    for (const double apr : aprs) {
        const auto p = at(apr);
        if (lastApr && p.has_value() != lastOk) {
            double inside = lastOk ? *lastApr : apr, outside = lastOk ? apr : *lastApr;
            for (;;) { // the halves of two doubles meet in a few dozen steps
                const double mid = 0.5 * (inside + outside);
                if (mid == inside || mid == outside)
                    break;
                (at(mid) ? inside : outside) = mid;
            }
            if (inside != *lastApr && inside != apr)
                samples.push_back({inside, *at(inside)});
            std::sort(samples.begin(), samples.end(),
                      [](const Sample& x, const Sample& y) { return x.apr < y.apr; });
        }
        if (p)
            samples.push_back({apr, *p});
        lastApr = apr;
        lastOk = p.has_value();
    }
    if (samples.empty())
        return noRate(say(UI_TEXT(
            "selvane::FinCalc",
            "The payment cannot be computed from these inputs at any rate from -100 % up.")));

    // Every stretch where payment - target changes sign holds a rate; so may the top or bottom of
    // a turning point between samples, which is searched for where the samples turn.
    std::vector<std::pair<Sample, Sample>> brackets;
    std::vector<Sample> exact;
    auto consider = [&](const Sample& x, const Sample& y) {
        if (x.payment == payment)
            exact.push_back(x);
        else if (y.payment != payment && (x.payment < payment) != (y.payment < payment))
            brackets.emplace_back(x, y);
    };
    for (size_t i = 0; i < samples.size(); ++i) {
        if (i + 1 < samples.size())
            consider(samples[i], samples[i + 1]);
        else if (samples[i].payment == payment)
            exact.push_back(samples[i]);
        if (i == 0 || i + 1 == samples.size())
            continue;
        const Sample &a = samples[i - 1], &b = samples[i], &c = samples[i + 1];
        const bool peak = (b.payment > a.payment && b.payment >= c.payment) ||
                          (b.payment >= a.payment && b.payment > c.payment);
        const bool trough = (b.payment < a.payment && b.payment <= c.payment) ||
                            (b.payment <= a.payment && b.payment < c.payment);
        if (!peak && !trough)
            continue;
        // Only a turning point beyond the target can hold two rates the samples do not show.
        if ((peak && b.payment >= payment) || (trough && b.payment <= payment))
            continue;
        const Sample t = turningPoint(at, a, b, c, peak);
        if (t.payment == payment)
            exact.push_back(t);
        else if ((t.payment > payment) == peak) {
            consider(a, t);
            consider(t, c);
        }
    }

    std::optional<Sample> found;
    auto nearer = [&](const Sample& s) {
        if (!found || std::fabs(s.apr) < std::fabs(found->apr))
            found = s;
    };
    for (const Sample& s : exact)
        nearer(s);
    for (const auto& [x, y] : brackets) {
        // A stretch entirely farther from 0 than a rate already found cannot give a nearer one.
        if (found && std::min(std::fabs(x.apr), std::fabs(y.apr)) > std::fabs(found->apr))
            continue;
        nearer(refine(at, x, y, payment));
    }
    // Next to 0 % the payment is a sawtooth at the scale of its last digits (a difference of
    // nearly equal numbers, one of which steps with its last bit), and a bracket can close on the
    // edge of a tooth, where no rate gives the payment, instead of on a crossing. Where the rate
    // found misses the payment by more than 1e-9 of it, 2401 rates from minus three to three times
    // it are tried, and each crossing between two of them bracketed anew: the one nearest 0 that
    // comes within 1e-9 is taken.
    if (found && std::fabs(found->payment - payment) > 1e-9 * std::fabs(payment)) {
        const double base = found->apr, tolerance = 1e-9 * std::fabs(payment);
        std::optional<Sample> previous;
        auto take = [&](const Sample& s) {
            if (std::fabs(s.payment - payment) <= tolerance &&
                (std::fabs(found->payment - payment) > tolerance ||
                 std::fabs(s.apr) < std::fabs(found->apr)))
                found = s;
        };
        for (int j = -1200; j <= 1200; ++j) {
            const double apr = base * (j / 400.0);
            const auto p = at(apr);
            if (!p) {
                previous.reset();
                continue;
            }
            const Sample now{apr, *p};
            take(now);
            if (previous && (previous->payment < payment) != (now.payment < payment))
                take(refine(at, *previous, now, payment));
            previous = now;
        }
    }
    if (found) {
        const Num real = realAprOf(periodRateOf(found->apr, C, P), P);
        return FoundRate{found->apr, real.ok() ? std::optional<double>(real.v) : std::nullopt, {}};
    }

    const auto [low, high] =
        std::minmax_element(samples.begin(), samples.end(),
                            [](const Sample& x, const Sample& y) { return x.payment < y.payment; });
    const double lowestTried = samples.front().apr, highestTried = samples.back().apr;
    const double n = q.PERS;
    const bool investment = q.kind == PaymentQuestion::Kind::Investment;
    const bool lease = q.kind == PaymentQuestion::Kind::Lease;
    if (!investment && payment < low->payment) {
        const double tax = taxFactor(q.TAX).v;
        const double net = lease ? payment / tax : payment;
        const double amount = lease ? q.SBAL : q.SBAL * tax;
        if (n * net < amount - q.DPMT - q.FBAL)
            return noRate(fillIn(say(UI_TEXT("selvane::FinCalc",
                                             "The payments add up to less than the amount borrowed "
                                             "minus the end amount; not even a rate near -100 % "
                                             "brings the payment down to %1.")),
                                 {moneyText(payment)}));
    }
    if (investment && payment > high->payment && n * payment > q.FBAL - q.SBAL)
        return noRate(
            fillIn(say(UI_TEXT("selvane::FinCalc",
                               "The deposits add up to more than the end amount minus the "
                               "start amount; not even a rate near -100 % brings the "
                               "deposit up to %1.")),
                   {moneyText(payment)}));
    const std::string from = lowestTried < -99 ? say(UI_TEXT("selvane::FinCalc", "just above -100"))
                                               : roundTripText(lowestTried);
    // A bound that would read like the payment itself is shown with the digits that tell them
    // apart.
    auto bound = [&](double v) {
        return moneyText(v) == moneyText(payment) ? roundTripText(v) : moneyText(v);
    };
    const std::string to = highestTried == std::floor(highestTried) ? formatFixed(highestTried, 0)
                                                                    : moneyText(highestTried);
    return noRate(
        fillIn(say(UI_TEXT("selvane::FinCalc", "No rate from %1 % to %2 % gives a payment of %3: "
                                               "over that range it runs from %4 to %5.")),
               {from, to, roundTripText(payment), bound(low->payment), bound(high->payment)}));
}

} // namespace selvane
