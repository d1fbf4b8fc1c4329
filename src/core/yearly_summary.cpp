#include "core/yearly_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "core/number_text.h"
#include "core/user_text.h"

namespace selvane {

std::int64_t paymentsPerYear(double paymentsPerMonth) {
    const double n = std::round(12.0 * paymentsPerMonth);
    if (!(n >= 1.0))
        return 1;
    // A year of more payments than the longest report has rows is one partial year.
    return static_cast<std::int64_t>(std::min(n, static_cast<double>(kMaxPasses)));
}

YearlySummary::YearlySummary(const DetailsReport& report, std::int64_t perYear,
                             std::optional<PaymentDates> dates)
    : m_report(&report), m_perYear(std::max<std::int64_t>(perYear, 1)) {
    // Dates that end before the report does cannot name its years: the years are the plan's.
    if (dates && dates->date(std::max<std::int64_t>(report.rowCount(), 1))) {
        m_dates = dates;
        m_firstYear = dates->date(1)->year;
    }
}

std::int64_t YearlySummary::yearCount() const {
    const std::int64_t rows = m_report->rowCount();
    if (m_dates && rows > 0)
        return m_dates->date(rows)->year - m_firstYear + 1;
    return (rows + m_perYear - 1) / m_perYear;
}

std::int64_t YearlySummary::lastPaymentOf(std::int64_t y) const {
    if (y <= 0)
        return 0;
    const std::int64_t rows = m_report->rowCount();
    if (!m_dates)
        return std::min(y * m_perYear, rows);
    const std::int64_t year = m_firstYear + y - 1;
    if (year > kLastDate.year)
        return rows;
    return std::min(m_dates->paymentsBy({static_cast<int>(year), 12, 31}), rows);
}

YearRow YearlySummary::year(std::int64_t y) const {
    YearRow out;
    if (y < 1 || y > yearCount())
        return out;
    out.year = label(y);
    const std::int64_t before = lastPaymentOf(y - 1); // payments of the years before
    const std::int64_t last = lastPaymentOf(y);
    out.payments = last - before;
    const DetailsReport::Row end = m_report->rowValues(last);
    Money principalBefore, interestBefore;
    if (before > 0) {
        const DetailsReport::Row previous = m_report->rowValues(before);
        principalBefore = Money::ofFigure(previous.principal);
        interestBefore = Money::ofFigure(previous.interest);
    }
    out.principal = Money::ofFigure(end.principal) - principalBefore;
    out.interest = Money::ofFigure(end.interest) - interestBefore;
    out.balance = Money::ofFigure(end.balance);
    return out;
}

YearRow YearlySummary::total() const {
    YearRow out;
    const std::int64_t rows = m_report->rowCount();
    out.payments = rows;
    if (rows == 0)
        return out;
    const DetailsReport::Row end = m_report->rowValues(rows);
    // The years telescope: their sums are the last row's cumulative figures, exactly.
    out.principal = Money::ofFigure(end.principal);
    out.interest = Money::ofFigure(end.interest);
    out.balance = Money::ofFigure(end.balance);
    return out;
}

std::array<std::string, 5> yearRowTexts(const YearRow& y, const CurrencyFormat& currency) {
    // Each figure is shown as the double nearest to it.
    const auto money = [&](const Money& m) { return currency(m.value()); };
    return {y.year == 0 ? std::string(UI_TEXT("selvane::FinCalc", "Total"))
                        : std::to_string(y.year),
            currency.count(y.payments), money(y.principal), money(y.interest), money(y.balance)};
}

} // namespace selvane
