// What if: the handlers of the What If window and of Find the Rate, Use This Rate and Keep for
// Comparison. The plan object holds their inputs and works out their figures; only Use This Rate
// changes the calculator, by typing the APR into its field and calculating as the user would.

#include <cmath>

#include "calculator/fincalc.h"
#include "core/details_text.h"
#include "core/number_text.h"

namespace selvane {

PlanContext FinCalc::planContext() {
    PlanContext c;
    c.mode = [this] { return mode(); };
    c.modeName = [this] { return CalculatorMode; };
    c.payment = [this] {
        const double pmt = val(stored.PMT).v;
        return mode() == Mode::Lease ? pmt * taxFactor(val(stored.TAX)).v : pmt;
    };
    c.rateAsked = [this] {
        return std::make_tuple(CalculatorMode, paymentQuestion(), typedPayment());
    };
    return c;
}

void FinCalc::mnWhatIf_Click() {
    whatIfOpen = true; // a second click shows the one window again
    m_host.showWindow(Window::WhatIf);
}

void FinCalc::whatIfClosed() {
    whatIfOpen = false;
    plan.windowClosed();
}

void FinCalc::mnSchedule_Click() {
    scheduleOpen = true; // a second click shows the one window again
    m_host.showWindow(Window::Schedule);
}

void FinCalc::scheduleClosed() {
    scheduleOpen = false;
    plan.calendarMessage.clear();
}

void FinCalc::clearEvents() {
    plan.timeline.clear();
    plan.timelineMessage.clear();
}

void FinCalc::chooseOverpay(bool lower) {
    plan.timeline.lower = lower;
}

void FinCalc::keepPlan(std::optional<Plan> solved) {
    // Before a period is chosen the calculation reads payments as monthly.
    plan.solvedPlan(solved, val(stored.PERS).v, PaymentsPerMonth.value_or(1.0),
                    CompoundMonths.value_or(1.0), val(stored.APR).v);
}

PaymentQuestion FinCalc::paymentQuestion() const {
    // The inputs as the next calculation would read them: a field whose number is beyond the
    // range of a double keeps the stored value, as it would there.
    auto input = [&](int i, const Stored& old) {
        return fieldValue(fields[static_cast<size_t>(i)].text).value_or(val(old).v);
    };
    PaymentQuestion q;
    const std::optional<Mode> m = mode();
    q.kind = m == Mode::Investment ? PaymentQuestion::Kind::Investment
             : m == Mode::Lease    ? PaymentQuestion::Kind::Lease
                                   : PaymentQuestion::Kind::Loan;
    q.PERS = input(field::PERS, stored.PERS);
    q.SBAL = input(field::SBAL, stored.SBAL);
    q.DPMT = input(field::DPMT, stored.DPMT);
    q.FBAL = input(field::FBAL, stored.FBAL);
    q.TAX = input(field::TAX, stored.TAX);
    // Unset factors make the period rate fail, whatever the APR: NaN says so to the search.
    q.compoundMonths = CompoundMonths.value_or(kFailed);
    q.paymentsPerMonth = PaymentsPerMonth.value_or(kFailed);
    return q;
}

double FinCalc::typedPayment() const {
    return fieldValue(fields[field::PMT].text).value_or(val(stored.PMT).v);
}

void FinCalc::mnFindRate_Click() {
    // The answer is shown in the What If window, which opens with it.
    mnWhatIf_Click();
    if (!mode()) {
        plan.rateFound(FoundRate{std::nullopt, std::nullopt,
                                 tr("This scenario's mode is not one the calculator knows, so it "
                                    "computes no payment to find a rate for.")});
        return;
    }
    plan.rateFound(
        findRate(paymentQuestion(), typedPayment(), [this](const char* text) { return tr(text); }));
}

void FinCalc::mnUseRate_Click() {
    if (!plan.rateUsable())
        return;
    const double apr = *plan.foundRate->apr;
    // Every digit the rate needs, in plain decimals, so the field reads back the very same number.
    fields[field::APR].text = plainDecimalText(apr);
    Calculate();
    // The calculation used every digit, but the field now shows three decimals, which is what a
    // later Calculate reads.
    const auto shown = fieldValue(fields[field::APR].text);
    const auto payment = shown ? paymentAtApr(paymentQuestion(), *shown) : std::nullopt;
    plan.rateNote = payment ? fillIn(tr("The APR field shows the rate to three decimals, %1: a "
                                        "later Calculate at that APR, solving for the payment, "
                                        "gives %2."),
                                     {fields[field::APR].text, format00(*payment)})
                            : fillIn(tr("The APR field shows the rate to three decimals, %1."),
                                     {fields[field::APR].text});
}

void FinCalc::mnKeep_Click() {
    // After a calculation that solved nothing there is no plan to keep, and the kept one stays.
    if (!plan.solved)
        return;
    plan.kept = plan.planFigures();
}

} // namespace selvane
