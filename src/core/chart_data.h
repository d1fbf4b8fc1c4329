#pragma once
// What the chart draws, taken from the details report's rows: three lines over the payments and
// a pair of bars a year. A line is cut down to at most two points a pixel column, the lowest and
// the highest of the rows that fall in it, so a chart of ten million payments hands the drawing
// a few thousand points and looks the same as one of every payment would.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/currency.h"
#include "core/details_text.h"
#include "core/extra_payments.h"
#include "core/user_text.h"

namespace selvane {

struct ChartPoint {
    std::int64_t payment = 0; // the report row the point is
    double value = 0;
};

// Reduces a series of `count` values, given one at a time in order (payments 1 .. count), to the
// lowest and highest value of each of `columns` equal runs of payments, in payment order. A tie
// keeps the first; a run whose lowest and highest are one payment gives one point.
class MinMaxDecimator {
  public:
    MinMaxDecimator(std::int64_t count, int columns);
    void add(std::int64_t payment, double value);
    const std::vector<ChartPoint>& points(); // flushes the last column
    int columns() const { return m_columns; }

  private:
    void flush();
    std::int64_t m_count;
    int m_columns;
    int m_column = 0;
    std::int64_t m_nextStart = 0; // first payment of the next column
    bool m_any = false;
    ChartPoint m_min, m_max;
    std::vector<ChartPoint> m_points;
};

// One bar pair: principal paid (an investment: deposits) and interest over a run of years.
struct ChartBar {
    std::int64_t firstYear = 0, lastYear = 0;
    double principal = 0, interest = 0;
};

struct ChartData {
    bool investment = false;
    std::int64_t rows = 0, paymentsPerYear = 12;
    std::int64_t yearsPerBar = 1; // more years than bars fit are drawn in runs of 2, 5, 10 ...
    // Balance after each payment; cumulative principal (deposits) and interest, as the rows
    // show them.
    std::vector<ChartPoint> balance, principal, interest;
    std::vector<ChartBar> bars;
    // The balance with extra payments or a rate change, over the same columns as balance; empty
    // without either. A change that lengthens the plan draws it to its last payment,
    // `dashedRows`, and the payment axis reaches that far.
    std::vector<ChartPoint> balanceWithExtras;
    std::int64_t dashedRows = 0;
    const char* dashedCaption = "";
    // Where the payments have dates: the bars are calendar years (firstYear and lastYear name
    // them), and the payment axis is labelled with years at their first payments, every 1, 2, 5,
    // 10 ... years as the plot has room for. Empty without dates.
    std::vector<std::pair<double, std::string>> dateTicks;
};

inline constexpr int kMaxChartBars = 60;

// The chart of a report for a plot `columns` pixels wide, in one walk over its rows.
ChartData chartData(const DetailsReport& report, bool investment, std::int64_t paymentsPerYear,
                    int columns, int maxBars = kMaxChartBars,
                    const std::optional<PaymentDates>& dates = std::nullopt);

// The balance after each payment of the schedule with extras (and a rate change, if any), cut
// down to the pixel columns of a plan of `rows` payments, so that it lies over the plan's balance
// payment for payment. The line ends at the payment that reaches the end amount; payments past
// `rows` are left out.
std::vector<ChartPoint> extrasBalancePoints(const Plan& plan, const Extras& x, std::int64_t rows,
                                            int columns, const RateChange* change = nullptr);
std::vector<ChartPoint> balancePoints(const Plan& plan, const ScheduleEvents& events,
                                      std::int64_t rows, int columns);

// Round tick values (1, 2 or 5 times a power of ten apart) covering [low, high], at most about
// `count` of them; the first is at or below low and the last at or above high.
// Ticks are at least minStep apart: 1 where labels are whole payments or whole currency units, so
// that no two ticks carry the same label.
std::vector<double> niceTicks(double low, double high, int count, double minStep = 0);

// Years a bar: 1, 2, 5, 10, 20, 50 ... the first that needs at most maxBars bars.
std::int64_t yearsPerBar(std::int64_t years, int maxBars);

// Everything a chart is drawn from: the report it shows, how to read it, and the currency its
// amounts are written in. The report must outlive the source.
struct ChartSource {
    const DetailsReport* report = nullptr;
    bool investment = false;
    std::int64_t paymentsPerYear = 12;
    CurrencyFormat currency;
    // Extra payments and a rate change to draw over the balance, and the plan they are paid on;
    // with neither, the chart shows the plan alone.
    std::optional<Extras> extras = std::nullopt;
    std::optional<RateChange> change = std::nullopt;
    // Or a timeline of events, drawn instead of both.
    std::optional<ScheduleEvents> timeline = std::nullopt;
    Plan plan = {};
    std::optional<PaymentDates> dates = std::nullopt; // the report's rows'
    ChartData data(int columns) const;
};

// What hovering over payment k shows: its number and the row's figures in currency, its words
// in the user's language.
std::string chartPointText(const ChartSource& source, std::int64_t payment,
                           const Translate& say = asWritten);

// Legend texts of the lines and bars.
struct ChartCaptions {
    const char *balance, *principal, *interest, *principalBar, *interestBar;
};
ChartCaptions chartCaptions(bool investment);
inline constexpr const char* kBalanceWithExtrasCaption =
    UI_TEXT("selvane::FinCalc", "Balance with extras");
inline constexpr const char* kBalanceWithChangeCaption =
    UI_TEXT("selvane::FinCalc", "Balance with the rate change");
inline constexpr const char* kBalanceWithBothCaption =
    UI_TEXT("selvane::FinCalc", "Balance with extras and the rate change");
inline constexpr const char* kBalanceWithTimelineCaption =
    UI_TEXT("selvane::FinCalc", "Balance with the timeline");

} // namespace selvane
