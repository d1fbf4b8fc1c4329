#pragma once
// An independent model of a plan's payment schedule, written from its definition in quadruple
// precision (113 bits): interest on the balance each period, then the payment with its extras;
// the payment that would take the balance to the end amount or below, or leave it less than half
// a cent above, pays exactly what is left, as does the plan's last payment. Totals are the sums
// of the payments made and of the interest charged, each term added one by one.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace selvane::model {

__extension__ typedef __float128 Quad; // GCC and Clang on x86-64

struct Totals {
    std::int64_t payments = 0;
    Quad lastPayment = 0, totalPaid = 0, totalInterest = 0;
};

inline Totals walk(double financed, double rate, double payment, double end, std::int64_t n,
                   double extra = 0, std::int64_t from = 1, double lump = 0, std::int64_t at = 1) {
    Totals t;
    Quad balance = financed;
    for (std::int64_t k = 1; k <= n; ++k) {
        const Quad interest = balance * static_cast<Quad>(rate);
        t.totalInterest += interest;
        balance += interest;
        Quad due = payment;
        if (k >= from)
            due += extra;
        if (k == at)
            due += lump;
        const bool last = k == n || balance - due < static_cast<Quad>(end) + Quad(0.005);
        const Quad paid = last ? balance - static_cast<Quad>(end) : due;
        balance -= paid;
        t.totalPaid += paid;
        t.payments = k;
        t.lastPayment = paid;
        if (last)
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
