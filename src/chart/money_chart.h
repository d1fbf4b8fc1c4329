#pragma once
// The money chart drawn with Qt Charts: the balance and the cumulative principal (deposits) and
// interest as lines over the payments, and below them a pair of bars a year. The window shows
// the two charts live; the same charts are drawn into a PNG or SVG file.

#include <QChart>
#include <QObject>
#include <QSize>
#include <array>
#include <functional>
#include <string>

#include "core/chart_data.h"
#include "core/file_io.h"

class QGraphicsScene;
class QBarSet;
class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace selvane {

class MoneyCharts : public QObject {
    Q_OBJECT
  public:
    MoneyCharts();
    ~MoneyCharts() override;

    // Gives every series the source's figures for a plot `columns` pixels wide.
    void update(const ChartSource& source, int columns);
    // The same with the figures worked out beforehand (by source.data(columns), which may run
    // on another thread).
    void show(ChartData data, const CurrencyFormat& currency, int columns);

    QChart* lines() const { return m_lines; }
    QChart* bars() const { return m_bars; }
    const ChartData& data() const { return m_data; }

  signals:
    // The pointer is over (state true) or has left a line's point of payment `payment`.
    void hovered(qint64 payment, bool state);

  private:
    QChart* m_lines;
    QChart* m_bars;
    ChartData m_data;
    QValueAxis* m_xAxis;
    // Where the payments have dates, the payment axis in years instead: over the same range,
    // shown in its place.
    QCategoryAxis* m_dateAxis;
    QCategoryAxis* m_yAxis;
    std::array<QLineSeries*, 4> m_lineSeries{}; // balance, principal, interest, with extras
    bool m_extrasShown = false;
    QBarSet* m_principalBars;
    QBarSet* m_interestBars;
    QCategoryAxis* m_yearAxis;
    QCategoryAxis* m_barAxis;
};

// Writes the charts of a source to path, PNG or SVG by its ending (any case), through the safe
// file replacement; fails for another ending or a failed write. Needs a QApplication.
WriteOutcome writeChartImage(const ChartSource& source, const std::string& path, QSize size);

} // namespace selvane
