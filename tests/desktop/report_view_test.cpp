// The report view: what is selected, by mouse, keys or Select All, is the report's own text
// between the two ends, and Copy and the size count agree with it; the copy keys, the copy
// limit, the scroll range, what is painted where, and a report of a million rows. The report's
// text itself is core's (tests/core/details_text_test.cpp).

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "desktop/report_view.h"
#include "support/report_inputs.h"

using namespace selvane;

namespace {

DetailsReport buildReport(double pers, double sbal, double pmt, double rate,
                          const CurrencyFormat& currency = testing::kUsd) {
    DetailsReport report;
    if (!DetailsReport::build(testing::reportInputs(pers, sbal, pmt, rate), currency, report))
        qFatal("report did not build");
    return report;
}
DetailsReport loan60() {
    return buildReport(60, 20000, 400.7589719124764, 0.00625);
}

// The report's lines, and its text from one place to another (either order, each end brought
// within the report): an oracle that knows nothing of how the view cuts and writes.
QStringList linesOf(const DetailsReport& r) {
    return QString::fromStdString(r.text()).split(QStringLiteral("\r\n"));
}
QString between(const QStringList& lines, ReportPosition a, ReportPosition b) {
    const auto within = [&](ReportPosition p) {
        p.line = std::min<std::int64_t>(p.line, lines.size() - 1);
        p.column = std::min(p.column, lines[p.line].size());
        return p;
    };
    const ReportPosition from = within(std::min(a, b)), to = within(std::max(a, b));
    const QString joined =
        lines.mid(from.line, to.line - from.line + 1).join(QStringLiteral("\r\n"));
    return joined.mid(from.column).chopped(lines[to.line].size() - to.column);
}

// Column just after the k-th tab of a line (k = 0: start of line), and a point on screen that
// lands there: one pixel right of the tab stop, on the middle of the line.
ReportPosition afterTab(const DetailsReport& r, std::int64_t line, int k) {
    const QString text = QString::fromStdString(r.line(line));
    qsizetype column = 0;
    for (int i = 0; i < k; ++i)
        column = text.indexOf(u'\t', column) + 1;
    return {line, column};
}
QPoint tabPoint(const ReportView& view, std::int64_t line, int k) {
    const double x = ReportView::kTextMargin + k * 1250 / 15.0 + 1; // stops every 1250 twips
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
    // Selections cut anywhere, across the summary and the rows, in euros (whose sign takes more
    // bytes than characters), of a summary alone and of many thousand rows written in pieces:
    // the selected text, the copy and the counted size are the report's text between the ends, up
    // to the copy limit.
    void selectionsAreTheReportsTextBetweenTheirEnds() {
        const DetailsReport reports[] = {
            loan60(), buildReport(12, 20000, 1750, 0.005, CurrencyFormat(QLocale(QLocale::German))),
            buildReport(0, 1000, 10, 0.01), buildReport(200'100, 100000, 0.01, 0.0)};
        QVERIFY(reports[1].line(0).size() >
                size_t(QString::fromStdString(reports[1].line(0)).size()));
        const std::pair<ReportPosition, ReportPosition> selections[] = {
            {{0, 10}, {0, 40}}, {{0, 25}, {1, 20}}, {{5, 3}, {11, 9}},
            {{2, 5}, {40, 6}},  {{14, 9}, {11, 1}}, {{3, 4}, {200'000, 7}}};
        for (const DetailsReport& r : reports) {
            const QStringList lines = linesOf(r);
            ReportView view;
            view.setReport(&r);
            for (const auto& [anchor, cursor] : selections) {
                view.setSelection(anchor, cursor);
                const QString expected = between(lines, anchor, cursor);
                QCOMPARE(view.selectedText(), expected);
                if (expected.isEmpty()) // both ends past the end of a short report
                    continue;
                view.copy();
                QCOMPARE(QGuiApplication::clipboard()->text(), expected);
                QCOMPARE(view.selectionBytes(),
                         static_cast<std::int64_t>(expected.toUtf8().size()));
            }
        }
        // Copy takes at most kMaxCopyBytes. Rows of 309-digit figures make a report over the limit
        // in a few hundred thousand lines: the limit is one of bytes, whatever the lines. The
        // longest selection from the top that ends a line within it is copied whole; one line more
        // is not.
        const DetailsReport report = buildReport(310'000, 1.7e308, 1, 0.0);
        const std::string text = report.text();
        const std::size_t end = text.rfind("\r\n", ReportView::kMaxCopyBytes); // of `line`
        const std::int64_t line = std::count(text.begin(), text.begin() + end, '\n');
        ReportView view;
        view.setReport(&report);
        QSignalSpy refused(&view, &ReportView::copyRefused);
        const auto copied = [] {
            return QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain"));
        };
        view.setSelection({0, 0}, {line, 1 << 30}); // to the end of the line
        view.copy();
        QCOMPARE(refused.count(), 0);
        const QByteArray whole = copied();
        QVERIFY(std::string_view(whole.constData(), whole.size()) == text.substr(0, end));
        view.setSelection({0, 0}, {line + 1, 1 << 30});
        view.copy();
        QCOMPARE(refused.count(), 1);
        QCOMPARE(copied(), whole);
    }

    // In a window: a drag, or a click and a shift+click, selects from the one place to the
    // other; a double click selects a figure; a drag past the bottom edge scrolls on and selects
    // on. Ctrl+A and Ctrl+C select and copy, and the view keeps Ctrl+C from the window around it;
    // with nothing selected Ctrl+C copies nothing.
    void mouseAndKeysSelectAndCopy() {
        const DetailsReport report = loan60();
        const QStringList lines = linesOf(report);
        QWidget window;
        auto* view = new ReportView(&window);
        view->resize(700, 400);
        window.resize(view->size());
        view->setReport(&report);
        int windowCopies = 0; // by an action of the window's own
        window.addAction(QString(), QKeySequence::Copy, [&] { ++windowCopies; });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget* vp = view->viewport();
        const struct {
            int pressLine, pressTab, releaseLine, releaseTab;
        } cases[] = {{12, 1, 12, 3}, {11, 2, 14, 1}, {14, 1, 11, 2}, {3, 0, 10, 4}};
        for (const bool shift : {false, true})
            for (const auto& c : cases) {
                const QPoint p1 = tabPoint(*view, c.pressLine, c.pressTab),
                             p2 = tabPoint(*view, c.releaseLine, c.releaseTab);
                if (shift) {
                    QTest::mouseClick(vp, Qt::LeftButton, {}, p1);
                    QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, p2);
                } else {
                    QTest::mousePress(vp, Qt::LeftButton, {}, p1);
                    QTest::mouseMove(vp, p2);
                    QTest::mouseRelease(vp, Qt::LeftButton, {}, p2);
                }
                QCOMPARE(view->selectedText(),
                         between(lines, afterTab(report, c.pressLine, c.pressTab),
                                 afterTab(report, c.releaseLine, c.releaseTab)));
            }
        QTest::mouseDClick(vp, Qt::LeftButton, {}, tabPoint(*view, 12, 2) + QPoint(10, 0));
        QCOMPARE(view->selectedText(), lines[12].split(u'\t').at(2));
        const QPoint below(50, vp->height() + 40);
        QTest::mousePress(vp, Qt::LeftButton, {}, tabPoint(*view, 2, 0));
        QTest::mouseMove(vp, below);
        QTRY_VERIFY(view->firstVisibleLine() > 5);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, below);
        const auto [from, to] = view->selection();
        QCOMPARE(from, (ReportPosition{2, 0}));
        QVERIFY(to.line >= view->firstVisibleLine() + view->visibleLineCount());

        QClipboard* clipboard = QGuiApplication::clipboard();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(clipboard->text() == QString::fromStdString(report.text()) && windowCopies == 0);
        view->clearSelection();
        clipboard->setText("untouched");
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier); // nothing selected
        QCOMPARE(clipboard->text(), QString("untouched"));
    }

    // The scroll bar pages by the lines on screen, up to the last of a million rows, which
    // Ctrl+End shows at the bottom, painted and selectable; another report starts at the top
    // with nothing selected, its figures painted at their tab stops; no report shows nothing.
    void scrollRangeFollowsTheReport() {
        const DetailsReport report = buildReport(1e6, 10000, 0.01, 0.0);
        {
            // Its width is known when it shows, not found as its widest lines come into sight:
            // the scroll bar across stays as it was when the end of the report shows.
            ReportView narrow;
            narrow.resize(150, 100);
            narrow.setReport(&report);
            narrow.show();
            QVERIFY(QTest::qWaitForWindowExposed(&narrow));
            const int across = narrow.horizontalScrollBar()->maximum();
            narrow.scrollToLine(report.lineCount());
            narrow.repaint();
            QCoreApplication::processEvents();
            QCOMPARE(narrow.horizontalScrollBar()->maximum(), across);
            // A font set later is measured again.
            const int lh = narrow.lineHeight();
            narrow.setFont(QFont(narrow.font().family(), 2 * narrow.font().pointSize()));
            QVERIFY(narrow.lineHeight() > lh);
        }
        ReportView view;
        view.resize(700, 400);
        view.setReport(&report);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // (Read before anything asks for the line height: showing the view takes the measures.)
        const QScrollBar* bar = view.verticalScrollBar();
        const int pageStep = bar->pageStep(), maximum = bar->maximum();
        const int lh = view.lineHeight(), page = view.viewport()->height() / lh;
        QVERIFY(pageStep == page && bar->singleStep() == 1);
        QCOMPARE(maximum + page, report.lineCount());
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view.firstVisibleLine(), report.lineCount() - page);
        // Just above the top line, a line above it and a line and a pixel above it (where a drag
        // scrolls up from).
        QCOMPARE(view.positionAt({0, -1}).line, view.firstVisibleLine() - 1);
        QCOMPARE(view.positionAt({0, -lh}).line, view.firstVisibleLine() - 1);
        QCOMPARE(view.positionAt({0, -lh - 1}).line, view.firstVisibleLine() - 2);
        // Only the last row has a seven-digit number, so only its band has ink in the ninth cell.
        const QImage image = view.viewport()->grab().toImage();
        const double cell = QFontMetricsF(view.font()).horizontalAdvance(u'0');
        const auto ninthCell = [&](int row) {
            return QRect(static_cast<int>(ReportView::kTextMargin + 8 * cell + 1), row * lh + 1,
                         static_cast<int>(cell) - 2, lh - 2);
        };
        QVERIFY(inkIn(image, ninthCell(page - 1)) && !inkIn(image, ninthCell(page - 2)));
        const QPoint start = tabPoint(view, report.lineCount() - 1, 0);
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(view.viewport(), start + QPoint(600, 0));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, start + QPoint(600, 0));
        QCOMPARE(view.selectedText(), QString::fromStdString(report.line(report.lineCount() - 1)));
        QVERIFY(view.selectedText().startsWith("  1000000\t"));

        const DetailsReport other = loan60();
        view.setReport(&other);
        QVERIFY(view.firstVisibleLine() == 0 && !view.hasSelection());
        QCOMPARE(bar->maximum(), static_cast<int>(other.lineCount()) - page);
        // Each figure of the first payment row starts on its stop, with blank paper just before
        // it, which a selection highlights too.
        const auto band = [&](int x0, int x1) {
            return QRect(QPoint(x0, 10 * lh + 1), QPoint(x1, 11 * lh - 2));
        };
        const QImage drawn = view.viewport()->grab().toImage();
        const int stop = tabPoint(view, 0, 1).x() - 1;
        QVERIFY(inkIn(drawn, band(stop, stop + 14)) && !inkIn(drawn, band(stop - 5, stop - 1)));
        view.selectAll();
        QCOMPARE(view.viewport()->grab().toImage().pixelColor(
                     band(tabPoint(view, 0, 1).x() - 5, 0).topLeft()),
                 view.palette().color(QPalette::Highlight));
        view.setReport(nullptr);
        view.selectAll();
        QVERIFY(bar->maximum() == 0 && view.selectedText().isEmpty() && !view.grab().isNull());
    }
};

QTEST_MAIN(ReportViewTest)
#include "report_view_test.moc"
