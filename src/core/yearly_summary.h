#pragma once
// The details report year by year: what a household budgets in. A year is twelve months of
// payments, the last year may be partial; or, where the payments have dates, a calendar year,
// the first and last partial, so that a tax year's interest reads off one row. Every figure is a
// difference of two of the report's rows as they are shown, rounded to cents, and computed exactly
// in decimal, so the years add up to the report's last row to the cent.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar.h"
#include "core/currency.h"
#include "core/details_text.h"
#include "core/money.h"

namespace selvane {

// Payments in twelve months: 12 x payments per month to the nearest whole payment (52 weekly,
// 26 every two weeks, 24 twice a month, 12 monthly, 1 yearly), at least one.
std::int64_t paymentsPerYear(double paymentsPerMonth);

struct YearRow {
    std::int64_t year = 0; // from 1, or the calendar year; 0 on the total row
    std::int64_t payments = 0;
    // Principal paid (an investment: deposits) and interest in the year, and the balance after
    // the year's last payment.
    Money principal, interest, balance;
};

// The texts of a year's row as a table shows them: year ("Total" on the total row), payments,
// principal, interest and balance in the locale's currency.
std::array<std::string, 5> yearRowTexts(const YearRow& y, const CurrencyFormat& currency);

// A view over a report: it holds nothing but the report's address, and works out a year when
// asked (two short replays of the recurrence), so a view of ten million rows costs no more than
// the years someone looks at. The report must outlive the view.
class YearlySummary {
  public:
    // With dates (where they reach the report's last row) the years are calendar years.
    YearlySummary(const DetailsReport& report, std::int64_t paymentsPerYear,
                  std::optional<PaymentDates> dates = std::nullopt);

    std::int64_t paymentsPerYear() const { return m_perYear; }
    std::int64_t yearCount() const;
    YearRow year(std::int64_t y) const; // y = 1 .. yearCount(), the first year's row first
    bool calendarYears() const { return m_dates.has_value(); }
    // The payments' dates where the years are calendar years (they reach the last row).
    const std::optional<PaymentDates>& dates() const { return m_dates; }
    // Year y's label (its calendar year, or y) and its last payment (0 for y = 0).
    std::int64_t label(std::int64_t y) const { return m_dates ? m_firstYear + y - 1 : y; }
    std::int64_t lastPaymentOf(std::int64_t y) const;
    // The whole plan: every payment, and the sums of the years, which are the last row's
    // cumulative figures.
    YearRow total() const;
    // Calls f(const YearRow&) for every year in order, in one pass over the rows, until an f
    // that returns false does.
    template <class F> void forEachYear(F&& f) const;

  private:
    const DetailsReport* m_report;
    std::int64_t m_perYear;
    std::optional<PaymentDates> m_dates;
    int m_firstYear = 0; // the calendar year of the first payment
};

template <class F> void YearlySummary::forEachYear(F&& f) const {
    Money principal, interest;
    std::int64_t y = 0;
    const std::int64_t rows = m_report->rowCount();
    std::int64_t lastBefore = 0; // the last payment of the year before
    std::int64_t yearEnd = lastPaymentOf(1);
    m_report->forEachRow(1, rows, [&](std::int64_t k, const DetailsReport::Row& row) {
        if (k != yearEnd && k != rows)
            return true;
        ++y;
        YearRow out;
        out.year = label(y);
        out.payments = k - lastBefore;
        lastBefore = k;
        yearEnd = lastPaymentOf(y + 1);
        Money p = Money::ofFigure(row.principal), i = Money::ofFigure(row.interest);
        out.principal = p - principal;
        out.interest = i - interest;
        out.balance = Money::ofFigure(row.balance);
        principal = std::move(p);
        interest = std::move(i);
        return goesOn(f, static_cast<const YearRow&>(out));
    });
}

} // namespace selvane
