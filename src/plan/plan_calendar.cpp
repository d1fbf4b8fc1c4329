// The plan on the calendar: its dates, its dated schedule under the lender's day count, and the
// payoff dates the What If window and Compare show beside their payment counts.

#include <cmath>

#include "core/number_text.h"
#include "plan/plan_over_time.h"

namespace selvane {

bool PlanOverTime::setStart(const std::string& iso) {
    return setDate(iso, true);
}

bool PlanOverTime::setFirst(const std::string& iso) {
    return setDate(iso, false);
}

bool PlanOverTime::setDate(const std::string& iso, bool start) {
    std::optional<CivilDate> d;
    if (start || !iso.empty()) { // an empty first payment is one period after the start
        d = readIsoDate(iso);
        if (!d) {
            calendarMessage = say(UI_TEXT("selvane::FinCalc",
                                          "A date is written YYYY-MM-DD, a real day from the year "
                                          "1 to 9999."));
            return false;
        }
    }
    const std::optional<CivilDate> from = start ? d : calendar.start;
    const std::optional<CivilDate> first = start ? calendar.first : d;
    if (from && first && *first < *from) {
        calendarMessage =
            say(UI_TEXT("selvane::FinCalc", "The first payment cannot come before the start."));
        return false;
    }
    (start ? calendar.start : calendar.first) = d;
    calendarMessage.clear();
    return true;
}

void PlanOverTime::setBasis(DayCount basis) {
    calendar.basis = basis;
}

void PlanOverTime::setRounding(bool cents) {
    calendar.cents = cents;
}

void PlanOverTime::datesOff() {
    calendar.start.reset();
    calendar.first.reset();
    calendarMessage.clear();
}

std::optional<PaymentDates> PlanOverTime::paymentDates(double paymentsPerMonth) const {
    if (!calendar.start)
        return std::nullopt;
    return PaymentDates(*calendar.start, calendar.first, paymentPeriodOf(paymentsPerMonth));
}

std::optional<std::string> PlanOverTime::calendarUnavailable() const {
    if (!calendar.start)
        return say(UI_TEXT("selvane::FinCalc",
                           "Set the date the loan is paid out to see the schedule by date."));
    if (const auto why = noSchedule())
        return why;
    if (datedSchedule() == nullptr)
        return say(UI_TEXT("selvane::FinCalc",
                           "The plan's last payment would fall after 31 December 9999."));
    return std::nullopt;
}

const DatedSchedule* PlanOverTime::datedSchedule() const {
    if (!calendar.start || noSchedule())
        return nullptr;
    const double shown = m_context.payment();
    const auto key = std::make_tuple(revision, calendar, shown);
    if (!m_dated || m_dated->first != key) {
        DatedPlan in{
            *solved, *paymentDates(solved->paymentsPerMonth), calendar.basis, calendar.cents, apr,
            shown};
        m_dated.emplace(key, DatedSchedule::of(in));
    }
    return m_dated->second ? &*m_dated->second : nullptr;
}

std::optional<CivilDate> PlanOverTime::dateOf(std::int64_t n) const {
    if (!solved)
        return std::nullopt;
    const std::optional<PaymentDates> dates = paymentDates(solved->paymentsPerMonth);
    return dates ? dates->date(n) : std::nullopt;
}

std::array<std::string, 6> PlanOverTime::datedRowTexts(const DatedRow& r) const {
    return {std::to_string(r.n),
            m_currency.date(r.date.year, r.date.month, r.date.day),
            m_currency.amount(r.payment),
            m_currency.amount(r.interest),
            m_currency.amount(r.principal),
            m_currency.amount(r.balance)};
}

namespace {
std::int64_t monthsBetween(CivilDate from, CivilDate to) {
    return static_cast<std::int64_t>(to.year - from.year) * 12 + (to.month - from.month);
}
} // namespace

std::string PlanOverTime::payoffLine(std::int64_t payments) const {
    const std::optional<CivilDate> on = dateOf(payments);
    const ScheduleTotals* plan = planSchedule();
    if (!on || plan == nullptr)
        return {};
    const std::string when = m_currency.monthAndYear(on->year, on->month);
    const std::optional<CivilDate> planned = dateOf(plan->payments);
    const std::int64_t months = planned ? monthsBetween(*planned, *on) : 0;
    if (months == 0)
        return fillIn(say(UI_TEXT("selvane::FinCalc", "Paid off in %1, as planned")), {when});
    return fillIn(months < 0 ? say(UI_TEXT("selvane::FinCalc", "Paid off in %1, %2 sooner"))
                             : say(UI_TEXT("selvane::FinCalc", "Paid off in %1, %2 later")),
                  {when, yearsAndMonths(static_cast<double>(std::llabs(months)))});
}

std::array<std::string, 3> PlanOverTime::comparePayoff() const {
    const PlanFigures now = planFigures();
    const auto text = [&](const std::optional<PlanFigures>& f) {
        return f && f->payoff ? m_currency.monthAndYear(f->payoff->year, f->payoff->month)
                              : kNoFigure;
    };
    std::array<std::string, 3> t{text(kept), text(now), kNoFigure};
    if (kept && kept->payoff && now.payoff)
        t[2] = yearsAndMonths(static_cast<double>(monthsBetween(*kept->payoff, *now.payoff)));
    return t;
}

CalendarTexts PlanOverTime::calendarTexts() const {
    CalendarTexts t;
    t.figures.fill(kNoFigure);
    t.refused = calendarMessage;
    if (calendar.start)
        t.start = isoDateText(*calendar.start);
    if (calendar.first)
        t.first = isoDateText(*calendar.first);
    if (calendar.start) {
        const PaymentDates dates(*calendar.start, calendar.first,
                                 paymentPeriodOf(solved ? solved->paymentsPerMonth : 1.0));
        t.firstInUse = m_currency.date(dates.first().year, dates.first().month, dates.first().day);
    }
    if (calendar.basis != DayCount::Periodic)
        t.basisNote = say(UI_TEXT("selvane::FinCalc",
                                  "Under a day count the figures are the lender's reckoning: they "
                                  "may differ from the details report by cents a row."));
    if (const auto why = calendarUnavailable()) {
        t.unavailable = *why;
        return t;
    }
    const DatedSchedule& s = *datedSchedule();
    const CivilDate p = s.payoff();
    t.payoff = fillIn(say(UI_TEXT("selvane::FinCalc", "Paid off on %1, payment %2")),
                      {m_currency.date(p.year, p.month, p.day), std::to_string(s.payments())});
    t.figures = {m_currency.count(s.payments()), m_currency.amount(s.lastPayment()),
                 m_currency.amount(s.totalPaid()), m_currency.amount(s.totalInterest())};
    for (const CalendarYear& y : s.years())
        t.years.push_back({std::to_string(y.year), m_currency.count(y.payments),
                           m_currency.amount(y.paid), m_currency.amount(y.principal),
                           m_currency.amount(y.interest), m_currency.amount(y.balance)});
    t.years.push_back(
        {say(UI_TEXT("selvane::FinCalc", "Total")), m_currency.count(s.payments()),
         m_currency.amount(s.totalPaid()), m_currency.amount(s.totalPaid() - s.totalInterest()),
         m_currency.amount(s.totalInterest()), m_currency.amount(s.years().back().balance)});
    return t;
}

} // namespace selvane
