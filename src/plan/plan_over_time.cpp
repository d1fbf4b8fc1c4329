// The plan over time: extra payments against the plan, a rate change and its shocks, the timeline,
// the rate behind a payment and a kept plan. Each reads the plan the last calculation left; none
// changes a field, the report or a file.

#include "plan/plan_over_time.h"

#include <cmath>

#include "core/details_text.h"
#include "core/number_text.h"
#include "core/solver.h"
#include "plan/figure_texts.h"

namespace selvane {

PlanOverTime::PlanOverTime(PlanContext context, Translate say, CurrencyFormat currency)
    : m_context(std::move(context)), m_say(std::move(say)), m_currency(std::move(currency)) {}

void PlanOverTime::calculationStarted(std::string why) {
    forgetFoundRate();
    solved.reset();
    noPlan = std::move(why);
    ++revision;
}

void PlanOverTime::solvedPlan(std::optional<Plan> plan, double storedPayments, double perMonth,
                              double compound, double solvedApr) {
    if (!plan) {
        noPlan = say(UI_TEXT("selvane::FinCalc",
                             "The last calculation failed, so there is no plan to show: change the "
                             "inputs and calculate again."));
        return;
    }
    // The plan pays whole payments: a part payment at the end is one more payment.
    const double n = storedPayments;
    plan->payments = !(n > 0) ? 0
                     : n > static_cast<double>(kMaxPasses)
                         ? kMaxPasses + 1
                         : static_cast<std::int64_t>(std::ceil(n));
    plan->paymentsPerMonth = perMonth;
    solved = *plan;
    compoundMonths = compound;
    apr = solvedApr;
    noPlan.clear();
}

void PlanOverTime::forgetFoundRate() {
    foundRate.reset();
    rateNote.clear();
}

void PlanOverTime::rateFound(FoundRate rate) {
    m_rateAsked = m_context.rateAsked();
    foundRate = std::move(rate);
    rateNote.clear();
}

void PlanOverTime::windowClosed() {
    // A refused text goes with the window; a window opened again shows the inputs in use.
    extrasMessage.clear();
    rateChangeMessage.clear();
    timelineMessage.clear();
}

bool PlanOverTime::setExtras(const std::string& extra, const std::string& from,
                             const std::string& lump, const std::string& at) {
    const auto e = wholeNumber(extra), f = wholeNumber(from), l = wholeNumber(lump),
               a = wholeNumber(at);
    // A text that is no number at all gets the same sentence as a number out of range: the user
    // needs to know what to type, not how the text failed.
    const auto problem =
        extrasProblem(e.value_or(-1), f.value_or(0), l.value_or(-1), a.value_or(0));
    if (problem) {
        extrasMessage = say(problem->c_str());
        return false;
    }
    extras = Extras{*e, static_cast<std::int64_t>(*f), *l, static_cast<std::int64_t>(*a)};
    extrasMessage.clear();
    return true;
}

std::array<std::string, 4> PlanOverTime::extrasTexts() const {
    return {plainDecimalText(extras.extra), std::to_string(extras.from),
            plainDecimalText(extras.lump), std::to_string(extras.at)};
}

std::optional<std::string> PlanOverTime::extrasUnavailable() const {
    const std::optional<Mode> m = m_context.mode();
    if (m == Mode::PersonalLoan || m == Mode::Mortgage)
        return std::nullopt;
    if (m == Mode::Lease)
        return say(UI_TEXT("selvane::FinCalc",
                           "Extra payments are for loans and mortgages: a lease's payments are set "
                           "by its contract."));
    if (m == Mode::Income)
        return say(UI_TEXT("selvane::FinCalc",
                           "Extra payments are for loans and mortgages: income payments are paid "
                           "to you."));
    if (m == Mode::Investment)
        return say(UI_TEXT("selvane::FinCalc", "Extra payments are for loans and mortgages: for an "
                                               "investment, raise the deposit."));
    return say(UI_TEXT("selvane::FinCalc", "Extra payments are for loans and mortgages."));
}

std::optional<std::string> PlanOverTime::noSchedule() const {
    if (!solved)
        return noPlan;
    if (const auto problem = scheduleProblem(*solved))
        return say(problem->c_str());
    return std::nullopt;
}

const ScheduleTotals* PlanOverTime::planSchedule() const {
    if (noSchedule())
        return nullptr;
    if (!m_planSchedule || m_planScheduleRevision != revision) {
        m_planSchedule = schedule(*solved, Extras{});
        m_planScheduleRevision = revision;
    }
    return &*m_planSchedule;
}

std::optional<WhatIfFigures> PlanOverTime::whatIf() const {
    if (extrasUnavailable())
        return std::nullopt;
    const ScheduleTotals* base = planSchedule();
    if (base == nullptr)
        return std::nullopt;
    // The schedule with extras is walked again only when the plan or the extras changed.
    if (!m_extrasSchedule || m_extrasScheduleKey != std::make_pair(revision, extras)) {
        m_extrasSchedule = schedule(*solved, extras);
        m_extrasScheduleKey = std::make_pair(revision, extras);
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
    w.yearsSaved = static_cast<double>(w.paymentsSaved) / (12 * solved->paymentsPerMonth);
    const double figures[] = {w.lastPayment, w.totalPaid, w.totalInterest, w.interestSaved};
    for (const double f : figures)
        if (!std::isfinite(f))
            return std::nullopt; // a plan whose payments add up beyond the range of numbers
    const std::string last = std::to_string(w.payments);
    if (extras.extra != 0 && extras.from > w.payments)
        w.note = fillIn(say(UI_TEXT("selvane::FinCalc",
                                    "The extra from payment %1 comes after the last payment (%2): "
                                    "not used.")),
                        {std::to_string(extras.from), last});
    if (extras.lump != 0 && extras.at > w.payments)
        w.note += std::string(w.note.empty() ? "" : " ") +
                  fillIn(say(UI_TEXT("selvane::FinCalc",
                                     "The one-time amount at payment %1 comes after the last "
                                     "payment (%2): not used.")),
                         {std::to_string(extras.at), last});
    return w;
}

std::string PlanOverTime::noFigures() const {
    return noSchedule().value_or(say(
        UI_TEXT("selvane::FinCalc",
                "The payments with these extras add up to more than the calculator can hold.")));
}

bool PlanOverTime::rateUsable() const {
    // A rate found for other inputs than the fields hold now is stale, however they changed.
    return foundRate && foundRate->apr && m_rateAsked == m_context.rateAsked();
}

PlanFigures PlanOverTime::planFigures() const {
    PlanFigures f;
    f.mode = m_context.modeName();
    if (!solved) {
        // Nothing was solved: the stored figures are those of an earlier calculation, or none.
        f.payment = f.payments = f.years = kFailed;
        return f;
    }
    f.payment = m_context.payment();
    // With a timeline the plan is the timeline's: its schedule with every event.
    if (!timeline.empty() && !timelineUnavailable()) {
        const TimelineFigures t = *timelineFigures();
        if (!t.message.empty()) {
            f.payments = f.years = kFailed;
            return f;
        }
        f.payments = static_cast<double>(t.payments);
        f.totalPaid = t.totalPaid;
        f.totalInterest = t.totalInterest;
        f.years = f.payments / (12 * solved->paymentsPerMonth);
        f.payoff = dateOf(t.payments);
        return f;
    }
    f.payments = static_cast<double>(solved->payments);
    // With a rate change the plan is that of the change: the payment it starts with, and its
    // schedule with the change. One that never ends has no number of payments.
    std::optional<ScheduleTotals> changed;
    if (const std::optional<RateChange> change = changeInUse()) {
        if (!m_changedPlan || m_changedPlan->first != changeKey())
            m_changedPlan.emplace(changeKey(), schedule(*solved, Extras{}, &*change));
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
            f.totalInterest = m_context.mode() == Mode::Investment ? -interest : interest;
        }
    }
    f.years = f.payments / (12 * solved->paymentsPerMonth);
    f.payoff = dateOf(static_cast<std::int64_t>(f.payments));
    return f;
}

namespace {

std::string percentText(double v) {
    return formatFixed(v, 6) + " %";
}

} // namespace

WhatIfTexts PlanOverTime::whatIfTexts() const {
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
    t.payoff = payoffLine(w->payments);
    return t;
}

RateTexts PlanOverTime::rateTexts() const {
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

CompareTexts PlanOverTime::compareTexts() const {
    const PlanFigures now = planFigures();
    using Text = std::string (*)(const PlanOverTime&, double);
    const Text money = [](const PlanOverTime& c, double v) { return c.m_currency.amount(v); };
    const Text count = [](const PlanOverTime&, double v) {
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
            if (!v || std::isnan(*v))
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

// ----- the rate change and its shocks

bool PlanOverTime::setRateChange(const std::string& aprText, const std::string& from,
                                 bool keepEndDate) {
    const auto a = wholeNumber(aprText), f = wholeNumber(from);
    if (!a || !(*a > -100) || !std::isfinite(*a)) {
        rateChangeMessage =
            say(UI_TEXT("selvane::FinCalc", "The new APR must be a number above -100."));
        return false;
    }
    if (!f || !(*f >= 1) || *f != std::floor(*f) || *f > static_cast<double>(kMaxPasses)) {
        rateChangeMessage = say(UI_TEXT("selvane::FinCalc",
                                        "The new rate starts at a whole payment number from 1 to "
                                        "10000000."));
        return false;
    }
    rateChange = RateChangeInput{*a, static_cast<std::int64_t>(*f), keepEndDate};
    rateChangeMessage.clear();
    return true;
}

void PlanOverTime::clearRateChange() {
    rateChange.reset();
    rateChangeMessage.clear();
}

std::optional<std::string> PlanOverTime::rateChangeUnavailable() const {
    if (extrasUnavailable())
        return say(UI_TEXT("selvane::FinCalc",
                           "A rate change is for loans and mortgages, whose lender can reset the "
                           "rate."));
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

std::optional<RateChange> PlanOverTime::changeInUse() const {
    if (!rateChange || rateChangeUnavailable())
        return std::nullopt;
    const auto rate = ratePerPayment(rateChange->apr, compoundMonths, solved->paymentsPerMonth);
    if (!rate)
        return std::nullopt;
    return RateChange{*rate, rateChange->from, rateChange->keepEndDate};
}

std::optional<RateChangeFigures> PlanOverTime::rateChangeFigures() const {
    if (!rateChange || rateChangeUnavailable())
        return std::nullopt;
    if (!m_changeFigures || m_changeFigures->first != changeKey())
        m_changeFigures.emplace(changeKey(), workOutChange());
    return m_changeFigures->second;
}

std::optional<RateChangeFigures> PlanOverTime::workOutChange() const {
    RateChangeFigures f;
    f.input = *rateChange;
    const std::optional<RateChange> inUse = changeInUse();
    if (!inUse) {
        f.message = say(UI_TEXT("selvane::FinCalc",
                                "The new APR gives no rate per payment the calculator can use."));
        return f;
    }
    const ScheduleTotals with = schedule(*solved, extras, &*inUse);
    if (with.endless) {
        // Keeping the payment fails; the lender's other answer still ends the plan on time.
        const RateChange onTime{inUse->periodRate, rateChange->from, true};
        const ScheduleTotals t = schedule(*solved, extras, &onTime);
        f.message = fillIn(
            with.neverPaid
                ? say(UI_TEXT("selvane::FinCalc", "At %1 % the payment of %2 no longer covers the "
                                                  "interest, so the balance is never paid off."))
                : say(UI_TEXT("selvane::FinCalc",
                              "At %1 % the payment of %2 pays the balance off only "
                              "after more than 10000000 payments, more than the "
                              "calculator schedules.")),
            {formatFixed(rateChange->apr, 3), m_currency.amount(solved->payment)});
        if (finite(t))
            f.message += " " + fillIn(say(UI_TEXT("selvane::FinCalc",
                                                  "A payment of %1 from payment %2 on would still "
                                                  "end the plan on time.")),
                                      {m_currency.amount(t.changedPayment.value()),
                                       std::to_string(rateChange->from)});
        return f;
    }
    const ScheduleTotals base = schedule(*solved, extras);
    if (!finite(with) || !finite(base)) {
        f.message = say(UI_TEXT("selvane::FinCalc",
                                "The payments with this rate add up to more than the calculator "
                                "can hold."));
        return f;
    }
    f.payment = with.changedPayment.value();
    f.payments = with.payments;
    f.lastPayment = with.lastPayment.value();
    f.totalPaid = with.totalPaid.value();
    f.totalInterest = with.totalInterest.value();
    f.extraInterest = (with.totalInterest - base.totalInterest).value();
    f.paymentsChange = with.payments - base.payments;
    f.yearsChange = static_cast<double>(f.paymentsChange) / (12 * solved->paymentsPerMonth);
    return f;
}

std::int64_t PlanOverTime::shockFrom() const {
    // At the change, where it comes within the plan; at the first payment otherwise.
    return rateChange && solved && rateChange->from <= solved->payments ? rateChange->from : 1;
}

std::optional<std::array<ShockFigures, 3>> PlanOverTime::shock() const {
    if (rateChangeUnavailable())
        return std::nullopt;
    if (!m_shock || m_shock->first != changeKey())
        m_shock.emplace(changeKey(), workOutShock());
    return m_shock->second;
}

std::optional<std::array<ShockFigures, 3>> PlanOverTime::workOutShock() const {
    const std::int64_t from = shockFrom();
    std::array<ShockFigures, 3> out;
    for (int k = 0; k < 3; ++k) {
        const double points = k + 1;
        out[static_cast<size_t>(k)].points = points;
        const auto rate = ratePerPayment(apr + points, compoundMonths, solved->paymentsPerMonth);
        if (!rate)
            return std::nullopt;
        const RateChange change{*rate, from, true};
        const ScheduleTotals s = schedule(*solved, extras, &change);
        if (s.endless || !finite(s))
            return std::nullopt;
        out[static_cast<size_t>(k)].payment = s.changedPayment.value();
        out[static_cast<size_t>(k)].totalInterest = s.totalInterest.value();
    }
    return out;
}

RateChangeTexts PlanOverTime::rateChangeTexts() const {
    RateChangeTexts t;
    t.figures.fill(kNoFigure);
    for (auto& row : t.shock)
        row.fill(kNoFigure);
    t.apr = plainDecimalText(rateChange ? rateChange->apr : apr);
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
    t.shockFrom = fillIn(say(UI_TEXT("selvane::FinCalc", "From payment %1 on, the end date kept:")),
                         {std::to_string(shockFrom())});
    if (const auto shock = this->shock()) {
        for (size_t i = 0; i < shock->size(); ++i) {
            const ShockFigures& s = (*shock)[i];
            t.shock[i] = {shockLabel(s.points, apr + s.points, m_say), m_currency.amount(s.payment),
                          m_currency.amount(s.totalInterest)};
        }
    }
    const auto f = rateChangeFigures();
    if (!f)
        return t;
    if (!f->message.empty()) {
        t.message = f->message;
        return t;
    }
    t.figures = {m_currency.amount(f->payment),
                 std::to_string(f->payments),
                 m_currency.amount(f->lastPayment),
                 m_currency.amount(f->totalPaid),
                 m_currency.amount(f->totalInterest),
                 changeText(m_currency, f->extraInterest),
                 paymentsChangeText(f->paymentsChange, solved->paymentsPerMonth, m_say)};
    t.payoff = payoffLine(f->payments);
    return t;
}

// ----- the timeline

bool PlanOverTime::addEvent(const std::vector<std::string>& words) {
    auto read = readEvent(words);
    if (const auto* why = std::get_if<std::string>(&read)) {
        timelineMessage = say(why->c_str());
        return false;
    }
    timeline.add(std::get<TimelineEvent>(read));
    timelineMessage.clear();
    return true;
}

bool PlanOverTime::replaceEvent(std::size_t i, const std::vector<std::string>& words) {
    if (i >= timeline.events().size()) {
        timelineMessage = say(UI_TEXT("selvane::FinCalc", "There is no such event."));
        return false;
    }
    auto read = readEvent(words);
    if (const auto* why = std::get_if<std::string>(&read)) {
        timelineMessage = say(why->c_str());
        return false;
    }
    timeline.replace(i, std::get<TimelineEvent>(read));
    timelineMessage.clear();
    return true;
}

bool PlanOverTime::removeEvent(std::size_t i) {
    if (!timeline.remove(i)) {
        timelineMessage = say(UI_TEXT("selvane::FinCalc", "There is no such event."));
        return false;
    }
    timelineMessage.clear();
    return true;
}

std::optional<std::string> PlanOverTime::timelineUnavailable() const {
    if (extrasUnavailable())
        return say(UI_TEXT("selvane::FinCalc",
                           "A timeline of events is for loans and mortgages: rate changes, extras "
                           "and payment holidays are a borrower's."));
    return noSchedule();
}

SolvedPlan PlanOverTime::solvedPlan() const {
    return SolvedPlan{*solved, apr, compoundMonths};
}

std::optional<TimelineFigures> PlanOverTime::timelineFigures() const {
    if (timelineUnavailable())
        return std::nullopt;
    const auto key = std::make_pair(revision, timeline);
    if (!m_timeline || m_timeline->first != key)
        m_timeline.emplace(key,
                           selvane::timelineFigures(solvedPlan(), timeline, m_currency, m_say));
    return m_timeline->second;
}

std::optional<ScheduleEvents> PlanOverTime::timelineInUse() const {
    if (timeline.empty())
        return std::nullopt;
    const auto f = timelineFigures();
    if (!f || !f->message.empty())
        return std::nullopt;
    return std::get<ScheduleEvents>(scheduleEvents(solvedPlan(), timeline));
}

TimelineGroupTexts PlanOverTime::timelineTexts() const {
    TimelineGroupTexts t;
    t.refused = timelineMessage;
    const auto f = timelineFigures();
    const double perMonth = solved ? solved->paymentsPerMonth : 1.0;
    t.timeline = selvane::timelineTexts(timeline, f.value_or(TimelineFigures{}), perMonth,
                                        m_currency, m_say);
    if (const auto why = timelineUnavailable()) {
        t.unavailable = *why;
        t.timeline.figures.fill(kNoFigure);
        t.timeline.stretches.clear();
        for (auto& row : t.timeline.shock)
            row.fill(kNoFigure);
        return t;
    }
    t.shockFrom = fillIn(say(UI_TEXT("selvane::FinCalc", "From payment %1 on, the end date kept:")),
                         {std::to_string(selvane::shockFrom(timeline))});
    if (f && f->message.empty() && !timeline.empty())
        t.payoff = payoffLine(f->payments);
    return t;
}

} // namespace selvane
