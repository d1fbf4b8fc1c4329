#pragma once
// An independent model of the dated schedule, written from its definition: proleptic Gregorian
// dates counted as days from 1 January of the year 1, the payment dates of each payment period,
// the lenders' year fractions as exact fractions, and the schedule walked in quadruple precision
// (interest on the balance from the date before to the payment's, then the payment; the payment
// that would leave the balance less than half a cent above the end amount, and the plan's last,
// pays exactly what is left).

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "support/schedule_model.h"

namespace selvane::model {

using Date = CivilDate; // the plain year, month, day; none of the code's arithmetic on it

inline bool leap(int y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}
inline int monthLength(int y, int m) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : days[m - 1];
}

inline std::string text(Date d) {
    char s[32];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d", d.year, d.month, d.day);
    return s;
}

// Days from 1 January of the year 1: the whole years before, then the whole months.
inline std::int64_t ordinal(Date d) {
    const std::int64_t y = d.year - 1;
    std::int64_t n = 365 * y + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < d.month; ++m)
        n += monthLength(d.year, m);
    return n + d.day - 1;
}

// Back from days: whole 400-year cycles (146097 days each), then year by year, month by month.
inline Date fromOrdinal(std::int64_t n) {
    Date d{static_cast<int>(1 + 400 * (n / 146097)), 1, 1};
    n %= 146097;
    for (int len; n >= (len = leap(d.year) ? 366 : 365); ++d.year)
        n -= len;
    for (; n >= monthLength(d.year, d.month); ++d.month)
        n -= monthLength(d.year, d.month);
    d.day = static_cast<int>(n + 1);
    return d;
}

// `months` months after the month of d, on `day` or the month's last day where it is shorter.
inline Date monthsOn(Date d, std::int64_t months, int day) {
    const std::int64_t m = d.year * std::int64_t{12} + (d.month - 1) + months;
    const int year = static_cast<int>(m / 12), month = static_cast<int>(m % 12 + 1);
    return {year, month, std::min(day, monthLength(year, month))};
}

// One payment period after the start: a month, 14 days, or half a month (the start's day + 15 in
// its month up to the 15th, the start's day - 15 of the next month after it).
inline Date defaultFirst(Date start, PaymentPeriod period) {
    if (period == PaymentPeriod::Monthly)
        return monthsOn(start, 1, start.day);
    if (period == PaymentPeriod::Biweekly)
        return fromOrdinal(ordinal(start) + 14);
    return start.day <= 15 ? monthsOn(start, 0, start.day + 15)
                           : monthsOn(start, 1, start.day - 15);
}

// The dates of payments 0 (the start) to n; past 9999-12-31 is none.
inline std::optional<std::vector<Date>> paymentDates(Date start, std::optional<Date> first,
                                                     PaymentPeriod period, std::int64_t n) {
    const Date f = first ? *first : defaultFirst(start, period);
    int day = f.day;
    if (period == PaymentPeriod::Monthly && f.day == monthLength(f.year, f.month) &&
        start.day > f.day)
        day = start.day;
    const bool late = period == PaymentPeriod::SemiMonthly && f.day > 15;
    if (late)
        day = f.day - 15;
    // A late day on a short month's last day stands for the start's day where that is later.
    const int startEarly = start.day <= 15 ? start.day : start.day - 15;
    if (late && f.day == monthLength(f.year, f.month) && startEarly > day)
        day = startEarly;
    std::vector<Date> dates{start};
    for (std::int64_t k = 1; k <= n; ++k) {
        Date d;
        if (period == PaymentPeriod::Monthly) {
            d = monthsOn(f, k - 1, day);
        } else if (period == PaymentPeriod::Biweekly) {
            d = fromOrdinal(ordinal(f) + 14 * (k - 1));
        } else { // payments alternate early, late; i counts from the early one of f's month
            const std::int64_t i = k - 1 + (late ? 1 : 0);
            d = monthsOn(f, i / 2, i % 2 == 0 ? day : day + 15);
        }
        if (d > Date{9999, 12, 31})
            return std::nullopt;
        dates.push_back(d);
    }
    return dates;
}

// The year fraction from a to b as days over a year's days.
struct Fraction {
    std::int64_t num = 0, den = 1;
};
inline Fraction fraction(DayCount basis, Date a, Date b) {
    if (basis == DayCount::Thirty360) { // ISDA bond basis: a 31st is the 30th, b's after a 30th
        const int d1 = std::min(a.day, 30), d2 = b.day == 31 && d1 == 30 ? 30 : b.day;
        return {360 * (b.year - a.year) + 30 * (b.month - a.month) + (d2 - d1), 360};
    }
    if (basis != DayCount::ActualActual)
        return {ordinal(b) - ordinal(a), basis == DayCount::Actual365 ? 365 : 360};
    // Actual/actual: a's day counted, b's not; days of leap years over 366, the others over 365.
    std::int64_t inLeap = 0, inCommon = 0;
    for (int y = a.year; y <= b.year; ++y) {
        const std::int64_t from = std::max(ordinal(a), ordinal({y, 1, 1}));
        const std::int64_t to = std::min(ordinal(b), ordinal({y + 1, 1, 1}));
        (leap(y) ? inLeap : inCommon) += std::max<std::int64_t>(to - from, 0);
    }
    return {inLeap * 365 + inCommon * 366, 365 * 366};
}

struct Row {
    Date date;
    Quad payment = 0, interest = 0, balance = 0; // the principal is payment - interest
};
struct Year {
    int year = 0;
    std::int64_t payments = 0;
    Quad paid = 0, principal = 0, interest = 0, balance = 0;
};
struct Dated {
    std::vector<Row> rows;
    std::vector<Year> years;
    Quad totalPaid = 0, totalInterest = 0;
};

struct DatedInput {
    double financed = 0, periodRate = 0, payment = 0, end = 0;
    std::int64_t n = 1;
    Date start;
    std::optional<Date> first;
    PaymentPeriod period = PaymentPeriod::Monthly;
    DayCount basis = DayCount::Periodic;
    bool cents = false;
    double apr = 0, shownPayment = 0;
};

// Half away from zero to the cent. The figures are decimals (amounts in cents, the APR in
// thousandths of a percent) and a year fraction's denominator is at most 365 x 366, so the exact
// interest in cents is a fraction over at most 1e5 x 365 x 366: one within 1e-12 of a half cent
// is the half cent itself, which quadruple precision may have put a hair below it.
inline Quad toCents(Quad v) {
    const Quad c = (v < 0 ? -v : v) * 100;
    const auto whole = static_cast<std::int64_t>(c);
    const Quad r = Quad(whole + (c - whole > Quad(0.5) - Quad(1e-12) ? 1 : 0)) / 100;
    return v < 0 ? -r : r;
}

inline std::optional<Dated> datedSchedule(const DatedInput& in) {
    const auto dates = paymentDates(in.start, in.first, in.period, in.n);
    if (!dates)
        return std::nullopt;
    const bool periodic = in.basis == DayCount::Periodic, cents = in.cents && !periodic;
    const Quad pay = cents ? in.shownPayment : in.payment, end = in.end;
    Quad balance = in.financed;
    Dated s;
    for (std::int64_t k = 1; k <= in.n; ++k) {
        const Date before = (*dates)[k - 1], on = (*dates)[k];
        Quad interest;
        if (periodic) {
            interest = balance * Quad(in.periodRate);
        } else {
            const Fraction f = fraction(in.basis, before, on);
            interest = balance * Quad(in.apr) * f.num / (Quad(100) * f.den);
            if (cents)
                interest = toCents(interest);
        }
        const Quad owed = balance + interest - pay;
        const bool last = k == in.n || owed < end + Quad(0.005);
        const Row r{on, last ? balance + interest - end : pay, interest, last ? end : owed};
        balance = r.balance;
        s.rows.push_back(r);
        s.totalPaid += r.payment;
        if (s.years.empty() || s.years.back().year != on.year)
            s.years.push_back({on.year});
        Year& y = s.years.back();
        ++y.payments;
        y.paid += r.payment;
        y.principal += r.payment - r.interest;
        y.interest += r.interest;
        y.balance = r.balance;
        if (last)
            break;
    }
    s.totalInterest = s.totalPaid - (Quad(in.financed) - end);
    return s;
}

} // namespace selvane::model
