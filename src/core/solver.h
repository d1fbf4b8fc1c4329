#pragma once
// The calculator's rules, each written once: the period rate, the sales tax, the payment and the
// other unknowns of a plan, the decline of a value over the years, and the lease's residual value
// and the depreciation behind it. The calculation, the results, the live update, a new result
// type's set-up, Find the Rate and What If all use these. Every formula is evaluated in the order
// it is written, in checked doubles (a failure is NaN): the fields show the last bit.

#include "core/annuity.h"
#include "core/checked.h"

namespace selvane {

// The period rate and real APR: the nominal rate compounded once per compounding period of C
// months, paid P times a month.
inline Num periodRateOf(Num apr, Num C, Num P) {
    return power(1 + 0.01 * apr * C / (P * 12), 1 / C) - 1;
}
inline Num realAprOf(Num periodRate, Num P) {
    return (power(1 + periodRate, P * 12) - 1) * 100;
}

// Sales tax in percent as the factor it multiplies a price by: 7 gives 1.07.
inline Num taxFactor(Num percent) {
    return 1 + 0.01 * percent;
}

// `value` after `months` months of a yearly decline of `percent` (an asset's depreciation, money's
// inflation). The months count as twelfths of a year whatever the payment period.
inline Num declined(Num value, Num percent, Num months) {
    return value * power(1 - 0.01 * percent, months / 12);
}

// The lease's residual value and the yearly depreciation that explains it are each written two
// ways, which agree but for the last bit: a new lease takes the monthly factor to the power of the
// months, and the calculation takes one over the years as the exponent; typing into the price, the
// depreciation or the buy-back amount takes the yearly factor to the power of the years, or twelve
// over the months. Each field has always shown its own, so both are kept.
enum class Spelling { Monthly, Yearly };

inline Num residual(Num start, Num percent, Num months, Spelling s) {
    const Num yearly = 1 - percent / 100;
    return s == Spelling::Monthly ? start * power(power(yearly, Num(1.0) / 12), months)
                                  : start * power(yearly, months / 12);
}

inline Num depreciation(Num start, Num end, Num months, Spelling s) {
    const Num exponent = s == Spelling::Monthly ? 1 / (months / 12) : 12 / months;
    return 100 * (1 - power(end / start, exponent));
}

// The payments of a plan at `rate` per payment: a loan's pay the principal down to the end amount,
// an investment's deposits (`deposits`) build the start amount up to it. A payment is the sum of
// its principal and interest parts at payment number `compoundMonths`. One function per unknown;
// each is NaN where the annuity functions have no answer.
struct Solver {
    double rate = 0;
    double compoundMonths = 1;
    bool deposits = false;

    Num principalPart(Num payments, Num principal, Num end) const {
        const Num part = fromResult(PPmt(rate, compoundMonths, payments.v, -principal.v, end.v));
        return deposits ? -part : part;
    }
    Num interestPart(Num payments, Num principal, Num end) const {
        const Num part = fromResult(IPmt(rate, compoundMonths, payments.v, -principal.v, end.v));
        return deposits ? -part : part;
    }
    Num payment(Num payments, Num principal, Num end) const {
        return principalPart(payments, principal, end) + interestPart(payments, principal, end);
    }
    Num principal(Num payments, Num payment, Num end) const {
        return deposits ? -fromResult(PV(rate, payments.v, -payment.v, end.v))
                        : fromResult(PV(rate, payments.v, -payment.v, -end.v));
    }
    Num payments(Num payment, Num principal, Num end) const {
        return deposits ? fromResult(NPer(rate, -payment.v, -principal.v, end.v))
                        : fromResult(NPer(rate, -payment.v, principal.v, -end.v));
    }
    Num endAmount(Num payments, Num payment, Num principal) const {
        return deposits ? fromResult(FV(rate, payments.v, -payment.v, -principal.v))
                        : -fromResult(FV(rate, payments.v, -payment.v, principal.v));
    }
};

} // namespace selvane
