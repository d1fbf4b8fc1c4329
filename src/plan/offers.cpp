#include "plan/offers.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "core/rate_search.h"
#include "core/solver.h"

namespace selvane {

double compoundMonthsOf(CompoundPeriod c) {
    switch (c) {
    case CompoundPeriod::Daily:
        return 12 / 365.25;
    case CompoundPeriod::Monthly:
        return 1;
    case CompoundPeriod::SixMonths:
        return 6;
    case CompoundPeriod::Yearly:
        return 12;
    }
    return 1;
}

double paymentsPerMonthOf(PaymentPeriod p) {
    switch (p) {
    case PaymentPeriod::Biweekly:
        return 365.25 / 168;
    case PaymentPeriod::SemiMonthly:
        return 2;
    case PaymentPeriod::Monthly:
        return 1;
    }
    return 1;
}

std::optional<CompoundPeriod> compoundPeriodOf(double compoundMonths) {
    for (auto c : {CompoundPeriod::Daily, CompoundPeriod::Monthly, CompoundPeriod::SixMonths,
                   CompoundPeriod::Yearly})
        if (compoundMonthsOf(c) == compoundMonths)
            return c;
    return std::nullopt;
}

int unitPeriodsPerYear(PaymentPeriod p) {
    return p == PaymentPeriod::Biweekly ? 26 : p == PaymentPeriod::SemiMonthly ? 24 : 12;
}

std::int64_t periodUnits(PaymentPeriod p) {
    return p == PaymentPeriod::Biweekly ? 336 : p == PaymentPeriod::SemiMonthly ? 365 : 730;
}

namespace {
constexpr const char* kPeriodWords[] = {"biweekly", "semi-monthly", "monthly"};
constexpr const char* kCompoundWords[] = {"daily", "monthly", "6months", "yearly"};
} // namespace

std::string periodWord(PaymentPeriod p) {
    return kPeriodWords[static_cast<int>(p)];
}
std::string compoundWord(CompoundPeriod c) {
    return kCompoundWords[static_cast<int>(c)];
}
std::optional<PaymentPeriod> readPeriodWord(const std::string& w) {
    for (int i = 0; i < 3; ++i)
        if (w == kPeriodWords[i])
            return static_cast<PaymentPeriod>(i);
    return std::nullopt;
}
std::optional<CompoundPeriod> readCompoundWord(const std::string& w) {
    for (int i = 0; i < 4; ++i)
        if (w == kCompoundWords[i])
            return static_cast<CompoundPeriod>(i);
    return std::nullopt;
}

std::optional<std::string> offerProblem(const Offer& o, const Translate& say) {
    if (o.name.empty() || o.name.find_first_of(" \t\r\n") != std::string::npos)
        return say(UI_TEXT("selvane::FinCalc", "An offer's name is one word, without blanks."));
    if (!(o.amount > 0) || !std::isfinite(o.amount))
        return say(UI_TEXT("selvane::FinCalc", "The amount must be above 0."));
    if (!(o.apr > -100) || !std::isfinite(o.apr))
        return say(UI_TEXT("selvane::FinCalc", "The APR must be above -100."));
    if (o.payments < 1 || o.payments > kMaxOfferPayments)
        return fillIn(say(UI_TEXT("selvane::FinCalc",
                                  "The number of payments must be a whole number from 1 to %1.")),
                      {std::to_string(kMaxOfferPayments)});
    for (double v : {o.balloon, o.upfront, o.added, o.fee})
        if (!(v >= 0) || !std::isfinite(v))
            return say(UI_TEXT("selvane::FinCalc",
                               "The balloon and the fees must be amounts of at least 0."));
    return std::nullopt;
}

// ----- words

namespace {
struct Key {
    const char* name;
    double Offer::*member;
};
constexpr Key kAmountKeys[] = {{"amount", &Offer::amount},   {"apr", &Offer::apr},
                               {"balloon", &Offer::balloon}, {"upfront", &Offer::upfront},
                               {"added", &Offer::added},     {"fee", &Offer::fee}};
} // namespace

std::optional<Offer> readOffer(const std::vector<std::string>& words, std::string& why) {
    if (words.empty()) {
        why = "an offer needs a name";
        return std::nullopt;
    }
    Offer o;
    o.name = words[0];
    if (o.name.find('=') != std::string::npos) {
        why = "an offer needs a name before its amounts";
        return std::nullopt;
    }
    bool amount = false, apr = false, payments = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& w = words[i];
        const auto eq = w.find('=');
        if (eq == std::string::npos) {
            why = "expected key=value, not " + w;
            return std::nullopt;
        }
        const std::string key = w.substr(0, eq), value = w.substr(eq + 1);
        bool known = false;
        for (const Key& k : kAmountKeys)
            if (key == k.name) {
                const auto v = wholeNumber(value);
                if (!v) {
                    why = key + " is not a number: " + value;
                    return std::nullopt;
                }
                o.*k.member = *v;
                known = true;
                amount |= key == "amount";
                apr |= key == "apr";
            }
        if (known)
            continue;
        if (key == "payments") {
            const auto v = wholeNumber(value);
            if (!v || *v != std::floor(*v) || std::fabs(*v) > 9e15) {
                why = "payments is not a whole number: " + value;
                return std::nullopt;
            }
            o.payments = static_cast<std::int64_t>(*v);
            payments = true;
        } else if (key == "period") {
            const auto p = readPeriodWord(value);
            if (!p) {
                why = "period is monthly, semi-monthly or biweekly, not " + value;
                return std::nullopt;
            }
            o.period = *p;
        } else if (key == "compound") {
            const auto c = readCompoundWord(value);
            if (!c) {
                why = "compound is daily, monthly, 6months or yearly, not " + value;
                return std::nullopt;
            }
            o.compound = *c;
        } else {
            why = "unknown key " + key;
            return std::nullopt;
        }
    }
    if (!amount || !apr || !payments) {
        why = "an offer needs amount=, apr= and payments=";
        return std::nullopt;
    }
    if (const auto problem = offerProblem(o)) {
        why = *problem;
        return std::nullopt;
    }
    return o;
}

std::string offerWords(const Offer& o) {
    std::string s = o.name;
    s += " amount=" + plainDecimalText(o.amount) + " apr=" + plainDecimalText(o.apr) +
         " payments=" + std::to_string(o.payments) + " period=" + periodWord(o.period) +
         " compound=" + compoundWord(o.compound);
    for (const Key& k : kAmountKeys)
        if (k.member != &Offer::amount && k.member != &Offer::apr)
            s += std::string(" ") + k.name + "=" + plainDecimalText(o.*k.member);
    return s;
}

// ----- figures

namespace {

// The present value of `each` at 1 .. n steps and `last` with the n-th, less `received`, where
// one step discounts by e^-a. The sum is the geometric series in closed form, through expm1, so
// that a rate near 0 keeps its digits.
long double presentValueLess(long double a, long double received, long double each, std::int64_t n,
                             long double last) {
    const long double N = static_cast<long double>(n);
    const long double series = a == 0 ? N : -std::expm1(-a * N) / std::expm1(a);
    return each * series + last * std::exp(-a * N) - received;
}

} // namespace

std::optional<double> levelFlowRate(double received, double each, std::int64_t n, double last,
                                    double step) {
    // With payments of one sign the present value falls as the rate rises, from without bound
    // near -100 % to nothing: one rate, where the borrower received something. Mixed signs can
    // have two rates or none, and a rate that is not one answer is no answer.
    if (!(received > 0) || n < 1 || each < 0 || last < 0 || (each == 0 && last == 0) || !(step > 0))
        return std::nullopt;
    // Search the force of interest per step, u = step x ln(1 + rate), between bounds where the
    // present value is above and below what was received.
    auto f = [&](long double u) { return presentValueLess(u, received, each, n, last); };
    long double lo = -1, hi = 1;
    while (f(lo) < 0) {
        lo *= 2;
        if (lo < -1e4)
            return std::nullopt;
    }
    while (f(hi) > 0) {
        hi *= 2;
        if (hi > 1e4)
            return std::nullopt;
    }
    for (int i = 0; i < 200; ++i) {
        const long double mid = (lo + hi) / 2;
        if (mid <= lo || mid >= hi)
            break;
        (f(mid) > 0 ? lo : hi) = mid;
    }
    const long double u = (lo + hi) / 2;
    const long double rate = std::expm1(u / step);
    if (!std::isfinite(static_cast<double>(rate)))
        return std::nullopt;
    return static_cast<double>(rate);
}

std::optional<OfferFigures> workOutOffer(const Offer& o, std::string* why, const Translate& say) {
    if (const auto problem = offerProblem(o, say)) {
        if (why)
            *why = *problem;
        return std::nullopt;
    }
    PaymentQuestion q;
    q.kind = PaymentQuestion::Kind::Loan;
    q.PERS = static_cast<double>(o.payments);
    q.SBAL = o.amount + o.added;
    q.FBAL = o.balloon;
    q.compoundMonths = compoundMonthsOf(o.compound);
    q.paymentsPerMonth = paymentsPerMonthOf(o.period);
    const auto pmt = paymentAtApr(q, o.apr);
    if (!pmt || !std::isfinite(*pmt)) {
        if (why)
            *why = say(UI_TEXT("selvane::FinCalc",
                               "The calculator cannot work out a payment for this offer."));
        return std::nullopt;
    }
    OfferFigures f;
    f.payment = *pmt;
    f.payments = o.payments;
    const long double n = static_cast<long double>(o.payments);
    const long double interest =
        n * *pmt + o.balloon - (static_cast<long double>(o.amount) + o.added);
    const long double fees = static_cast<long double>(o.upfront) + o.added + n * o.fee;
    f.totalInterest = static_cast<double>(interest);
    f.fees = static_cast<double>(fees);
    f.costOfCredit = static_cast<double>(interest + fees);
    f.totalPayable = static_cast<double>(o.amount + (interest + fees));
    const double received = o.amount - o.upfront;
    if (!(received > 0)) {
        f.rateMessage =
            say(UI_TEXT("selvane::FinCalc", "The fees paid up front take the whole amount: no "
                                            "rate can be worked out."));
        return f;
    }
    const double each = *pmt + o.fee;
    const auto yearly =
        levelFlowRate(received, each, o.payments, o.balloon,
                      static_cast<double>(periodUnits(o.period)) / static_cast<double>(kYearUnits));
    const auto perPeriod = levelFlowRate(received, each, o.payments, o.balloon, 1.0);
    if (!yearly || !perPeriod) {
        f.rateMessage = say(UI_TEXT(
            "selvane::FinCalc", "No single rate gives these payments for the amount received."));
        return f;
    }
    f.aprc = 100 * *yearly;
    f.apr = 100 * *perPeriod * unitPeriodsPerYear(o.period);
    return f;
}

// ----- over time

double CostSteps::after(std::int64_t k) const {
    k = std::clamp<std::int64_t>(k, 0, payments);
    const long double paid = static_cast<long double>(k) * each;
    return static_cast<double>(upfront + paid + (k == payments ? last : 0.0L));
}

double CostSteps::by(std::int64_t t) const {
    return after(t < 0 ? 0 : t / step);
}

CostSteps costSteps(const Offer& o, const OfferFigures& f) {
    return CostSteps{periodUnits(o.period), f.payments, o.upfront, f.payment + o.fee, o.balloon};
}

namespace {
bool cheaper(double a, double b) {
    return a < b - 0.005;
}
} // namespace

std::optional<std::int64_t> evenAfter(const CostSteps& a, const CostSteps& b) {
    // Between a's payments a's cost stands still and b's only grows: a that is cheaper right after
    // one of its payments stays so until its next. So the last of a's payments after which it is
    // not cheaper decides.
    std::optional<std::int64_t> lastNot;
    for (std::int64_t k = 0; k <= a.payments; ++k)
        if (!cheaper(a.after(k), b.by(k * a.step)))
            lastNot = k;
    if (!lastNot)
        return 0;
    if (*lastNot < a.payments)
        return *lastNot + 1;
    // Not cheaper when a is paid off: only b's later payments can still make it so.
    const double total = a.after(a.payments);
    const std::int64_t end = a.payments * a.step;
    for (std::int64_t m = end / b.step + 1; m <= b.payments; ++m)
        if (cheaper(total, b.after(m)))
            return (m * b.step + a.step - 1) / a.step;
    return std::nullopt;
}

} // namespace selvane
