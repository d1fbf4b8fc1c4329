// The chart window: View > Chart opens one window of its own that follows every calculation, the
// yearly table agrees with the summary and stays lazy on a huge report, hovering a line tells
// the point's figures, and Save Image writes real pictures through the save dialog.

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QValueAxis>
#include <cstdlib>
#include <memory>

#include "core/report_export.h"
#include "desktop/frm_chart.h"
#include "desktop/frm_fincalc.h"
#include "desktop/yearly_model.h"
#include "window_fixture.h"

using namespace selvane;

namespace {

const CurrencyFormat kUsd{QLocale(QLocale::English, QLocale::UnitedStates)};

// A report made straight from its inputs: a loan paid down, or savings built up.
DetailsReport makeReport(double payments, bool investment, double periodRate = 0.005,
                         double payment = 1200) {
    ReportInputs in;
    in.SBAL = investment ? 1000 : 150000;
    in.PMT = payment;
    in.PERS = payments;
    in.PeriodRate = periodRate;
    in.APR = periodRate * 1200;
    in.RAPR = in.APR;
    in.investment = investment;
    DetailsReport r;
    if (!DetailsReport::build(in, kUsd, r))
        qFatal("report not built");
    return r;
}

QString money(const std::string& rowText) {
    return QString::fromStdString(kUsd(std::strtod(rowText.c_str(), nullptr)));
}

QList<QLineSeries*> lineSeries(frmChart* chart) {
    QList<QLineSeries*> out;
    for (QAbstractSeries* s : chart->charts().lines()->series())
        out.append(qobject_cast<QLineSeries*>(s));
    return out;
}

} // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void viewChartOpensOneWindowOfItsOwn();
    void everyWindowFitsTheScreen();
    void aOnePaymentPlanIsDrawn();
    void chartFollowsEveryCalculation();
    void longPlansAreDrawnOffTheInputPath();
    void resizeRedrawsAtThePlotWidth();
    void closingTheMainWindowClosesTheChart();
    void closingTheChartTellsTheState();
    void windowsReopenAtTheirLastSizeWithinTheScreen();
    void hoveringALineShowsThePointsFigures();

    void saveImageWritesAPicture_data();
    void saveImageWritesAPicture();
    void failedSaveSaysSo();
    void svgDrawsAsThePngDoes();

    void tableRowsAreTheSummarysYears_data();
    void tableRowsAreTheSummarysYears();
    void hugeReportTableWorksOutOnlyWhatIsShown();

  private:
    QAction* action(const char* name) const { return m_fake.action(name); }
    frmChart* openChart() {
        action("mnChart")->trigger();
        frmChart* chart = m_fake.window->host().chartWindow();
        if (chart && !QTest::qWaitForWindowExposed(chart))
            qWarning("the chart window was not exposed");
        return chart;
    }
    void calculateWithRate(const QString& rate) {
        auto* apr =
            m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(field::APR));
        apr->selectAll();
        QTest::keyClick(apr, Qt::Key_Backspace);
        QTest::keyClicks(apr, rate);
        QTest::keyClick(apr, Qt::Key_Return);
    }
    // Every drawn point of the lines is the report's row of that payment, and the table's rows
    // are the summary's years.
    void verifyShowsReport(frmChart* chart);

    FakeWindow m_fake; // the window, its fakes and the modal watchdog
};

void ChartWindowTest::init() {
    QVERIFY(m_fake.open());
    action("mnMortgage")->trigger();
    calculateWithRate(QStringLiteral("6.5"));
    QVERIFY(m_fake.window->calc().report.rowCount() > 12);
}

void ChartWindowTest::cleanup() {
    const QStringList modal = m_fake.close();
    QVERIFY2(modal.isEmpty(), qPrintable(modal.join(", ")));
}

void ChartWindowTest::verifyShowsReport(frmChart* chart) {
    const FinCalc& calc = m_fake.window->calc();
    const DetailsReport& report = calc.report;
    const QList<QLineSeries*> lines = lineSeries(chart);
    QCOMPARE(lines.size(), 3);
    qint64 lastPayment = 0;
    for (int i = 0; i < 3; ++i) {
        const QList<QPointF> points = lines[i]->points();
        QVERIFY(!points.isEmpty());
        for (const QPointF& p : points) {
            const auto k = static_cast<std::int64_t>(p.x());
            QCOMPARE(static_cast<double>(k), p.x());
            const DetailsReport::Row row = report.rowValues(k);
            const double expected = i == 0 ? row.balance : i == 1 ? row.principal : row.interest;
            QCOMPARE(p.y(), expected);
            lastPayment = std::max<qint64>(lastPayment, k);
        }
    }
    QCOMPARE(lastPayment, report.rowCount());

    const YearlySummary years = calc.yearlySummary();
    const QAbstractItemModel* model = chart->table()->model();
    QCOMPARE(model->rowCount(), static_cast<int>(years.yearCount() + 1));
    for (std::int64_t y : {std::int64_t{1}, years.yearCount()}) {
        const YearRow row = years.year(y);
        const int r = static_cast<int>(y - 1);
        QCOMPARE(model->index(r, YearlyModel::Principal).data().toString(), money(row.principal));
        QCOMPARE(model->index(r, YearlyModel::Interest).data().toString(), money(row.interest));
        QCOMPARE(model->index(r, YearlyModel::Balance).data().toString(), money(row.balance));
    }
}

void ChartWindowTest::viewChartOpensOneWindowOfItsOwn() {
    QPointer<frmChart> chart = openChart();
    QVERIFY(chart);
    QVERIFY(m_fake.window->calc().chartOpen);
    QCOMPARE(chart->windowTitle(), QStringLiteral("Chart"));
    QVERIFY(chart->isVisible());
    QVERIFY(!chart->isModal());
    QCOMPARE(chart->parentWidget(), nullptr);
    QVERIFY(m_fake.window->isEnabled());

    QCOMPARE(openChart(), chart.data()); // a second View > Chart shows the same window
    int charts = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        charts += qobject_cast<frmChart*>(w) != nullptr ? 1 : 0;
    QCOMPARE(charts, 1);
    verifyShowsReport(chart);
}

void ChartWindowTest::chartFollowsEveryCalculation() {
    frmChart* chart = openChart();
    QVERIFY(chart);
    const QList<QPointF> before = lineSeries(chart)[0]->points();
    const QString firstYearBefore =
        chart->table()->model()->index(0, YearlyModel::Interest).data().toString();
    const std::uint64_t revision = m_fake.window->calc().reportRevision;

    calculateWithRate(QStringLiteral("9"));
    QVERIFY(m_fake.window->calc().reportRevision != revision);
    verifyShowsReport(chart);
    QVERIFY(lineSeries(chart)[0]->points() != before);
    QVERIFY(chart->table()->model()->index(0, YearlyModel::Interest).data().toString() !=
            firstYearBefore);

    // Another function's calculation: the captions become an investment's.
    action("mnInvestment")->trigger();
    m_fake.window->findChild<QPushButton*>(QStringLiteral("btnCalculate"))->click();
    QVERIFY(m_fake.window->calc().report.rowCount() > 0);
    verifyShowsReport(chart);
    QCOMPARE(chart->table()->model()->headerData(YearlyModel::Principal, Qt::Horizontal).toString(),
             QString::fromUtf8(yearlyPrincipalCaption(true)));
    QCOMPARE(lineSeries(chart)[1]->name(), QString::fromUtf8(chartCaptions(true).principal));
}

// A long plan's figures are worked out on another thread: the window draws the last calculation's
// once they come, never an earlier one's over it, and a window closed meanwhile is not touched.
void ChartWindowTest::longPlansAreDrawnOffTheInputPath() {
    QPointer<frmChart> chart = openChart();
    QVERIFY(chart);
    auto* count = m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(field::PERS));
    count->selectAll();
    QTest::keyClicks(count, QString::number(frmChart::kRowsOffThread + 1));
    calculateWithRate(QStringLiteral("3"));
    QVERIFY(chart->working());
    calculateWithRate(QStringLiteral("4")); // while the first is worked out
    QCOMPARE(m_fake.window->calc().report.rowCount(), frmChart::kRowsOffThread + 1);
    QTRY_VERIFY(!chart->working());
    verifyShowsReport(chart);

    calculateWithRate(QStringLiteral("5"));
    QVERIFY(chart->working());
    QVERIFY(chart->close());
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(chart.isNull());
}

void ChartWindowTest::resizeRedrawsAtThePlotWidth() {
    frmChart* chart = openChart();
    QVERIFY(chart);
    QTRY_COMPARE(chart->drawnColumns(), chart->plotColumns());
    const int before = chart->drawnColumns();
    chart->resize(chart->width() + 300, chart->height());
    QTRY_VERIFY(chart->plotColumns() > before);
    QTRY_COMPARE(chart->drawnColumns(), chart->plotColumns());
    // No line has more than two points a pixel column.
    for (QLineSeries* line : lineSeries(chart))
        QVERIFY(line->count() <= 2 * chart->drawnColumns());
}

void ChartWindowTest::closingTheMainWindowClosesTheChart() {
    QPointer<frmChart> chart = openChart();
    QVERIFY(chart);
    QVERIFY(m_fake.window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(chart.isNull());
    QVERIFY(!m_fake.window->calc().chartOpen);
}

// The chart and What If windows open at the size they were closed at, brought within the screen.
void ChartWindowTest::windowsReopenAtTheirLastSizeWithinTheScreen() {
    const QRect room = m_fake.window->screen()->availableGeometry();
    auto reopen = [&](const char* entry, QSize size) -> QWidget* {
        action(entry)->trigger();
        QWidget* window = QApplication::activeWindow();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != m_fake.window.get())
                window = w;
        window->resize(size);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        action(entry)->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != m_fake.window.get())
                return w;
        return nullptr;
    };
    for (const char* entry : {"mnChart", "mnWhatIf"}) {
        const QSize small(room.width() / 2, room.height() * 3 / 4);
        QWidget* window = reopen(entry, small);
        QVERIFY(window);
        QCOMPARE(window->size(), small.expandedTo(window->minimumSizeHint()));
        window = reopen(entry, room.size() * 3);
        QVERIFY2(room.contains(window->frameGeometry()), entry);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void ChartWindowTest::closingTheChartTellsTheState() {
    QPointer<frmChart> chart = openChart();
    QVERIFY(chart);
    QVERIFY(chart->close());
    QVERIFY(!m_fake.window->calc().chartOpen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(chart.isNull());
    QVERIFY(m_fake.window->isVisible());

    frmChart* again = openChart(); // and View > Chart opens it anew
    QVERIFY(again);
    QVERIFY(m_fake.window->calc().chartOpen);
    verifyShowsReport(again);
}

void ChartWindowTest::hoveringALineShowsThePointsFigures() {
    frmChart* chart = openChart();
    QVERIFY(chart);
    QLineSeries* balance = lineSeries(chart)[0];
    // The pointer is near payment 37, between two drawn points.
    emit balance->hovered(QPointF(37.3, 1000), true);
    const ChartSource source = m_fake.window->calc().chartSource();
    QCOMPARE(chart->pointText(), QString::fromStdString(chartPointText(source, 37)));
    QVERIFY(chart->pointText().startsWith(QStringLiteral("Payment 37\n")));
    emit balance->hovered(QPointF(37.3, 1000), false);
    QVERIFY(chart->pointText().isEmpty());
}

void ChartWindowTest::saveImageWritesAPicture_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << QStringLiteral("chart.png");
    QTest::newRow("svg") << QStringLiteral("chart.SVG");
}

void ChartWindowTest::saveImageWritesAPicture() {
    QFETCH(QString, name);
    frmChart* chart = openChart();
    QVERIFY(chart);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    m_fake.dialogs.answer = path;
    chart->findChild<QPushButton*>(QStringLiteral("cmdSaveImage"))->click();
    QCOMPARE(m_fake.dialogs.saveCalls, 1);
    QCOMPARE(m_fake.dialogs.last.filters.size(), 2);
    QVERIFY(m_fake.messenger.shown.empty());

    const QSize area = chart->chartArea()->size();
    if (name.endsWith(QLatin1String(".png"))) {
        QImage image(path);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), area);
    } else {
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), area));
    }
}

// The SVG, drawn at the PNG's size, is the PNG but for the edges of its strokes: its letters as
// large, so the plot and its lines stand where the PNG has them.
void ChartWindowTest::svgDrawsAsThePngDoes() {
    QTemporaryDir dir;
    const ChartSource source = m_fake.window->calc().chartSource();
    const QSize size(1000, 600);
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    QVERIFY(writeChartImage(source, png.toStdString(), size).ok);
    QVERIFY(writeChartImage(source, svg.toStdString(), size).ok);
    const QImage picture = QImage(png).convertToFormat(QImage::Format_RGB32);
    QImage drawing(size, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(svg).render(&painter);
    }
    qint64 inked = 0, apart = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int a = qGray(picture.pixel(x, y)), b = qGray(drawing.pixel(x, y));
            inked += a < 160 || b < 160;
            apart += std::abs(a - b) > 96;
        }
    QVERIFY(inked > 5000);
    QVERIFY2(apart < inked / 50, qPrintable(QStringLiteral("%1 of %2").arg(apart).arg(inked)));
}

void ChartWindowTest::failedSaveSaysSo() {
    frmChart* chart = openChart();
    QVERIFY(chart);
    QTemporaryDir dir;
    m_fake.dialogs.answer = dir.filePath(QStringLiteral("no-such-folder/chart.png"));
    chart->findChild<QPushButton*>(QStringLiteral("cmdSaveImage"))->click();
    QCOMPARE(m_fake.messenger.shown.size(), size_t{1});
    QCOMPARE(m_fake.messenger.shown[0].first, std::string("Save Chart"));
}

// ----- the yearly table's model

void ChartWindowTest::tableRowsAreTheSummarysYears_data() {
    QTest::addColumn<double>("payments");
    QTest::addColumn<bool>("investment");
    QTest::addColumn<qint64>("perYear");
    QTest::newRow("30-year mortgage") << 360.0 << false << qint64{12};
    QTest::newRow("loan ending mid-year") << 100.0 << false << qint64{12};
    QTest::newRow("weekly loan") << 150.0 << false << qint64{52};
    QTest::newRow("investment") << 125.0 << true << qint64{12};
}

void ChartWindowTest::tableRowsAreTheSummarysYears() {
    QFETCH(double, payments);
    QFETCH(bool, investment);
    QFETCH(qint64, perYear);
    const DetailsReport report =
        makeReport(payments, investment, investment ? 0.004 : 0.005, investment ? 200 : 1300);
    YearlyModel model;
    model.setReport(&report, perYear, investment, kUsd);
    const YearlySummary years(report, perYear);

    QCOMPARE(model.rowCount(), static_cast<int>(years.yearCount() + 1));
    QCOMPARE(model.headerData(YearlyModel::Principal, Qt::Horizontal).toString(),
             QString::fromUtf8(yearlyPrincipalCaption(investment)));
    QCOMPARE(model.headerData(YearlyModel::Interest, Qt::Horizontal).toString(),
             QString::fromUtf8(yearlyInterestCaption(investment)));
    std::int64_t y = 0;
    std::int64_t paymentSum = 0;
    years.forEachYear([&](const YearRow& row) {
        const int r = static_cast<int>(y++);
        QCOMPARE(model.index(r, YearlyModel::Year).data().toString(), QString::number(row.year));
        QCOMPARE(model.index(r, YearlyModel::Payments).data().toString(),
                 QLocale().toString(static_cast<qlonglong>(row.payments)));
        QCOMPARE(model.index(r, YearlyModel::Principal).data().toString(), money(row.principal));
        QCOMPARE(model.index(r, YearlyModel::Interest).data().toString(), money(row.interest));
        QCOMPARE(model.index(r, YearlyModel::Balance).data().toString(), money(row.balance));
        paymentSum += row.payments;
    });
    QCOMPARE(y, years.yearCount());

    const int last = model.rowCount() - 1;
    const YearRow total = years.total();
    QCOMPARE(total.payments, paymentSum);
    QCOMPARE(model.index(last, YearlyModel::Year).data().toString(), QStringLiteral("Total"));
    QCOMPARE(model.index(last, YearlyModel::Payments).data().toString(),
             QLocale().toString(static_cast<qlonglong>(report.rowCount())));
    QCOMPARE(model.index(last, YearlyModel::Principal).data().toString(), money(total.principal));
    QCOMPARE(model.index(last, YearlyModel::Interest).data().toString(), money(total.interest));
    QCOMPARE(model.index(last, YearlyModel::Balance).data().toString(),
             money(moneyText(report.rowValues(report.rowCount()).balance)));
    const int align = model.index(0, YearlyModel::Balance).data(Qt::TextAlignmentRole).toInt();
    QVERIFY(align & Qt::AlignRight);

    // A new report resets the model to its own years.
    const DetailsReport shorter = makeReport(30, investment);
    model.setReport(&shorter, perYear, investment, kUsd);
    QCOMPARE(model.rowCount(), static_cast<int>(YearlySummary(shorter, perYear).yearCount() + 1));
}

void ChartWindowTest::hugeReportTableWorksOutOnlyWhatIsShown() {
    // Ten million payments at a near-zero rate, so the balance stays within bounds.
    const DetailsReport report = makeReport(10'000'000, false, 1e-6, 0.01);
    QCOMPARE(report.rowCount(), std::int64_t{10'000'000});
    const YearlySummary years(report, 12);
    YearlyModel model;
    model.setReport(&report, 12, false, kUsd);
    QCOMPARE(model.rowCount(), static_cast<int>(years.yearCount() + 1));
    QCOMPARE(model.yearsComputed(), std::int64_t{0});

    const int lastYear = model.rowCount() - 2;
    QCOMPARE(model.index(lastYear, YearlyModel::Balance).data().toString(),
             money(years.year(years.yearCount()).balance));
    QCOMPARE(model.index(lastYear + 1, YearlyModel::Year).data().toString(),
             QStringLiteral("Total"));
    QCOMPARE(model.yearsComputed(), std::int64_t{2});

    // A view scrolled to the end asks only for the rows it shows.
    QTableView view;
    view.resize(500, 300);
    view.setModel(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.scrollToBottom();
    QTest::qWait(20);
    QVERIFY2(model.yearsComputed() < 200, qPrintable(QString::number(model.yearsComputed())));
}

// The main window, the chart and What If open with every control inside the screen's available
// area. ctest runs this also on a 1366x768 screen and at scale 2 on a 1600x1200 one.
void ChartWindowTest::everyWindowFitsTheScreen() {
    QVERIFY(openChart());
    action("mnWhatIf")->trigger();
    const QRect room = m_fake.window->screen()->availableGeometry();
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        ++windows;
        QVERIFY2(room.contains(window->frameGeometry()), qPrintable(window->objectName()));
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->objectName().isEmpty())
                continue;
            // The part the window shows: the collapsed details box lies past its bottom edge.
            const QRect global =
                QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).intersected(window->geometry());
            QVERIFY2(global.isEmpty() || room.contains(global),
                     qPrintable(window->objectName() + "/" + w->objectName()));
        }
    }
    QCOMPARE(windows, 3);
}

// One payment gives one point a line: drawn as a dot, with whole payment ticks.
void ChartWindowTest::aOnePaymentPlanIsDrawn() {
    auto* count = m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(field::PERS));
    count->selectAll();
    QTest::keyClick(count, Qt::Key_Backspace);
    QTest::keyClicks(count, QStringLiteral("1"));
    QTest::keyClick(count, Qt::Key_Return);
    QCOMPARE(m_fake.window->calc().report.rowCount(), 1);
    frmChart* chart = openChart();
    QVERIFY(chart);
    for (QLineSeries* line : lineSeries(chart))
        QVERIFY(line->count() == 1 && line->pointsVisible());
    auto* x = qobject_cast<QValueAxis*>(chart->charts().lines()->axes(Qt::Horizontal).first());
    QVERIFY(x && x->tickInterval() >= 1);
}

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"
