#include "chart/money_chart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/file_io.h"

namespace selvane {

namespace {

// One colour a quantity, the same in both charts, from a palette that people with the common
// kinds of colour blindness tell apart (blue and vermilion differ in lightness as well as hue).
const QColor kBalanceColour(0x33, 0x33, 0x33);
const QColor kPrincipalColour(0x00, 0x72, 0xB2);
const QColor kInterestColour(0xD5, 0x5E, 0x00);
// The balance with extra payments: bluish green of the same palette, dashed, so it reads apart
// from the plan's balance where the two lines run together.
const QColor kExtrasColour(0x00, 0x9E, 0x73);

// A money axis whose ticks are round amounts written in the locale's currency.
QCategoryAxis* moneyAxis(double low, double high, const CurrencyFormat& currency) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const std::vector<double> ticks = niceTicks(std::min(low, 0.0), std::max(high, 0.0), 6, 1);
    for (double t : ticks)
        axis->append(QString::fromStdString(currency.whole(t)), t);
    if (!ticks.empty())
        axis->setRange(ticks.front(), ticks.back());
    return axis;
}

// The bars' axis: bar i stands at i. A label would be cut to "..." where bars are narrower
// than it, so only every first, second, fifth, tenth ... bar is labelled, as many as fit in a
// plot `columns` pixels wide.
QCategoryAxis* yearAxis(const QStringList& labels, int columns) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setGridLineVisible(false);
    const auto bars = std::max<qsizetype>(labels.size(), 1);
    axis->setStartValue(-0.5);
    axis->setRange(-0.5, static_cast<double>(bars) - 0.5);
    const QFontMetrics metrics(axis->labelsFont());
    int widest = 0;
    for (const QString& label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const double room = widest + metrics.horizontalAdvance(QLatin1Char('M'));
    const double perBar = static_cast<double>(std::max(columns, 1)) / static_cast<double>(bars);
    qsizetype every = 1;
    for (qsizetype step : {1, 2, 5, 10, 20, 50, 100}) {
        every = step;
        if (perBar * static_cast<double>(step) >= room)
            break;
    }
    // Years 2, 4, 6 ... or 5, 10, 15 ...: the round ones.
    for (qsizetype i = every - 1; i < labels.size(); i += every)
        axis->append(labels[i], static_cast<double>(i));
    // A plan without payments has no year; a blank one keeps the axis and its title in place.
    if (labels.isEmpty())
        axis->append(QStringLiteral(" "), 0);
    return axis;
}

QList<QPointF> pointsOf(const std::vector<ChartPoint>& points) {
    QList<QPointF> out;
    out.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& p : points)
        out.append(QPointF(static_cast<double>(p.payment), p.value));
    return out;
}

void extent(const std::vector<ChartPoint>& points, double& low, double& high) {
    for (const ChartPoint& p : points) {
        low = std::min(low, p.value);
        high = std::max(high, p.value);
    }
}

QString barLabel(const ChartBar& b) {
    if (b.firstYear == b.lastYear)
        return QString::number(b.firstYear);
    return QStringLiteral("%1-%2").arg(b.firstYear).arg(b.lastYear);
}

void clearChart(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

} // namespace

MoneyCharts::MoneyCharts() : m_lines(new QChart), m_bars(new QChart) {
    for (QChart* c : {m_lines, m_bars}) {
        c->legend()->setAlignment(Qt::AlignBottom);
        c->setMargins(QMargins(4, 4, 4, 4));
    }
}

MoneyCharts::~MoneyCharts() {
    // A chart placed in a view or scene belongs to it; the others are ours.
    if (m_lines->scene() == nullptr)
        delete m_lines;
    if (m_bars->scene() == nullptr)
        delete m_bars;
}

void MoneyCharts::update(const ChartSource& source, int columns) {
    m_data = source.data(columns);
    const ChartCaptions captions = chartCaptions(m_data.investment);
    const CurrencyFormat& currency = source.currency;

    clearChart(m_lines);
    double low = 0, high = 0;
    auto* xAxis = new QValueAxis;
    xAxis->setTitleText(QStringLiteral("Payment"));
    xAxis->setLabelFormat(QStringLiteral("%.0f"));
    // Ticks on round payment numbers (60, 120, 180 ...), whatever the count of payments; the
    // axis starts at 0, the loan before its first payment.
    const double lastPayment = std::max<double>(2, static_cast<double>(m_data.rows));
    const std::vector<double> xTicks = niceTicks(0, lastPayment, 10, 1);
    xAxis->setRange(0, lastPayment);
    xAxis->setTickType(QValueAxis::TicksDynamic);
    xAxis->setTickAnchor(0);
    // Payments are whole: a short plan's ticks are one payment apart, never half a payment
    // (which would label 0 1 1 2 2).
    xAxis->setTickInterval(xTicks.size() >= 2 ? xTicks[1] - xTicks[0] : lastPayment);
    m_lines->addAxis(xAxis, Qt::AlignBottom);
    const std::vector<ChartPoint>* series[] = {&m_data.balance, &m_data.principal,
                                               &m_data.interest};
    const char* names[] = {captions.balance, captions.principal, captions.interest};
    const QColor colours[] = {kBalanceColour, kPrincipalColour, kInterestColour};
    QList<QLineSeries*> lines;
    for (int i = 0; i < 3; ++i) {
        auto* line = new QLineSeries;
        line->setName(QString::fromUtf8(names[i]));
        QPen pen(colours[i]);
        pen.setWidthF(2);
        line->setPen(pen);
        line->replace(pointsOf(*series[i]));
        // A plan of one payment has one point a line: it is drawn as a dot.
        line->setPointsVisible(series[i]->size() == 1);
        extent(*series[i], low, high);
        m_lines->addSeries(line);
        line->attachAxis(xAxis);
        connect(line, &QLineSeries::hovered, this, [this](const QPointF& p, bool state) {
            emit hovered(static_cast<qint64>(std::llround(p.x())), state);
        });
        lines.append(line);
    }
    if (!m_data.balanceWithExtras.empty()) {
        auto* line = new QLineSeries;
        line->setObjectName(QStringLiteral("balanceWithExtras"));
        line->setName(QString::fromUtf8(kBalanceWithExtrasCaption));
        QPen pen(kExtrasColour);
        pen.setWidthF(2);
        pen.setStyle(Qt::DashLine);
        line->setPen(pen);
        line->replace(pointsOf(m_data.balanceWithExtras));
        extent(m_data.balanceWithExtras, low, high);
        m_lines->addSeries(line);
        line->attachAxis(xAxis);
        lines.append(line);
    }
    QCategoryAxis* yAxis = moneyAxis(low, high, currency);
    m_lines->addAxis(yAxis, Qt::AlignLeft);
    for (QLineSeries* line : lines)
        line->attachAxis(yAxis);

    clearChart(m_bars);
    auto* principal = new QBarSet(QString::fromUtf8(captions.principalBar));
    auto* interest = new QBarSet(QString::fromUtf8(captions.interestBar));
    principal->setColor(kPrincipalColour);
    principal->setBorderColor(kPrincipalColour);
    interest->setColor(kInterestColour);
    interest->setBorderColor(kInterestColour);
    QStringList labels;
    double barLow = 0, barHigh = 0;
    for (const ChartBar& b : m_data.bars) {
        principal->append(b.principal);
        interest->append(b.interest);
        labels.append(barLabel(b));
        barLow = std::min({barLow, b.principal, b.interest});
        barHigh = std::max({barHigh, b.principal, b.interest});
    }
    auto* bars = new QBarSeries;
    bars->append(principal);
    bars->append(interest);
    m_bars->addSeries(bars);
    QCategoryAxis* years = yearAxis(labels, columns);
    years->setTitleText(m_data.yearsPerBar == 1
                            ? QStringLiteral("Year")
                            : QStringLiteral("Years, %1 a bar").arg(m_data.yearsPerBar));
    m_bars->addAxis(years, Qt::AlignBottom);
    bars->attachAxis(years);
    QCategoryAxis* barAxis = moneyAxis(barLow, barHigh, currency);
    m_bars->addAxis(barAxis, Qt::AlignLeft);
    bars->attachAxis(barAxis);
}

namespace {

// The lines take the upper three fifths, the bars the rest.
void paintCharts(MoneyCharts& charts, QPainter& painter, QSize size) {
    QGraphicsScene scene;
    const qreal split = size.height() * 0.6;
    scene.addItem(charts.lines());
    scene.addItem(charts.bars());
    charts.lines()->setGeometry(QRectF(0, 0, size.width(), split));
    charts.bars()->setGeometry(QRectF(0, split, size.width(), size.height() - split));
    scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(size)));
    scene.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), scene.sceneRect());
    // Give the charts back before the scene goes, so they are deleted once, by MoneyCharts.
    scene.removeItem(charts.lines());
    scene.removeItem(charts.bars());
}

} // namespace

WriteOutcome writeChartImage(const ChartSource& source, const std::string& path, QSize size) {
    const std::string ending = fileEnding(path);
    if (ending != "png" && ending != "svg")
        return {path, false, "a chart is written as .png or .svg"};
    MoneyCharts charts;
    charts.update(source, size.width());
    QByteArray bytes;
    if (ending == "png") {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            paintCharts(charts, painter, size);
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return {path, false, "the image could not be encoded"};
    } else {
        QBuffer buffer(&bytes);
        QSvgGenerator svg;
        // The image's resolution (96 dots an inch, QImage's own), so that letters sized in
        // points come out as large as in the PNG rather than at 72 dots an inch.
        svg.setResolution(QImage(1, 1, QImage::Format_ARGB32).logicalDpiX());
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Selvane chart"));
        QPainter painter(&svg);
        paintCharts(charts, painter, size);
    }
    return replaceFileWith(path, [&bytes](const WritePiece& write) {
        return write(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    });
}

} // namespace selvane
