#pragma once
// "What if I pay a little more?": the plan a calculation solved, paid payment by payment, with
// extra money added to the payments.
//
// The plan is the loan the calculation solved: the amount financed, the rate per payment, the
// calculation's own (unrounded) payment, the end amount and the number of payments rounded up to
// a whole payment. A schedule charges interest on the balance each period, then takes the payment
// plus any extras. The payment that would take the balance to the end amount or below pays exactly
// what is left above the end amount, and the schedule ends there; a balance left less than half a
// cent above it counts as paid the same way, and the plan's last payment always pays what is
// left. So every schedule ends at the end amount, and total paid = amount financed - end amount
// + total interest, exactly.
//
// The balance is carried in double-double arithmetic: its rounding errors are multiplied by
// (1 + rate) every period, which over a long plan at a high rate would swamp the cents in plain
// doubles.

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "core/double_double.h"

namespace selvane {

struct Plan {
    double amountFinanced = 0;
    double periodRate = 0;
    double payment = 0;
    double endAmount = 0;
    std::int64_t payments = 0;     // whole payments, 1 to kMaxPasses
    double paymentsPerMonth = 1.0; // for lengths in years and months
    bool operator==(const Plan&) const = default;
};

struct Extras {
    double extra = 0;      // added to every payment from payment `from` on
    std::int64_t from = 1; // >= 1
    double lump = 0;       // added once, to payment `at`
    std::int64_t at = 1;   // >= 1
    bool operator==(const Extras&) const = default;
};

// Why the extras cannot be used, or nullopt when they can: amounts at least zero, payment
// numbers whole and at least one.
std::optional<std::string> extrasProblem(double extra, double from, double lump, double at);

// Why a plan does not pay its balance down to its end amount, or nullopt when it does.
std::optional<std::string> scheduleProblem(const Plan& plan);

struct ScheduleTotals {
    std::int64_t payments = 0;
    DD lastPayment, totalPaid, totalInterest;
};

// Walks the schedule of a plan that pays down (scheduleProblem is nullopt), calling
// f(k, balanceAfter) after each payment, and returns its totals.
template <class F> ScheduleTotals walkSchedule(const Plan& plan, const Extras& x, F&& f);

inline ScheduleTotals schedule(const Plan& plan, const Extras& x) {
    return walkSchedule(plan, x, [](std::int64_t, double) {});
}

// The sum of the payments before `last` (1 .. last - 1): the plan's payment each time, the extra
// from its first payment on and the one-time amount at its payment.
DD paymentsBefore(const Plan& plan, const Extras& x, std::int64_t last);

template <class F> ScheduleTotals walkSchedule(const Plan& plan, const Extras& x, F&& f) {
    constexpr double kHalfCent = 0.005;
    const DD end(plan.endAmount);
    const DD settled = DD(plan.endAmount) + kHalfCent;
    const Multiplier interest(plan.periodRate);
    const DD regular(plan.payment), withExtra = DD(plan.payment) + x.extra;
    DD balance(plan.amountFinanced), grown;
    double shown = plan.amountFinanced; // the balance as one double
    // A balance that a payment left bit for bit as it was, with every later payment the same,
    // stays so: at a negative rate it can settle among the subnormal doubles, where arithmetic
    // (even a comparison's scaling) is many times slower, so nothing of it is worked out again.
    bool still = false;
    ScheduleTotals s;
    for (std::int64_t k = 1; k <= plan.payments; ++k) {
        if (!still)
            grown = balance + interest(balance);
        const DD due = k == x.at ? (k >= x.from ? withExtra : regular) + x.lump
                                 : (k >= x.from ? withExtra : regular);
        const DD after = still ? balance : grown - due;
        // Extras too large to add up (beyond the range of numbers) pay whatever is left.
        if (k == plan.payments || (!still && (!std::isfinite(after.hi) || after < settled))) {
            s.payments = k;
            s.lastPayment = grown - end;
            f(k, plan.endAmount);
            break;
        }
        still =
            std::bit_cast<std::uint64_t>(after.hi) == std::bit_cast<std::uint64_t>(balance.hi) &&
            std::bit_cast<std::uint64_t>(after.lo) == std::bit_cast<std::uint64_t>(balance.lo) &&
            (k >= x.from || x.extra == 0) && (k > x.at || x.lump == 0);
        if (!still)
            shown = after.value();
        balance = after;
        f(k, shown);
    }
    s.totalPaid = paymentsBefore(plan, x, s.payments) + s.lastPayment;
    // Every schedule ends at the end amount: what was paid beyond the amount paid off is interest.
    s.totalInterest = s.totalPaid - (DD(plan.amountFinanced) - end);
    return s;
}

} // namespace selvane
