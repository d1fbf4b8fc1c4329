#include "chart/money_chart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QCoreApplication>
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

#include "chart/chart_axes.h"
#include "core/file_io.h"

namespace selvane {

namespace {

// A caption of the chart's figures in the user's language (marked in the core under
// "selvane::FinCalc").
QString shown(const char* caption) {
    return QCoreApplication::translate("selvane::FinCalc", caption);
}

// One colour a quantity, the same in both charts, from a palette that people with the common
// kinds of colour blindness tell apart (blue and vermilion differ in lightness as well as hue).
const QColor kBalanceColour(0x33, 0x33, 0x33);
const QColor kPrincipalColour(0x00, 0x72, 0xB2);
const QColor kInterestColour(0xD5, 0x5E, 0x00);
// The balance with extra payments: bluish green of the same palette, dashed, so it reads apart
// from the plan's balance where the two lines run together.
const QColor kExtrasColour(0x00, 0x9E, 0x73);

// The bars' axis: bar i stands at i. A label would be cut to "..." where bars are narrower
// than it, so only every first, second, fifth, tenth ... bar is labelled, as many as fit in a
// plot `columns` pixels wide.
void setYearTicks(QCategoryAxis* axis, const QStringList& labels, int columns) {
    const auto bars = std::max<qsizetype>(labels.size(), 1);
    axis->setStartValue(-0.5);
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
    QList<std::pair<QString, double>> labelled;
    for (qsizetype i = every - 1; i < labels.size(); i += every)
        labelled.append({labels[i], static_cast<double>(i)});
    // A plan without payments has no year; a blank one keeps the axis and its title in place.
    if (labels.isEmpty())
        labelled.append({QStringLiteral(" "), 0});
    setTicks(axis, labelled, -0.5, static_cast<double>(bars) - 0.5);
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

} // namespace

// The series and axes are made once and given new figures at every update: making them anew
// costs a window several times what the new figures do.
MoneyCharts::MoneyCharts() : m_lines(new QChart), m_bars(new QChart) {
    for (QChart* c : {m_lines, m_bars}) {
        c->legend()->setAlignment(Qt::AlignBottom);
        c->setMargins(QMargins(4, 4, 4, 4));
    }
    m_xAxis = new QValueAxis;
    m_xAxis->setTitleText(tr("Payment"));
    m_xAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_xAxis->setTickType(QValueAxis::TicksDynamic);
    m_xAxis->setTickAnchor(0);
    m_lines->addAxis(m_xAxis, Qt::AlignBottom);
    m_dateAxis = categoryAxis();
    m_dateAxis->setObjectName(QStringLiteral("dateAxis"));
    m_dateAxis->setTitleText(tr("Payment date"));
    m_dateAxis->setVisible(false);
    m_lines->addAxis(m_dateAxis, Qt::AlignBottom);
    m_yAxis = categoryAxis();
    m_lines->addAxis(m_yAxis, Qt::AlignLeft);
    const QColor colours[] = {kBalanceColour, kPrincipalColour, kInterestColour, kExtrasColour};
    for (int i = 0; i < 4; ++i) {
        auto* line = new QLineSeries;
        QPen pen(colours[i]);
        pen.setWidthF(2);
        if (i == 3) {
            // The balance with extra payments or a rate change, dashed, drawn only while there
            // is one; named as it is shown.
            line->setObjectName(QStringLiteral("balanceWithExtras"));
            pen.setStyle(Qt::DashLine);
        } else {
            connect(line, &QLineSeries::hovered, this, [this](const QPointF& p, bool state) {
                emit hovered(static_cast<qint64>(std::llround(p.x())), state);
            });
        }
        line->setPen(pen);
        m_lineSeries[static_cast<size_t>(i)] = line;
        if (i < 3) {
            m_lines->addSeries(line);
            line->attachAxis(m_xAxis);
            line->attachAxis(m_yAxis);
        }
    }
    m_extrasShown = false;

    m_principalBars = new QBarSet(QString());
    m_interestBars = new QBarSet(QString());
    m_principalBars->setColor(kPrincipalColour);
    m_principalBars->setBorderColor(kPrincipalColour);
    m_interestBars->setColor(kInterestColour);
    m_interestBars->setBorderColor(kInterestColour);
    auto* bars = new QBarSeries;
    bars->append(m_principalBars);
    bars->append(m_interestBars);
    m_bars->addSeries(bars);
    m_yearAxis = categoryAxis();
    m_yearAxis->setGridLineVisible(false);
    m_bars->addAxis(m_yearAxis, Qt::AlignBottom);
    bars->attachAxis(m_yearAxis);
    m_barAxis = categoryAxis();
    m_bars->addAxis(m_barAxis, Qt::AlignLeft);
    bars->attachAxis(m_barAxis);
}

MoneyCharts::~MoneyCharts() {
    // A chart placed in a view or scene belongs to it; the others are ours.
    if (!m_extrasShown)
        delete m_lineSeries[3];
    if (m_lines->scene() == nullptr)
        delete m_lines;
    if (m_bars->scene() == nullptr)
        delete m_bars;
}

void MoneyCharts::update(const ChartSource& source, int columns) {
    show(source.data(columns), source.currency, columns);
}

void MoneyCharts::show(ChartData data, const CurrencyFormat& currency, int columns) {
    m_data = std::move(data);
    const ChartCaptions captions = chartCaptions(m_data.investment);

    // Ticks on round payment numbers (60, 120, 180 ...), whatever the count of payments; the
    // axis starts at 0, the loan before its first payment.
    const double lastPayment =
        std::max<double>(2, static_cast<double>(std::max(m_data.rows, m_data.dashedRows)));
    const std::vector<double> xTicks = niceTicks(0, lastPayment, 10, 1);
    // Payments are whole: a short plan's ticks are one payment apart, never half a payment
    // (which would label 0 1 1 2 2).
    const double interval = xTicks.size() >= 2 ? xTicks[1] - xTicks[0] : lastPayment;
    // The axis makes an item per tick as soon as its range or interval changes: a range of a
    // million payments set while a 60-payment plan's interval still stood would make a hundred
    // thousand of them. The coarser interval is in place before the wider range.
    if (interval >= m_xAxis->tickInterval()) {
        m_xAxis->setTickInterval(interval);
        m_xAxis->setRange(0, lastPayment);
    } else {
        m_xAxis->setRange(0, lastPayment);
        m_xAxis->setTickInterval(interval);
    }
    const bool dated = !m_data.dateTicks.empty();
    if (dated) {
        QList<std::pair<QString, double>> ticks;
        for (const auto& [payment, label] : m_data.dateTicks)
            ticks.append({QString::fromStdString(label), payment});
        setTicks(m_dateAxis, ticks, 0, lastPayment);
    }
    if (m_dateAxis->isVisible() != dated) {
        m_dateAxis->setVisible(dated);
        m_xAxis->setVisible(!dated);
    }

    const std::vector<ChartPoint>* series[] = {&m_data.balance, &m_data.principal, &m_data.interest,
                                               &m_data.balanceWithExtras};
    const char* names[] = {captions.balance, captions.principal, captions.interest};
    double low = 0, high = 0;
    for (size_t i = 0; i < 4; ++i) {
        QLineSeries* line = m_lineSeries[i];
        // A new name lays the legend out again: it is set only when it changes.
        if (i < 3 && line->name() != shown(names[i]))
            line->setName(shown(names[i]));
        // A plan of one payment has one point a line: it is drawn as a dot.
        if (i < 3 && line->pointsVisible() != (series[i]->size() == 1))
            line->setPointsVisible(series[i]->size() == 1);
        line->replace(pointsOf(*series[i]));
        extent(*series[i], low, high);
    }
    const bool extras = !m_data.balanceWithExtras.empty();
    if (extras != m_extrasShown) {
        QLineSeries* line = m_lineSeries[3];
        if (extras) {
            m_lines->addSeries(line);
            line->attachAxis(m_xAxis);
            line->attachAxis(m_yAxis);
        } else {
            m_lines->removeSeries(line); // back to us
        }
        m_extrasShown = extras;
    }
    if (extras && m_lineSeries[3]->name() != shown(m_data.dashedCaption))
        m_lineSeries[3]->setName(shown(m_data.dashedCaption));
    setMoneyTicks(m_yAxis, low, high, currency);

    if (m_principalBars->label() != shown(captions.principalBar)) {
        m_principalBars->setLabel(shown(captions.principalBar));
        m_interestBars->setLabel(shown(captions.interestBar));
    }
    QList<qreal> principal, interest;
    QStringList labels;
    double barLow = 0, barHigh = 0;
    for (const ChartBar& b : m_data.bars) {
        principal.append(b.principal);
        interest.append(b.interest);
        labels.append(barLabel(b));
        barLow = std::min({barLow, b.principal, b.interest});
        barHigh = std::max({barHigh, b.principal, b.interest});
    }
    m_principalBars->remove(0, m_principalBars->count());
    m_principalBars->append(principal);
    m_interestBars->remove(0, m_interestBars->count());
    m_interestBars->append(interest);
    setYearTicks(m_yearAxis, labels, columns);
    const QString yearTitle =
        m_data.yearsPerBar == 1 ? tr("Year") : tr("Years, %1 a bar").arg(m_data.yearsPerBar);
    if (m_yearAxis->titleText() != yearTitle)
        m_yearAxis->setTitleText(yearTitle);
    setMoneyTicks(m_barAxis, barLow, barHigh, currency);
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
        return {path, false, UI_TEXT("selvane::FinCalc", "a chart is written as .png or .svg")};
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
            return {path, false, UI_TEXT("selvane::FinCalc", "the image could not be encoded")};
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
