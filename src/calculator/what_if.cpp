// What if: extra payments against the plan, the rate behind a payment, and a kept plan to
// compare with. All three read the state the last calculation left; only Use This Rate changes
// it, by typing the APR into its field and calculating as the user would.

#include <charconv>
#include <cmath>
#include <string_view>

#include "calculator/fincalc.h"
#include "core/details_text.h"
#include "core/number_text.h"

namespace selvane {

void FinCalc::mnWhatIf_Click() {
    whatIfOpen = true; // a second click shows the one window again
    m_host.showWindow(Window::WhatIf);
}

void FinCalc::whatIfClosed() {
    whatIfOpen = false;
    // A refused text goes with the window; a window opened again shows the extras and the rate
    // change in use.
    extrasMessage.clear();
    rateChangeMessage.clear();
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
        extrasMessage = tr(problem->c_str());
        return false;
    }
    extras = Extras{*e, static_cast<std::int64_t>(*f), *l, static_cast<std::int64_t>(*a)};
    extrasMessage.clear();
    return true;
}

std::array<std::string, 4> FinCalc::extrasTexts() const {
    return {plainDecimalText(extras.extra), std::to_string(extras.from),
            plainDecimalText(extras.lump), std::to_string(extras.at)};
}

std::optional<std::string> FinCalc::extrasUnavailable() const {
    const std::optional<Mode> m = mode();
    if (m == Mode::PersonalLoan || m == Mode::Mortgage)
        return std::nullopt;
    if (m == Mode::Lease)
        return tr("Extra payments are for loans and mortgages: a lease's payments are set by its "
                  "contract.");
    if (m == Mode::Income)
        return tr("Extra payments are for loans and mortgages: income payments are paid to you.");
    if (m == Mode::Investment)
        return tr(
            "Extra payments are for loans and mortgages: for an investment, raise the deposit.");
    return tr("Extra payments are for loans and mortgages.");
}

void FinCalc::planChanged() {
    foundRate.reset();
    rateNote.clear();
}

void FinCalc::keepPlan(std::optional<Plan> solved) {
    if (!solved) {
        noPlan = tr("The last calculation failed, so there is no plan to show: change the inputs "
                    "and calculate again.");
        return;
    }
    // The plan pays whole payments: a part payment at the end is one more payment.
    const double n = val(stored.PERS).v;
    solved->payments = !(n > 0) ? 0
                       : n > static_cast<double>(kMaxPasses)
                           ? kMaxPasses + 1
                           : static_cast<std::int64_t>(std::ceil(n));
    // Before a period is chosen the calculation reads payments as monthly.
    solved->paymentsPerMonth = PaymentsPerMonth.value_or(1.0);
    plan = *solved;
    planCompoundMonths = CompoundMonths.value_or(1.0);
    planApr = val(stored.APR).v;
    noPlan.clear();
}

std::optional<std::string> FinCalc::noSchedule() const {
    if (!plan)
        return noPlan;
    if (const auto problem = scheduleProblem(*plan))
        return tr(problem->c_str());
    return std::nullopt;
}

const ScheduleTotals* FinCalc::planSchedule() const {
    if (noSchedule())
        return nullptr;
    if (!m_planSchedule || m_planScheduleRevision != planRevision) {
        m_planSchedule = schedule(*plan, Extras{});
        m_planScheduleRevision = planRevision;
    }
    return &*m_planSchedule;
}

std::optional<WhatIfFigures> FinCalc::whatIf() const {
    if (extrasUnavailable())
        return std::nullopt;
    const ScheduleTotals* base = planSchedule();
    if (base == nullptr)
        return std::nullopt;
    // The window asks after every handler; the schedule with extras is walked again only when
    // the plan or the extras changed.
    if (!m_extrasSchedule || m_extrasScheduleKey != std::make_pair(planRevision, extras)) {
        m_extrasSchedule = schedule(*plan, extras);
        m_extrasScheduleKey = std::make_pair(planRevision, extras);
    }
    const ScheduleTotals& with = *m_extrasSchedule;
    WhatIfFigures w;
    w.extras = extras;
    w.payments = with.payments;
    w.lastPayment = with.lastPayment.value();
    w.totalPaid = with.totalPaid.value();
    w.totalInterest = with.totalInterest.value();
    w.interestSaved = (base->totalInterest - with.totalInterest).value();
    w.paymentsSaved = base->payments - with.payments;
    w.yearsSaved = static_cast<double>(w.paymentsSaved) / (12 * plan->paymentsPerMonth);
    const double figures[] = {w.lastPayment, w.totalPaid, w.totalInterest, w.interestSaved};
    for (const double f : figures)
        if (!std::isfinite(f))
            return std::nullopt; // a plan whose payments add up beyond the range of numbers
    const std::string last = std::to_string(w.payments);
    if (extras.extra != 0 && extras.from > w.payments)
        w.note =
            fillIn(tr("The extra from payment %1 comes after the last payment (%2): not used."),
                   {std::to_string(extras.from), last});
    if (extras.lump != 0 && extras.at > w.payments)
        w.note += std::string(w.note.empty() ? "" : " ") +
                  fillIn(tr("The one-time amount at payment %1 comes after the last payment (%2): "
                            "not used."),
                         {std::to_string(extras.at), last});
    return w;
}

std::string FinCalc::noFigures() const {
    return noSchedule().value_or(
        tr("The payments with these extras add up to more than the calculator can hold."));
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

FinCalc::RateAsked FinCalc::rateAskedNow() const {
    return RateAsked{CalculatorMode, paymentQuestion(), typedPayment()};
}

void FinCalc::mnFindRate_Click() {
    // The answer is shown in the What If window, which opens with it.
    mnWhatIf_Click();
    m_rateAsked = rateAskedNow();
    if (!mode()) {
        foundRate = FoundRate{std::nullopt, std::nullopt,
                              tr("This scenario's mode is not one the calculator knows, so it "
                                 "computes no payment to find a rate for.")};
        return;
    }
    foundRate = findRate(m_rateAsked->question, m_rateAsked->payment,
                         [this](const char* text) { return tr(text); });
    rateNote.clear();
}

bool FinCalc::rateUsable() const {
    // A rate found for other inputs than the fields hold now is stale, however they changed.
    return foundRate && foundRate->apr && m_rateAsked == rateAskedNow();
}

void FinCalc::mnUseRate_Click() {
    if (!rateUsable())
        return;
    const double apr = *foundRate->apr;
    // Every digit the rate needs, in plain decimals, so the field reads back the very same number.
    fields[field::APR].text = plainDecimalText(apr);
    Calculate();
    // The calculation used every digit, but the field now shows three decimals, which is what a
    // later Calculate reads.
    const auto shown = fieldValue(fields[field::APR].text);
    const auto payment = shown ? paymentAtApr(paymentQuestion(), *shown) : std::nullopt;
    rateNote = payment ? fillIn(tr("The APR field shows the rate to three decimals, %1: a later "
                                   "Calculate at that APR, solving for the payment, gives %2."),
                                {fields[field::APR].text, format00(*payment)})
                       : fillIn(tr("The APR field shows the rate to three decimals, %1."),
                                {fields[field::APR].text});
}

PlanFigures FinCalc::planFigures() const {
    PlanFigures f;
    f.mode = CalculatorMode;
    const double pmt = val(stored.PMT).v;
    f.payment = mode() == Mode::Lease ? pmt * taxFactor(val(stored.TAX)).v : pmt;
    f.payments = plan ? static_cast<double>(plan->payments) : val(stored.PERS).v;
    // With a rate change the plan is that of the change: the payment it starts with, and its
    // schedule with the change. One that never ends has no number of payments.
    std::optional<ScheduleTotals> changed;
    if (const std::optional<RateChange> change = changeInUse()) {
        if (!m_changedPlan || m_changedPlan->first != changeKey())
            m_changedPlan.emplace(changeKey(), schedule(*plan, Extras{}, &*change));
        changed = m_changedPlan->second;
    }
    if (changed && changed->endless) {
        f.payments = f.years = kFailed;
        return f;
    }
    if (const ScheduleTotals* s = changed ? &*changed : planSchedule()) {
        f.payments = static_cast<double>(s->payments);
        const double paid = s->totalPaid.value(), interest = s->totalInterest.value();
        if (std::isfinite(paid) && std::isfinite(interest)) {
            f.totalPaid = paid;
            // An investment's plan is paid as a loan of its balance with the sign turned: the
            // interest it charges is the interest the deposits earn, turned.
            f.totalInterest = mode() == Mode::Investment ? -interest : interest;
        }
    }
    f.years = f.payments / (12 * (plan ? plan->paymentsPerMonth : PaymentsPerMonth.value_or(1.0)));
    return f;
}

void FinCalc::mnKeep_Click() {
    kept = planFigures();
}

void FinCalc::mnClearKept_Click() {
    kept.reset();
}

namespace {

const std::string kNoFigure = "\u2013"; // an en dash: a figure that cannot be shown

std::string percentText(double v) {
    return formatFixed(v, 6) + " %";
}

} // namespace

// A length of time in whole months, as years and months: "2 years 3 months", "-1 year".
std::string FinCalc::yearsAndMonths(double months) const {
    if (!std::isfinite(months))
        return kNoFigure;
    const long long total = std::llround(std::fabs(months));
    const long long y = total / 12, m = total % 12;
    const std::string years = fillIn(y == 1 ? tr("%1 year") : tr("%1 years"), {std::to_string(y)});
    const std::string monthsText =
        fillIn(m == 1 ? tr("%1 month") : tr("%1 months"), {std::to_string(m)});
    const std::string text = y == 0 ? monthsText : m == 0 ? years : years + " " + monthsText;
    return (months < 0 && total != 0 ? "-" : "") + text;
}

WhatIfTexts FinCalc::whatIfTexts() const {
    WhatIfTexts t;
    t.figures.fill(kNoFigure);
    if (const auto why = extrasUnavailable()) {
        t.unavailable = *why;
        return t;
    }
    t.refused = extrasMessage;
    // Figures for the last extras taken, beside a text that was refused, would read as figures
    // for the text: none are shown until every text is taken.
    if (!t.refused.empty())
        return t;
    const auto w = whatIf();
    if (!w) {
        t.unavailable = noFigures();
        return t;
    }
    t.note = w->note;
    t.figures = {std::to_string(w->payments),         m_currency.amount(w->lastPayment),
                 m_currency.amount(w->totalPaid),     m_currency.amount(w->totalInterest),
                 m_currency.amount(w->interestSaved), std::to_string(w->paymentsSaved),
                 yearsAndMonths(w->yearsSaved * 12)};
    return t;
}

namespace {
// A change against a plan: a plus before an amount that adds.
std::string changeText(const CurrencyFormat& currency, double v) {
    const std::string text = currency.amount(v);
    return v > 0 && text != currency.amount(0) ? "+" + text : text;
}
} // namespace

RateChangeTexts FinCalc::rateChangeTexts() const {
    RateChangeTexts t;
    t.figures.fill(kNoFigure);
    for (auto& row : t.shock)
        row.fill(kNoFigure);
    t.apr = plainDecimalText(rateChange ? rateChange->apr : planApr);
    t.from = std::to_string(rateChange ? rateChange->from : 1);
    t.keepEndDate = rateChange && rateChange->keepEndDate;
    t.on = rateChange || !rateChangeMessage.empty();
    if (const auto why = rateChangeUnavailable()) {
        t.unavailable = *why;
        return t;
    }
    // As for the extras: no figures beside a text that was refused.
    t.refused = rateChangeMessage;
    if (!t.refused.empty())
        return t;
    t.shockFrom =
        fillIn(tr("From payment %1 on, the end date kept:"), {std::to_string(shockFrom())});
    if (const auto shock = this->shock()) {
        for (size_t i = 0; i < shock->size(); ++i) {
            const ShockFigures& s = (*shock)[i];
            t.shock[i] = {fillIn(s.points == 1 ? tr("+%1 point (%2 %)") : tr("+%1 points (%2 %)"),
                                 {formatFixed(s.points, 0), formatFixed(planApr + s.points, 3)}),
                          m_currency.amount(s.payment), m_currency.amount(s.totalInterest)};
        }
    }
    const auto f = rateChangeFigures();
    if (!f)
        return t;
    if (!f->message.empty()) {
        t.message = f->message;
        return t;
    }
    const std::int64_t more = f->paymentsChange;
    t.figures = {m_currency.amount(f->payment),
                 std::to_string(f->payments),
                 m_currency.amount(f->lastPayment),
                 m_currency.amount(f->totalPaid),
                 m_currency.amount(f->totalInterest),
                 changeText(m_currency, f->extraInterest),
                 fillIn(more == 1 || more == -1 ? tr("%1 payment") : tr("%1 payments"),
                        {(more > 0 ? "+" : "") + std::to_string(more)}) +
                     (more == 0 ? "" : " (" + yearsAndMonths(f->yearsChange * 12) + ")")};
    return t;
}

RateTexts FinCalc::rateTexts() const {
    RateTexts t{kNoFigure, kNoFigure, {}, rateNote, rateUsable()};
    if (!foundRate)
        return t;
    if (!foundRate->apr) {
        t.message = foundRate->message;
        return t;
    }
    t.apr = percentText(*foundRate->apr);
    // A real APR too large for a number stays unknown beside its APR.
    if (foundRate->realApr)
        t.realApr = percentText(*foundRate->realApr);
    return t;
}

CompareTexts FinCalc::compareTexts() const {
    const PlanFigures now = planFigures();
    using Text = std::string (*)(const FinCalc&, double);
    const Text money = [](const FinCalc& c, double v) { return c.m_currency.amount(v); };
    const Text count = [](const FinCalc&, double v) {
        if (std::isnan(v))
            return kNoFigure;
        return v == std::floor(v) && std::fabs(v) < 1e15 ? formatFixed(v, 0) : roundTripText(v);
    };
    struct Row {
        std::optional<double> (*figure)(const PlanFigures&);
        Text text;
    };
    const Row rows[] = {
        {[](const PlanFigures& f) -> std::optional<double> { return f.payment; }, money},
        {[](const PlanFigures& f) -> std::optional<double> { return f.payments; }, count},
        {[](const PlanFigures& f) { return f.totalPaid; }, money},
        {[](const PlanFigures& f) { return f.totalInterest; }, money},
        {[](const PlanFigures& f) -> std::optional<double> { return f.years; }, nullptr},
    };
    CompareTexts t;
    for (size_t i = 0; i < t.size(); ++i) {
        auto text = [&](const std::optional<double>& v) {
            if (!v)
                return kNoFigure;
            // The plan's length reads as years and months, from its years.
            return rows[i].text ? rows[i].text(*this, *v) : yearsAndMonths(*v * 12);
        };
        const std::optional<double> n = rows[i].figure(now);
        const std::optional<double> k = kept ? rows[i].figure(*kept) : std::nullopt;
        t[i] = {text(k), text(n), n && k ? text(*n - *k) : kNoFigure};
    }
    return t;
}

} // namespace selvane
