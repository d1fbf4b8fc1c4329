// The windows beside the main one. View > Chart and Tools > What If each open one window of
// its own that follows the state and closes with the main window, and reopen at their last size
// within the screen. The chart draws the state's report after every calculation, long plans off
// the input path, the yearly table shows the state's years and stays lazy on a huge report,
// hovering a line tells the point's figures, and Save Image writes the picture the window shows.
// What If shows the state's texts after every handler the user's typing and clicking runs, here
// or in the main window, and the chart draws the balance with extras only while there are some.
// The figures and texts are worked out below the window (tests/core/chart_data_test.cpp,
// report_export_test.cpp, tests/calculator/what_if_test.cpp); here the windows show them.

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QImage>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSvgRenderer>
#include <QTableView>
#include <QTableWidget>
#include <QThreadPool>
#include <QValueAxis>
#include <cstdlib>

#include "core/report_export.h"
#include "desktop/frm_schedule.h"
#include "desktop/yearly_model.h"
#include "window_fixture.h"

using namespace selvane;

class ChartWindowTest : public QObject, FakeWindow {
    Q_OBJECT

    static QList<QAbstractSeries*> lines(frmChart* c) { return c->charts().lines()->series(); }
    static auto* line(frmChart* c, int i) { return qobject_cast<QLineSeries*>(lines(c).value(i)); }
    // Every drawn point of the lines is the state's report row of that payment, up to the last;
    // the table shows the state's years in the state's texts, under the state's captions.
    void verifyShowsState(frmChart* chart) {
        const DetailsReport& report = calc().report;
        const bool investment = calc().chartSource().investment;
        QCOMPARE(lines(chart).size(), 3);
        double lastPayment = 0;
        for (int i = 0; i < 3; ++i)
            for (const QPointF& p : line(chart, i)->points()) {
                const auto row = report.rowValues(static_cast<std::int64_t>(p.x()));
                QCOMPARE(p.y(), i == 0 ? row.balance : i == 1 ? row.principal : row.interest);
                lastPayment = std::max(lastPayment, p.x());
            }
        QCOMPARE(lastPayment, static_cast<double>(report.rowCount()));
        QCOMPARE(line(chart, 1)->name(), QString::fromUtf8(chartCaptions(investment).principal));

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
    }

    // Every text of What If is the state's, and what can be used now can be, there and in the
    // main window's menu.
    void verifyShowsState(frmWhatIf* w) {
        const TimelineGroupTexts t = calc().plan.timelineTexts();
        const RateTexts rate = calc().plan.rateTexts();
        const bool off = !t.unavailable.empty();
        std::vector<std::string> want(t.timeline.figures.begin(), t.timeline.figures.end());
        want.insert(want.end(),
                    {t.refused, off ? t.unavailable : t.timeline.message, rate.apr, rate.realApr,
                     rate.message.empty() ? rate.note : rate.message, t.shockFrom});
        QVERIFY(childOf<QPushButton>(w, "cmdUseRate")->isEnabled() == rate.usable &&
                action("mnUseRate")->isEnabled() == rate.usable);
        auto* table = childOf<QTableWidget>(w, "tblCompare");
        for (int row = 0; row < frmWhatIf::CompareRowCount; ++row)
            for (int column = 0; column < frmWhatIf::CompareColumnCount; ++column)
                QCOMPARE(table->item(row, column)->text(),
                         QString::fromStdString(row == frmWhatIf::PaidOff
                                                    ? calc().plan.comparePayoff()[column]
                                                    : calc().plan.compareTexts()[row][column]));
        QVERIFY(childOf<QPushButton>(w, "cmdClearKept")->isEnabled() ==
                    calc().plan.kept.has_value() &&
                action("mnClearKept")->isEnabled() == calc().plan.kept.has_value());
        std::vector<QString> labels = {"lblTimelinePayments",
                                       "lblTimelineLastPayment",
                                       "lblTimelineTotalPaid",
                                       "lblTimelineTotalInterest",
                                       "lblTimelineInterestChange",
                                       "lblTimelinePaymentsChange",
                                       "lblTimelineMessage",
                                       "lblTimelineUnavailable",
                                       "lblFoundApr",
                                       "lblFoundRealApr",
                                       "lblRateMessage",
                                       "lblShockFrom"};
        for (size_t row = 0; row < 3; ++row)
            for (size_t column = 0; column < 3; ++column) {
                labels.push_back(QStringLiteral("lblShock%1_%2").arg(row + 1).arg(column));
                want.push_back(t.timeline.shock[row][column]);
            }
        QCOMPARE(want.size(), labels.size());
        for (size_t i = 0; i < want.size(); ++i) // each text with its label's name
            QCOMPARE(std::pair(labels[i], childOf<QLabel>(w, labels[i])->text()),
                     std::pair(labels[i], QString::fromStdString(want[i])));
        // The lists, a line an event and a line a stretch.
        for (const auto& [name, lines] : {std::pair("lstEvents", t.timeline.events),
                                          std::pair("lstStretches", t.timeline.stretches)}) {
            auto* list = childOf<QListWidget>(w, QLatin1String(name));
            QCOMPARE(static_cast<size_t>(list->count()), lines.size());
            for (int i = 0; i < list->count(); ++i)
                QCOMPARE(list->item(i)->text(), QString::fromStdString(lines[size_t(i)]));
        }
        QCOMPARE(childOf<QLabel>(w, "lblTimelineMessage")->isVisible(), !t.refused.empty() && !off);
        QCOMPARE(childOf<QLabel>(w, "lblTimelinePayoff")->text(), QString::fromStdString(t.payoff));
        QCOMPARE(childOf<QLineEdit>(w, "txtEvent1")->isEnabled(), !off);
        QCOMPARE(childOf<QComboBox>(w, "cboOverpay")->currentIndex(),
                 calc().plan.timeline.lower ? 1 : 0);
    }
    // The one window shown beside the main window.
    QWidget* beside() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != window.get())
                return w;
        return nullptr;
    }

  private slots:
    void init() {
        QVERIFY(open());
        action("mnMortgage")->trigger();
        enter(field::APR, QStringLiteral("6.5"));
    }
    void cleanup() { QVERIFY(close()); }

    // View > Chart and Tools > What If each open one window, not modal and of its own, and
    // again the same one; closed, the state knows, and it opens again at the size it was closed
    // at, brought within the screen. The main window takes an open one along.
    void eachOpensOneWindowOfItsOwnAtItsLastSize() {
        const QRect room = window->screen()->availableGeometry();
        const QSize small(room.width() / 2, room.height() * 3 / 4);
        const std::pair<const char*, bool FinCalc::*> views[] = {
            {"mnChart", &FinCalc::chartOpen}, {"mnWhatIf", &FinCalc::whatIfOpen}};
        for (const auto& [entry, isOpen] : views) {
            action(entry)->trigger();
            QPointer<QWidget> w = beside();
            QVERIFY(w && calc().*isOpen && !w->isModal() && !w->parentWidget());
            action(entry)->trigger();
            QVERIFY(beside() == w && window->isEnabled());
            const auto reopenAt = [&](const QSize& size) { // closed at that size, then opened
                w->resize(size);
                const bool closed = w->close() && !(calc().*isOpen);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                action(entry)->trigger();
                return closed && w.isNull() && (w = beside());
            };
            QVERIFY(reopenAt(small));
            QCOMPARE(w->size(), small.expandedTo(w->minimumSizeHint()));
            QVERIFY(reopenAt(room.size() * 3));
            QVERIFY2(room.contains(w->frameGeometry()), entry);
            QVERIFY(calc().*isOpen && window->close());
            QTRY_VERIFY(w.isNull());
            QVERIFY(!(calc().*isOpen) && close() && open());
        }
    }

    // The chart follows each calculation, in another function too; hovering a line tells the
    // point's figures; Save Image asks for a name, PNG or SVG, and writes the charts at the size
    // the window shows them, the SVG as the PNG (a failed write: tests/calculator/
    // money_views_test.cpp and the command line's chart_export_test).
    void chartFollowsTheStateAndSavesItsPictures() {
        frmChart* chart = openChart();
        verifyShowsState(chart);
        enter(field::APR, QStringLiteral("9"));
        verifyShowsState(chart);
        // The pointer is near payment 37, between two drawn points.
        emit line(chart, 0)->hovered(QPointF(37.3, 1000), true);
        QCOMPARE(chart->pointText(),
                 QString::fromStdString(chartPointText(calc().chartSource(), 37)));
        emit line(chart, 0)->hovered(QPointF(37.3, 1000), false);
        QVERIFY(chart->pointText().isEmpty());
        // Another function's calculation: the captions become an investment's.
        action("mnInvestment")->trigger();
        named<QPushButton>("btnCalculate")->click();
        QVERIFY(calc().chartSource().investment && calc().report.rowCount() > 0);
        verifyShowsState(chart);
        // The last into a folder that is not there: said in the chart's window, not in a box.
        for (const char* name : {"chart.png", "chart.svg", "gone/chart.png"}) {
            dialogs.answer = path(name);
            childOf<QPushButton>(chart, "cmdSaveImage")->click();
        }
        QVERIFY(dialogs.last.filters.size() == 2 && messenger.shown.empty());
        const auto* notice = childOf<QLabel>(chart, "chartNotice");
        QVERIFY(notice->isVisibleTo(chart) &&
                notice->text().endsWith(": No such file or directory"));
        const QImage picture = QImage(path("chart.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), chart->chartArea()->size());
        // The SVG, drawn at the PNG's size, is the PNG but for the edges of its strokes: its
        // letters as large, so the plot and its lines stand where the PNG has them.
        QImage drawing(picture.size(), QImage::Format_RGB32);
        drawing.fill(Qt::white);
        {
            QPainter painter(&drawing);
            painter.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer(path("chart.svg")).render(&painter);
        }
        qint64 inked = 0, apart = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const int a = qGray(picture.pixel(x, y)), b = qGray(drawing.pixel(x, y));
                inked += a < 160 || b < 160;
                apart += std::abs(a - b) > 96;
            }
        QVERIFY(inked > 5000);
        QVERIFY2(apart < inked / 50, qPrintable(QStringLiteral("%1 of %2").arg(apart).arg(inked)));
    }

    // A long plan's figures are worked out on another thread: the window draws the last
    // calculation's once they come, never an earlier one's over it, and a window closed
    // meanwhile is not touched; the payment axis keeps to a few dozen ticks.
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
        enter(field::PERS, QString::number(frmChart::kRowsOffThread + 1));
        QVERIFY(chart->working());
        const DetailsReport first = calc().report;
        enter(field::APR, QStringLiteral("4")); // while the first is worked out
        QCOMPARE(calc().report.rowCount(), frmChart::kRowsOffThread + 1);
        release(); // the first drawing comes, and is not shown
        QVERIFY(line(chart, 2)->points().last().y() != first.rowValues(first.rowCount()).interest);
        QTRY_VERIFY_WITH_TIMEOUT(!chart->working(), 60000);
        verifyShowsState(chart);
        // The table works out only the years it shows, of more than eight thousand.
        chart->table()->scrollToBottom();
        chart->table()->grab(); // paints now the rows on screen
        QVERIFY2(chart->model()->yearsComputed() < 200,
                 qPrintable(QString::number(chart->model()->yearsComputed())));

        // A one-payment plan calculated meanwhile is drawn at once, and the long plan's drawing
        // is not shown over it when it comes.
        busy();
        enter(field::APR, QStringLiteral("5"));
        QVERIFY(chart->working());
        enter(field::PERS, QStringLiteral("1"));
        release();
        verifyShowsState(chart);

        // From any plan to any other the payment axis never holds more than a few dozen ticks, not
        // even between setting its range and its tick interval (Qt makes an item per tick at once:
        // a million payments at a 60-payment plan's interval froze the window). Its range follows.
        auto* axis = qobject_cast<QValueAxis*>(
            childOf<QChartView>(chart, "chLines")->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(axis != nullptr);
        double most = 0;
        const auto count = [&] {
            most = std::max(most, (axis->max() - axis->min()) / axis->tickInterval());
        };
        connect(axis, &QValueAxis::rangeChanged, this, count);
        connect(axis, &QValueAxis::tickIntervalChanged, this, count);
        enter(field::APR, QStringLiteral("0.01"));
        for (const char* payments : {"1000000", "60", "1000000", "1"}) {
            enter(field::PERS, QLatin1String(payments));
            QTRY_VERIFY_WITH_TIMEOUT(!chart->working(), 60000);
            QCOMPARE(axis->max(), std::max(2.0, QByteArray(payments).toDouble()));
        }
        QVERIFY2(most <= 20, qPrintable(QString::number(most)));

        busy();
        enter(field::PERS, QString::number(frmChart::kRowsOffThread + 1));
        QVERIFY(chart->working());
        QVERIFY(chart->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(chart.isNull());
        release(); // the drawing comes for a window that is gone
    }

    // Events of every kind are added, changed in place and removed through What If's own widgets,
    // and reach the state as the events their words name; the chart draws the timeline's balance
    // dashed. A refused entry says why in red and leaves the list as it was. A calculation or
    // another function chosen in the main window shows there too, and a timeline that does not
    // apply draws nothing. Opened again, the refused text went with it. What If's buttons and the
    // menu entries run their handlers.
    void whatIfFollowsTheStateAndRunsItsHandlers() {
        using K = TimelineEvent::Kind;
        frmChart* chart = openChart();
        QPointer<frmWhatIf> w = openWhatIf();
        editEvent(w, 1, {"200", "13", "", "12"});
        editEvent(w, 2, {"5000", "24"});
        editEvent(w, 3, {"30", "3"}, 1, 1);
        editEvent(w, 0, {"6.5", "61"}, 0, 1);
        const std::vector<TimelineEvent> added = {{K::Extra, 200, 13, 0, 12},
                                                  {K::Lump, 5000, 24},
                                                  {K::Holiday, 0, 30, 0, 1, 3, false, true},
                                                  {K::Rate, 6.5, 61, 0, 1, 1, true, true}};
        QVERIFY(calc().plan.timeline.events() == added);
        QCOMPARE(lines(chart).size(), 4);
        QCOMPARE(line(chart, 3)->name(), QLatin1String(kBalanceWithTimelineCaption));
        verifyShowsState(w);
        // The holiday chosen, shown in the editor, changed in place to pay nothing and keep the
        // payment; the rate removed; overpayments lowering the payment.
        childOf<QListWidget>(w, "lstEvents")->setCurrentRow(2);
        QCOMPARE(childOf<QLineEdit>(w, "txtEvent2")->text(), QStringLiteral("3"));
        editEvent(w, 3, {"30", "4"}, 0, 0, "cmdChangeEvent");
        QVERIFY(calc().plan.timeline.events()[2] ==
                (TimelineEvent{K::Holiday, 0, 30, 0, 1, 4, true, false}));
        childOf<QListWidget>(w, "lstEvents")->setCurrentRow(3);
        childOf<QPushButton>(w, "cmdRemoveEvent")->click();
        QCOMPARE(calc().plan.timeline.events().size(), size_t(3));
        choose(childOf<QComboBox>(w, "cboOverpay"), 1);
        QVERIFY(calc().plan.timeline.lower);
        verifyShowsState(w);
        editEvent(w, 1, {"abc", "1"});
        QVERIFY(!calc().plan.timelineMessage.empty() && calc().plan.timeline.events().size() == 3);
        verifyShowsState(w);
        enter(field::APR, QStringLiteral("8"));
        verifyShowsState(w);
        action("mnLease")->trigger();
        QVERIFY(calc().plan.timelineUnavailable() && lines(chart).size() == 3);
        verifyShowsState(w);
        action("mnMortgage")->trigger();
        QVERIFY(w->close());
        QTRY_VERIFY(w.isNull()); // deleted once events are handled
        w = openWhatIf();
        QVERIFY(calc().plan.timelineMessage.empty());
        verifyShowsState(w);

        // A rate found from the menu and used, then found with the button; a plan kept,
        // compared with the next calculation's, and cleared.
        action("mnFindRate")->trigger();
        childOf<QPushButton>(w, "cmdUseRate")->click(); // a button only a found rate enables
        QVERIFY(!calc().plan.rateNote.empty() && !calc().plan.rateTexts().usable);
        verifyShowsState(w);
        childOf<QPushButton>(w, "cmdFindRate")->click();
        QVERIFY(calc().plan.rateTexts().usable);
        verifyShowsState(w);
        childOf<QPushButton>(w, "cmdKeep")->click();
        enter(field::APR, QStringLiteral("4.25"));
        QVERIFY(calc().plan.kept);
        verifyShowsState(w);
        childOf<QPushButton>(w, "cmdClearKept")->click();
        QVERIFY(!calc().plan.kept);
        verifyShowsState(w);
    }

    // Tools > Schedule: the dates set through the real date fields reach the state, and the
    // window shows the dated schedule the state holds; a first payment before the start is
    // refused in red and the field shows the date in use again.
    void scheduleSetsTheDatesThroughItsFields() {
        action("mnSchedule")->trigger();
        QPointer<frmSchedule> w = window->host().scheduleWindow();
        QVERIFY(w && calc().scheduleOpen && !calc().plan.calendar.start);
        childOf<QCheckBox>(w, "chkDates")->click();
        auto* start = childOf<QDateEdit>(w, "dtStart");
        start->setFocus();
        start->setSelectedSection(QDateTimeEdit::MonthSection);
        QTest::keyClicks(start, QDate(2026, 1, 31).toString(start->displayFormat()));
        QCOMPARE(calc().plan.calendar.start, (CivilDate{2026, 1, 31}));
        childOf<QCheckBox>(w, "chkFirst")->click();
        childOf<QDateEdit>(w, "dtFirst")->setDate(QDate(2026, 2, 10));
        QCOMPARE(calc().plan.calendar.first, (CivilDate{2026, 2, 10}));
        choose(childOf<QComboBox>(w, "cboBasis"), 4);
        choose(childOf<QComboBox>(w, "cboRounding"), 1);
        QVERIFY(calc().plan.calendar.basis == DayCount::ActualActual && calc().plan.calendar.cents);
        const CalendarTexts t = calc().plan.calendarTexts();
        QVERIFY(t.unavailable.empty() && !t.payoff.empty());
        QCOMPARE(childOf<QLabel>(w, "lblPayoff")->text(), QString::fromStdString(t.payoff));
        QCOMPARE(childOf<QLabel>(w, "lblDatedTotalInterest")->text(),
                 QString::fromStdString(t.figures[3]));
        const QAbstractItemModel* rows = childOf<QTableView>(w, "tblDatedRows")->model();
        const DatedSchedule& s = *calc().plan.datedSchedule();
        QCOMPARE(rows->rowCount(), static_cast<int>(s.payments()));
        for (const int n : {1, rows->rowCount() / 2, rows->rowCount()})
            for (int column = 0; column < 6; ++column)
                QCOMPARE(rows->index(n - 1, column).data().toString(),
                         QString::fromStdString(calc().plan.datedRowTexts(s.row(n))[column]));
        auto* years = childOf<QTableWidget>(w, "tblCalendarYears");
        QCOMPARE(static_cast<size_t>(years->rowCount()), t.years.size());
        QCOMPARE(years->item(0, 0)->text(), QStringLiteral("2026"));
        childOf<QDateEdit>(w, "dtFirst")->setDate(QDate(2026, 1, 1));
        QVERIFY(!calc().plan.calendarMessage.empty());
        QCOMPARE(childOf<QLabel>(w, "lblDatesRefused")->text(),
                 QString::fromStdString(calc().plan.calendarMessage));
        QCOMPARE(childOf<QDateEdit>(w, "dtFirst")->date(), QDate(2026, 2, 10));
        childOf<QCheckBox>(w, "chkDates")->click();
        QVERIFY(!calc().plan.calendar.start && rows->rowCount() == 0);
        QVERIFY(w->close());
        QVERIFY(!calc().scheduleOpen);
    }

    // The main window, the chart and What If open with every control inside the screen's
    // available area, each beside the main window, clear of it where the screen has room. A
    // sentence appearing in What If leaves its width. ctest runs this also on a 1366x768 screen
    // and at scale 2 on a 1600x1200 one.
    void everyWindowFitsTheScreen() {
        QWidget* chart = openChart();
        QWidget* whatIf = openWhatIf();
        const QRect room = window->screen()->availableGeometry();
        for (const QWidget* w : {chart, whatIf}) {
            const QRect main = window->frameGeometry(), own = w->frameGeometry();
            QCOMPARE(own.top(), std::min(main.top(), room.bottom() + 1 - own.height()));
            if (room.right() - main.right() >= main.left() - room.left()) // right of it, if it fits
                QCOMPARE(own.left(),
                         std::max(room.left(),
                                  std::min(main.right() + 1, room.right() + 1 - own.width())));
            QVERIFY(main.width() + own.width() > room.width() || !main.intersects(own));
        }
        const int wide = whatIf->width();
        type(childOf<QLineEdit>(whatIf, "txtEvent1"), QStringLiteral("x"));
        childOf<QPushButton>(whatIf, "cmdAddEvent")->click();
        QCoreApplication::sendPostedEvents();
        QVERIFY(childOf<QLabel>(whatIf, "lblTimelineMessage")->isVisible());
        QCOMPARE(whatIf->width(), wide);
        int windows = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible())
                continue;
            ++windows;
            QVERIFY2(room.contains(top->frameGeometry()), qPrintable(top->objectName()));
            for (QWidget* w : top->findChildren<QWidget*>()) {
                if (!w->isVisible() || w->objectName().isEmpty())
                    continue;
                // The part the window shows: the collapsed details box lies past its bottom edge.
                const QRect global =
                    QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).intersected(top->geometry());
                QVERIFY2(global.isEmpty() || room.contains(global),
                         qPrintable(top->objectName() + "/" + w->objectName()));
            }
        }
        QCOMPARE(windows, 3);
    }
};

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"
