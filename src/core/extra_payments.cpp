#include "core/extra_payments.h"

#include <algorithm>
#include <cmath>

#include "core/details_text.h"
#include "core/user_text.h"

namespace selvane {

std::optional<std::string> extrasProblem(double extra, double from, double lump, double at) {
    if (!(extra >= 0) || !std::isfinite(extra))
        return UI_TEXT("selvane::FinCalc", "The extra amount must be a number of at least 0.");
    if (!(lump >= 0) || !std::isfinite(lump))
        return UI_TEXT("selvane::FinCalc", "The one-time amount must be a number of at least 0.");
    if (!(from >= 1) || from != std::floor(from) || from > static_cast<double>(kMaxPasses))
        return UI_TEXT("selvane::FinCalc",
                       "Extra payments start at a whole payment number from 1 to 10000000.");
    if (!(at >= 1) || at != std::floor(at) || at > static_cast<double>(kMaxPasses))
        return UI_TEXT("selvane::FinCalc",
                       "The one-time amount goes with a whole payment number from 1 to 10000000.");
    return std::nullopt;
}

std::optional<std::string> scheduleProblem(const Plan& p) {
    const double figures[] = {p.amountFinanced, p.periodRate, p.payment, p.endAmount};
    if (!std::all_of(std::begin(figures), std::end(figures),
                     [](double v) { return std::isfinite(v); }))
        return UI_TEXT(
            "selvane::FinCalc",
            "The plan's figures are beyond the range of numbers, so it has no payment schedule.");
    if (p.payments < 1)
        return UI_TEXT("selvane::FinCalc",
                       "The plan has no payments, so it has no payment schedule.");
    if (p.payments > kMaxPasses)
        return UI_TEXT(
            "selvane::FinCalc",
            "The plan has more than 10000000 payments, more than the calculator schedules.");
    if (!(p.periodRate > -1))
        return UI_TEXT(
            "selvane::FinCalc",
            "The rate per payment is -100 % or less, so the plan has no payment schedule.");
    if (!(DD(p.endAmount) < DD(p.amountFinanced)))
        return UI_TEXT(
            "selvane::FinCalc",
            "The end amount is at or above the amount financed: the payments do not pay the "
            "balance down, so there is nothing for extra payments to pay off.");
    // The first payment must take the balance down; after it, the balance only falls faster.
    if (!(DD(p.payment) - DD(p.amountFinanced) * p.periodRate > DD(0.0)))
        return UI_TEXT(
            "selvane::FinCalc",
            "The payment is no more than the first period's interest, so the plan's balance "
            "does not fall: there is no schedule for extra payments to shorten.");
    return std::nullopt;
}

DD paymentsBefore(const Plan& p, const Extras& x, std::int64_t last, std::int64_t changeFrom,
                  DD changed) {
    const std::int64_t n = last - 1;
    if (n < 1)
        return DD();
    const std::int64_t before = std::min(n, changeFrom - 1);
    DD sum = DD(p.payment) * static_cast<double>(before);
    if (before < n)
        sum += changed * static_cast<double>(n - before);
    if (x.from <= n)
        sum += DD(x.extra) * static_cast<double>(n - x.from + 1);
    if (x.at <= n)
        sum += DD(x.lump);
    return sum;
}

DD levelPayment(DD balance, double rate, std::int64_t count, double end) {
    // Worked out in double-double, the growth factor by squaring, and rounded to a double, as
    // the calculation's own payment is: a long plan at a high rate multiplies any difference in
    // the payment by (1 + rate) each period up to its last payment, so the payment must be the
    // one number every correct computation of it gives.
    if (rate == 0)
        return ((balance - DD(end)) / DD(static_cast<double>(count))).value();
    DD growth(1.0);
    DD x = DD(1.0) + DD(rate);
    for (std::int64_t e = count; e != 0; e /= 2, x = x * x)
        if (e % 2 == 1)
            growth = growth * x;
    // The interest on the balance, and the sinking-fund share of what is to be paid off.
    return (balance * DD(rate) + (balance - DD(end)) * DD(rate) / (growth - DD(1.0))).value();
}

} // namespace selvane
