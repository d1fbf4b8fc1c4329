#include "core/chart_data.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>
#include <thread>

#include "core/number_text.h"
#include "core/user_text.h"
#include "core/yearly_summary.h"

namespace selvane {

MinMaxDecimator::MinMaxDecimator(std::int64_t count, int columns)
    : m_count(std::max<std::int64_t>(count, 0)), m_columns(std::max(columns, 1)) {
    m_nextStart = 1;
}

void MinMaxDecimator::flush() {
    if (!m_any)
        return;
    if (m_min.payment == m_max.payment) {
        m_points.push_back(m_min);
    } else if (m_min.payment < m_max.payment) {
        m_points.push_back(m_min);
        m_points.push_back(m_max);
    } else {
        m_points.push_back(m_max);
        m_points.push_back(m_min);
    }
    m_any = false;
}

void MinMaxDecimator::add(std::int64_t payment, double value) {
    if (payment >= m_nextStart) {
        // Column c holds payments c * count / columns + 1 .. (c + 1) * count / columns.
        flush();
        while (payment >= m_nextStart && m_column <= m_columns) {
            ++m_column;
            // column * count / columns without the product, which could overflow.
            const std::int64_t q = m_count / m_columns, r = m_count % m_columns;
            m_nextStart = m_column * q + m_column * r / m_columns + 1;
        }
    }
    const ChartPoint p{payment, value};
    if (!m_any) {
        m_min = m_max = p;
        m_any = true;
    } else if (value < m_min.value) {
        m_min = p;
    } else if (value > m_max.value) {
        m_max = p;
    }
}

const std::vector<ChartPoint>& MinMaxDecimator::points() {
    flush();
    return m_points;
}

std::vector<double> niceTicks(double low, double high, int count, double minStep) {
    std::vector<double> ticks;
    if (!std::isfinite(low) || !std::isfinite(high))
        return ticks;
    if (low > high)
        std::swap(low, high);
    if (high == low) {
        // A flat line still gets an axis: one unit around it, or up to one from a line at zero
        // (a plan without payments), whose axis then starts at zero like every other.
        if (low != 0)
            low -= 1;
        high += 1;
    }
    count = std::max(count, 2);
    const double raw = (high - low) / (count - 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw) {
            step = m * power;
            break;
        }
    step = std::max(step, minStep);
    if (!std::isfinite(step) || step <= 0)
        return ticks;
    // A value a hair past a tick (a balance that ends at -0.0000001) does not earn a tick of its
    // own.
    const double first = std::floor(low / step + 1e-9), last = std::ceil(high / step - 1e-9);
    for (double i = first; i <= last && ticks.size() < static_cast<size_t>(count) + 2; ++i)
        ticks.push_back(i * step);
    return ticks;
}

std::int64_t yearsPerBar(std::int64_t years, int maxBars) {
    maxBars = std::max(maxBars, 1);
    std::int64_t step = 1;
    for (int i = 0;; ++i) {
        if ((years + step - 1) / step <= maxBars)
            return step;
        step = (i % 3 == 1) ? step / 2 * 5 : step * 2; // 1, 2, 5, 10, 20, 50, 100 ...
    }
}

namespace {
// A cumulative figure as the rows show it: rounded to the cent.
double shown(double v) {
    return Money::ofFigure(v).value();
}
} // namespace

namespace {

// The three lines' points over payments first .. last, which start and end on column boundaries,
// so a walk cut in two at a boundary gives the points of one walk over the whole.
struct LinePoints {
    std::vector<ChartPoint> balance, principal, interest;
};

LinePoints walkLines(const DetailsReport& report, std::int64_t first, std::int64_t last,
                     int columns) {
    const std::int64_t rows = report.rowCount();
    MinMaxDecimator balance(rows, columns), principal(rows, columns), interest(rows, columns);
    report.forEachRow(first, last, [&](std::int64_t k, const DetailsReport::Row& row) {
        balance.add(k, row.balance);
        principal.add(k, row.principal);
        interest.add(k, row.interest);
    });
    return {balance.points(), principal.points(), interest.points()};
}

void append(std::vector<ChartPoint>& to, const std::vector<ChartPoint>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

// Below this many rows a second thread costs more than it saves.
constexpr std::int64_t kRowsForTwoThreads = 1 << 16;

} // namespace

namespace {

// The payment axis's years: at the first payment of every year whose number is a multiple of
// the step, the step as small as leaves a label room (about 48 pixels) in `columns`.
std::vector<std::pair<double, std::string>> dateTicks(const YearlySummary& years, int columns) {
    const std::int64_t count = years.yearCount();
    const std::int64_t room = std::max<std::int64_t>(columns / 48, 1);
    std::int64_t step = 1;
    for (int i = 0; count / step > room; ++i)
        step = (i % 3 == 1) ? step / 2 * 5 : step * 2; // 1, 2, 5, 10, 20, 50 ...
    std::vector<std::pair<double, std::string>> ticks;
    for (std::int64_t y = 1; y <= count; ++y)
        if (years.label(y) % step == 0)
            ticks.emplace_back(static_cast<double>(years.lastPaymentOf(y - 1) + 1),
                               std::to_string(years.label(y)));
    return ticks;
}

} // namespace

ChartData chartData(const DetailsReport& report, bool investment, std::int64_t perYear, int columns,
                    int maxBars, const std::optional<PaymentDates>& dates) {
    ChartData d;
    d.investment = investment;
    d.rows = report.rowCount();
    d.paymentsPerYear = std::max<std::int64_t>(perYear, 1);
    // The years of the yearly summary: of the plan, or calendar years where the rows have dates.
    const YearlySummary summary(report, d.paymentsPerYear, dates);
    const std::int64_t years = summary.yearCount();
    d.yearsPerBar = yearsPerBar(years, maxBars);
    if (summary.calendarYears())
        d.dateTicks = dateTicks(summary, columns);

    // The bars need only the rows that end a run of years: each is a short replay from the
    // report's nearest checkpoint.
    double principalBefore = 0, interestBefore = 0;
    for (std::int64_t bar = 0; bar * d.yearsPerBar < years; ++bar) {
        const std::int64_t lastYear = std::min((bar + 1) * d.yearsPerBar, years);
        const DetailsReport::Row row = report.rowValues(summary.lastPaymentOf(lastYear));
        const double p = shown(row.principal), i = shown(row.interest);
        ChartBar b;
        b.firstYear = summary.label(bar * d.yearsPerBar + 1);
        b.lastYear = summary.label(lastYear);
        b.principal = p - principalBefore;
        b.interest = i - interestBefore;
        d.bars.push_back(b);
        principalBefore = p;
        interestBefore = i;
    }

    // The lines walk every row; a long report is walked in two halves at once, cut where a
    // column begins, the second half starting from the report's checkpoint there. (On one core
    // the two halves take turns, at no cost worth a second path.)
    columns = std::max(columns, 1);
    if (d.rows < kRowsForTwoThreads || columns < 2) {
        LinePoints all = walkLines(report, 1, d.rows, columns);
        d.balance = std::move(all.balance);
        d.principal = std::move(all.principal);
        d.interest = std::move(all.interest);
        return d;
    }
    const std::int64_t half = columns / 2;
    const std::int64_t q = d.rows / columns, r = d.rows % columns;
    const std::int64_t cut = half * q + half * r / columns + 1; // the first payment of column half
    LinePoints second;
    std::thread other;
    try {
        other = std::thread([&] { second = walkLines(report, cut, d.rows, columns); });
    } catch (const std::system_error&) {
        // No thread to be had (a process at its limit): the second half on this one.
        second = walkLines(report, cut, d.rows, columns);
    }
    LinePoints first = walkLines(report, 1, cut - 1, columns);
    if (other.joinable())
        other.join();
    d.balance = std::move(first.balance);
    d.principal = std::move(first.principal);
    d.interest = std::move(first.interest);
    append(d.balance, second.balance);
    append(d.principal, second.principal);
    append(d.interest, second.interest);
    return d;
}

std::vector<ChartPoint> balancePoints(const Plan& plan, const ScheduleEvents& events,
                                      std::int64_t rows, int columns) {
    MinMaxDecimator balance(rows, columns);
    walkSchedule(plan, events, [&](std::int64_t k, double balanceAfter) {
        if (k <= rows)
            balance.add(k, balanceAfter);
    });
    return balance.points();
}

std::vector<ChartPoint> extrasBalancePoints(const Plan& plan, const Extras& x, std::int64_t rows,
                                            int columns, const RateChange* change) {
    return balancePoints(plan, eventsOf(x, change), rows, columns);
}

ChartData ChartSource::data(int columns) const {
    if (report == nullptr)
        return {};
    ChartData d = chartData(*report, investment, paymentsPerYear, columns, kMaxChartBars, dates);
    if (timeline && !investment && d.rows > 0) {
        // The source has a timeline only where its schedule ends.
        d.dashedRows = std::max(d.rows, schedule(plan, *timeline).payments);
        d.balanceWithExtras = balancePoints(plan, *timeline, d.dashedRows, std::max(columns, 1));
        d.dashedCaption = kBalanceWithTimelineCaption;
        return d;
    }
    if ((extras || change) && !investment && d.rows > 0) {
        const Extras x = extras.value_or(Extras{});
        const RateChange* c = change ? &*change : nullptr;
        d.dashedRows = d.rows;
        if (c) {
            // A kept payment that never pays the balance off has no line to draw.
            const ScheduleTotals t = schedule(plan, x, c);
            if (t.endless)
                c = nullptr;
            else
                d.dashedRows = std::max(d.rows, t.payments);
        }
        if (!c && !extras)
            return d;
        d.balanceWithExtras = extrasBalancePoints(plan, x, d.dashedRows, std::max(columns, 1), c);
        d.dashedCaption = !c       ? kBalanceWithExtrasCaption
                          : extras ? kBalanceWithBothCaption
                                   : kBalanceWithChangeCaption;
    }
    return d;
}

ChartCaptions chartCaptions(bool investment) {
    if (investment)
        return {UI_TEXT("selvane::FinCalc", "Balance"),
                UI_TEXT("selvane::FinCalc", "Deposits to date"),
                UI_TEXT("selvane::FinCalc", "Interest earned to date"),
                UI_TEXT("selvane::FinCalc", "Deposits"),
                UI_TEXT("selvane::FinCalc", "Interest earned")};
    return {UI_TEXT("selvane::FinCalc", "Balance"),
            UI_TEXT("selvane::FinCalc", "Principal paid to date"),
            UI_TEXT("selvane::FinCalc", "Interest paid to date"),
            UI_TEXT("selvane::FinCalc", "Principal paid"),
            UI_TEXT("selvane::FinCalc", "Interest paid")};
}

std::string chartPointText(const ChartSource& source, std::int64_t payment, const Translate& say) {
    if (source.report == nullptr || payment < 1 || payment > source.report->rowCount())
        return {};
    const DetailsReport::Row row = source.report->rowValues(payment);
    const ChartCaptions c = chartCaptions(source.investment);
    const CurrencyFormat& cur = source.currency;
    return fillIn(say(UI_TEXT("selvane::FinCalc", "Payment %1")), {std::to_string(payment)}) +
           "\n" + say(c.balance) + ": " + cur.amount(row.balance) + "\n" + say(c.principal) + ": " +
           cur.amount(row.principal) + "\n" + say(c.interest) + ": " + cur.amount(row.interest);
}

} // namespace selvane
