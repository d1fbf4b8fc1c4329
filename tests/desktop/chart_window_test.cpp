// The chart window: View > Chart opens one window of its own that draws the state's report
// after every calculation and closes with the main window, the yearly table shows the state's
// years and stays lazy on a huge report, hovering a line tells the point's figures, and Save
// Image writes the picture the window shows. The figures and their texts are worked out below
// the window (tests/core/chart_data_test.cpp, report_export_test.cpp); here the window is checked
// to show them.

#include <QChart>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSvgRenderer>
#include <QTableView>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QValueAxis>
#include <cstdlib>

#include "core/report_export.h"
#include "desktop/frm_chart.h"
#include "desktop/yearly_model.h"
#include "window_fixture.h" // the window over fakes; QAction, QApplication and QTest

using namespace selvane;

class ChartWindowTest : public QObject {
    Q_OBJECT

    FakeWindow m_fake; // the window, its fakes and the modal watchdog

    QAction* action(const char* name) const { return m_fake.action(name); }
    const FinCalc& calc() const { return m_fake.calc(); }
    static QList<QLineSeries*> lineSeries(frmChart* chart) {
        QList<QLineSeries*> out;
        for (QAbstractSeries* s : chart->charts().lines()->series())
            out.append(qobject_cast<QLineSeries*>(s));
        return out;
    }
    frmChart* openChart() {
        action("mnChart")->trigger();
        frmChart* chart = m_fake.window->host().chartWindow();
        if (!chart || !QTest::qWaitForWindowExposed(chart))
            qFatal("View > Chart showed no window");
        return chart;
    }
    // Every drawn point of the lines is the state's report row of that payment, up to the last;
    // the table shows the state's years in the state's texts, under the state's captions.
    void verifyShowsState(frmChart* chart) {
        const DetailsReport& report = calc().report;
        const bool investment = calc().chartSource().investment;
        const QList<QLineSeries*> lines = lineSeries(chart);
        QCOMPARE(lines.size(), 3);
        double lastPayment = 0;
        for (int i = 0; i < 3; ++i)
            for (const QPointF& p : lines[i]->points()) {
                const auto row = report.rowValues(static_cast<std::int64_t>(p.x()));
                QCOMPARE(p.y(), i == 0 ? row.balance : i == 1 ? row.principal : row.interest);
                lastPayment = std::max(lastPayment, p.x());
            }
        QCOMPARE(lastPayment, static_cast<double>(report.rowCount()));
        QCOMPARE(lines[1]->name(), QString::fromUtf8(chartCaptions(investment).principal));

        const YearlySummary years = calc().yearlySummary();
        const QAbstractItemModel* model = chart->table()->model();
        QCOMPARE(model->rowCount(), static_cast<int>(years.yearCount() + 1));
        for (std::int64_t y : {std::int64_t{1}, years.yearCount(), years.yearCount() + 1}) {
            const auto texts = yearRowTexts(y > years.yearCount() ? years.total() : years.year(y),
                                            calc().currency());
            for (int column = 0; column < YearlyModel::ColumnCount; ++column)
                QCOMPARE(model->index(static_cast<int>(y - 1), column).data().toString(),
                         QString::fromStdString(texts[static_cast<size_t>(column)]));
        }
        QCOMPARE(model->headerData(YearlyModel::Principal, Qt::Horizontal).toString(),
                 QString::fromUtf8(yearlyPrincipalCaption(investment)));
        QVERIFY(model->index(0, YearlyModel::Balance).data(Qt::TextAlignmentRole).toInt() &
                Qt::AlignRight);
    }

  private slots:
    void init() {
        QVERIFY(m_fake.open());
        action("mnMortgage")->trigger();
        m_fake.enter(field::APR, QStringLiteral("6.5"));
    }
    void cleanup() { QVERIFY(m_fake.close()); }

    // View > Chart opens one window, not modal and of its own, that follows each calculation;
    // hovering a line tells the point's figures, and a resize draws again, once settled, for the
    // plot's new width. Closed, the state knows; the main window takes it along.
    void viewChartOpensOneWindowThatFollowsTheState() {
        QPointer<frmChart> chart = openChart();
        QVERIFY(calc().chartOpen);
        QVERIFY(!chart->isModal() && !chart->parentWidget() && m_fake.window->isEnabled());
        QCOMPARE(openChart(), chart.data()); // a second View > Chart shows the same window
        verifyShowsState(chart);
        m_fake.enter(field::APR, QStringLiteral("9"));
        verifyShowsState(chart);
        // The pointer is near payment 37, between two drawn points.
        emit lineSeries(chart)[0]->hovered(QPointF(37.3, 1000), true);
        QCOMPARE(chart->pointText(),
                 QString::fromStdString(chartPointText(calc().chartSource(), 37)));
        emit lineSeries(chart)[0]->hovered(QPointF(37.3, 1000), false);
        QVERIFY(chart->pointText().isEmpty());
        QTRY_COMPARE(chart->drawnColumns(), chart->plotColumns());
        const int before = chart->drawnColumns();
        chart->resize(chart->width() + 300, chart->height());
        QTRY_VERIFY(chart->plotColumns() > before);
        QTRY_COMPARE(chart->drawnColumns(), chart->plotColumns());
        // Another function's calculation: the captions become an investment's.
        action("mnInvestment")->trigger();
        m_fake.named<QPushButton>("btnCalculate")->click();
        QVERIFY(calc().chartSource().investment && calc().report.rowCount() > 0);
        verifyShowsState(chart);

        QVERIFY(chart->close() && !calc().chartOpen);
        QTRY_VERIFY(chart.isNull());
        chart = openChart();
        QVERIFY(calc().chartOpen && m_fake.window->close());
        QTRY_VERIFY(chart.isNull());
        QVERIFY(!calc().chartOpen);
    }

    // A long plan's figures are worked out on another thread: the window draws the last
    // calculation's once they come, never an earlier one's over it, and a window closed
    // meanwhile is not touched.
    void longPlansAreDrawnOffTheInputPath() {
        QPointer<frmChart> chart = openChart();
        // The pool's threads are kept busy while the test asks for drawings, so that these come
        // before the first is worked out however fast the machine.
        QSemaphore hold;
        const int threads = QThreadPool::globalInstance()->maxThreadCount();
        const auto busy = [&] {
            for (int i = 0; i < threads; ++i)
                QThreadPool::globalInstance()->start([&hold] { hold.acquire(); });
        };
        const auto release = [&] { // and what the pool worked out comes to the window
            hold.release(threads);
            QThreadPool::globalInstance()->waitForDone();
            QCoreApplication::processEvents();
        };
        const auto freed = qScopeGuard([&] { release(), release(), release(); });
        busy();
        m_fake.enter(field::PERS, QString::number(frmChart::kRowsOffThread + 1));
        QVERIFY(chart->working());
        const DetailsReport first = calc().report;
        m_fake.enter(field::APR, QStringLiteral("4")); // while the first is worked out
        QCOMPARE(calc().report.rowCount(), frmChart::kRowsOffThread + 1);
        release(); // the first drawing comes, and is not shown
        QVERIFY(lineSeries(chart)[2]->points().last().y() !=
                first.rowValues(first.rowCount()).interest);
        QTRY_VERIFY_WITH_TIMEOUT(!chart->working(), 60000);
        verifyShowsState(chart);
        // The table works out only the years it shows, of more than eight thousand.
        chart->table()->scrollToBottom();
        chart->table()->grab(); // paints now the rows on screen
        QVERIFY2(chart->model()->yearsComputed() < 200,
                 qPrintable(QString::number(chart->model()->yearsComputed())));

        // A one-payment plan calculated meanwhile is drawn at once, as a dot a line with whole
        // payment ticks, and the long plan's drawing is not shown over it when it comes.
        busy();
        m_fake.enter(field::APR, QStringLiteral("5"));
        QVERIFY(chart->working());
        m_fake.enter(field::PERS, QStringLiteral("1"));
        release();
        verifyShowsState(chart);
        for (QLineSeries* line : lineSeries(chart))
            QVERIFY(line->count() == 1 && line->pointsVisible());
        auto* x = qobject_cast<QValueAxis*>(chart->charts().lines()->axes(Qt::Horizontal).first());
        QVERIFY(x && x->tickInterval() >= 1);

        busy();
        m_fake.enter(field::PERS, QString::number(frmChart::kRowsOffThread + 1));
        QVERIFY(chart->working());
        QVERIFY(chart->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(chart.isNull());
        release(); // the drawing comes for a window that is gone
    }

    // The chart and What If open at the size they were closed at, brought within the screen.
    void windowsReopenAtTheirLastSizeWithinTheScreen() {
        const QRect room = m_fake.window->screen()->availableGeometry();
        const auto shown = [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w != m_fake.window.get())
                    return w;
            return static_cast<QWidget*>(nullptr);
        };
        const auto closeAt = [&](const QSize& size) {
            shown()->resize(size);
            shown()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        const QSize small(room.width() / 2, room.height() * 3 / 4);
        for (const char* entry : {"mnChart", "mnWhatIf"}) {
            action(entry)->trigger();
            closeAt(small);
            action(entry)->trigger();
            QCOMPARE(shown()->size(), small.expandedTo(shown()->minimumSizeHint()));
            closeAt(room.size() * 3);
            action(entry)->trigger();
            QVERIFY2(room.contains(shown()->frameGeometry()), entry);
            closeAt(small);
        }
    }

    // Save Image asks for a name, and writes the charts at the size the window shows them; a
    // failed write says so.
    void saveImageWritesThePictureShown() {
        frmChart* chart = openChart();
        QTemporaryDir dir;
        m_fake.dialogs.answer = dir.filePath(QStringLiteral("no-such-folder/chart.png"));
        auto* save = chart->findChild<QPushButton*>(QStringLiteral("cmdSaveImage"));
        save->click();
        const auto& shown = m_fake.messenger.shown;
        QVERIFY(shown.size() == 1 && shown[0].first == "Save Chart");

        m_fake.dialogs.answer = dir.filePath(QStringLiteral("chart.png"));
        save->click();
        QCOMPARE(m_fake.dialogs.last.filters.size(), 2); // PNG and SVG
        QCOMPARE(shown.size(), size_t{1});
        QCOMPARE(QImage(*m_fake.dialogs.answer).size(), chart->chartArea()->size());
    }

    // The SVG, drawn at the PNG's size, is the PNG but for the edges of its strokes: its
    // letters as large, so the plot and its lines stand where the PNG has them.
    void svgDrawsAsThePngDoes() {
        QTemporaryDir dir;
        const ChartSource source = calc().chartSource();
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

    // The main window, the chart and What If open with every control inside the screen's
    // available area. ctest runs this also on a 1366x768 screen and at scale 2 on a 1600x1200
    // one.
    void everyWindowFitsTheScreen() {
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
};

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"
