#include "chart/cost_chart.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <vector>

#include "chart/chart_axes.h"
#include "core/chart_data.h"

namespace selvane {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Colours that people with the common kinds of colour blindness tell apart, the money chart's
// first; past them the lines repeat the colours dashed.
const QColor kLineColours[] = {QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00),
                               QColor(0x00, 0x9E, 0x73), QColor(0xCC, 0x79, 0xA7),
                               QColor(0xE6, 0x9F, 0x00), QColor(0x56, 0xB4, 0xE9),
                               QColor(0x33, 0x33, 0x33)};
constexpr std::size_t kColours = std::size(kLineColours);

} // namespace

CostChart::CostChart(QWidget* parent) : QChartView(new QChart, parent) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 200);
    QChart* c = chart();
    c->legend()->setAlignment(Qt::AlignBottom);
    c->setMargins(QMargins(4, 4, 4, 4));
    // Years with a decimal part are written as the user's locale writes them.
    c->setLocalizeNumbers(true);
    m_years = new QValueAxis;
    m_years->setObjectName(QStringLiteral("yearsAxis"));
    m_years->setTickType(QValueAxis::TicksDynamic);
    m_years->setTickAnchor(0);
    m_years->setTickInterval(1);
    c->addAxis(m_years, Qt::AlignBottom);
    m_cost = categoryAxis();
    m_cost->setObjectName(QStringLiteral("costAxis"));
    c->addAxis(m_cost, Qt::AlignLeft);
    draw({}, CurrencyFormat());
}

void CostChart::draw(const CostChartData& figures, const CurrencyFormat& currency) {
    // The money axis is labelled anew where the currency's way of writing amounts changed.
    const std::string sample = currency.whole(1000);
    if (m_shown && figures == m_drawn && sample == m_currencySample)
        return;
    m_shown = true;
    m_drawn = figures;
    m_currencySample = sample;
    QChart* c = chart();
    // A few offers: their lines are made anew rather than matched to the ones drawn.
    c->removeAllSeries();
    double lastYear = 0, low = 0, high = 0;
    for (std::size_t i = 0; i < figures.lines.size(); ++i) {
        const CostChartLine& line = figures.lines[i];
        auto* series = new QLineSeries;
        series->setName(qs(line.name));
        QPen pen(kLineColours[i % kColours]);
        pen.setWidthF(2);
        if (i >= kColours)
            pen.setStyle(Qt::DashLine);
        series->setPen(pen);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.points.size()));
        for (const auto& [years, cost] : line.points) {
            points.append(QPointF(years, cost));
            lastYear = std::max(lastYear, years);
            low = std::min(low, cost);
            high = std::max(high, cost);
        }
        series->replace(points);
        c->addSeries(series);
        series->attachAxis(m_years);
        series->attachAxis(m_cost);
    }

    // Whole years where the offers run for a few years or more, else halves and tenths.
    const std::vector<double> ticks = niceTicks(0, std::max(lastYear, 1.0), 10, lastYear >= 4);
    const double interval = ticks.size() >= 2 ? ticks[1] - ticks[0] : 1;
    const double end = ticks.empty() ? 1 : ticks.back();
    // The axis makes an item a tick as soon as its range or interval changes: the coarser
    // interval goes in before the wider range.
    if (interval >= m_years->tickInterval()) {
        m_years->setTickInterval(interval);
        m_years->setRange(0, end);
    } else {
        m_years->setRange(0, end);
        m_years->setTickInterval(interval);
    }
    m_years->setLabelFormat(interval >= 1     ? QStringLiteral("%.0f")
                            : interval >= 0.1 ? QStringLiteral("%.1f")
                                              : QStringLiteral("%.2f"));
    setMoneyTicks(m_cost, low, high, currency);
    if (m_years->titleText() != qs(figures.yearsTitle))
        m_years->setTitleText(qs(figures.yearsTitle));
    if (m_cost->titleText() != qs(figures.costTitle))
        m_cost->setTitleText(qs(figures.costTitle));
}

} // namespace selvane
