// What if: extra payments against the plan, the rate behind a payment, and a kept plan to
// compare with. All three read the state the last calculation left; only Use This Rate changes
// it, by typing the APR into its field and calculating as the user would.

#include <charconv>
#include <cmath>
#include <string_view>

#include "calculator/fincalc.h"
#include "core/number_text.h"

namespace selvane {

namespace {

// A number typed into the What If window: the whole text, blanks around it aside, must be one
// decimal number. Unlike a field, "12abc" is not 12: a refused text is said to be refused.
std::optional<double> wholeNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return v;
}

double monthsPerYearOfPayments(const std::optional<double>& paymentsPerMonth) {
    // Before a period is chosen the calculation reads payments as monthly.
    return 12.0 * paymentsPerMonth.value_or(1.0);
}

} // namespace

void FinCalc::mnWhatIf_Click() {
    whatIfOpen = true; // a second click shows the one window again
    m_host.showWhatIf();
}

void FinCalc::whatIfClosed() {
    whatIfOpen = false;
    // A refused text goes with the window; a window opened again shows the extras in use.
    extrasMessage.clear();
}

bool FinCalc::setExtras(const std::string& extra, const std::string& from, const std::string& lump,
                        const std::string& at) {
    const auto e = wholeNumber(extra), f = wholeNumber(from), l = wholeNumber(lump),
               a = wholeNumber(at);
    // A text that is no number at all gets the same sentence as a number out of range: the user
    // needs to know what to type, not how the text failed.
    const auto problem =
        extrasProblem(e.value_or(-1), f.value_or(0), l.value_or(-1), a.value_or(0));
    if (problem) {
        extrasMessage = *problem;
        return false;
    }
    extras = Extras{*e, static_cast<std::int64_t>(*f), *l, static_cast<std::int64_t>(*a)};
    extrasMessage.clear();
    return true;
}

std::optional<std::string> FinCalc::extrasUnavailable() const {
    const std::optional<Mode> m = mode();
    if (m == Mode::PersonalLoan || m == Mode::Mortgage)
        return std::nullopt;
    if (m == Mode::Lease)
        return "Extra payments are for loans and mortgages: a lease's payments are set by its "
               "contract.";
    if (m == Mode::Income)
        return "Extra payments are for loans and mortgages: income payments are paid to you.";
    if (m == Mode::Investment)
        return "Extra payments are for loans and mortgages: for an investment, raise the deposit.";
    return "Extra payments are for loans and mortgages.";
}

std::optional<WhatIfFigures> FinCalc::whatIf() const {
    if (extrasUnavailable() || report.empty())
        return std::nullopt;
    WhatIfFigures w;
    w.extras = extras;
    w.schedule = extraSchedule(reportInputs(), extras);
    // Savings are against the plan as the report shows it.
    w.interestSaved = report.totals().interest - w.schedule.totalInterest;
    w.paymentsSaved = static_cast<double>(report.rowCount() - w.schedule.payments);
    w.yearsSaved = w.paymentsSaved / monthsPerYearOfPayments(PaymentsPerMonth);
    // A plan whose balance overflows has no schedule to show, as it has no report.
    const double figures[] = {w.schedule.lastPayment, w.schedule.totalPaid,
                              w.schedule.totalInterest, w.interestSaved, w.yearsSaved};
    for (const double f : figures)
        if (!std::isfinite(f))
            return std::nullopt;
    return w;
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
    if (!mode()) {
        foundRate = FoundRate{std::nullopt, std::nullopt,
                              "This scenario's mode is not one the calculator knows, so it "
                              "computes no payment to find a rate for."};
        return;
    }
    foundRate = findRate(paymentQuestion(), typedPayment());
}

void FinCalc::mnUseRate_Click() {
    if (!foundRate || !foundRate->apr)
        return;
    // Every digit the rate needs, in plain decimals, so the field reads back the very same number.
    char text[400];
    const auto r =
        std::to_chars(text, text + sizeof text, *foundRate->apr, std::chars_format::fixed);
    fields[field::APR].text.assign(text, r.ptr);
    Calculate();
}

PlanFigures FinCalc::planFigures() const {
    PlanFigures f;
    f.mode = CalculatorMode;
    const double pmt = val(stored.PMT).v;
    f.payment = mode() == Mode::Lease ? pmt * (1 + 0.01 * val(stored.TAX).v) : pmt;
    f.payments = val(stored.PERS).v;
    f.totalPaid = report.totals().paid;
    f.totalInterest = report.totals().interest;
    f.years = f.payments / monthsPerYearOfPayments(PaymentsPerMonth);
    return f;
}

void FinCalc::mnKeep_Click() {
    kept = planFigures();
}

void FinCalc::mnClearKept_Click() {
    kept.reset();
}

} // namespace selvane
