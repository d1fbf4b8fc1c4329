#pragma once
// The plan's schedule on the calendar: a date on every payment, the payoff date, the totals of
// each calendar year, and the lender's day count.
//
// Under the periodic basis the rows are the plan's own schedule (the one What If walks: the
// amount financed, the calculator's rate per payment, its unrounded payment, the count rounded up
// to a whole payment, the last payment paying what is left), and the dates only label them. Under
// a day count, row k's interest is the balance after row k - 1 times APR / 100 times the year
// fraction from the date before (the start for row 1) to row k's date: simple interest between
// payments, as lenders accrue it, so the first, odd period is whatever its dates make it. The
// payment stays the plan's; the payment that would take the balance below half a cent above the
// end amount, and the plan's last payment always, pays exactly what is left. Rounding to cents
// (day counts only) rounds each row's interest half away from zero to the cent and pays the
// payment as its field shows it.
//
// The balance is carried in double-double arithmetic, as the plan's schedule is.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <type_traits>
#include <vector>

#include "core/calendar.h"
#include "core/double_double.h"
#include "core/extra_payments.h"

namespace selvane {

struct CalendarInput {
    std::optional<CivilDate> start; // none: the plan has no dates
    std::optional<CivilDate> first; // none: one payment period after the start
    DayCount basis = DayCount::Periodic;
    bool cents = false; // rounding: each row's interest to the cent
    bool operator==(const CalendarInput&) const = default;
};

struct DatedRow {
    std::int64_t n = 0;
    CivilDate date;
    double payment = 0, interest = 0, principal = 0, balance = 0;
};

// One calendar year's payments: their sum, the principal and interest in them, and the balance
// after the year's last payment.
struct CalendarYear {
    int year = 0;
    std::int64_t payments = 0;
    double paid = 0, principal = 0, interest = 0, balance = 0;
};

// What the dated schedule is worked out from: the plan, its dates, the APR the day counts charge
// and the payment as its field shows it (paid under rounding to cents).
struct DatedPlan {
    Plan plan;
    PaymentDates dates;
    DayCount basis = DayCount::Periodic;
    bool cents = false;
    double apr = 0;
    double shownPayment = 0;
};

class DatedSchedule {
  public:
    // The schedule of a plan that pays down (scheduleProblem is nullopt), or nullopt where its
    // last payment would fall after 31 December 9999.
    static std::optional<DatedSchedule> of(const DatedPlan& p);

    std::int64_t payments() const { return m_payments; }
    CivilDate payoff() const { return m_payoff; }
    double lastPayment() const { return m_lastPayment; }
    double totalPaid() const { return m_totalPaid.value(); }
    double totalInterest() const { return m_totalInterest.value(); }
    const std::vector<CalendarYear>& years() const { return m_years; }
    const DatedPlan& input() const { return m_in; }

    DatedRow row(std::int64_t n) const; // 1 .. payments()
    // Calls f(const DatedRow&) for rows from .. to in order, until an f that returns false does.
    template <class F> void forEachRow(std::int64_t from, std::int64_t to, F&& f) const;

  private:
    explicit DatedSchedule(const DatedPlan& p) : m_in(p) {}
    // One row from the balance before it, which it moves on; `exact` gets the row's payment and
    // interest unrounded and whether it pays what is left.
    struct Exact {
        DD payment, interest;
        bool last = false;
    };
    // The dates come with their day numbers.
    struct Day {
        CivilDate date;
        std::int64_t number = 0;
    };
    DatedRow step(std::int64_t n, DD& balance, Day before, Day on, Exact* exact = nullptr) const;
    Day day(std::int64_t n) const {
        const CivilDate d = *m_in.dates.date(n);
        return {d, dayNumber(d)};
    }

    DatedPlan m_in;
    std::int64_t m_payments = 0;
    CivilDate m_payoff;
    double m_lastPayment = 0;
    DD m_totalPaid, m_totalInterest;
    DD m_perYear; // 1 / (100 x the day count's days of a year)
    DD m_payment; // each row's, but the last: the plan's, or as its field shows it
    std::vector<CalendarYear> m_years;
    // The balance before every kCheckpoint-th row, so any row is a short walk away.
    static constexpr std::int64_t kCheckpoint = 1024;
    std::vector<DD> m_checkpoints;
};

template <class F> void DatedSchedule::forEachRow(std::int64_t from, std::int64_t to, F&& f) const {
    from = std::max<std::int64_t>(from, 1);
    to = std::min(to, m_payments);
    if (from > to)
        return;
    const std::int64_t c = (from - 1) / kCheckpoint;
    DD balance = m_checkpoints[static_cast<std::size_t>(c)];
    Day before = day(c * kCheckpoint);
    for (std::int64_t n = c * kCheckpoint + 1; n <= to; ++n) {
        const Day on = day(n);
        const DatedRow r = step(n, balance, before, on);
        before = on;
        if (n >= from) {
            if constexpr (std::is_void_v<decltype(f(r))>)
                f(r);
            else if (!f(r))
                return;
        }
    }
}

} // namespace selvane
