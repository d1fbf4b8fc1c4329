#pragma once
// The money chart drawn with Qt Charts: the balance and the cumulative principal (deposits) and
// interest as lines over the payments, and below them a pair of bars a year. The window shows
// the two charts live; the same charts are drawn into a PNG or SVG file.

#include <QChart>
#include <QObject>
#include <QSize>
#include <functional>
#include <string>

#include "core/chart_data.h"
#include "core/file_io.h"

class QGraphicsScene;
class QLineSeries;

namespace selvane {

class MoneyCharts : public QObject {
    Q_OBJECT
  public:
    MoneyCharts();
    ~MoneyCharts() override;

    // Replaces every series with the source's figures for a plot `columns` pixels wide.
    void update(const ChartSource& source, int columns);

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
};

// Writes the charts of a source to path, PNG or SVG by its ending (any case), through the safe
// file replacement; fails for another ending or a failed write. Needs a QApplication.
WriteOutcome writeChartImage(const ChartSource& source, const std::string& path, QSize size);

} // namespace selvane
