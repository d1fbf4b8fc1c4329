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

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// What happens to a plan over time, as the schedule walks it: rate changes, extra payments,
// one-time amounts and payment holidays, any number of each. Payment numbers count from 1.
struct ScheduleEvents {
    // A new rate from payment `from` on. Keeping the payment lets the number of payments follow:
    // the schedule runs until the balance is paid. Keeping the end date works the payment out
    // again at `from`, to end with the plan's last payment.
    struct Rate {
        std::int64_t from = 1;
        double periodRate = 0;
        bool keepEndDate = false;
        double apr = 0; // the label its stretch carries
        bool operator==(const Rate&) const = default;
    };
    // `amount` more with payments from, from + every, ... up to `until`.
    struct Extra {
        double amount = 0;
        std::int64_t from = 1, until = kMaxPasses, every = 1;
        bool operator==(const Extra&) const = default;
    };
    struct Lump {
        double amount = 0;
        std::int64_t at = 1;
        bool operator==(const Lump&) const = default;
    };
    // Payments from .. from + count - 1 are not made (skip: their interest is added to the
    // balance) or pay the interest only, extras and one-time amounts included. Afterwards the
    // payment stays (the plan runs longer) or is worked out again to end with the plan's last
    // payment.
    struct Holiday {
        std::int64_t from = 1, count = 1;
        bool skip = true;
        bool keepEndDate = false;
        bool operator==(const Holiday&) const = default;
    };
    std::vector<Rate> rates; // at most one a payment
    std::vector<Extra> extras;
    std::vector<Lump> lumps;
    std::vector<Holiday> holidays;
    // After each payment that carries an extra or a one-time amount, the payment is worked out
    // again to end with the plan's last payment (a lower payment) instead of staying (a shorter
    // plan).
    bool lower = false;
    double planApr = 0; // the label of the plan's own stretch
    bool operator==(const ScheduleEvents&) const = default;
};

// From payment `from` on, interest at `apr` and the scheduled payment `payment`.
struct Stretch {
    std::int64_t from = 1;
    double apr = 0;
    DD payment;
};
inline constexpr std::size_t kMaxStretches = 1000;

struct ScheduleTotals {
    std::int64_t payments = 0;
    DD lastPayment, totalPaid, totalInterest;
    // The payment from the last rate change on (the plan's without one).
    DD changedPayment;
    // Where the balance stops falling while the payment is kept (`neverPaid`), or the schedule
    // would run past kMaxPasses payments, it has no end: `endless` is set and the figures above
    // are not.
    bool endless = false;
    bool neverPaid = false;
    std::int64_t neverPaidFrom = 0; // the first payment of the stretch that never pays off
    // The scheduled payment of each stretch, the first kMaxStretches of them.
    std::vector<Stretch> stretches;
    bool moreStretches = false;
};

// Walks the schedule of a plan that pays down (scheduleProblem is nullopt) with its events,
// calling f(k, balanceAfter) after each payment, and returns its totals.
template <class F> ScheduleTotals walkSchedule(const Plan& plan, const ScheduleEvents& ev, F&& f);

inline ScheduleTotals schedule(const Plan& plan, const ScheduleEvents& ev) {
    return walkSchedule(plan, ev, [](std::int64_t, double) {});
}

// The one extra, one-time amount and rate change of the What If window as events.
ScheduleEvents eventsOf(const Extras& x, const RateChange* change);

template <class F>
ScheduleTotals walkSchedule(const Plan& plan, const Extras& x, const RateChange* change, F&& f) {
    return walkSchedule(plan, eventsOf(x, change), std::forward<F>(f));
}
template <class F> ScheduleTotals walkSchedule(const Plan& plan, const Extras& x, F&& f) {
    return walkSchedule(plan, x, nullptr, std::forward<F>(f));
}
inline ScheduleTotals schedule(const Plan& plan, const Extras& x,
                               const RateChange* change = nullptr) {
    return schedule(plan, eventsOf(x, change));
}

// The level payment that takes `balance` to `end` in `count` payments at `rate` per payment, to
// the nearest double.
DD levelPayment(DD balance, double rate, std::int64_t count, double end);

namespace schedule_detail {

// What happens at one payment, before it (a rate, an extra starting or stopping, a one-time
// amount, a holiday starting) or after it (a holiday ending).
struct Point {
    std::int64_t k = 0;
    enum class Kind { Rate, ExtraOn, ExtraOff, Lump, HolidayOn, HolidayOff } kind{};
    std::size_t index = 0;
};

// The points of the events in the order of their payments, and what the walk needs to know of the
// extras that come every few payments.
struct Points {
    std::vector<Point> before, after;
    std::vector<std::size_t> periodic; // extras with every > 1
    // From this payment on nothing changes but the periodic extras, which repeat every `cycle`
    // payments (0: too long a cycle to watch).
    std::int64_t steadyFrom = 1, cycle = 1;
};
Points pointsOf(const ScheduleEvents& ev);

} // namespace schedule_detail

template <class F> ScheduleTotals walkSchedule(const Plan& plan, const ScheduleEvents& ev, F&& f) {
    using schedule_detail::Point;
    constexpr double kHalfCent = 0.005;
    const DD end(plan.endAmount);
    const DD settled = DD(plan.endAmount) + kHalfCent;
    const schedule_detail::Points pts = schedule_detail::pointsOf(ev);
    const std::int64_t planLast = plan.payments;
    double rate = plan.periodRate, apr = ev.planApr;
    Multiplier interest(rate);
    DD regular(plan.payment), extraSum, paidBefore;
    std::int64_t last = planLast;
    bool open = false;                           // the payment kept, the number of payments follows
    std::int64_t skipping = 0, interestOnly = 0; // holidays under way
    // The next payment each periodic extra comes with, and the soonest of them.
    std::vector<std::int64_t> nextDue(pts.periodic.size());
    std::int64_t soonest = kMaxPasses + 1;
    for (std::size_t i = 0; i < pts.periodic.size(); ++i) {
        nextDue[i] = ev.extras[pts.periodic[i]].from;
        soonest = std::min(soonest, nextDue[i]);
    }
    std::size_t before = 0, after = 0;
    DD balance(plan.amountFinanced), grown;
    double shown = plan.amountFinanced; // the balance as one double
    // While the payment is kept, a balance that did not fall over a whole cycle of the steady
    // part of the schedule never will: each cycle repeats the last, and a larger balance only
    // grows faster.
    DD checkpoint;
    bool checked = false;
    // A balance that a payment left bit for bit as it was, with every later payment the same,
    // stays so: at a negative rate it can settle among the subnormal doubles, where arithmetic
    // (even a comparison's scaling) is many times slower, so nothing of it is worked out again.
    bool still = false;
    ScheduleTotals s;
    s.changedPayment = regular;
    auto stretch = [&](std::int64_t from) {
        if (!s.stretches.empty() && s.stretches.back().from == from)
            s.stretches.back() = Stretch{from, apr, regular};
        else if (s.stretches.size() < kMaxStretches)
            s.stretches.push_back(Stretch{from, apr, regular});
        else
            s.moreStretches = true;
    };
    stretch(1);
    // The payment worked out again from payment `from` on, to end with the plan's last payment
    // (or at once, where that has passed).
    auto rework = [&](std::int64_t from, DD owed) {
        last = std::min(std::max(planLast, from), kMaxPasses);
        open = false;
        regular =
            levelPayment(owed, rate, std::max<std::int64_t>(last - from + 1, 1), plan.endAmount);
        stretch(from);
    };
    for (std::int64_t k = 1; k <= last; ++k) {
        DD lumps;
        for (; before < pts.before.size() && pts.before[before].k == k; ++before) {
            const Point& p = pts.before[before];
            still = false;
            checked = false;
            if (p.kind == Point::Kind::Rate) {
                const ScheduleEvents::Rate& r = ev.rates[p.index];
                rate = r.periodRate;
                interest = Multiplier(rate);
                apr = r.apr;
                if (r.keepEndDate) {
                    rework(k, balance);
                } else {
                    last = kMaxPasses; // the payments go on until the balance is paid
                    open = true;
                    stretch(k);
                }
                s.changedPayment = regular;
            } else if (p.kind == Point::Kind::Lump) {
                lumps += ev.lumps[p.index].amount;
            } else if (p.kind == Point::Kind::HolidayOn) {
                ++(ev.holidays[p.index].skip ? skipping : interestOnly);
                last = kMaxPasses; // the payment after the holiday decides the end
                open = true;
            } else { // an extra starts or stops: the sum of those running now
                extraSum = DD();
                for (const ScheduleEvents::Extra& e : ev.extras)
                    if (e.every == 1 && e.from <= k && k <= e.until)
                        extraSum += e.amount;
            }
        }
        if (!still)
            grown = balance + interest(balance);
        DD extrasNow = extraSum;
        if (lumps.hi != 0)
            extrasNow += lumps;
        if (k == soonest) {
            soonest = kMaxPasses + 1;
            for (std::size_t i = 0; i < nextDue.size(); ++i) {
                const ScheduleEvents::Extra& e = ev.extras[pts.periodic[i]];
                if (nextDue[i] == k) {
                    extrasNow += e.amount;
                    nextDue[i] = k > e.until - e.every ? kMaxPasses + 1 : k + e.every;
                }
                soonest = std::min(soonest, nextDue[i]);
            }
        }
        DD due;
        const bool holiday = skipping + interestOnly > 0;
        if (holiday) {
            extrasNow = DD();
            if (skipping == 0 && grown - balance > DD(0.0))
                due = grown - balance;
        } else {
            due = extrasNow.hi != 0 ? regular + extrasNow : regular;
        }
        const DD owed = still ? balance : grown - due;
        // Extras too large to add up (beyond the range of numbers) pay whatever is left.
        const bool atEnd = k == last && !holiday;
        if (atEnd || (!still && (!std::isfinite(owed.hi) || owed < settled))) {
            if (atEnd && open && !(owed < settled)) {
                s.endless = true; // not paid in kMaxPasses payments
                return s;
            }
            s.payments = k;
            s.lastPayment = grown - end;
            f(k, plan.endAmount);
            break;
        }
        if (k == kMaxPasses) { // a holiday at the last payment the calculator schedules
            s.endless = true;
            return s;
        }
        const bool steady = k >= pts.steadyFrom && !(ev.lower && extrasNow.hi > 0);
        still = steady && pts.cycle == 1 &&
                std::bit_cast<std::uint64_t>(owed.hi) == std::bit_cast<std::uint64_t>(balance.hi) &&
                std::bit_cast<std::uint64_t>(owed.lo) == std::bit_cast<std::uint64_t>(balance.lo);
        if (steady && open && pts.cycle > 0 && (k - pts.steadyFrom) % pts.cycle == 0) {
            if (checked && !(owed < checkpoint)) {
                s.endless = s.neverPaid = true;
                s.neverPaidFrom = s.stretches.back().from;
                return s;
            }
            checkpoint = owed;
            checked = true;
        }
        if (!still)
            shown = owed.value();
        paidBefore += due;
        balance = owed;
        f(k, shown);
        for (; after < pts.after.size() && pts.after[after].k == k; ++after) {
            const ScheduleEvents::Holiday& h = ev.holidays[pts.after[after].index];
            --(h.skip ? skipping : interestOnly);
            if (h.keepEndDate) {
                rework(k + 1, balance);
            } else { // the payment stays, and the plan runs longer
                last = kMaxPasses;
                open = true;
                stretch(k + 1);
            }
        }
        if (holiday && k == last)
            last = k + 1; // a holiday's payment is never the last
        if (ev.lower && extrasNow.hi > 0)
            rework(k + 1, balance);
    }
    s.totalPaid = paidBefore + s.lastPayment;
    // Every schedule ends at the end amount: what was paid beyond the amount paid off is interest.
    s.totalInterest = s.totalPaid - (DD(plan.amountFinanced) - end);
    return s;
}

} // namespace selvane
