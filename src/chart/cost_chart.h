#pragma once
// The cost of each offer over time drawn with Qt Charts, for Compare Offers: a step line an offer
// of what it has cost by then, over the years, each in a colour of its own.

#include <QChartView>
#include <string>

#include "core/cost_lines.h"
#include "core/currency.h"

class QCategoryAxis;
class QValueAxis;

namespace selvane {

class CostChart : public QChartView {
    Q_OBJECT

  public:
    explicit CostChart(QWidget* parent = nullptr);
    // Draws the lines, unless they are the ones drawn already.
    void draw(const CostChartData& figures, const CurrencyFormat& currency);
    const CostChartData& drawn() const { return m_drawn; }

  private:
    QValueAxis* m_years;
    QCategoryAxis* m_cost;
    CostChartData m_drawn;
    std::string m_currencySample; // the currency the money axis was labelled in
    bool m_shown = false;
};

} // namespace selvane
