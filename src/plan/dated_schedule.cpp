#include "plan/dated_schedule.h"

#include <cmath>

namespace selvane {

namespace {

// a / b to double-double precision: cheaper than a division by a double-double.
DD dividedBy(DD a, double b) {
    const double q1 = a.hi / b;
    const DD r = a - Multiplier(b)(DD(q1));
    return DD(q1) + DD(r.value() / b);
}

// Half away from zero to the cent. The interest is worked out in double-double, so a figure
// that is a tie in decimal (5.015) is one here to far below a billionth of a cent, which counts
// as the tie itself; beyond that the trailing part decides.
DD roundedToCents(DD x) {
    static const Multiplier hundred(100.0);
    const DD cents = hundred(x);
    double whole = std::floor(cents.hi);
    DD rest = cents - DD(whole); // the part beyond the whole cents, from 0 to 1
    if (rest.hi < 0) {
        whole -= 1;
        rest += DD(1.0);
    }
    const double beyondHalf = (rest - DD(0.5)).value();
    constexpr double kTie = 1e-9;
    if (beyondHalf > kTie || (beyondHalf >= -kTie && whole >= 0))
        whole += 1;
    static const DD hundredth = dividedBy(DD(1.0), 100.0);
    return DD(whole) * hundredth;
}

CalendarYear closed(CalendarYear year, DD paid, DD interest) {
    year.paid = paid.value();
    year.interest = interest.value();
    year.principal = (paid - interest).value();
    return year;
}

} // namespace

DatedRow DatedSchedule::step(std::int64_t n, DD& balance, Day before, Day on, Exact* exact) const {
    const DatedPlan& p = m_in;
    DD interest;
    DD payment = m_payment;
    if (p.basis == DayCount::Periodic) {
        interest = Multiplier(p.plan.periodRate)(balance);
    } else {
        const YearFraction f =
            yearFraction(p.basis, before.date, on.date, before.number, on.number);
        // APR / 100 x numerator / denominator, the division once a schedule.
        interest = balance * (p.apr * static_cast<double>(f.numerator)) * m_perYear;
        if (p.cents)
            interest = roundedToCents(interest);
    }
    const DD grown = balance + interest;
    const DD owed = grown - payment;
    DatedRow r;
    r.n = n;
    r.date = on.date;
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
    // Every basis counts its fractions over one year's days (actual/actual over 365 x 366).
    const YearFraction unit = yearFraction(p.basis, {2001, 1, 1}, {2001, 1, 1});
    s.m_perYear = dividedBy(DD(1.0), 100.0 * static_cast<double>(unit.denominator));
    s.m_payment = p.basis != DayCount::Periodic && p.cents ? roundedToCents(DD(p.shownPayment))
                                                           : DD(p.plan.payment);
    if (p.plan.payments < 1 || !p.dates.date(p.plan.payments))
        return std::nullopt;
    DD balance(p.plan.amountFinanced);
    Day before = s.day(0);
    CalendarYear year;
    DD paid, interest; // of the year so far
    s.m_checkpoints.reserve(static_cast<std::size_t>(p.plan.payments / kCheckpoint + 1));
    for (std::int64_t n = 1; n <= p.plan.payments; ++n) {
        if ((n - 1) % kCheckpoint == 0)
            s.m_checkpoints.push_back(balance);
        const Day on = s.day(n);
        Exact e;
        const DatedRow r = s.step(n, balance, before, on, &e);
        before = on;
        if (year.payments > 0 && on.date.year != year.year) {
            s.m_years.push_back(closed(year, paid, interest));
            year = CalendarYear{};
            paid = interest = DD();
        }
        year.year = on.date.year;
        ++year.payments;
        // The figures as the double-double walk has them, summed without a cent lost.
        paid += e.payment;
        interest += e.interest;
        year.balance = r.balance;
        s.m_totalPaid += e.payment;
        if (e.last) {
            s.m_payments = n;
            s.m_payoff = on.date;
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
