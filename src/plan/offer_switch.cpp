// Switching the calculator's plan to an offer: what staying and moving each pay from the switch.

#include <cmath>

#include "core/number_text.h"
#include "core/solver.h"
#include "plan/figure_texts.h"
#include "plan/offers.h"

namespace selvane {

namespace {

// The offer's balance right after its payment m: the amount and added fees grown at its period
// rate, less its payments grown likewise; nothing once it is paid off.
long double offerBalance(const Offer& o, const OfferFigures& f, std::int64_t m) {
    if (m >= f.payments)
        return 0;
    const Num r = periodRateOf(o.apr, compoundMonthsOf(o.compound), paymentsPerMonthOf(o.period));
    const long double principal = static_cast<long double>(o.amount) + o.added;
    if (!r.ok() || r.v == 0)
        return principal - static_cast<long double>(m) * f.payment;
    const long double growth = std::pow(1.0L + r.v, static_cast<long double>(m));
    return principal * growth - f.payment * (growth - 1) / r.v;
}

} // namespace

std::optional<SwitchFigures> workOutSwitch(const SwitchPlan& from, const Offer& to,
                                           const SwitchInput& in, std::string& why,
                                           const Translate& say) {
    const Plan& plan = from.plan;
    if (!from.loan) {
        why =
            say(UI_TEXT("selvane::FinCalc",
                        "Switching moves a loan's balance to an offer: this plan is not a loan."));
        return std::nullopt;
    }
    if (const auto problem = scheduleProblem(plan)) {
        why = *problem;
        return std::nullopt;
    }
    if (in.at < 0 || in.at >= plan.payments) {
        why = fillIn(say(UI_TEXT("selvane::FinCalc",
                                 "A switch comes after a payment from 0 to %1, before the plan's "
                                 "last.")),
                     {std::to_string(plan.payments - 1)});
        return std::nullopt;
    }
    // The plan's own schedule: the balance left after payment `at`, and its last payment, which
    // pays what is left.
    double balance = plan.amountFinanced;
    const ScheduleTotals totals = walkSchedule(plan, Extras{}, [&](std::int64_t k, double b) {
        if (k == in.at)
            balance = b;
    });
    if (totals.endless) {
        why = say(UI_TEXT("selvane::FinCalc", "The plan's schedule does not end."));
        return std::nullopt;
    }
    Offer moved = to;
    moved.amount = balance;
    std::string offerWhy;
    const auto f = workOutOffer(moved, &offerWhy, say);
    if (!f) {
        why = offerWhy;
        return std::nullopt;
    }

    SwitchFigures s;
    s.balance = balance;
    const long double charge = static_cast<long double>(in.erc) / 100 * balance;
    s.costs = static_cast<double>(charge + in.costs + to.upfront);
    s.payment = f->payment;
    const double each = f->payment + to.fee;
    const PaymentPeriod planPeriod = paymentPeriodOf(plan.paymentsPerMonth);
    s.savingPerPayment =
        planPeriod == to.period
            ? plan.payment - each
            : plan.payment - each * unitPeriodsPerYear(to.period) / unitPeriodsPerYear(planPeriod);

    // Staying pays the plan's payments left, its last as the schedule has it and the end amount
    // with it; moving pays the charge and costs, then the offer's payments, on their own dates.
    const std::int64_t left = plan.payments - in.at;
    const long double last = totals.lastPayment.hi + totals.lastPayment.lo;
    auto stay = [&](std::int64_t j) -> long double {
        if (j < left)
            return static_cast<long double>(j) * plan.payment;
        return static_cast<long double>(left - 1) * plan.payment + last + plan.endAmount;
    };
    const CostSteps offer = costSteps(moved, *f);
    const std::int64_t step = periodUnits(planPeriod);
    const long double atSwitch = charge + in.costs; // the up-front fees are in offer's steps
    auto move = [&](std::int64_t j) -> long double { return atSwitch + offer.by(j * step); };
    // Past both ends nothing changes; the savings so far are checked up to there.
    const std::int64_t offerEnd = offer.payments * offer.step;
    const std::int64_t through = std::max(left, (offerEnd + step - 1) / step);
    for (std::int64_t j = 1; j <= through; ++j)
        if (stay(j) - move(j) > 0.005) {
            s.breakEven = j;
            break;
        }
    const std::int64_t end = left * step;
    const std::int64_t madeByEnd = std::min(offer.payments, end / offer.step);
    s.netSaving = static_cast<double>(stay(left) - move(left) - offerBalance(moved, *f, madeByEnd));
    return s;
}

bool OfferBook::setSwitch(const std::string& offer, const std::string& at, const std::string& erc,
                          const std::string& costs) {
    auto refuse = [&](const char* why, const std::string& text) {
        switchMessage = fillIn(m_say(why), {text});
        return false;
    };
    if (offer.empty() || offer.find_first_of(" \t=") != std::string::npos)
        return refuse(UI_TEXT("selvane::FinCalc", "%1 is not an offer's name."), offer);
    const auto k = wholeNumber(decimalCommaAsPoint(at));
    if (!k || *k < 0 || *k != std::floor(*k) || *k > 9e15)
        return refuse(UI_TEXT("selvane::FinCalc", "%1 is not a payment number from 0."), at);
    const auto charge = wholeNumber(decimalCommaAsPoint(erc));
    if (!charge || *charge < 0)
        return refuse(UI_TEXT("selvane::FinCalc", "%1 is not a charge in percent of at least 0."),
                      erc);
    const auto c = wholeNumber(decimalCommaAsPoint(costs));
    if (!c || *c < 0)
        return refuse(UI_TEXT("selvane::FinCalc", "%1 is not an amount of at least 0."), costs);
    switching = SwitchInput{offer, static_cast<std::int64_t>(*k), *charge, *c};
    switchMessage.clear();
    return true;
}

void OfferBook::switchOff() {
    switching.reset();
    switchMessage.clear();
}

std::optional<SwitchFigures> OfferBook::switchFigures(const std::optional<SwitchPlan>& from,
                                                      std::string& why) const {
    if (!switching)
        return std::nullopt;
    if (!from) {
        why = m_say(UI_TEXT("selvane::FinCalc", "Calculate a loan first: a switch starts from the "
                                                "calculator's plan."));
        return std::nullopt;
    }
    const auto i = find(switching->offer);
    if (!i) {
        why = fillIn(m_say(UI_TEXT("selvane::FinCalc", "There is no offer named %1.")),
                     {switching->offer});
        return std::nullopt;
    }
    return workOutSwitch(*from, m_offers[*i], *switching, why, m_say);
}

SwitchTexts OfferBook::switchTexts(const std::optional<SwitchPlan>& from) const {
    SwitchTexts t;
    const char* labels[] = {UI_TEXT("selvane::FinCalc", "Balance moved"),
                            UI_TEXT("selvane::FinCalc", "Costs at the switch"),
                            UI_TEXT("selvane::FinCalc", "New payment"),
                            UI_TEXT("selvane::FinCalc", "Saving a payment"),
                            UI_TEXT("selvane::FinCalc", "Pays for itself"),
                            UI_TEXT("selvane::FinCalc", "Net saving by the plan's end")};
    for (std::size_t i = 0; i < t.labels.size(); ++i)
        t.labels[i] = m_say(labels[i]);
    t.figures.fill(kNoFigure);
    t.refused = switchMessage;
    if (!switching)
        return t;
    t.on = true;
    t.offer = switching->offer;
    t.at = std::to_string(switching->at);
    t.erc = plainDecimalText(switching->erc);
    t.costs = plainDecimalText(switching->costs);
    std::string why;
    const auto s = switchFigures(from, why);
    if (!s) {
        t.unavailable = why;
        return t;
    }
    t.figures[0] = m_currency.amount(s->balance);
    t.figures[1] = m_currency.amount(s->costs);
    t.figures[2] = m_currency.amount(s->payment);
    t.figures[3] = changeText(m_currency, s->savingPerPayment);
    const double perMonth = from->plan.paymentsPerMonth;
    if (s->breakEven)
        t.figures[4] =
            fillIn(m_say(UI_TEXT("selvane::FinCalc", "after payment %1 (%2)")),
                   {m_currency.count(*s->breakEven),
                    yearsAndMonthsText(
                        std::ceil(static_cast<double>(*s->breakEven) / perMonth - 1e-9), m_say)});
    else
        t.never = m_say(UI_TEXT("selvane::FinCalc",
                                "The switch never pays: the savings never exceed its costs."));
    t.figures[5] = changeText(m_currency, s->netSaving);
    return t;
}

} // namespace selvane
