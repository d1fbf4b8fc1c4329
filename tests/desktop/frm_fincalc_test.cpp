// The main window's wiring: every kind of user action reaches its handler, and afterwards the
// widgets show exactly the state. What each handler does is the state's own rule, tested with
// the state (tests/calculator, and the recorded sessions of tests/cli); here each path from a
// widget to a handler is followed once, and what only Qt shows is looked at: sizes, focus, Tab,
// tooltips, menus, printing. Dialogs are fakes; the watchdog fails a test in which one opens.

#include <QMap>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTextBlock>
#include <QToolBar>
#include <QWheelEvent>
#include <climits>
#include <cmath>

#include "desktop/frm_about.h"
#include "desktop/report_view.h"
#include "support/pdf_text.h"
#include "support/report_inputs.h"
#include "window_fixture.h"

using namespace selvane;

namespace {

// The sheets of a PDF as pictures, one after the other: two PDFs made at different times differ
// in their dates, but the same pages rasterise to the same pixels. A file that cannot be read
// gives a text naming it, which no other file's pictures equal.
QByteArray sheetPictures(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-gray"), pdf});
    const bool done = p.waitForFinished(60000) && p.exitCode() == 0;
    return done ? p.readAllStandardOutput() : ("<pdftoppm failed on " + pdf + ">").toUtf8();
}

} // namespace

class FrmFinCalcTest : public QObject, FakeWindow {
    Q_OBJECT

    // Every widget agrees with the state.
    void verifyShowsState() {
        const FinCalc& c = calc();
        const auto qs = [](const std::string& s) { return QString::fromStdString(s); };
        QCOMPARE(window->windowTitle(), qs(c.caption));
        const std::pair<const char*, const ComboList*> lists[] = {
            {"cmCompound", &c.cmCompound}, {"cmPeriod", &c.cmPeriod}, {"cmResult", &c.cmResult}};
        for (const auto& [name, list] : lists)
            QVERIFY2(named<QComboBox>(name)->count() == static_cast<int>(list->entries.size()) &&
                         named<QComboBox>(name)->currentIndex() == list->selected,
                     name);
        for (int i = 0; i < kFieldCount; ++i) {
            const ParameterField& f = c.fields[static_cast<size_t>(i)];
            const auto* label = named<QLabel>(QStringLiteral("lblSL_%1").arg(i));
            QVERIFY(field(i)->text() == qs(f.text) && label->text() == qs(f.caption));
            QVERIFY(field(i)->isReadOnly() == f.locked && field(i)->isEnabled() == f.enabled &&
                    label->isEnabled() == f.enabled);
            QCOMPARE(field(i)->palette().color(QPalette::Base).rgb() & 0xFFFFFFu, f.back);
        }
        QCOMPARE(named<QPlainTextEdit>("txtComments")->toPlainText(),
                 qs(c.comments).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        QVERIFY(action("mnTable")->isChecked() == c.detailsChecked &&
                named<ReportView>("rtDetails")->report() == &c.report);
    }

  private slots:
    void init() { QVERIFY(open()); }
    void cleanup() { QVERIFY(close()); }

    // At start-up the keys go to the first field as the fields are read; at start-up and in each
    // function chosen from its menu, Tab visits the shown fields row by row from the top and left
    // to right within a row. PER is never shown. The comments box is painted whole at start-up.
    void startsInTheFirstFieldAndTabsInReadingOrder() {
        QSet<QString> captions;
        for (const char* mode :
             {"", "mnMortgage", "mnLease", "mnIncome", "mnInvestment", "mnPersonalLoan"}) {
            if (*mode)
                action(mode)->trigger();
            captions << window->windowTitle();
            QVERIFY(!field(field::PER)->isVisible() && !named("lblSL_1")->isVisible());
            verifyShowsState();
            QMap<std::pair<int, int>, QWidget*> byPlace; // top, then left
            for (int i = 0; i < kFieldCount; ++i)
                if (const QPoint at = field(i)->mapTo(window.get(), QPoint());
                    field(i)->isVisible())
                    byPlace[{at.y(), at.x()}] = field(i);
            const QList<QWidget*> shown = byPlace.values();
            if (!*mode)
                QCOMPARE(window->focusWidget(), shown.first());
            QList<QWidget*> tabbed;
            for (QWidget* w = shown.first(); tabbed.size() < shown.size();
                 w = w->nextInFocusChain())
                if (shown.contains(w) && !tabbed.contains(w))
                    tabbed << w;
            QCOMPARE(tabbed, shown);
        }
        QCOMPARE(captions.size(), 5); // each entry ran a set-up of its own

        // At start-up the comments box is painted with its scroll bar as it stays, not set again
        // after the first paint as its lines are laid out; its lines wrap, so it never scrolls
        // across. Of a long topic only the lines in sight are laid out then (all of a megabyte
        // would take long).
        QFile topic(path("Startup.txt")); // in the folder of the files the tests write
        QVERIFY(topic.open(QIODevice::WriteOnly));
        for (int i = 0; i < 5000; ++i)
            topic.write("A short line of a long topic.\r\n");
        topic.close();
        const QString shipped = QDir::currentPath();
        for (const QString& folder : {shipped, files.path()}) {
            QVERIFY(close() && QDir::setCurrent(folder));
            window = std::make_unique<selvane::frmFinCalc>(services());
            window->Form_Load();
            QVERIFY(QDir::setCurrent(shipped));
            auto* comments = named<QPlainTextEdit>("txtComments");
            struct AtFirstPaint : QObject {
                const QScrollBar* bar = nullptr;
                int maximum = -1;
                bool eventFilter(QObject*, QEvent* event) override {
                    if (event->type() == QEvent::Paint && maximum < 0)
                        maximum = bar->maximum();
                    return false;
                }
            } seen;
            seen.bar = comments->verticalScrollBar();
            comments->viewport()->installEventFilter(&seen);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QTRY_VERIFY(seen.maximum > 0); // painted, with the topic's lines
            QCOMPARE(seen.maximum, seen.bar->maximum());
            QVERIFY(!comments->horizontalScrollBar()->isVisible());
            const QTextDocument* text = comments->document();
            QVERIFY(text->firstBlock().layout()->lineCount() > 0);
            if (folder != shipped)
                QCOMPARE(text->findBlockByNumber(4000).layout()->lineCount(), 0);
        }
    }

    // At start-up the report is out of sight below the frames and the comments box. Details shows
    // it at the state's height, the window growing to hold it; the menu entry hides it again, the
    // window as it was. However small the window is made, by the user or by a small screen, every
    // control of the view stays whole, the report with a few lines at least. A copy the report
    // refuses is said.
    void detailsShowTheReportAndTheWindowStaysWhole() {
        const QWidget* client = window->centralWidget();
        auto* report = named<ReportView>("rtDetails");
        const auto verifyWhole = [&](bool withReport) {
            QRect r;
            for (const char* name : {"Frame1", "fraSL_0", "fraSL_1", "fraSL_2", "txtComments"})
                r |= named(name)->geometry();
            if (withReport)
                r |= report->geometry();
            QVERIFY(withReport ? report->height() >= 3 * report->lineHeight()
                               : report->geometry().top() >= client->height());
            QCOMPARE(client->rect() | r, client->rect());
        };
        verifyWhole(false);
        const QSize collapsed = window->size();
        named<QPushButton>("btnDetails")->click();
        QVERIFY(window->height() > collapsed.height());
        const QScrollBar* bar = report->verticalScrollBar();
        QCOMPARE(bar->maximum() + bar->pageStep(), report->report()->lineCount());
        // Most of the screen's height, the report down to near the window's foot.
        const int screen = window->screen()->availableGeometry().height();
        QVERIFY(std::abs(window->height() - 0.9 * screen) < 40 &&
                client->height() - report->geometry().bottom() < 80);
        verifyWhole(true);
        verifyShowsState();
        action("mnTable")->trigger();
        QCOMPARE(window->size(), collapsed);
        for (bool details : {false, true}) {
            if (details)
                action("mnTable")->trigger();
            window->resize(50, 50);
            QCoreApplication::processEvents();
            verifyWhole(details);
        }
        // The details view on a screen 400 pixels high: the report box's own height comes out
        // below zero.
        action("mnTable")->trigger();
        window->pretendScreenHeight(400);
        action("mnTable")->trigger();
        verifyWhole(true);
        // The report view refuses to copy more than it may (report_view_test); the window says why.
        emit report->copyRefused(2'000'000'000);
        const auto& shown = messenger.shown;
        QVERIFY(shown.size() == 1 && shown[0].first == "Copy");
        QVERIFY2(shown[0].second.find("100,000,000 bytes") != std::string::npos,
                 shown[0].second.c_str());
    }

    // What the user types keeps the cursor where the typing left it; a figure the program sets
    // shows from its first digit, so that a long one never looks like a short one, and one too
    // long for its box is the box's tooltip. The user can widen the window, not narrow it or make
    // it taller: the controls stretch across with it, so a long figure can be read whole, and at
    // the set width each is back in its place. The width lasts to the next run, within the
    // screen.
    void widerWindowStretchesItsControls() {
        action("mnTable")->trigger();
        const QSize set = window->size();
        const QRegularExpression ours(QStringLiteral(
            "^(txtSL|lblSL|fraSL|Frame1|txtComments|rtDetails|cm|btn|Label|lblResult)"));
        QMap<QWidget*, QRect> places;
        for (QWidget* w : window->centralWidget()->findChildren<QWidget*>())
            if (ours.match(w->objectName()).hasMatch())
                places[w] = w->geometry();
        QVERIFY(places.size() > 2 * kFieldCount);

        QLineEdit* payment = field(field::PMT);
        type(field(field::SBAL), "123456789012");
        QCOMPARE(field(field::SBAL)->cursorPosition(), 12);
        QTest::keyClick(field(field::SBAL), Qt::Key_Return);
        const auto fits = [payment] {
            return payment->fontMetrics().horizontalAdvance(payment->text()) <=
                   payment->contentsRect().width() - 4;
        };
        QVERIFY(!fits() && payment->cursorPosition() == 0);
        QCOMPARE(payment->toolTip(), payment->text());
        window->resize(1600, set.height() + 200);
        QCOMPARE(window->size(), QSize(1600, set.height()));
        QVERIFY2(fits(), qPrintable(payment->text()));
        QCOMPARE(payment->toolTip(), QString()); // the whole text shows: no tip repeats it
        const double across = 1600.0 / set.width();
        for (auto [w, was] : places.asKeyValueRange()) {
            const QRect now = w->geometry();
            const QString name = w->objectName();
            QVERIFY2(now.top() == was.top() && now.height() == was.height(), qPrintable(name));
            const double width = name.startsWith("btn") ? was.width() : was.width() * across;
            QVERIFY2(qAbs(now.left() - was.left() * across) <= 1 &&
                         (name.startsWith("lbl") || name.startsWith("Label") ||
                          qAbs(now.width() - width) <= 1),
                     qPrintable(name));
            QVERIFY2(now.right() < w->parentWidget()->width(), qPrintable(name)); // in its frame
        }
        window->resize(set.width() - 100, set.height());
        QCOMPARE(window->size(), set);
        for (auto [w, was] : places.asKeyValueRange())
            QVERIFY2(w->geometry() == was, qPrintable(w->objectName()));
        QCOMPARE(payment->toolTip(), payment->text());

        window->resize(1600, set.height());
        window->close();
        QVERIFY(close() && open(true));
        const int room = window->screen()->availableGeometry().width();
        QVERIFY2(window->width() > set.width() &&
                     window->frameGeometry().width() <= std::max(room, set.width()),
                 qPrintable(QString::number(window->width())));
    }

    // Each kind of user action reaches its handler, and only its handler.
    //
    // Keys reach the state as they are released; Enter calculates even in a read-only field,
    // which never sees it; an edit without keys (a paste) reaches the state too, and so do
    // Calculate and a click on each kind of label. (What a key's release alone does in a lease:
    // the recorded session 06-lease-live-update.)
    //
    // Text typed into a list's text part, even another entry's name, and left by Enter and Tab
    // is no choice: no handler runs, and the text part shows the selected entry again. An entry
    // chosen as a user does runs its list's handler, the entry already selected too: a result type
    // chosen again puts the mode's inputs back. Up and Down in a closed list choose, as in most
    // desktop programs; a turn of the mouse wheel over it does not.
    //
    // Alt with a letter never types, in a field or a list: an access key opens its menu, another
    // letter does nothing; F10 opens the first menu. The shortcuts reach their menu entries from
    // a field, which never sees the keys, and the buttons theirs. (What Open and Save do with the
    // dialogs' answers: open_files_test.)
    void userActionsReachTheirHandlersOnly() {
        QVERIFY(activate());
        const FinCalc& c = calc();
        QLineEdit* pmt = field(field::PMT);
        QSignalSpy returns(pmt, &QLineEdit::returnPressed);
        QString payment = pmt->text();
        type(field(field::APR), "8");
        QCOMPARE(c.fields[field::APR].text, std::string("8"));
        QTest::keyClick(pmt, Qt::Key_Return);
        QVERIFY(pmt->text() != payment && returns.isEmpty());
        payment = pmt->text();
        field(field::DPMT)->selectAll();
        field(field::DPMT)->insert(QStringLiteral("1500")); // as pasting or an input method does
        QCOMPARE(c.fields[field::DPMT].text, std::string("1500"));
        named<QPushButton>("btnCalculate")->click();
        QVERIFY(pmt->text() != payment);

        for (const char* label : {"Label1", "Label2", "lblResult", "lblSL_6"}) {
            const std::string topic = c.HelpTopic;
            QTest::mouseClick(named(label), Qt::LeftButton);
            QVERIFY2(c.HelpTopic != topic, label);
            verifyShowsState(); // the topic in the comments box
        }

        QLineEdit* sbal = field(field::SBAL);
        const QString preset = sbal->text();
        type(sbal, "1234"); // an input any result-type set-up puts back
        auto* result = named<QComboBox>("cmResult");
        const QString entry = result->currentText();
        result->setFocus(Qt::TabFocusReason);
        QTest::keyClick(result->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(result->lineEdit(), QStringLiteral("Loan Amount")); // another entry
        QVERIFY(result->currentText() != entry); // the text part took the keys
        QTest::keyClick(result->lineEdit(), Qt::Key_Return);
        QTest::keyClick(result->lineEdit(), Qt::Key_Tab);
        QVERIFY(!result->hasFocus() && sbal->text() == "1234");
        QCOMPARE(result->lineEdit()->text(), entry);
        verifyShowsState();
        choose(named<QComboBox>("cmResult"), c.cmResult.selected);
        QCOMPARE(sbal->text(), preset);
        const auto payments = c.PaymentsPerMonth;
        choose(named<QComboBox>("cmPeriod"), 0);
        QVERIFY(c.PaymentsPerMonth != payments);

        auto* compound = named<QComboBox>("cmCompound");
        const int chosen = c.cmCompound.selected + 1;
        const auto months = c.CompoundMonths;
        compound->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(c.cmCompound.selected == chosen && c.CompoundMonths != months);
        const QPoint at = compound->rect().center();
        QWheelEvent wheel(at, compound->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(compound, &wheel);
        QCOMPARE(c.cmCompound.selected, chosen);
        verifyShowsState();

        const std::pair<QKeyCombination, const char*> keys[] = {
            {Qt::AltModifier | Qt::Key_H, "mnHelp"},
            {Qt::AltModifier | Qt::Key_Q, nullptr},
            {QKeyCombination(Qt::Key_F10), "mnFile"}};
        for (const char* where : {"txtSL_0", "cmCompound"}) {
            QLineEdit* edit = *where == 'c' ? named<QComboBox>(where)->lineEdit() : field(0);
            const QString text = edit->text();
            for (const auto& [key, menuName] : keys) {
                named(where)->setFocus(Qt::TabFocusReason);
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
                if (menuName) {
                    auto* menu = named<QMenu>(menuName);
                    QVERIFY2(menu->isVisible(), menuName);
                    menu->close();
                    QTRY_VERIFY(!menu->isVisible());
                }
                QCOMPARE(edit->text(), text);
            }
        }

        QTest::mouseClick(named("lblSL_0"), Qt::LeftButton); // a topic F1 must replace
        const std::string topic = calc().HelpTopic;
        QLineEdit* apr = field(field::APR);
        apr->setFocus();
        const QString text = apr->text();
        for (const char* shortcut : {"Ctrl+O", "Ctrl+S", "Ctrl+P", "F1"}) // all cancelled
            QTest::keySequence(apr, QKeySequence(QLatin1String(shortcut)));
        QVERIFY(calc().HelpTopic != topic); // the general topic
        QCOMPARE(apr->text(), text);
        verifyShowsState();
        for (const char* button : {"btnOpen", "btnSave", "btnPrint"})
            named<QPushButton>(button)->click();
        QVERIFY(dialogs.openCalls == 2 && dialogs.saveCalls == 2 && dialogs.printCalls == 2);
        // Ctrl+Q closes the window as its close button does.
        QTest::keySequence(apr, QKeySequence(QStringLiteral("Ctrl+Q")));
        QVERIFY(!window->isVisible());
    }

    // The print dialog is offered the report's pages and the file and paper chosen last in this
    // session (at first the locale's paper, Letter under en_US as these tests run, unless a
    // printer names one); a page range chosen holds for that printout only. The print preview
    // counts the same pages, and its Print paints them, on the paper chosen last, pixel for pixel
    // as File > Print does. A long printout shows its progress and can be cancelled.
    void printGoesThroughThePrintDialogAndThePreview() {
        for (const char* tool : {"pdftotext", "pdftoppm"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QFAIL("poppler-utils is missing: scripts/install-deps installs it");
        QString offeredFile;
        QPageSize::PageSizeId offeredPaper{};
        std::function<void(QPrinter&)> choose; // what the user chooses there; none cancels
        dialogs.onPrint = [&](QPrinter& printer) {
            offeredFile = printer.outputFileName();
            offeredPaper = printer.pageLayout().pageSize().id();
            if (choose)
                choose(printer);
            return bool(choose);
        };
        named<QPushButton>("btnPrint")->click();
        QCOMPARE(dialogs.printedPageCount, 2); // 60 payments in pages of 50 rows
        QCOMPARE(offeredFile, QString());
        if (QPrinterInfo::defaultPrinter().isNull())
            QCOMPARE(offeredPaper, QPageSize::Letter);

        const QString printed = path("legal.pdf");
        choose = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            printer.setPageSize(QPageSize(QPageSize::Legal));
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 2);
        };
        named<QPushButton>("btnPrint")->click();
        const QStringList sheets = testing::pdfPages(printed);
        QCOMPARE(sheets.size(), 1);
        QVERIFY2(sheets[0].simplified().startsWith(QLatin1String("51 ")), qPrintable(sheets[0]));
        choose = [](QPrinter&) {}; // as offered
        action("mnPrint")->trigger();
        QVERIFY(offeredFile == printed && offeredPaper == QPageSize::Legal);
        QCOMPARE(testing::pdfPages(printed).size(), 2);

        int previewPages = -1;
        dialogs.onPreview = [&](QPrinter& printer, const Dialogs::PaintOnto& paint) {
            QPrintPreviewWidget widget(&printer);
            connect(&widget, &QPrintPreviewWidget::paintRequested, &widget,
                    [&](QPrinter* p) { paint(*p); });
            widget.updatePreview();
            previewPages = widget.pageCount();
            printer.setOutputFileName(path("from-preview.pdf")); // its Print
            return paint(printer);
        };
        action("mnPrintPreview")->trigger();
        QCOMPARE(previewPages, 2);
        QCOMPARE(sheetPictures(path("from-preview.pdf")), sheetPictures(printed));
        QVERIFY(messenger.shown.empty());

        // A printout of more than twenty pages runs behind a progress dialog whose Cancel
        // abandons it; a shorter one prints at once. The progress dialog is kept from showing (its
        // minimum duration never passes), however slow the machine: only the printout may cancel
        // itself.
        const PrintedPages pages =
            PrintedPages::layout(testing::reportInputs(1000, 1000, 1, 0), testing::kUsd);
        const PrintedPages twenty =
            PrintedPages::layout(testing::reportInputs(999, 1000, 1, 0), testing::kUsd);
        QVERIFY(pages.pageCount() == 21 && twenty.pageCount() == 20);
        const auto printOut = [&](const PrintedPages& what, const char* name) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path(name));
            return printWithProgress(window.get(), printer, what, {20, INT_MAX});
        };
        int progressSeen = 0;
        QTimer::singleShot(0, [&] { // runs from the printout's first turn of the event loop
            if (auto* progress = window->findChild<QProgressDialog*>()) {
                ++progressSeen;
                progress->cancel();
            }
        });
        QVERIFY(!printOut(pages, "cancelled.pdf") && progressSeen == 1);
        QVERIFY(window->findChild<QProgressDialog*>() == nullptr); // gone with it
        QVERIFY(printOut(pages, "whole.pdf"));

        bool printing = true, turnedWhilePrinting = false;
        QTimer::singleShot(0, [&] { turnedWhilePrinting = printing; });
        QVERIFY(printOut(twenty, "twenty.pdf"));
        printing = false;
        QCoreApplication::processEvents();
        QVERIFY(!turnedWhilePrinting);

        // Qt's own preview, too narrow for its toolbar (a screen at scale 2), shows its Print.
        QPrinter printer;
        QPrintPreviewDialog real(&printer);
        QAction* print = putPrintFirst(real);
        real.resize(360, 400);
        real.show();
        auto* bar = real.findChild<QToolBar*>();
        QVERIFY(print && QTest::qWaitForWindowExposed(&real) &&
                bar->width() < bar->sizeHint().width());
        QVERIFY(bar->widgetForAction(print)->isVisible());
    }

    // The About box's System Info starts the first system-information tool found on the PATH,
    // in the order of the candidates, leaving the box open, and says when it cannot start one,
    // whether the tool found fails to start or none is found; OK closes and unloads the box.
    // Help > About shows it, not modal and of its own, and closing the window closes it.
    void aboutBox() {
        struct : Launcher {
            std::vector<std::string> installed = {"gnome-system-monitor", "hardinfo"};
            bool startSucceeds = true;
            std::vector<std::string> started; // every program a start was tried for
            std::optional<std::string> find(const std::string& p) override {
                return std::ranges::count(installed, p) ? "/usr/bin/" + p
                                                        : std::optional<std::string>();
            }
            bool start(const std::string& program) override {
                started.push_back(program);
                return startSucceeds;
            }
        } launcher;
        const auto& shown = messenger.shown;
        QPointer<frmAbout> box = new frmAbout({&launcher, &messenger});
        box->show();
        auto* sysInfo = box->findChild<QPushButton*>("cmdSysInfo");
        QTest::mouseClick(sysInfo, Qt::LeftButton);
        QCOMPARE(launcher.started, std::vector<std::string>{"/usr/bin/hardinfo"});
        QVERIFY(shown.empty() && box->isVisible());
        launcher.startSucceeds = false;
        QTest::mouseClick(sysInfo, Qt::LeftButton);
        launcher.installed.clear();
        QTest::mouseClick(sysInfo, Qt::LeftButton);
        QCOMPARE(launcher.started.size(), size_t{2});
        QVERIFY(shown.size() == 2 && shown[1] == shown[0] &&
                shown[0].second == kSysInfoUnavailable);
        QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());

        action("mnAbout")->trigger();
        box = window->host().aboutBox();
        QVERIFY(box && box->isVisible() && !box->isModal() && !box->parentWidget());
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());
    }
};

QTEST_MAIN(FrmFinCalcTest)
#include "frm_fincalc_test.moc"
