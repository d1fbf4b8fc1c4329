// Tests of the report view: selection by mouse and keys, copying, scrolling and what
// gets painted, on reports from a short loan up to a million rows.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "core/details_text.h"
#include "desktop/report_view.h"

using namespace selvane;

namespace {

DetailsReport
buildReport(double pers, double sbal, double pmt, double rate, bool investment = false,
            const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates)) {
    ReportInputs in;
    in.PERS = pers;
    in.SBAL = sbal;
    in.PMT = pmt;
    in.PeriodRate = rate;
    in.APR = in.RAPR = rate * 1200;
    in.investment = investment;
    DetailsReport report;
    if (!DetailsReport::build(in, CurrencyFormat(locale), report))
        qFatal("report did not build");
    return report;
}

DetailsReport loan60() {
    return buildReport(60, 20000, 400.7589719124764, 0.00625);
}

// Sizes the view, gives it the report and shows it; false when the window never appeared.
bool showReport(ReportView& view, const DetailsReport& report, int width, int height) {
    view.resize(width, height);
    view.setReport(&report);
    view.show();
    return QTest::qWaitForWindowExposed(&view);
}

double stop(int twips) {
    return twips / 15.0;
}

// Offset of (line, column) in the report's CR LF text: an oracle independent of the view.
qsizetype textOffset(const DetailsReport& r, std::int64_t line, qsizetype column) {
    qsizetype offset = 0;
    for (std::int64_t i = 0; i < line; ++i)
        offset += QString::fromStdString(r.line(i)).size() + 2;
    return offset + column;
}

// Column just after the k-th tab of a line (k = 0: start of line), and a point on screen that
// lands there: one pixel right of the tab stop, on the middle of the line.
qsizetype afterTab(const QString& line, int k) {
    qsizetype column = 0;
    for (int i = 0; i < k; ++i)
        column = line.indexOf(u'\t', column) + 1;
    return column;
}
QPoint tabPoint(const ReportView& view, std::int64_t line, int k) {
    const double x = ReportView::kTextMargin + (k == 0 ? 0.0 : stop(1250 * k)) + 1;
    const auto row = static_cast<int>(line - view.firstVisibleLine());
    return {static_cast<int>(x), row * view.lineHeight() + view.lineHeight() / 2};
}

bool inkIn(const QImage& image, QRect box) {
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

} // namespace

class ReportViewTest : public QObject {
    Q_OBJECT

  private slots:
    void selectAllGivesTheWholeText_data() {
        QTest::addColumn<double>("pers");
        QTest::addColumn<double>("sbal");
        QTest::addColumn<double>("pmt");
        QTest::addColumn<double>("rate");
        QTest::addColumn<bool>("investment");
        QTest::newRow("60-payment loan")
            << 60.0 << 20000.0 << 400.7589719124764 << 0.00625 << false;
        QTest::newRow("savings") << 24.0 << 0.0 << 100.0 << 0.005 << true;
        QTest::newRow("summary only") << 0.0 << 1000.0 << 10.0 << 0.01 << false;
        QTest::newRow("several chunks") << 10000.0 << 100000.0 << 10.0 << 0.0 << false;
    }
    void selectAllGivesTheWholeText() {
        QFETCH(double, pers);
        QFETCH(double, sbal);
        QFETCH(double, pmt);
        QFETCH(double, rate);
        QFETCH(bool, investment);
        const DetailsReport report = buildReport(pers, sbal, pmt, rate, investment);
        ReportView view;
        view.setReport(&report);
        QVERIFY(!view.hasSelection());
        view.selectAll();
        QCOMPARE(view.selectedText(), QString::fromStdString(report.text()));
    }

    void mouseSelects_data() {
        QTest::addColumn<int>("pressLine");
        QTest::addColumn<int>("pressTab");
        QTest::addColumn<int>("releaseLine");
        QTest::addColumn<int>("releaseTab");
        QTest::addColumn<bool>("shiftClick");
        for (bool shift : {false, true}) {
            const char* how = shift ? "shift+click: " : "drag: ";
            QTest::addRow("%swithin a row", how) << 12 << 1 << 12 << 3 << shift;
            QTest::addRow("%sacross rows", how) << 11 << 2 << 14 << 1 << shift;
            QTest::addRow("%sbackwards", how) << 14 << 1 << 11 << 2 << shift;
            QTest::addRow("%sfrom the summary", how) << 3 << 0 << 10 << 4 << shift;
        }
    }
    void mouseSelects() {
        QFETCH(int, pressLine);
        QFETCH(int, pressTab);
        QFETCH(int, releaseLine);
        QFETCH(int, releaseTab);
        QFETCH(bool, shiftClick);
        const DetailsReport report = loan60();
        ReportView view;
        QVERIFY(showReport(view, report, 700, 400));

        QWidget* vp = view.viewport();
        const QPoint p1 = tabPoint(view, pressLine, pressTab),
                     p2 = tabPoint(view, releaseLine, releaseTab);
        if (shiftClick) {
            QTest::mouseClick(vp, Qt::LeftButton, {}, p1);
            QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, p2);
        } else {
            QTest::mousePress(vp, Qt::LeftButton, {}, p1);
            QTest::mouseMove(vp, p2);
            QTest::mouseRelease(vp, Qt::LeftButton, {}, p2);
        }
        const QString text = QString::fromStdString(report.text());
        qsizetype a = textOffset(
            report, pressLine, afterTab(QString::fromStdString(report.line(pressLine)), pressTab));
        qsizetype b =
            textOffset(report, releaseLine,
                       afterTab(QString::fromStdString(report.line(releaseLine)), releaseTab));
        if (a > b)
            std::swap(a, b);
        QCOMPARE(view.selectedText(), text.mid(a, b - a));
    }

    void selectionCutsAtCharacters_data() {
        QTest::addColumn<int>("anchorLine");
        QTest::addColumn<int>("anchorColumn");
        QTest::addColumn<int>("cursorLine");
        QTest::addColumn<int>("cursorColumn");
        QTest::newRow("one line, past the euro sign") << 0 << 10 << 0 << 40;
        QTest::newRow("two lines") << 0 << 25 << 1 << 20;
        QTest::newRow("into the rows") << 5 << 3 << 11 << 9;
    }
    void selectionCutsAtCharacters() {
        QFETCH(int, anchorLine);
        QFETCH(int, anchorColumn);
        QFETCH(int, cursorLine);
        QFETCH(int, cursorColumn);
        // Euro amounts hold multi-byte characters, so byte and character columns differ.
        const DetailsReport report =
            buildReport(12, 20000, 1750, 0.005, false, QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(report.line(0).size() >
                static_cast<size_t>(QString::fromStdString(report.line(0)).size()));
        ReportView view;
        view.setReport(&report);
        view.setSelection({cursorLine, cursorColumn}, {anchorLine, anchorColumn});
        const qsizetype a = textOffset(report, anchorLine, anchorColumn);
        const QString expected = QString::fromStdString(report.text())
                                     .mid(a, textOffset(report, cursorLine, cursorColumn) - a);
        QCOMPARE(view.selectedText(), expected);
        view.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    }

    void doubleClickSelectsAFigure() {
        const DetailsReport report = loan60();
        ReportView view;
        QVERIFY(showReport(view, report, 700, 400));
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {},
                           tabPoint(view, 12, 2) + QPoint(10, 0));
        QCOMPARE(view.selectedText(), QString::fromStdString(report.line(12)).split(u'\t').at(2));
    }

    void copyKeysAndMenu() {
        const DetailsReport report = loan60();
        const QString whole = QString::fromStdString(report.text());
        QWidget window;
        auto* view = new ReportView(&window);
        view->resize(600, 300);
        int windowCopies = 0;
        auto* windowCopy = new QAction(&window);
        windowCopy->setShortcut(QKeySequence::Copy);
        connect(windowCopy, &QAction::triggered, [&] { ++windowCopies; });
        window.addAction(windowCopy);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        view->setFocus();
        view->setReport(&report);
        QSignalSpy available(view, &ReportView::copyAvailable);
        QClipboard* clipboard = QGuiApplication::clipboard();

        clipboard->setText("untouched");
        view->copy(); // nothing selected
        QCOMPARE(clipboard->text(), QString("untouched"));

        view->setSelection({12, 3}, {11, 5});
        QCOMPARE(available.count(), 1);
        view->copy();
        QCOMPARE(clipboard->text(),
                 whole.mid(textOffset(report, 11, 5),
                           textOffset(report, 12, 3) - textOffset(report, 11, 5)));

        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), whole);
        QVERIFY(clipboard->mimeData()->hasText());
        QCOMPARE(windowCopies, 0); // the view keeps Ctrl+C while it has the focus

        view->clearSelection();
        QCOMPARE(available.count(), 2);
        std::unique_ptr<QMenu> menu(view->createContextMenu());
        QCOMPARE(menu->actions().size(), 2);
        QVERIFY(!menu->actions().at(0)->isEnabled());
        clipboard->setText("untouched");
        menu->actions().at(1)->trigger(); // Select All
        QCOMPARE(view->selectedText(), whole);
        std::unique_ptr<QMenu> again(view->createContextMenu());
        QVERIFY(again->actions().at(0)->isEnabled());
        again->actions().at(0)->trigger(); // Copy
        QCOMPARE(clipboard->text(), whole);
    }

    // Selections across many thousand rows come from the report's fast writer in pieces; they
    // must be exactly the lines between the two cut ends.
    void longSelectionsAreTheLinesBetweenTheirEnds() {
        const DetailsReport report = buildReport(200'100, 100000, 0.01, 0.0);
        ReportView view;
        view.setReport(&report);
        // From inside the summary across three pieces of rows, cut inside both end lines.
        const std::string text = report.text();
        const auto offsetOf = [&](std::int64_t line) { // lines are ASCII here: bytes = characters
            std::size_t at = 0;
            for (std::int64_t i = 0; i < line; ++i)
                at = text.find("\r\n", at) + 2;
            return at;
        };
        const std::size_t from = offsetOf(3) + 4, to = offsetOf(200'000) + 7;
        view.setSelection({200'000, 7}, {3, 4});
        QCOMPARE(view.selectedText().toStdString(), text.substr(from, to - from));
        QCOMPARE(view.selectionBytes(), static_cast<std::int64_t>(to - from));
    }

    // The size of a selection, counted without writing it, is the size of what Copy writes:
    // multi-byte currency signs, minus signs, figures of every length up to 309 digits, row
    // numbers and figures that gain a digit, selections that start or end anywhere.
    void selectionBytesAreWhatCopyWrites_data() {
        QTest::addColumn<int>("report");
        QTest::addColumn<int>("anchorLine");
        QTest::addColumn<int>("anchorColumn");
        QTest::addColumn<int>("cursorLine");
        QTest::addColumn<int>("cursorColumn");
        QTest::addColumn<bool>("all");
        const char* names[] = {"loan", "euro", "growing", "huge", "negative", "investment"};
        for (int r = 0; r < 6; ++r) {
            const QByteArray n(names[r]);
            QTest::newRow(n + ", all") << r << 0 << 0 << 0 << 0 << true;
            QTest::newRow(n + ", within a line") << r << 0 << 3 << 0 << 20 << false;
            QTest::newRow(n + ", summary into rows") << r << 2 << 5 << 40 << 6 << false;
            QTest::newRow(n + ", rows") << r << 15 << 0 << 300 << 12 << false;
            QTest::newRow(n + ", backwards") << r << 120 << 9 << 11 << 1 << false;
        }
    }
    void selectionBytesAreWhatCopyWrites() {
        QFETCH(int, report);
        QFETCH(int, anchorLine);
        QFETCH(int, anchorColumn);
        QFETCH(int, cursorLine);
        QFETCH(int, cursorColumn);
        QFETCH(bool, all);
        const DetailsReport reports[] = {
            buildReport(400, 20000, 400.7589719124764, 0.00625),
            buildReport(400, 20000, 1750, 0.005, false, QLocale(QLocale::German, QLocale::Germany)),
            buildReport(400, 9.99, -0.001, 0.06), // every figure runs through the powers of ten
            buildReport(400, 1.7e308, 1e305, 1e-4),
            buildReport(400, 20000, 3000, 0.01), // paid off early: negative balances
            buildReport(400, 0, 123.45, 0.004, true),
        };
        const DetailsReport& r = reports[report];
        ReportView view;
        view.setReport(&r);
        if (all)
            view.selectAll();
        else
            view.setSelection({anchorLine, anchorColumn}, {cursorLine, cursorColumn});
        const QByteArray text = view.selectedText().toUtf8();
        QVERIFY(!text.isEmpty());
        QCOMPARE(view.selectionBytes(), static_cast<std::int64_t>(text.size()));
        if (all)
            QCOMPARE(view.selectionBytes(), static_cast<std::int64_t>(r.text().size()));
        // Stopped early, the count is past the bound it was given, and no more than the whole.
        const std::int64_t bound = text.size() / 2;
        const std::int64_t partial = view.selectionBytes(bound);
        QVERIFY(partial > bound);
        QVERIFY(partial <= text.size());
        QCOMPARE(view.selectionBytes(text.size()), static_cast<std::int64_t>(text.size()));
    }

    // Copy takes at most kMaxCopyBytes. Rows of 309-digit figures make a report over the limit
    // in a few hundred thousand lines: the limit is one of bytes, whatever the lines.
    void copyLimitIsInBytes() {
        const DetailsReport report = buildReport(310'000, 1.7e308, 1, 0.0);
        const std::string text = report.text();
        QVERIFY(text.size() > static_cast<std::size_t>(ReportView::kMaxCopyBytes));
        ReportView view;
        view.setReport(&report);
        QSignalSpy refused(&view, &ReportView::copyRefused);
        QClipboard* clipboard = QGuiApplication::clipboard();

        view.selectAll();
        clipboard->setText("untouched");
        view.copy();
        QCOMPARE(refused.count(), 1);
        QVERIFY(refused.at(0).at(0).value<std::int64_t>() > ReportView::kMaxCopyBytes);
        QCOMPARE(clipboard->text(), QString("untouched"));

        // The longest selection from the top that ends a line within the limit is copied, every
        // byte of it; one line more is refused.
        std::int64_t line = 0;
        std::size_t end = text.find("\r\n");
        for (std::size_t next; (next = text.find("\r\n", end + 2)) <=
                               static_cast<std::size_t>(ReportView::kMaxCopyBytes);
             end = next)
            ++line;
        const auto lineEnd = [&](std::int64_t l) {
            return ReportPosition{l, QString::fromStdString(report.line(l)).size()};
        };
        view.setSelection({0, 0}, lineEnd(line));
        view.copy();
        QCOMPARE(refused.count(), 1);
        const QByteArray copied = clipboard->mimeData()->data(QStringLiteral("text/plain"));
        QCOMPARE(static_cast<std::size_t>(copied.size()), end);
        QVERIFY(std::string_view(copied.constData(), end) == std::string_view(text).substr(0, end));

        view.setSelection({0, 0}, lineEnd(line + 1));
        view.copy();
        QCOMPARE(refused.count(), 2);
        QCOMPARE(clipboard->mimeData()->data(QStringLiteral("text/plain")).size(), copied.size());
    }

    void scrollRangeFollowsTheReport_data() {
        QTest::addColumn<int>("height");
        QTest::newRow("short") << 150;
        QTest::newRow("tall") << 500;
        QTest::newRow("taller than the report") << 1400;
    }
    void scrollRangeFollowsTheReport() {
        QFETCH(int, height);
        const DetailsReport report = loan60();
        ReportView view;
        view.resize(600, height);
        view.setReport(&report);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QScrollBar* bar = view.verticalScrollBar();
        const int page = view.viewport()->height() / view.lineHeight();
        QCOMPARE(bar->pageStep(), page);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->maximum(), std::max<int>(0, static_cast<int>(report.lineCount()) - page));

        view.scrollToLine(30);
        view.setSelection({20, 0}, {25, 0});
        const DetailsReport other = buildReport(12, 1000, 90, 0.01);
        view.setReport(&other);
        QCOMPARE(view.firstVisibleLine(), 0);
        QVERIFY(!view.hasSelection());
        view.setReport(nullptr);
        QCOMPARE(bar->maximum(), 0);
        view.selectAll();
        QCOMPARE(view.selectedText(), QString());
        QVERIFY(!view.grab().isNull());
    }

    void paintsAtTabStopsAndHighlights() {
        const DetailsReport report = loan60();
        ReportView view;
        QVERIFY(showReport(view, report, 700, 400));
        const int lh = view.lineHeight();
        const auto band = [&](double x0, double x1) {
            return QRect(QPoint(static_cast<int>(x0), 10 * lh + 1),
                         QPoint(static_cast<int>(x1), 11 * lh - 2));
        };
        QImage image = view.viewport()->grab().toImage();
        // First payment row: each figure starts on its stop, with blank paper just before it.
        for (int k = 1; k <= 4; ++k) {
            const double x = ReportView::kTextMargin + stop(1250 * k);
            QVERIFY2(inkIn(image, band(x, x + 14)), qPrintable(QString("stop %1").arg(k)));
            QVERIFY2(!inkIn(image, band(x - 5, x - 1)),
                     qPrintable(QString("before stop %1").arg(k)));
        }
        view.selectAll();
        image = view.viewport()->grab().toImage();
        const QPoint blank = band(stop(1250) - 4, 0).topLeft();
        QCOMPARE(image.pixelColor(blank), view.palette().color(QPalette::Highlight));
    }

    void dragPastTheEdgeScrolls() {
        const DetailsReport report = loan60();
        ReportView view;
        QVERIFY(showReport(view, report, 600, 200));
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, tabPoint(view, 2, 0));
        QTest::mouseMove(view.viewport(), QPoint(50, view.viewport()->height() + 40));
        QTRY_VERIFY(view.firstVisibleLine() > 5);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {},
                            QPoint(50, view.viewport()->height() + 40));
        const auto [from, to] = view.selection();
        QCOMPARE(from, (ReportPosition{2, 0}));
        QVERIFY(to.line >= view.firstVisibleLine() + view.visibleLineCount());
    }

    void millionRows() {
        const DetailsReport report = buildReport(1e6, 10000, 0.01, 0.0);
        QCOMPARE(report.rowCount(), 1'000'000);
        ReportView view;
        QVERIFY(showReport(view, report, 700, 400));
        QVERIFY(!view.grab().isNull());
        const QScrollBar* bar = view.verticalScrollBar();
        QCOMPARE(bar->maximum() + bar->pageStep(), report.lineCount());

        view.setFocus();
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        const int page = view.visibleLineCount();
        QCOMPARE(view.firstVisibleLine(), report.lineCount() - page);
        const QImage image = view.viewport()->grab().toImage();
        const int lh = view.lineHeight();
        // Only the last row has a seven-digit number, so only its band has ink in the ninth cell.
        const double cell = QFontMetricsF(view.font()).horizontalAdvance(u'0');
        const auto ninthCell = [&](int row) {
            return QRect(static_cast<int>(ReportView::kTextMargin + 8 * cell + 1), row * lh + 1,
                         static_cast<int>(cell) - 2, lh - 2);
        };
        QVERIFY(inkIn(image, ninthCell(page - 1)));
        QVERIFY(!inkIn(image, ninthCell(page - 2)));
        if (view.viewport()->height() - page * lh > 2) // nothing drawn below the last line
            QVERIFY(!inkIn(image, QRect(0, page * lh + 1, image.width(),
                                        view.viewport()->height() - page * lh - 1)));

        // The bottom line on screen is the last row: drag across it.
        const std::int64_t last = report.lineCount() - 1;
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, tabPoint(view, last, 0));
        QTest::mouseMove(view.viewport(), tabPoint(view, last, 0) + QPoint(600, 0));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {},
                            tabPoint(view, last, 0) + QPoint(600, 0));
        QCOMPARE(view.selectedText(), QString::fromStdString(report.line(last)));
        QVERIFY(view.selectedText().startsWith("  1000000\t"));
    }
};

QTEST_MAIN(ReportViewTest)
#include "report_view_test.moc"
