#include "core/rate_search.h"

#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

#include "core/annuity.h"
#include "core/number_text.h"

namespace selvane {

std::optional<double> paymentAtApr(const PaymentQuestion& q, double apr) {
    const Num C(q.compoundMonths), P(q.paymentsPerMonth);
    const Num r = periodRateOf(apr, C, P);
    if (!r.ok())
        return std::nullopt; // the calculation would keep an earlier period rate
    const double rate = r.v;
    const bool investment = q.kind == PaymentQuestion::Kind::Investment;
    double amount = q.SBAL;
    if (q.kind == PaymentQuestion::Kind::Loan) {
        // Sales tax is financed with the purchase, except in a lease, where the payment bears it.
        const Num withTax = Num(q.SBAL) * (1 + 0.01 * Num(q.TAX));
        if (withTax.ok())
            amount = withTax.v;
    }
    Num principal = investment ? Num(amount) : Num(amount) - Num(q.DPMT);
    if (!principal.ok())
        principal = 0.0; // an unset principal counts as 0
    // The payment is the sum of its two parts at the compound period's payment number; where
    // either part cannot be computed the calculation keeps earlier parts, which no rate changes.
    const auto pp = PPmt(rate, C.v, q.PERS, -principal.v, q.FBAL);
    const auto ip = IPmt(rate, C.v, q.PERS, -principal.v, q.FBAL);
    if (!pp || !ip)
        return std::nullopt;
    const Num pmt = investment ? -Num(*pp) + -Num(*ip) : Num(*pp) + Num(*ip);
    const Num shown = q.kind == PaymentQuestion::Kind::Lease ? pmt * (1 + 0.01 * Num(q.TAX)) : pmt;
    if (!shown.ok())
        return std::nullopt;
    return shown.v;
}

namespace {

std::string shortText(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

struct Sample {
    double apr = 0, payment = 0;
};

// Brent's method on [a, b], where f changes sign: inverse quadratic and secant steps where they
// behave, bisection where they do not. Stops when the bracket is as narrow as the APR can tell
// apart or f is exactly 0; returns the end with the smaller |f|.
template <class F> Sample refine(F&& f, Sample a, Sample b, double target) {
    double fa = a.payment - target, fb = b.payment - target;
    if (std::fabs(fa) < std::fabs(fb)) {
        std::swap(a, b);
        std::swap(fa, fb);
    }
    Sample c = a;
    double fc = fa, d = 0;
    bool bisected = true;
    for (int i = 0; i < 200 && fb != 0; ++i) {
        const double tol = 4e-16 * std::fabs(b.apr) + 1e-15;
        if (std::fabs(b.apr - a.apr) <= tol)
            break;
        double s;
        if (fa != fc && fb != fc)
            s = a.apr * fb * fc / ((fa - fb) * (fa - fc)) +
                b.apr * fa * fc / ((fb - fa) * (fb - fc)) +
                c.apr * fa * fb / ((fc - fa) * (fc - fb));
        else if (fb != fa)
            s = b.apr - fb * (b.apr - a.apr) / (fb - fa);
        else
            s = 0.5 * (a.apr + b.apr);
        const double quarter = (3 * a.apr + b.apr) / 4;
        const bool outside = !((s > std::min(quarter, b.apr)) && (s < std::max(quarter, b.apr)));
        if (outside || !std::isfinite(s) ||
            (bisected && std::fabs(s - b.apr) >= std::fabs(b.apr - c.apr) / 2) ||
            (!bisected && std::fabs(s - b.apr) >= std::fabs(c.apr - d) / 2) ||
            (bisected && std::fabs(b.apr - c.apr) < tol) ||
            (!bisected && std::fabs(c.apr - d) < tol)) {
            s = 0.5 * (a.apr + b.apr);
            bisected = true;
        } else {
            bisected = false;
        }
        const auto ps = f(s);
        if (!ps)
            break; // a hole inside the bracket: keep the best end found so far
        d = c.apr;
        c = b;
        fc = fb;
        const double fs = *ps - target;
        if ((fa < 0) != (fs < 0)) {
            b = {s, *ps};
            fb = fs;
        } else {
            a = {s, *ps};
            fa = fs;
        }
        if (std::fabs(fa) < std::fabs(fb)) {
            std::swap(a, b);
            std::swap(fa, fb);
        }
    }
    return b;
}

// The period rate reaches the payment through 1 + rate, a number near 1 whose last bit is a
// step of about 2e-16: APRs closer than that give the same payment, and neighbouring steps give
// payments that differ by rounding alone. When the bracket ends on a payment off by more than
// rounding should leave, the best of the neighbouring steps is taken.
template <class F> Sample polish(F&& f, Sample best, double target, double paymentsPerMonth) {
    const double step =
        std::max(std::fabs(best.apr) * 0x1p-52, 1200.0 * paymentsPerMonth * 0x1p-53);
    for (int i = -64; i <= 64; ++i) {
        const double apr = best.apr + i * step;
        if (i == 0 || apr <= -100)
            continue;
        const auto p = f(apr);
        if (p && std::fabs(*p - target) < std::fabs(best.payment - target))
            best = {apr, *p};
    }
    return best;
}

FoundRate noRate(std::string message) {
    return FoundRate{std::nullopt, std::nullopt, std::move(message)};
}

// The APRs tried on each side of 0 while looking for a change of sign: doubling away from 0 up to
// kHighestApr, and below -64 halving the distance to -100 %.
std::vector<double> upwardAprs() {
    std::vector<double> v;
    for (double a = 0.5; a < kHighestApr; a *= 2)
        v.push_back(a);
    v.push_back(kHighestApr);
    return v;
}
std::vector<double> downwardAprs() {
    std::vector<double> v;
    for (double a = -0.5; a >= -64; a *= 2)
        v.push_back(a);
    for (double gap = 18; gap > 1e-9; gap /= 2)
        v.push_back(-100 + gap);
    return v;
}

} // namespace

FoundRate findRate(const PaymentQuestion& q, double payment) {
    const double C = q.compoundMonths, P = q.paymentsPerMonth;
    if (!(C > 0) || !(P > 0) || !std::isfinite(C) || !std::isfinite(P))
        return noRate("Choose a payment period and a compound period: without them the rate does "
                      "not enter the payment.");
    if (!(q.PERS > 0))
        return noRate("The number of payments must be more than 0 for the payment to have a rate.");
    if (!(C < q.PERS + 1))
        return noRate("With this compound period the payment is computed only for more than " +
                      shortText(std::ceil(C - 1)) +
                      " payments; with fewer it does not depend on the rate.");
    if (!std::isfinite(payment))
        return noRate("The payment is not a number the calculator can use.");

    auto at = [&](double apr) { return paymentAtApr(q, apr); };
    static const std::vector<double> up = upwardAprs(), down = downwardAprs();

    std::optional<Sample> found;
    std::optional<Sample> low, high; // the smallest and largest payment met on the way
    auto note = [&](const Sample& s) {
        if (!low || s.payment < low->payment)
            low = s;
        if (!high || s.payment > high->payment)
            high = s;
    };
    std::optional<Sample> lastUp, lastDown;
    if (const auto p0 = at(0.0)) {
        const Sample zero{0.0, *p0};
        if (*p0 == payment)
            found = zero;
        note(zero);
        lastUp = lastDown = zero;
    }
    double highestTried = 0, lowestTried = 0;
    std::optional<std::pair<Sample, Sample>> bracket;
    // The two sides in turn, nearest 0 first, so the first change of sign found is the rate
    // nearest 0 (as far as the steps can tell).
    bool upOpen = true, downOpen = true;
    for (size_t i = 0; !found && !bracket && (upOpen || downOpen); ++i) {
        for (int side = 0; side < 2 && !bracket; ++side) {
            const bool upward = side == 0;
            bool& open = upward ? upOpen : downOpen;
            const std::vector<double>& aprs = upward ? up : down;
            if (!open || i >= aprs.size()) {
                open = false;
                continue;
            }
            auto p = at(aprs[i]);
            double apr = aprs[i];
            std::optional<Sample>& last = upward ? lastUp : lastDown;
            if (!p) {
                if (!last)
                    continue;
                // Past the largest numbers the calculation can hold (a long plan's growth at a
                // high rate): nothing beyond either, so the last step goes only as far as the
                // edge, found by halving.
                open = false;
                double inside = last->apr, outside = apr;
                for (int k = 0; k < 64 && inside != outside; ++k) {
                    const double mid = 0.5 * (inside + outside);
                    if (mid == inside || mid == outside)
                        break;
                    (at(mid) ? inside : outside) = mid;
                }
                if (inside == last->apr)
                    continue;
                apr = inside;
                p = at(apr);
            }
            const Sample s{apr, *p};
            (upward ? highestTried : lowestTried) = s.apr;
            note(s);
            if (s.payment == payment)
                found = s;
            else if (last && (last->payment < payment) != (s.payment < payment))
                bracket = std::make_pair(*last, s);
            last = s;
        }
    }
    if (!found && bracket) {
        Sample best = refine(at, bracket->first, bracket->second, payment);
        if (std::fabs(best.payment - payment) > 1e-12 * std::fabs(payment))
            best = polish(at, best, payment, P);
        found = best;
    }
    if (found) {
        const Num real = realAprOf(periodRateOf(found->apr, C, P), P);
        return FoundRate{found->apr, real.ok() ? std::optional<double>(real.v) : std::nullopt, {}};
    }

    if (!low)
        return noRate("The payment cannot be computed from these inputs at any rate from -100 % "
                      "up.");
    const double n = q.PERS;
    const bool investment = q.kind == PaymentQuestion::Kind::Investment;
    const bool lease = q.kind == PaymentQuestion::Kind::Lease;
    if (!investment && payment < low->payment) {
        const double net = lease ? payment / (1 + 0.01 * q.TAX) : payment;
        const double amount = lease ? q.SBAL : q.SBAL * (1 + 0.01 * q.TAX);
        if (n * net < amount - q.DPMT - q.FBAL)
            return noRate("The payments add up to less than the amount borrowed minus the end "
                          "amount; not even a rate near -100 % brings the payment down to " +
                          format00(payment) + ".");
    }
    if (investment && payment > high->payment && n * payment > q.FBAL - q.SBAL)
        return noRate("The deposits add up to more than the end amount minus the start amount; not "
                      "even a rate near -100 % brings the deposit up to " +
                      format00(payment) + ".");
    const std::string from = lowestTried < -99 ? "just above -100" : shortText(lowestTried);
    // A bound that would read like the payment itself is shown with the digits that tell them
    // apart.
    auto bound = [&](double v) {
        return format00(v) == format00(payment) ? shortText(v) : format00(v);
    };
    const std::string to = highestTried == std::floor(highestTried) ? formatFixed(highestTried, 0)
                                                                    : format00(highestTried);
    return noRate("No rate from " + from + " % to " + to + " % gives a payment of " +
                  shortText(payment) + ": over that range it runs from " + bound(low->payment) +
                  " to " + bound(high->payment) + ".");
}

} // namespace selvane
