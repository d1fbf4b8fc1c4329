#pragma once
// An independent model of a timeline's schedule, written from its definition in quadruple
// precision: at each payment a rate event first (a new rate, then the payment kept or worked out
// again to end with the plan's last payment), then the holidays that start there; interest on the
// balance, then the payment with the extras and one-time amounts due with it (nothing, or the
// interest only, on a holiday). The payment that would take the balance below half a cent above
// the end amount pays exactly what is left, as does the last payment of a closed end. After a
// holiday, and after an overpayment where overpayments lower the payment, the payment may be
// worked out again. Totals are sums of the payments made and of the interest charged.

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

#include "core/solver.h"
#include "plan/timeline.h"
#include "support/schedule_model.h"

namespace selvane::model {

struct TimelineRun : Totals {
    std::vector<TimelineStretch> stretches; // every one
};

inline double perPayment(const SolvedPlan& p, double apr) {
    return periodRateOf(Num(apr), Num(p.compoundMonths), Num(p.plan.paymentsPerMonth)).v;
}

inline TimelineRun walkTimeline(const SolvedPlan& sp, const std::vector<TimelineEvent>& events,
                                bool lower) {
    using K = TimelineEvent::Kind;
    const Plan& p = sp.plan;
    const Quad end = p.endAmount;
    TimelineRun run;
    run.stretches = {{1, sp.apr, p.payment}};
    Quad balance = p.amountFinanced, r = p.periodRate, checkpoint = -1;
    double pay = p.payment, apr = sp.apr;
    std::int64_t last = p.payments, steady = 1, cycle = 1; // last: where the end is closed
    bool open = false;
    // From payment `from` on the payment is kept, the end open, or worked out again to end with
    // the plan's last payment (or the next, where that has passed); a new stretch either way.
    auto reset = [&](std::int64_t from, bool keepEndDate) {
        open = !keepEndDate;
        last = std::max(p.payments, from);
        if (keepEndDate)
            pay = levelPayment(balance, r, last - from + 1, p.endAmount);
        if (run.stretches.back().from == from)
            run.stretches.pop_back();
        run.stretches.push_back({from, apr, pay});
    };
    // From `steady` on (past every event's last payment) nothing happens but the extras that run
    // to the end, which repeat every `cycle` payments. With the payment kept, the balance after a
    // cycle is a fixed linear function (slope (1 + r)^cycle >= 1) of the balance before it: one
    // that did not fall over a cycle never falls, and the schedule never ends.
    for (const TimelineEvent& e : events) {
        steady = std::max(steady, e.from + e.count + e.until + 1);
        if (e.kind == K::Extra && e.until == 0)
            cycle = std::lcm(cycle, e.every);
    }
    for (std::int64_t k = 1; k <= kMaxPasses; ++k) {
        for (const TimelineEvent& e : events)
            if (e.kind == K::Rate && e.from == k) {
                r = perPayment(sp, e.amount);
                apr = e.amount;
                reset(k, e.keepEndDate);
            }
        // A holiday opens the end; but no holiday payment is the last, and the end of each
        // holiday sets the end again, so an end closed before or during one is never reached.
        bool skip = false, interestOnly = false;
        Quad extras = 0;
        for (const TimelineEvent& e : events) {
            if (e.kind == K::Holiday && e.from <= k && k < e.from + e.count)
                (e.skip ? skip : interestOnly) = true;
            if ((e.kind == K::Lump && e.from == k) ||
                (e.kind == K::Extra && k >= e.from && (e.until == 0 || k <= e.until) &&
                 (k - e.from) % e.every == 0))
                extras += e.amount;
        }
        const Quad interest = balance * r, grown = balance + interest;
        const bool holiday = skip || interestOnly; // a skipped payment pays nothing
        const Quad due = skip ? Quad(0) : interestOnly ? std::max(interest, Quad(0)) : pay + extras;
        run.totalInterest += interest;
        if ((!open && k == last && !holiday) || grown - due < end + Quad(0.005)) {
            run.payments = k;
            run.lastPayment = grown - end;
            run.totalPaid += run.lastPayment;
            return run;
        }
        balance = grown - due;
        run.totalPaid += due;
        for (const TimelineEvent& e : events)
            if (e.kind == K::Holiday && e.from + e.count - 1 == k)
                reset(k + 1, e.keepEndDate);
        if (lower && !holiday && extras > 0)
            reset(k + 1, true);
        if (open && k >= steady && (k - steady) % cycle == 0) {
            if (checkpoint >= 0 && !(balance < checkpoint))
                break;
            checkpoint = balance;
        }
    }
    run.endless = true;
    return run;
}

// The timeline with `points` more on its rates, every rate keeping the end date: the first rate
// event's APR becomes the plan's plus the points (a rate from payment 1 where there is none).
// Its scheduled payment at that first rate event and its total interest, or nullopt where its
// schedule never ends.
inline std::optional<TimelineShock> shock(const SolvedPlan& sp, std::vector<TimelineEvent> events,
                                          bool lower, double points) {
    std::int64_t first = 0;
    double apr = sp.apr + points; // the first shocked rate
    for (TimelineEvent& e : events)
        if (e.kind == TimelineEvent::Kind::Rate) {
            e.amount += points;
            e.keepEndDate = true;
            apr = first == 0 ? e.amount : apr;
            first = first == 0 ? e.from : first;
        }
    if (first == 0)
        events.push_back({TimelineEvent::Kind::Rate, apr, first = 1, 0, 1, 1, true, true});
    const TimelineRun run = walkTimeline(sp, events, lower);
    if (run.endless)
        return std::nullopt;
    double pay = 0;
    for (const TimelineStretch& s : run.stretches)
        pay = s.from <= first ? s.payment : pay;
    return TimelineShock{points, apr, pay, static_cast<double>(run.totalInterest)};
}

} // namespace selvane::model
