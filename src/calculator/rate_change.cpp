// What if the rate changes: a new APR from a payment on, the lender keeping the payment or the
// end date, and rate shocks of one to three points with the end date kept. Each walks the plan's
// schedule with the What If window's extras, so a change and the extras make one schedule.

#include <cmath>

#include "calculator/fincalc.h"
#include "core/number_text.h"

namespace selvane {

bool FinCalc::setRateChange(const std::string& apr, const std::string& from, bool keepEndDate) {
    const auto a = wholeNumber(apr), f = wholeNumber(from);
    if (!a || !(*a > -100) || !std::isfinite(*a)) {
        rateChangeMessage = tr("The new APR must be a number above -100.");
        return false;
    }
    if (!f || !(*f >= 1) || *f != std::floor(*f) || *f > static_cast<double>(kMaxPasses)) {
        rateChangeMessage = tr("The new rate starts at a whole payment number from 1 to 10000000.");
        return false;
    }
    rateChange = RateChangeInput{*a, static_cast<std::int64_t>(*f), keepEndDate};
    rateChangeMessage.clear();
    return true;
}

void FinCalc::clearRateChange() {
    rateChange.reset();
    rateChangeMessage.clear();
}

std::optional<std::string> FinCalc::rateChangeUnavailable() const {
    if (extrasUnavailable())
        return tr("A rate change is for loans and mortgages, whose lender can reset the rate.");
    return noSchedule();
}

namespace {

// The rate per payment an APR gives the plan, derived as the calculation derives it.
std::optional<double> ratePerPayment(double apr, double compoundMonths, double perMonth) {
    const Num r = periodRateOf(Num(apr), Num(compoundMonths), Num(perMonth));
    if (!r.ok() || !(r.v > -1))
        return std::nullopt;
    return r.v;
}

bool finite(const ScheduleTotals& s) {
    return std::isfinite(s.totalPaid.value()) && std::isfinite(s.totalInterest.value()) &&
           std::isfinite(s.changedPayment.value());
}

} // namespace

std::optional<RateChange> FinCalc::changeInUse() const {
    if (!rateChange || rateChangeUnavailable())
        return std::nullopt;
    const auto rate = ratePerPayment(rateChange->apr, planCompoundMonths, plan->paymentsPerMonth);
    if (!rate)
        return std::nullopt;
    return RateChange{*rate, rateChange->from, rateChange->keepEndDate};
}

std::optional<RateChangeFigures> FinCalc::rateChangeFigures() const {
    if (!rateChange || rateChangeUnavailable())
        return std::nullopt;
    if (!m_changeFigures || m_changeFigures->first != changeKey())
        m_changeFigures.emplace(changeKey(), workOutChange());
    return m_changeFigures->second;
}

std::optional<RateChangeFigures> FinCalc::workOutChange() const {
    RateChangeFigures f;
    f.input = *rateChange;
    const std::optional<RateChange> inUse = changeInUse();
    if (!inUse) {
        f.message = tr("The new APR gives no rate per payment the calculator can use.");
        return f;
    }
    const ScheduleTotals with = schedule(*plan, extras, &*inUse);
    if (with.endless) {
        // Keeping the payment fails; the lender's other answer still ends the plan on time.
        const RateChange onTime{inUse->periodRate, rateChange->from, true};
        const ScheduleTotals t = schedule(*plan, extras, &onTime);
        f.message = fillIn(with.payments == 0
                               ? tr("At %1 % the payment of %2 no longer covers the interest, so "
                                    "the balance is never paid off.")
                               : tr("At %1 % the payment of %2 pays the balance off only after "
                                    "more than 10000000 payments, more than the calculator "
                                    "schedules."),
                           {formatFixed(rateChange->apr, 3), m_currency.amount(plan->payment)});
        if (finite(t))
            f.message += " " + fillIn(tr("A payment of %1 from payment %2 on would still end the "
                                         "plan on time."),
                                      {m_currency.amount(t.changedPayment.value()),
                                       std::to_string(rateChange->from)});
        return f;
    }
    const ScheduleTotals base = schedule(*plan, extras);
    if (!finite(with) || !finite(base)) {
        f.message = tr("The payments with this rate add up to more than the calculator can hold.");
        return f;
    }
    f.payment = with.changedPayment.value();
    f.payments = with.payments;
    f.lastPayment = with.lastPayment.value();
    f.totalPaid = with.totalPaid.value();
    f.totalInterest = with.totalInterest.value();
    f.extraInterest = (with.totalInterest - base.totalInterest).value();
    f.paymentsChange = with.payments - base.payments;
    f.yearsChange = static_cast<double>(f.paymentsChange) / (12 * plan->paymentsPerMonth);
    return f;
}

std::int64_t FinCalc::shockFrom() const {
    // At the change, where it comes within the plan; at the first payment otherwise.
    return rateChange && plan && rateChange->from <= plan->payments ? rateChange->from : 1;
}

std::optional<std::array<ShockFigures, 3>> FinCalc::shock() const {
    if (rateChangeUnavailable())
        return std::nullopt;
    if (!m_shock || m_shock->first != changeKey())
        m_shock.emplace(changeKey(), workOutShock());
    return m_shock->second;
}

std::optional<std::array<ShockFigures, 3>> FinCalc::workOutShock() const {
    const std::int64_t from = shockFrom();
    std::array<ShockFigures, 3> out;
    for (int k = 0; k < 3; ++k) {
        const double points = k + 1;
        out[static_cast<size_t>(k)].points = points;
        const auto rate =
            ratePerPayment(planApr + points, planCompoundMonths, plan->paymentsPerMonth);
        if (!rate)
            return std::nullopt;
        const RateChange change{*rate, from, true};
        const ScheduleTotals s = schedule(*plan, extras, &change);
        if (s.endless || !finite(s))
            return std::nullopt;
        out[static_cast<size_t>(k)].payment = s.changedPayment.value();
        out[static_cast<size_t>(k)].totalInterest = s.totalInterest.value();
    }
    return out;
}

} // namespace selvane
