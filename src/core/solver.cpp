#include "core/solver.h"

#include "core/annuity.h"

namespace selvane {

Num periodRateOf(Num apr, Num C, Num P) {
    return power(1 + 0.01 * apr * C / (P * 12), 1 / C) - 1;
}

Num realAprOf(Num periodRate, Num P) {
    return (power(1 + periodRate, P * 12) - 1) * 100;
}

Num taxFactor(Num percent) {
    return 1 + 0.01 * percent;
}

Num declined(Num value, Num percent, Num months) {
    return value * power(1 - 0.01 * percent, months / 12);
}

Num residual(Num start, Num percent, Num months, Spelling s) {
    const Num yearly = 1 - percent / 100;
    return s == Spelling::Monthly ? start * power(power(yearly, Num(1.0) / 12), months)
                                  : start * power(yearly, months / 12);
}

Num depreciation(Num start, Num end, Num months, Spelling s) {
    const Num exponent = s == Spelling::Monthly ? 1 / (months / 12) : 12 / months;
    return 100 * (1 - power(end / start, exponent));
}

Num Solver::principalPart(Num payments, Num principal, Num end) const {
    const Num part = fromResult(PPmt(rate, compoundMonths, payments.v, -principal.v, end.v));
    return deposits ? -part : part;
}

Num Solver::interestPart(Num payments, Num principal, Num end) const {
    const Num part = fromResult(IPmt(rate, compoundMonths, payments.v, -principal.v, end.v));
    return deposits ? -part : part;
}

Num Solver::payment(Num payments, Num principal, Num end) const {
    return principalPart(payments, principal, end) + interestPart(payments, principal, end);
}

Num Solver::principal(Num payments, Num payment, Num end) const {
    return deposits ? -fromResult(PV(rate, payments.v, -payment.v, end.v))
                    : fromResult(PV(rate, payments.v, -payment.v, -end.v));
}

Num Solver::payments(Num payment, Num principal, Num end) const {
    return deposits ? fromResult(NPer(rate, -payment.v, -principal.v, end.v))
                    : fromResult(NPer(rate, -payment.v, principal.v, -end.v));
}

Num Solver::endAmount(Num payments, Num payment, Num principal) const {
    return deposits ? fromResult(FV(rate, payments.v, -payment.v, -principal.v))
                    : -fromResult(FV(rate, payments.v, -payment.v, principal.v));
}

} // namespace selvane
