#pragma once
// Dates of a plan: the day the loan is paid out, the day of each payment, and the lender's count
// of the days between two payments as a fraction of a year.
//
// Payment dates follow the payment period:
// - Monthly: payment k falls on the payment day of the month k - 1 months after the first
//   payment's, or on that month's last day where the month is shorter, so a loan paying on the
//   31st pays on 28 (29) February and 31 March again, never drifting. The payment day is the first
//   payment's day; a first payment on the last day of a short month stands for the start's day
//   where that is later (paid out 31 January, first paid 28 February: the last day of every
//   month).
// - Biweekly: every 14 days from the first payment.
// - Semi-monthly: two payments a month, on an early day D (1 to 16) and on D + 15 (or the month's
//   last day where the month is shorter). The first payment's day is one of the two: a day up to
//   the 15th is the early day, a later one the late day (D = day - 15); a late day on a short
//   month's last day stands for the start's day where that is later, as for monthly payments.
// Without a first payment the first falls one payment period after the start: a month later by
// the month rule, 14 days later, or half a month later (the start's day + 15 in the same month,
// clamped, for a start up to the 15th; the start's day - 15 of the next month after that).
// Dates run from 1 January of the year 1 to 31 December 9999.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace selvane {

struct CivilDate {
    int year = 1970, month = 1, day = 1;
    auto operator<=>(const CivilDate&) const = default;
};
inline constexpr CivilDate kFirstDate{1, 1, 1}, kLastDate{9999, 12, 31};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
// Days since 1 January 1970 (negative before), and back.
std::int64_t dayNumber(CivilDate d);
CivilDate dateOfDay(std::int64_t day);
// The date `months` months after d, on d's day or the month's last day where it is shorter.
CivilDate addMonths(CivilDate d, std::int64_t months);

// YYYY-MM-DD, a real day from the year 1 to 9999; anything else is nullopt.
std::optional<CivilDate> readIsoDate(std::string_view text);
std::string isoDateText(CivilDate d);

enum class PaymentPeriod { Biweekly, SemiMonthly, Monthly };
// The payment period a PaymentsPerMonth factor stands for: 2 is semi-monthly, more biweekly.
PaymentPeriod paymentPeriodOf(double paymentsPerMonth);

class PaymentDates {
  public:
    // first: the first payment's date, nullopt for one payment period after the start.
    PaymentDates(CivilDate start, std::optional<CivilDate> first, PaymentPeriod period);
    static CivilDate defaultFirst(CivilDate start, PaymentPeriod period);

    CivilDate start() const { return m_start; }
    CivilDate first() const { return m_first; }
    PaymentPeriod period() const { return m_period; }
    bool operator==(const PaymentDates&) const = default;
    // The date of payment k (k = 0: the start), or nullopt past 31 December 9999.
    std::optional<CivilDate> date(std::int64_t k) const;
    // How many payments fall on or before d (0 before the first).
    std::int64_t paymentsBy(CivilDate d) const;

  private:
    CivilDate m_start, m_first;
    PaymentPeriod m_period;
    int m_day = 1;               // monthly: the payment day; semi-monthly: the early day
    std::int64_t m_firstDay = 0; // the first payment's day number
    // semi-monthly: the first payment is the month's second (late) one
    bool m_late = false;
};

// The lender's day count. Periodic is the calculator's own equal periods (dates only label the
// rows); the others count the days between two dates as a fraction of a year:
// 30/360 (ISDA bond basis), actual/365 (fixed), actual/360, and actual/actual (ISDA: the days in
// a leap year over 366, the others over 365).
enum class DayCount { Periodic, Thirty360, Actual365, Actual360, ActualActual };
std::optional<DayCount> readDayCount(std::string_view word);
const char* dayCountWord(DayCount basis); // "periodic", "30/360", ...

// A year fraction as days over a year's days: numerator / denominator, exactly. For
// actual/actual the denominator is 365 x 366.
struct YearFraction {
    std::int64_t numerator = 0, denominator = 1;
    double value() const {
        return static_cast<double>(numerator) / static_cast<double>(denominator);
    }
};
YearFraction yearFraction(DayCount basis, CivilDate from, CivilDate to); // not Periodic
// The same, given the dates' day numbers too (a schedule has them at hand).
YearFraction yearFraction(DayCount basis, CivilDate from, CivilDate to, std::int64_t fromDay,
                          std::int64_t toDay);

} // namespace selvane
