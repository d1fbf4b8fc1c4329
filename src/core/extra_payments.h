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
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "core/details_text.h"
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

// A new rate from a payment on, and how the lender answers it. Keeping the payment lets the number
// of payments follow: the schedule runs until the balance is paid, however long past the plan's
// last payment. Keeping the end date works the payment out again at the change, as the level
// payment that takes the balance there to the end amount in the payments the plan has left, at
// the new rate; the plan's last payment then pays what is left, as ever.
struct RateChange {
    double periodRate = 0; // the rate per payment from payment `from` on
    std::int64_t from = 1; // the first payment charged at the new rate, >= 1
    bool keepEndDate = false;
    bool operator==(const RateChange&) const = default;
};

// Why the extras cannot be used, or nullopt when they can: amounts at least zero, payment
// numbers whole and at least one.
std::optional<std::string> extrasProblem(double extra, double from, double lump, double at);

// Why a plan does not pay its balance down to its end amount, or nullopt when it does.
std::optional<std::string> scheduleProblem(const Plan& plan);

struct ScheduleTotals {
    std::int64_t payments = 0;
    DD lastPayment, totalPaid, totalInterest;
    // With a rate change: the payment from the change on (the plan's where the change comes after
    // the schedule's end). Where the kept payment is no more than the interest the new rate
    // charges at the change, or the schedule would run past kMaxPasses payments, the schedule has
    // no end: `endless` is set and the figures above are not.
    DD changedPayment;
    bool endless = false;
};

// Walks the schedule of a plan that pays down (scheduleProblem is nullopt), with a rate change
// where `change` is not null, calling f(k, balanceAfter) after each payment, and returns its
// totals.
template <class F>
ScheduleTotals walkSchedule(const Plan& plan, const Extras& x, const RateChange* change, F&& f);
template <class F> ScheduleTotals walkSchedule(const Plan& plan, const Extras& x, F&& f) {
    return walkSchedule(plan, x, nullptr, std::forward<F>(f));
}

inline ScheduleTotals schedule(const Plan& plan, const Extras& x,
                               const RateChange* change = nullptr) {
    return walkSchedule(plan, x, change, [](std::int64_t, double) {});
}

// The sum of the payments before `last` (1 .. last - 1): the plan's payment each time (`changed`
// from payment `changeFrom` on), the extra from its first payment on and the one-time amount at
// its payment.
DD paymentsBefore(const Plan& plan, const Extras& x, std::int64_t last,
                  std::int64_t changeFrom = std::numeric_limits<std::int64_t>::max(),
                  DD changed = DD());

// The level payment that takes `balance` to `end` in `count` payments at `rate` per payment, to
// the nearest double.
DD levelPayment(DD balance, double rate, std::int64_t count, double end);

template <class F>
ScheduleTotals walkSchedule(const Plan& plan, const Extras& x, const RateChange* change, F&& f) {
    constexpr double kHalfCent = 0.005;
    const DD end(plan.endAmount);
    const DD settled = DD(plan.endAmount) + kHalfCent;
    Multiplier interest(plan.periodRate);
    DD regular(plan.payment), withExtra = DD(plan.payment) + x.extra;
    // A change after the plan's last payment never comes.
    const std::int64_t changeAt =
        change != nullptr && change->from <= plan.payments ? change->from : kMaxPasses + 1;
    std::int64_t last = plan.payments;
    DD balance(plan.amountFinanced), grown;
    double shown = plan.amountFinanced; // the balance as one double
    // A balance that a payment left bit for bit as it was, with every later payment the same,
    // stays so: at a negative rate it can settle among the subnormal doubles, where arithmetic
    // (even a comparison's scaling) is many times slower, so nothing of it is worked out again.
    bool still = false;
    ScheduleTotals s;
    s.changedPayment = regular;
    for (std::int64_t k = 1; k <= last; ++k) {
        if (k == changeAt) {
            interest = Multiplier(change->periodRate);
            still = false;
            if (change->keepEndDate) {
                regular = levelPayment(balance, change->periodRate, last - k + 1, plan.endAmount);
            } else {
                if (!(regular - interest(balance) > DD(0.0))) {
                    s.endless = true; // the balance would never fall
                    return s;
                }
                last = kMaxPasses; // the payments go on until the balance is paid
            }
            withExtra = regular + x.extra;
            s.changedPayment = regular;
        }
        if (!still)
            grown = balance + interest(balance);
        const DD due = k == x.at ? (k >= x.from ? withExtra : regular) + x.lump
                                 : (k >= x.from ? withExtra : regular);
        const DD after = still ? balance : grown - due;
        // Extras too large to add up (beyond the range of numbers) pay whatever is left.
        if (k == last || (!still && (!std::isfinite(after.hi) || after < settled))) {
            if (k == last && last != plan.payments && !(after < settled)) {
                s.endless = true; // not paid in kMaxPasses payments
                return s;
            }
            s.payments = k;
            s.lastPayment = grown - end;
            f(k, plan.endAmount);
            break;
        }
        still =
            std::bit_cast<std::uint64_t>(after.hi) == std::bit_cast<std::uint64_t>(balance.hi) &&
            std::bit_cast<std::uint64_t>(after.lo) == std::bit_cast<std::uint64_t>(balance.lo) &&
            (k >= x.from || x.extra == 0) && (k > x.at || x.lump == 0) &&
            (k >= changeAt || changeAt > plan.payments);
        if (!still)
            shown = after.value();
        balance = after;
        f(k, shown);
    }
    s.totalPaid = paymentsBefore(plan, x, s.payments, changeAt, regular) + s.lastPayment;
    // Every schedule ends at the end amount: what was paid beyond the amount paid off is interest.
    s.totalInterest = s.totalPaid - (DD(plan.amountFinanced) - end);
    return s;
}

} // namespace selvane
