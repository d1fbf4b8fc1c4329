#pragma once
// The calculator's rules, each written once: the period rate, the sales tax, the payment and the
// other unknowns of a plan, the decline of a value over the years, and the lease's residual value
// and the depreciation behind it. The calculation, the results, the live update, a new result
// type's set-up, Find the Rate and What If all use these. Every formula is evaluated in the order
// it is written, in checked doubles (a failure is NaN): the fields show the last bit.

#include "core/checked.h"

namespace selvane {

// The period rate and real APR: the nominal rate compounded once per compounding period of C
// months, paid P times a month.
Num periodRateOf(Num apr, Num C, Num P);
Num realAprOf(Num periodRate, Num P);

// Sales tax in percent as the factor it multiplies a price by: 7 gives 1.07.
Num taxFactor(Num percent);

// `value` after `months` months of a yearly decline of `percent` (an asset's depreciation, money's
// inflation). The months count as twelfths of a year whatever the payment period.
Num declined(Num value, Num percent, Num months);

// The lease's residual value and the yearly depreciation that explains it are each written two
// ways, which agree but for the last bit: a new lease takes the monthly factor to the power of the
// months, and the calculation takes one over the years as the exponent; typing into the price, the
// depreciation or the buy-back amount takes the yearly factor to the power of the years, or twelve
// over the months. Each field has always shown its own, so both are kept.
enum class Spelling { Monthly, Yearly };

Num residual(Num start, Num percent, Num months, Spelling s);

Num depreciation(Num start, Num end, Num months, Spelling s);

// The payments of a plan at `rate` per payment: a loan's pay the principal down to the end amount,
// an investment's deposits (`deposits`) build the start amount up to it. A payment is the sum of
// its principal and interest parts at payment number `compoundMonths`. One function per unknown;
// each is NaN where the annuity functions have no answer.
struct Solver {
    double rate = 0;
    double compoundMonths = 1;
    bool deposits = false;

    Num principalPart(Num payments, Num principal, Num end) const;
    Num interestPart(Num payments, Num principal, Num end) const;
    Num payment(Num payments, Num principal, Num end) const;
    Num principal(Num payments, Num payment, Num end) const;
    Num payments(Num payment, Num principal, Num end) const;
    Num endAmount(Num payments, Num payment, Num principal) const;
};

} // namespace selvane
