#include "plan/dated_schedule.h"

#include <cmath>

namespace selvane {

namespace {

// Half away from zero to the cent. The interest is worked out in double-double, so a figure
// that is a tie in decimal is a tie here too, to far below a cent.
DD roundedToCents(DD x) {
    const double cents = x.hi * 100.0;
    double whole = std::round(cents);
    // round() saw only the leading double: the trailing part decides a near tie.
    const DD rest = (x * 100.0) - whole;
    if (rest.hi >= 0.5)
        whole += 1;
    else if (rest.hi < -0.5)
        whole -= 1;
    else if (rest.hi == 0.5 && whole >= 0)
        whole += 1;
    else if (rest.hi == -0.5 && whole < 0)
        whole -= 1;
    return DD(whole) / DD(100.0);
}

CalendarYear closed(CalendarYear year, DD paid, DD interest) {
    year.paid = paid.value();
    year.interest = interest.value();
    year.principal = (paid - interest).value();
    return year;
}

} // namespace

DatedRow DatedSchedule::step(std::int64_t n, DD& balance, CivilDate before, CivilDate on,
                             Exact* exact) const {
    const DatedPlan& p = m_in;
    DD interest;
    DD payment(p.plan.payment);
    if (p.basis == DayCount::Periodic) {
        interest = Multiplier(p.plan.periodRate)(balance);
    } else {
        const YearFraction f = yearFraction(p.basis, before, on);
        interest = (balance * (p.apr * static_cast<double>(f.numerator))) /
                   DD(100.0 * static_cast<double>(f.denominator));
        if (p.cents) {
            interest = roundedToCents(interest);
            payment = roundedToCents(DD(p.shownPayment));
        }
    }
    const DD grown = balance + interest;
    const DD owed = grown - payment;
    DatedRow r;
    r.n = n;
    r.date = on;
    constexpr double kHalfCent = 0.005;
    const bool last =
        n >= p.plan.payments || !std::isfinite(owed.hi) || owed < DD(p.plan.endAmount) + kHalfCent;
    if (last) {
        payment = grown - DD(p.plan.endAmount);
        balance = DD(p.plan.endAmount);
    } else {
        balance = owed;
    }
    if (exact != nullptr)
        *exact = Exact{payment, interest, last};
    r.payment = payment.value();
    r.interest = interest.value();
    r.principal = (payment - interest).value();
    r.balance = balance.value();
    return r;
}

std::optional<DatedSchedule> DatedSchedule::of(const DatedPlan& p) {
    DatedSchedule s(p);
    if (p.plan.payments < 1 || !p.dates.date(p.plan.payments))
        return std::nullopt;
    DD balance(p.plan.amountFinanced);
    CivilDate before = p.dates.start();
    CalendarYear year;
    DD paid, interest; // of the year so far
    s.m_checkpoints.reserve(static_cast<std::size_t>(p.plan.payments / kCheckpoint + 1));
    for (std::int64_t n = 1; n <= p.plan.payments; ++n) {
        if ((n - 1) % kCheckpoint == 0)
            s.m_checkpoints.push_back(balance);
        const CivilDate on = *p.dates.date(n);
        Exact e;
        const DatedRow r = s.step(n, balance, before, on, &e);
        before = on;
        if (year.payments > 0 && on.year != year.year) {
            s.m_years.push_back(closed(year, paid, interest));
            year = CalendarYear{};
            paid = interest = DD();
        }
        year.year = on.year;
        ++year.payments;
        // The figures as the double-double walk has them, summed without a cent lost.
        paid += e.payment;
        interest += e.interest;
        year.balance = r.balance;
        s.m_totalPaid += e.payment;
        if (e.last) {
            s.m_payments = n;
            s.m_payoff = on;
            s.m_lastPayment = r.payment;
            break;
        }
    }
    s.m_years.push_back(closed(year, paid, interest));
    // Every schedule ends at the end amount: what was paid beyond the amount paid off is interest.
    s.m_totalInterest = s.m_totalPaid - (DD(p.plan.amountFinanced) - DD(p.plan.endAmount));
    return s;
}

DatedRow DatedSchedule::row(std::int64_t n) const {
    DatedRow out;
    forEachRow(n, n, [&](const DatedRow& r) { out = r; });
    return out;
}

} // namespace selvane
