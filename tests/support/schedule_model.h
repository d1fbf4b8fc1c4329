#pragma once
// An independent model of a plan's payment schedule, written from its definition in quadruple
// precision (113 bits): interest on the balance each period (at a new rate from a rate change
// on), then the payment with its extras; the payment that would take the balance to the end
// amount or below, or leave it less than half a cent above, pays exactly what is left, as does
// the plan's last payment. Totals are the sums of the payments made and of the interest charged,
// each term added one by one.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace selvane::model {

__extension__ typedef __float128 Quad; // GCC and Clang on x86-64

struct Totals {
    std::int64_t payments = 0;
    Quad lastPayment = 0, totalPaid = 0, totalInterest = 0;
    Quad changedPayment = 0; // the payment from a rate change on
    bool endless = false;    // a kept payment that never pays the balance off
};

// A new rate from payment `from` on. Keeping the end date, the payment there becomes the level
// payment that takes the balance to the end amount in the plan's remaining payments (to the
// nearest double); keeping the
// payment, the schedule runs until the balance is paid (or for 10,000,000 payments, then endless).
struct Change {
    double rate = 0;
    std::int64_t from = 1;
    bool keepEndDate = false;
};

// The level payment that takes `balance` to `end` in m payments at r, to the nearest double (as
// a payment is).
inline double levelPayment(Quad balance, Quad r, std::int64_t m, double end) {
    Quad g = 1, x = 1 + r; // (1 + r)^m, by squaring
    for (std::int64_t e = m; e > 0; e /= 2, x *= x)
        if (e % 2 == 1)
            g *= x;
    return static_cast<double>(r == 0 ? (balance - end) / m : (balance * g - end) * r / (g - 1));
}

inline Totals walk(double financed, double rate, double payment, double end, std::int64_t n,
                   double extra = 0, std::int64_t from = 1, double lump = 0, std::int64_t at = 1,
                   const Change* change = nullptr) {
    Totals t;
    Quad balance = financed, r = rate, pay = payment;
    t.changedPayment = pay;
    std::int64_t last = n;
    for (std::int64_t k = 1; k <= last; ++k) {
        if (change && k == change->from && k <= n) {
            r = change->rate;
            if (change->keepEndDate) {
                pay = levelPayment(balance, r, n - k + 1, end);
            } else {
                last = 10'000'000;
            }
            t.changedPayment = pay;
        }
        const Quad interest = balance * r;
        t.totalInterest += interest;
        balance += interest;
        Quad due = pay;
        if (k >= from)
            due += extra;
        if (k == at)
            due += lump;
        const bool paid = balance - due < static_cast<Quad>(end) + Quad(0.005);
        if (k == last && last != n && !paid) {
            t.endless = true;
            return t;
        }
        const bool ends = k == last || paid;
        const Quad made = ends ? balance - static_cast<Quad>(end) : due;
        // Once nothing changes any more, a kept payment that leaves the balance where it was or
        // higher never pays it off: each payment after leaves it higher still.
        const Quad before = balance - interest;
        if (!ends && last != n && k >= std::max({change->from, from, at}) &&
            !(balance - made < before)) {
            t.endless = true;
            return t;
        }
        balance -= made;
        t.totalPaid += made;
        t.payments = k;
        t.lastPayment = made;
        if (ends)
            break;
    }
    return t;
}

// Within a cent, or 1e-9 of the figure where that is more.
inline bool close(double got, Quad want) {
    const double w = static_cast<double>(want);
    return std::fabs(got - w) <= std::max(0.01, 1e-9 * std::fabs(w));
}

} // namespace selvane::model
