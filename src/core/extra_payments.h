#pragma once
// "What if I pay a little more?": the report's schedule with extra money added to the payments,
// ending early when the balance reaches the plan's end amount. The recurrence is the details
// report's, step for step, so with no extras it gives the report's rows and totals.

#include <cstdint>
#include <optional>
#include <string>

#include "core/details_text.h"

namespace selvane {

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

struct ExtraSchedule {
    std::int64_t payments = 0;
    double lastPayment = 0, totalPaid = 0, totalInterest = 0;
    bool paidOffEarly = false; // ended at the end amount before the plan's last payment
};

// Calls f(k, payment, balanceAfter, interestToDate) for each payment of the schedule and returns
// its totals. Loan modes only: payments pay the balance down from P0 = SBAL - DPMT.
template <class F> ExtraSchedule walkExtraSchedule(const ReportInputs& in, const Extras& x, F&& f);

inline ExtraSchedule extraSchedule(const ReportInputs& in, const Extras& x) {
    return walkExtraSchedule(in, x, [](std::int64_t, double, double, double) {});
}

template <class F> ExtraSchedule walkExtraSchedule(const ReportInputs& in, const Extras& x, F&& f) {
    ExtraSchedule s;
    const std::int64_t n = passCount(in.PERS);
    if (n <= 0)
        return s;
    double B = in.SBAL - in.DPMT, I = 0;
    for (std::int64_t k = 1; k <= n; ++k) {
        // Interest on the balance before the payment, then the balance after it, in the
        // report's order of operations.
        I = I + in.PeriodRate * B;
        const double grown = B * (1.0 + in.PeriodRate);
        const double due = in.PMT + (k >= x.from ? x.extra : 0.0) + (k == x.at ? x.lump : 0.0);
        const bool reachesEnd = grown - due <= in.FBAL;
        // A payment that reaches the end amount pays exactly what is left above it.
        const double payment = reachesEnd ? grown - in.FBAL : due;
        B = reachesEnd ? in.FBAL : grown - due;
        s.payments = k;
        s.lastPayment = payment;
        s.totalPaid += payment;
        s.totalInterest = I;
        f(k, payment, B, I);
        if (reachesEnd) {
            s.paidOffEarly = k < n;
            break;
        }
    }
    return s;
}

} // namespace selvane
