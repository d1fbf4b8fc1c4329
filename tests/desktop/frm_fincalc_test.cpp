// The main window's wiring: every kind of user action reaches its handler, and afterwards the
// widgets show exactly the state. What each handler does is the state's own rule, tested with
// the state; here each path from a widget to a handler is followed once. Dialogs are fakes; the
// watchdog fails a test in which one really opens.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <climits>

#include "desktop/frm_about.h"
#include "desktop/frm_fincalc.h"
#include "desktop/report_view.h"
#include "window_fixture.h"

using namespace selvane;

// The text of each sheet of a PDF, as pdftotext lays it out.
static QStringList pdfSheets(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {QStringLiteral("<pdftotext failed>")};
    // Each sheet ends with a form feed.
    return QString::fromUtf8(p.readAllStandardOutput())
        .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

// A help topic as the comments box shows it, read from its file.
static QString topicText(const char* file) {
    QFile f(QLatin1String{file});
    const QByteArray text = f.open(QIODevice::ReadOnly) ? f.readAll() : "<missing>";
    return QString::fromLatin1(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

class FrmFinCalcTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(m_fake.open()); }
    void cleanup() {
        const QStringList modal = m_fake.close();
        QVERIFY2(modal.isEmpty(), qPrintable(modal.join(", ")));
    }

    // ----- start-up and layout

    // At start-up about 632 x 347 pixels with its frame, the comments box whole and the report
    // below sight, the keys going to the first field. The button shows the report, the window
    // growing to hold it; the menu entry hides it again, the window as it was.
    void startsWithTheReportOutOfSightAndDetailsShowIt() {
        verifyShowsState();
        QCOMPARE(m_fake.window->focusWidget(), field(field::APR));
        QCOMPARE(named<QPlainTextEdit>("txtComments")->toPlainText(), topicText("Startup.txt"));
        const QSize size = m_fake.window->frameGeometry().size();
        QCOMPARE(size.boundedTo(QSize(632, 347)).expandedTo(QSize(600, 300)), size);
        const QWidget* client = m_fake.window->centralWidget();
        auto* report = named<ReportView>("rtDetails");
        QVERIFY(named<QWidget>("txtComments")->geometry().bottom() < client->height());
        QVERIFY(named<QWidget>("fraSL_0")->geometry().bottom() < client->height());
        QVERIFY(report->geometry().top() >= client->height());

        const QSize collapsed = m_fake.window->size();
        named<QPushButton>("btnDetails")->click();
        QVERIFY(m_fake.window->height() > collapsed.height());
        QCOMPARE(report->height(), twipsToPixels(m_fake.window->calc().reportBoxHeight));
        QVERIFY(report->geometry().bottom() < client->height());
        verifyShowsState();
        action("mnTable")->trigger();
        QCOMPARE(m_fake.window->size(), collapsed);
        verifyShowsState();
    }

    // Each mode from its menu entry: PER stays hidden, and Tab visits the shown fields as they
    // are read, row by row from the top and left to right within a row.
    void everyModeTabsThroughItsFieldsRowByRow() {
        QSet<QString> captions;
        for (const char* mode :
             {"mnMortgage", "mnLease", "mnIncome", "mnInvestment", "mnPersonalLoan"}) {
            action(mode)->trigger();
            captions << m_fake.window->windowTitle();
            QVERIFY(!field(field::PER)->isVisible() && !named<QLabel>("lblSL_1")->isVisible());
            verifyShowsState();
            QMap<std::pair<int, int>, QWidget*> byPlace; // top, then left
            for (int i = 0; i < kFieldCount; ++i) {
                const QPoint at = field(i)->mapTo(m_fake.window.get(), QPoint(0, 0));
                if (field(i)->isVisible())
                    byPlace[{at.y(), at.x()}] = field(i);
            }
            const QList<QWidget*> shown = byPlace.values();
            QList<QWidget*> tabbed;
            for (QWidget* w = shown.first(); tabbed.size() < shown.size();
                 w = w->nextInFocusChain())
                if (shown.contains(w) && !tabbed.contains(w))
                    tabbed << w;
            QCOMPARE(tabbed, shown);
        }
        QCOMPARE(captions.size(), 5); // each entry ran a set-up of its own
    }

    void aTextTooLongForItsBoxShowsInTheTooltip() {
        QLineEdit* amount = field(field::SBAL);
        type(amount, "123456789012345678");
        QCOMPARE(amount->toolTip(), QStringLiteral("123456789012345678"));
        type(amount, "12");
        QCOMPARE(amount->toolTip(), QString());
    }

    // A number the program writes into a field shows from its first digit, so that a long one
    // never looks like a short one; what the user types keeps the cursor where the typing left it.
    void textSetByTheProgramShowsItsStart() {
        QLineEdit* sbal = field(field::SBAL);
        type(sbal, "5.4e29");
        QCOMPARE(sbal->cursorPosition(), 6);
        QTest::keyClick(sbal, Qt::Key_Return);
        QVERIFY(sbal->fontMetrics().horizontalAdvance(sbal->text()) > sbal->width()); // too long
        for (int i = 0; i < kFieldCount; ++i)
            QCOMPARE(field(i)->cursorPosition(), 0);
    }

    // However small the window is made, by the user or by a small screen, every control of what
    // it shows stays whole, the report with a few lines at least.
    void windowNeverShrinksBelowItsControls() {
        auto* client = m_fake.window->centralWidget();
        auto* report = named<ReportView>("rtDetails");
        auto verifyWhole = [&](bool withReport) {
            QRect r;
            for (const char* name : {"Frame1", "fraSL_0", "fraSL_1", "fraSL_2", "txtComments"})
                r |= named<QWidget>(name)->geometry();
            if (withReport) {
                r |= report->geometry();
                QVERIFY(report->height() >= 3 * report->lineHeight());
            }
            QCOMPARE(client->rect() | r, client->rect());
        };
        for (bool details : {false, true}) {
            if (details)
                action("mnTable")->trigger();
            m_fake.window->resize(50, 50);
            QCoreApplication::processEvents();
            verifyWhole(details);
        }
        // What the details view sets on a screen 400 pixels high: the report box's own height
        // comes out below zero. A narrower window than the calculator ever sets is whole too.
        FinCalc& c = m_fake.window->calc();
        c.windowHeight = static_cast<int>(kDetailsScreenShare * 400 * kTwipsPerPixel);
        c.reportBoxHeight = c.windowHeight - kReportTop - kReportBottomMargin;
        c.windowWidth = 3000;
        QTest::mouseClick(named<QLabel>("lblSL_0"), Qt::LeftButton); // any handler shows the state
        verifyWhole(true);
    }

    // The user can widen the window, not narrow it or make it taller: the controls stretch
    // across with it, so a long figure can be read whole, and at the set width each is back in
    // its place. The width lasts to the next run, within the screen.
    void widerWindowStretchesItsControls() {
        frmFinCalc* window = m_fake.window.get();
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
        QTest::keyClick(field(field::SBAL), Qt::Key_Return);
        auto fits = [](const QLineEdit* e) {
            return e->fontMetrics().horizontalAdvance(e->text()) <= e->contentsRect().width() - 4;
        };
        QVERIFY(!fits(payment));

        window->resize(1600, set.height() + 200);
        QCOMPARE(window->size(), QSize(1600, set.height()));
        QVERIFY2(fits(payment), qPrintable(payment->text()));
        QCOMPARE(payment->toolTip(), QString()); // the whole text shows: no tip repeats it
        const double across = 1600.0 / set.width();
        for (auto [w, was] : places.asKeyValueRange()) {
            const QRect now = w->geometry();
            const QString name = w->objectName();
            QCOMPARE(now.top(), was.top());
            QCOMPARE(now.height(), was.height());
            QVERIFY2(qAbs(now.left() - was.left() * across) <= 1, qPrintable(name));
            const double width = name.startsWith("btn") ? was.width() : was.width() * across;
            QVERIFY2(name.startsWith("lbl") || name.startsWith("Label") ||
                         qAbs(now.width() - width) <= 1,
                     qPrintable(name));
            QVERIFY2(now.right() < w->parentWidget()->width(), qPrintable(name)); // in its frame
        }

        window->resize(set.width() - 100, set.height());
        QCOMPARE(window->size(), set);
        for (auto [w, was] : places.asKeyValueRange())
            QVERIFY2(w->geometry() == was, qPrintable(w->objectName()));
        QVERIFY(payment->toolTip().contains(payment->text()));

        window->resize(1600, set.height());
        window->close();
        QVERIFY(m_fake.close().isEmpty());
        QVERIFY(m_fake.open(true));
        const int room = m_fake.window->screen()->availableGeometry().width();
        QVERIFY2(m_fake.window->width() > set.width() &&
                     m_fake.window->frameGeometry().width() <= std::max(room, set.width()),
                 qPrintable(QString::number(m_fake.window->width())));
    }

    // The comments box and the report take the focus; a frame shows which of them has it.
    void readOnlyBoxesShowTheirFocus() {
        activate();
        action("mnTable")->trigger();
        for (const char* box : {"txtComments", "rtDetails"}) {
            auto* widget = named<QWidget>(box);
            const QRect around = widget->geometry().adjusted(-3, -3, 3, 3);
            auto picture = [&] {
                QCoreApplication::processEvents();
                return m_fake.window->centralWidget()->grab(around).toImage();
            };
            field(field::APR)->setFocus(Qt::TabFocusReason);
            const QImage unfocused = picture();
            widget->setFocus(Qt::TabFocusReason);
            QVERIFY2(picture() != unfocused, box);
            field(field::APR)->setFocus(Qt::TabFocusReason);
            QCOMPARE(picture(), unfocused);
        }
    }

    // ----- keys, edits and clicks

    // The keys reach the state as they are released; Enter calculates even in a read-only field,
    // and the field itself never sees it; an edit without keys (a paste) reaches the state too.
    void fieldEditsReachTheState() {
        const FinCalc& c = m_fake.window->calc();
        QLineEdit* pmt = field(field::PMT);
        QSignalSpy returns(pmt, &QLineEdit::returnPressed);
        QString payment = pmt->text();
        type(field(field::APR), "8");
        QCOMPARE(c.fields[field::APR].text, std::string("8"));
        QTest::keyClick(pmt, Qt::Key_Return);
        QVERIFY(pmt->text() != payment);
        QCOMPARE(returns.count(), 0);

        payment = pmt->text();
        QLineEdit* dpmt = field(field::DPMT);
        dpmt->selectAll();
        dpmt->insert(QStringLiteral("1500")); // as pasting or an input method does
        QCOMPARE(c.fields[field::DPMT].text, std::string("1500"));
        named<QPushButton>("btnCalculate")->click();
        QVERIFY(pmt->text() != payment);

        // In a lease the release of a key alone recomputes the buy-back amount.
        action("mnLease")->trigger();
        const QString buyBack = field(field::FBAL)->text();
        type(field(field::DEPR), "40");
        QVERIFY(field(field::FBAL)->text() != buyBack);
        verifyShowsState();
    }

    // Each kind of label shows its own topic in the comments box.
    void labelClicksShowTheirTopics() {
        const std::pair<const char*, const char*> labels[] = {{"Label1", "Payment Period.txt"},
                                                              {"Label2", "Compound Period.txt"},
                                                              {"lblResult", "Select Result.txt"},
                                                              {"lblSL_6", "Loan Amount.txt"}};
        for (const auto& [label, topic] : labels) {
            QTest::mouseClick(named<QLabel>(label), Qt::LeftButton);
            QCOMPARE(named<QPlainTextEdit>("txtComments")->toPlainText(), topicText(topic));
        }
    }

    // An entry chosen as a user does runs its list's handler, the entry already selected too: a
    // result type chosen again puts the mode's inputs back.
    void listChoicesRunTheirHandlers() {
        const FinCalc& c = m_fake.window->calc();
        QLineEdit* sbal = field(field::SBAL);
        const QString preset = sbal->text();
        type(sbal, "1234");
        choose(named<QComboBox>("cmResult"), 0);
        QCOMPARE(sbal->text(), preset);
        choose(named<QComboBox>("cmResult"), 1);
        QVERIFY(!field(field::PMT)->isReadOnly()); // the payment is an input now
        const auto payments = c.PaymentsPerMonth;
        choose(named<QComboBox>("cmPeriod"), 0);
        QVERIFY(c.PaymentsPerMonth != payments);
        verifyShowsState();
    }

    // Text typed into a list's text part and left by Tab, Enter or a click elsewhere is no
    // choice: no handler runs, nothing is selected, and the text part shows the selected entry
    // again.
    void typedTextInAListIsNoChoice() {
        activate();
        QLineEdit* sbal = field(field::SBAL);
        type(sbal, "1234"); // an input any result-type set-up puts back
        // The list, what is typed into it, and the key that leaves it (0: a click on a field).
        const std::tuple<const char*, const char*, int> cases[] = {
            {"cmResult", "Loan Amount", Qt::Key_Return},
            {"cmResult", "loan payment", Qt::Key_Tab}, // the selected entry, lower case
            {"cmCompound", "Y", Qt::Key_Tab},          // completed to an entry
            {"cmPeriod", "Biweekly", 0}};
        for (const auto& [list, typed, leave] : cases) {
            auto* box = named<QComboBox>(list);
            const QString entry = box->currentText();
            const int index = box->currentIndex();
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), QLatin1String(typed));
            QVERIFY2(box->currentText() != entry, typed); // the text part took the keys
            if (leave == Qt::Key_Return)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            if (leave == 0)
                QTest::mouseClick(field(field::APR), Qt::LeftButton);
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(!box->hasFocus(), typed);
            QCOMPARE(box->currentIndex(), index);
            QCOMPARE(sbal->text(), QStringLiteral("1234"));
            QCOMPARE(box->lineEdit()->text(), entry);
            verifyShowsState();
        }
    }

    // Up and Down in a closed list choose, as in most desktop programs: the user's choice, with
    // its handler. A turn of the mouse wheel over a closed list chooses nothing.
    void arrowKeysChooseInAClosedListButTheWheelDoesNot() {
        activate();
        const FinCalc& c = m_fake.window->calc();
        auto* compound = named<QComboBox>("cmCompound");
        const auto months = c.CompoundMonths;
        compound->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(c.cmCompound.selected, 2);
        QVERIFY(c.CompoundMonths != months);
        for (int delta : {-120, 120}) {
            const QPoint at = compound->rect().center();
            QWheelEvent wheel(at, compound->mapToGlobal(at), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(compound, &wheel);
            QCOMPARE(c.cmCompound.selected, 2);
        }
        verifyShowsState();
    }

    // Alt with a letter never types, in a field or a list: an access key opens its menu, another
    // letter does nothing. F10 opens the first menu.
    void altLetterAndF10OpenMenusAndNeverType() {
        activate();
        const std::pair<QKeyCombination, const char*> keys[] = {
            {Qt::AltModifier | Qt::Key_H, "mnHelp"},
            {Qt::AltModifier | Qt::Key_Q, nullptr},
            {QKeyCombination(Qt::Key_F10), "mnFile"}};
        for (const char* where : {"txtSL_0", "cmCompound"}) {
            auto* target = named<QWidget>(where);
            auto* box = qobject_cast<QComboBox*>(target);
            QLineEdit* edit = box ? box->lineEdit() : qobject_cast<QLineEdit*>(target);
            const QString text = edit->text();
            for (const auto& [key, menuName] : keys) {
                target->setFocus(Qt::TabFocusReason);
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
        verifyShowsState();
    }

    // The shortcuts reach their menu entries from a field, which never sees the keys.
    void shortcutsRunTheirMenuEntries_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("dialogs"); // Open, Save and Print dialogs asked for
        QTest::addColumn<QString>("topic");
        QTest::newRow("open") << "Ctrl+O" << QList<int>{1, 0, 0} << "APR.txt";
        QTest::newRow("save asks for a name") << "Ctrl+S" << QList<int>{0, 1, 0} << "APR.txt";
        QTest::newRow("print") << "Ctrl+P" << QList<int>{0, 0, 1} << "APR.txt";
        QTest::newRow("general help") << "F1" << QList<int>{0, 0, 0} << "Startup.txt";
    }

    void shortcutsRunTheirMenuEntries() {
        QFETCH(QString, keys);
        QFETCH(QList<int>, dialogs);
        QFETCH(QString, topic);
        QTest::mouseClick(named<QLabel>("lblSL_0"), Qt::LeftButton); // a topic F1 must replace
        QLineEdit* apr = field(field::APR);
        apr->setFocus();
        const QString text = apr->text();
        QTest::keySequence(apr, QKeySequence(keys));
        const FakeDialogs& asked = m_fake.dialogs;
        QCOMPARE((QList<int>{asked.openCalls, asked.saveCalls, asked.printCalls}), dialogs);
        QCOMPARE(QString::fromStdString(m_fake.window->calc().HelpTopic), topic);
        QCOMPARE(apr->text(), text);
        verifyShowsState();
    }

    // ----- dialogs

    // Open and Save ask through the file chooser, with the scenario files preselected; a
    // cancelled Open changes nothing, and what Save wrote, Open reads back.
    void openAndSaveGoThroughTheChooser() {
        const FinCalc& c = m_fake.window->calc();
        const FakeDialogs& asked = m_fake.dialogs;
        named<QPushButton>("btnOpen")->click();
        QCOMPARE(asked.last.title, QStringLiteral("Open"));
        QCOMPARE(asked.last.filters,
                 (QStringList{"All Files (*.*) (*)", "Text Files (*.txt) (*.txt)",
                              "Financial Files (*.fin) (*.fin)"}));
        QCOMPARE(asked.last.selectedFilter, asked.last.filters.value(2));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mortgage.fin"));
        action("mnMortgage")->trigger();
        m_fake.dialogs.answer = path;
        named<QPushButton>("btnSave")->click(); // no file yet: Save asks for a name
        QCOMPARE(asked.last.title, QStringLiteral("Save As"));
        QVERIFY(QFileInfo::exists(path));

        action("mnPersonalLoan")->trigger();
        named<QPushButton>("btnOpen")->click();
        QCOMPARE(c.CalculatorMode, std::string("Mortgage"));
        QCOMPARE(c.ScenarioFileName, path.toStdString());
        verifyShowsState();
        m_fake.dialogs.answer.reset();
        action("mnSaveAs")->trigger();
        QCOMPARE(asked.saveCalls, 2);
        QCOMPARE(asked.last.fileName, path); // the name of the file opened
    }

    // The print dialog is offered the report's pages and the file and paper chosen last in this
    // session (at first the locale's paper, Letter under en_US as these tests run, unless a
    // printer names one); a page range chosen holds for that printout only. A new window is a
    // new session.
    void printGoesThroughThePrintDialog() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is missing: scripts/install-deps installs it");
        named<QPushButton>("btnPrint")->click();      // cancelled
        QCOMPARE(m_fake.dialogs.printedPageCount, 2); // 60 payments in pages of 50 rows
        QCOMPARE(m_fake.dialogs.offeredFile, QString());
        if (QPrinterInfo::defaultPrinter().isNull())
            QCOMPARE(m_fake.dialogs.offeredPaper.id(), QPageSize::Letter);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("legal.pdf"));
        m_fake.dialogs.printAccepted = true;
        m_fake.dialogs.printFile = path;
        m_fake.dialogs.paper = QPageSize(QPageSize::Legal);
        m_fake.dialogs.fromPage = m_fake.dialogs.toPage = 2;
        named<QPushButton>("btnPrint")->click();
        const QStringList sheets = pdfSheets(path);
        QCOMPARE(sheets.size(), 1);
        QVERIFY2(sheets[0].simplified().startsWith(QLatin1String("51 ")), qPrintable(sheets[0]));

        m_fake.dialogs.printFile.reset();
        m_fake.dialogs.paper.reset();
        m_fake.dialogs.fromPage = 0;
        action("mnPrint")->trigger();
        QCOMPARE(m_fake.dialogs.offeredFile, path);
        QCOMPARE(m_fake.dialogs.offeredPaper.id(), QPageSize::Legal);
        QCOMPARE(pdfSheets(path).size(), 2);

        QVERIFY(m_fake.close().isEmpty());
        QVERIFY(m_fake.open());
        action("mnPrint")->trigger();
        QCOMPARE(m_fake.dialogs.offeredFile, QString());
    }

    // A printout of more than twenty pages runs behind a progress dialog whose Cancel abandons
    // it; a shorter one prints at once. The progress dialog is kept from showing (its minimum
    // duration never passes), however slow the machine: only the printout may cancel itself.
    void longPrintoutShowsProgressAndCanBeCancelled() {
        QTemporaryDir dir;
        ReportInputs in{.SBAL = 1000, .PMT = 1, .PERS = 1000};
        const CurrencyFormat usd(QLocale(QLocale::English, QLocale::UnitedStates));
        const PrintedPages pages = PrintedPages::layout(in, usd);
        in.PERS = 999;
        const PrintedPages twenty = PrintedPages::layout(in, usd);
        QCOMPARE(pages.pageCount(), 21);
        QCOMPARE(twenty.pageCount(), 20);
        auto print = [&](const PrintedPages& what, const char* name) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(QLatin1String(name)));
            return printWithProgress(m_fake.window.get(), printer, what, {20, INT_MAX});
        };

        int progressSeen = 0;
        QTimer::singleShot(0, [&] { // runs from the printout's first turn of the event loop
            if (auto* progress = m_fake.window->findChild<QProgressDialog*>()) {
                ++progressSeen;
                progress->cancel();
            }
        });
        QVERIFY(!print(pages, "cancelled.pdf"));
        QCOMPARE(progressSeen, 1);
        QVERIFY(m_fake.window->findChild<QProgressDialog*>() == nullptr); // gone with it
        QVERIFY(print(pages, "whole.pdf"));

        bool printing = true, turnedWhilePrinting = false;
        QTimer::singleShot(0, [&] { turnedWhilePrinting = printing; });
        QVERIFY(print(twenty, "twenty.pdf"));
        printing = false;
        QCoreApplication::processEvents();
        QVERIFY(!turnedWhilePrinting);
    }

    // A no-interest loan of the largest amounts: two million rows of 309-digit figures, almost
    // 2 GB of text. Copy refuses it at once, and the window says why.
    void copyOfAnOverlongSelectionSaysWhy() {
        activate();
        type(field(field::APR), "0");
        type(field(field::SBAL), "1.7e308");
        type(field(field::PERS), "1999990");
        QTest::keyClick(field(field::PERS), Qt::Key_Return);
        action("mnTable")->trigger();
        auto* report = named<ReportView>("rtDetails");
        report->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(report, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
        const auto& shown = m_fake.messenger.shown;
        QCOMPARE(shown.size(), size_t{1});
        QCOMPARE(shown[0].first, std::string("Copy"));
        QVERIFY2(shown[0].second.find("100,000,000 bytes") != std::string::npos,
                 shown[0].second.c_str());
    }

    void closingTheWindowClosesTheAboutBox() {
        action("mnAbout")->trigger();
        QPointer<frmAbout> about = m_fake.window->host().aboutBox();
        QVERIFY(about && about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->parentWidget(), nullptr);
        QVERIFY(m_fake.window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
    }

  private:
    QLineEdit* field(int i) const {
        return m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(i));
    }
    template <class T> T* named(const char* name) const {
        T* w = m_fake.window->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    QAction* action(const char* name) const { return named<QAction>(name); }
    // Picks an entry as a user does: open the list, move to the entry, press Enter.
    void choose(QComboBox* box, int index) {
        box->showPopup();
        QAbstractItemView* view = box->view();
        view->setCurrentIndex(view->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }
    // Gives the window the keyboard, as a user's click on it does.
    void activate() {
        m_fake.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_fake.window.get()));
    }
    // Replaces a field's text as a user does: select it all, delete it, type.
    void type(QLineEdit* edit, const char* text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QLatin1String(text));
    }
    // Every widget agrees with the state.
    void verifyShowsState() {
        const FinCalc& c = m_fake.window->calc();
        QCOMPARE(m_fake.window->windowTitle(), QString::fromStdString(c.caption));
        const std::pair<const char*, const ComboList*> lists[] = {
            {"cmCompound", &c.cmCompound}, {"cmPeriod", &c.cmPeriod}, {"cmResult", &c.cmResult}};
        for (const auto& [name, list] : lists) {
            auto* box = named<QComboBox>(name);
            QCOMPARE(box->count(), static_cast<int>(list->entries.size()));
            QCOMPARE(box->currentIndex(), list->selected);
        }
        for (int i = 0; i < kFieldCount; ++i) {
            const ParameterField& f = c.fields[static_cast<size_t>(i)];
            QLineEdit* edit = field(i);
            auto* label = m_fake.window->findChild<QLabel*>(QStringLiteral("lblSL_%1").arg(i));
            QCOMPARE(edit->text(), QString::fromStdString(f.text));
            QCOMPARE(label->text(), QString::fromStdString(f.caption));
            QCOMPARE(edit->isReadOnly(), f.locked);
            QCOMPARE(edit->isEnabled(), f.enabled);
            QCOMPARE(label->isEnabled(), f.enabled);
            QCOMPARE(edit->palette().color(QPalette::Base).rgb() & 0xFFFFFFu, f.back);
        }
        QCOMPARE(action("mnTable")->isChecked(), c.detailsChecked);
        QCOMPARE(named<ReportView>("rtDetails")->report(), &c.report);
    }

    FakeWindow m_fake; // the window, its fakes and the modal watchdog
};

QTEST_MAIN(FrmFinCalcTest)
#include "frm_fincalc_test.moc"
