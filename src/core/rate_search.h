#pragma once
// "What rate is this offer really charging me?": the APR at which the calculation, solving for the
// payment with every other input as it stands, gives a payment the user typed. The payment as a
// function of the APR comes from the calculation's own rules (core/solver.h), so an answer can be
// checked by calculating.

#include <optional>
#include <string>
#include <vector>

#include "core/solver.h"
#include "core/user_text.h"

namespace selvane {

// Everything but the rate that the payment depends on, as the calculation reads it.
struct PaymentQuestion {
    enum class Kind { Loan, Lease, Investment };
    Kind kind = Kind::Loan;
    double PERS = 0, SBAL = 0, DPMT = 0, FBAL = 0, TAX = 0;
    double compoundMonths = 1, paymentsPerMonth = 1;
    bool operator==(const PaymentQuestion&) const = default;
};

// The payment the calculation gives at this APR, as the payment field shows it (a lease's with
// its sales tax); nullopt where the calculation cannot compute one.
std::optional<double> paymentAtApr(const PaymentQuestion& q, double apr);

struct FoundRate {
    std::optional<double> apr;     // set when a rate gives the payment
    std::optional<double> realApr; // with it, unless too large for a double
    std::string message;           // why there is no rate, when there is none
};

// The APR, above -100 %, at which the payment is `payment`, or a plain sentence saying why no such
// rate exists or none could be found, in the user's language (`say`). Where several rates give the
// payment the one nearest 0 wins.
FoundRate findRate(const PaymentQuestion& q, double payment, const Translate& say = asWritten);

// The highest APR the search tries, in percent.
inline constexpr double kHighestApr = 1e6;

// The APRs the search samples, rising from 1e-11 points above -100 % to kHighestApr, 0 among them:
// about 4e-6 points apart beside 0; above 1 % each about 4 % farther from 0 than the one before;
// below 0 each about 3 % farther from 0 at first, then nearer -100 % by a growing factor.
std::vector<double> sampledAprs();

} // namespace selvane
