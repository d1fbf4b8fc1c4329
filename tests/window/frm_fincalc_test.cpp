// The main window's wiring: every user action reaches its handler, and afterwards the widgets
// show exactly the state. Dialogs are fakes; the watchdog fails a test in which one really opens.

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <climits>
#include <memory>

#include "about/frm_about.h"
#include "fakes.h"
#include "modal_watchdog.h"
#include "reports/report_view.h"
#include "window/field_layout.h"
#include "window/frm_fincalc.h"

using namespace selvane;

class FrmFinCalcTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void startsInPersonalLoans();
    void perStaysHiddenInEveryMode();

    void enterInAFieldCalculatesAndIsSwallowed();
    void editsThatAreNotKeysReachTheState();
    void readOnlyFieldTakesEnterButNoText();
    void disabledFieldsTakeNeitherFocusNorClicks();
    void releasingAKeyRunsTheLiveUpdate();

    void labelClickShowsItsTopic_data();
    void labelClickShowsItsTopic();
    void listChoiceReachesItsHandler_data();
    void listChoiceReachesItsHandler();
    void choosingTheSameResultAgainResetsInputs();
    void typingInAListDoesNotChoose();

    void detailsToggleResizesAndTwiceRestores_data();
    void detailsToggleResizesAndTwiceRestores();

    void cancelledDialogsChangeNothing_data();
    void cancelledDialogsChangeNothing();
    void saveAsWritesThroughTheChooser();
    void openReadsThroughTheChooserAndShowsTheResult();
    void printShowsThePrintDialogWithThePages();
    void printToFileHonoursThePageRange();
    void printDialogKeepsFileAndPaperForTheSession();
    void copyOfAnOverlongSelectionSaysWhy();
    void longPrintoutShowsProgressAndCanBeCancelled();
    void scenarioFilterBecomesQtNameFilters_data();
    void scenarioFilterBecomesQtNameFilters();

    void shortcutsRunTheirMenuEntries_data();
    void shortcutsRunTheirMenuEntries();

    void closingTheWindowClosesTheAboutBox();

  private:
    QLineEdit* field(int i) const {
        return m_window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(i));
    }
    template <class T> T* named(const char* name) const {
        T* w = m_window->findChild<T*>(QLatin1String(name));
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
    void clear(QLineEdit* edit) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    void verifyShowsState(); // every widget agrees with the state
    static QString topicText(const QString& file);

    std::unique_ptr<ModalWatchdog> m_watchdog;
    FakeDialogs m_dialogs;
    FakeRegistry m_registry;
    FakeLauncher m_launcher;
    FakeMessenger m_messenger;
    std::unique_ptr<frmFinCalc> m_window;
};

void FrmFinCalcTest::init() {
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_dialogs = FakeDialogs();
    m_window = std::make_unique<frmFinCalc>(
        DesktopServices{&m_dialogs, &m_registry, &m_launcher, &m_messenger});
    m_window->Form_Load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void FrmFinCalcTest::cleanup() {
    m_window.reset();
    QVERIFY2(m_watchdog->seen().isEmpty(), qPrintable(m_watchdog->seen().join(", ")));
    m_watchdog.reset();
}

QString FrmFinCalcTest::topicText(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing %1>").arg(file);
    return QString::fromLatin1(f.readAll()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void FrmFinCalcTest::verifyShowsState() {
    const FinCalc& c = m_window->calc();
    QCOMPARE(m_window->windowTitle(), QString::fromStdString(c.caption));
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
        auto* label = m_window->findChild<QLabel*>(QStringLiteral("lblSL_%1").arg(i));
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

// ----- start-up and layout

void FrmFinCalcTest::startsInPersonalLoans() {
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Personal Loans"));
    QCOMPARE(named<QComboBox>("cmCompound")->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(named<QComboBox>("cmCompound")->count(), 4);
    QCOMPARE(named<QComboBox>("cmPeriod")->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(named<QComboBox>("cmPeriod")->count(), 3);
    QCOMPARE(named<QComboBox>("cmResult")->currentText(), QStringLiteral("Loan Payment"));
    QVERIFY(!action("mnTable")->isChecked());
    QCOMPARE(named<QPlainTextEdit>("txtComments")->toPlainText(), topicText("Startup.txt"));
    verifyShowsState();

    // About 632 x 347 pixels with its frame; the comments box is whole, the report below sight.
    const QSize size = m_window->frameGeometry().size();
    QVERIFY2(size.width() >= 600 && size.width() <= 632, qPrintable(QString::number(size.width())));
    QVERIFY2(size.height() >= 300 && size.height() <= 347,
             qPrintable(QString::number(size.height())));
    const int clientHeight = m_window->centralWidget()->height();
    QVERIFY(named<QPlainTextEdit>("txtComments")->geometry().bottom() < clientHeight);
    QVERIFY(named<QGroupBox>("fraSL_0")->geometry().bottom() < clientHeight);
    QVERIFY(named<ReportView>("rtDetails")->geometry().top() >= clientHeight);
}

void FrmFinCalcTest::perStaysHiddenInEveryMode() {
    for (const char* mode :
         {"mnMortgage", "mnLease", "mnIncome", "mnInvestment", "mnPersonalLoan"}) {
        action(mode)->trigger();
        QVERIFY(!field(field::PER)->isVisible());
        QVERIFY(!m_window->findChild<QLabel*>(QStringLiteral("lblSL_1"))->isVisible());
        verifyShowsState();
    }
}

// ----- keys and edits

void FrmFinCalcTest::enterInAFieldCalculatesAndIsSwallowed() {
    QLineEdit* apr = field(field::APR);
    const QString payment = field(field::PMT)->text();
    QSignalSpy returns(apr, &QLineEdit::returnPressed);
    clear(apr);
    QCOMPARE(m_window->calc().fields[field::APR].text, std::string());
    QTest::keyClicks(apr, QStringLiteral("8"));
    QCOMPARE(m_window->calc().fields[field::APR].text, std::string("8"));
    QTest::keyClick(apr, Qt::Key_Return);
    QCOMPARE(apr->text(), QStringLiteral("8.000"));
    QVERIFY(field(field::PMT)->text() != payment); // the payment followed the new rate
    QCOMPARE(returns.count(), 0);                  // the key itself never reached the field
    verifyShowsState();
}

void FrmFinCalcTest::editsThatAreNotKeysReachTheState() {
    QLineEdit* dpmt = field(field::DPMT);
    dpmt->selectAll();
    dpmt->insert(QStringLiteral("1500")); // as pasting or an input method does
    QCOMPARE(m_window->calc().fields[field::DPMT].text, std::string("1500"));
    named<QPushButton>("btnCalculate")->click();
    QCOMPARE(dpmt->text(), QStringLiteral("1500.00")); // the calculation read the pasted text
    verifyShowsState();
}

void FrmFinCalcTest::readOnlyFieldTakesEnterButNoText() {
    QLineEdit* pmt = field(field::PMT);
    QVERIFY(pmt->isReadOnly());
    const QString before = pmt->text();
    QTest::keyClicks(pmt, QStringLiteral("99"));
    QCOMPARE(pmt->text(), before);
    QCOMPARE(m_window->calc().fields[field::PMT].text, before.toStdString());

    QLineEdit* apr = field(field::APR);
    clear(apr);
    QTest::keyClicks(apr, QStringLiteral("12"));
    QTest::keyClick(pmt, Qt::Key_Return); // Enter in the read-only field still calculates
    QCOMPARE(apr->text(), QStringLiteral("12.000"));
    QVERIFY(pmt->text() != before);
    verifyShowsState();
}

void FrmFinCalcTest::disabledFieldsTakeNeitherFocusNorClicks() {
    action("mnIncome")->trigger();
    auto* txtComments = named<QPlainTextEdit>("txtComments");
    int disabled = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        if (m_window->calc().fields[static_cast<size_t>(i)].enabled)
            continue;
        ++disabled;
        QLineEdit* edit = field(i);
        QVERIFY(!edit->isEnabled());
        edit->setFocus();
        QVERIFY(!edit->hasFocus());
        const QString shown = txtComments->toPlainText();
        QTest::mouseClick(m_window->findChild<QLabel*>(QStringLiteral("lblSL_%1").arg(i)),
                          Qt::LeftButton);
        QCOMPARE(txtComments->toPlainText(), shown);
    }
    QVERIFY(disabled > 0);
    verifyShowsState();
}

void FrmFinCalcTest::releasingAKeyRunsTheLiveUpdate() {
    action("mnLease")->trigger();
    QLineEdit* depr = field(field::DEPR);
    const QString buyBack = field(field::FBAL)->text();
    clear(depr);
    QTest::keyClicks(depr, QStringLiteral("40"));
    // No Enter: the release of each key alone recomputed the buy-back amount.
    QVERIFY(field(field::FBAL)->text() != buyBack);
    QCOMPARE(depr->text(), QStringLiteral("40"));
    verifyShowsState();
}

// ----- clicks and lists

void FrmFinCalcTest::labelClickShowsItsTopic_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("topic");
    QTest::newRow("Label1") << "Label1"
                            << "Payment Period.txt";
    QTest::newRow("Label2") << "Label2"
                            << "Compound Period.txt";
    QTest::newRow("lblResult") << "lblResult"
                               << "Select Result.txt";
    QTest::newRow("PERS") << "lblSL_5"
                          << "Number of Payments.txt";
    QTest::newRow("SBAL") << "lblSL_6"
                          << "Loan Amount.txt";
    QTest::newRow("PCOST") << "lblSL_16"
                           << "PCost.txt";
}

void FrmFinCalcTest::labelClickShowsItsTopic() {
    QFETCH(QString, label);
    QFETCH(QString, topic);
    auto* txtComments = named<QPlainTextEdit>("txtComments");
    QVERIFY(topicText(topic) != txtComments->toPlainText());
    QTest::mouseClick(m_window->findChild<QLabel*>(label), Qt::LeftButton);
    QCOMPARE(txtComments->toPlainText(), topicText(topic));
    action("mnTopics")->trigger(); // Help > General brings back the start-up topic
    QCOMPARE(txtComments->toPlainText(), topicText("Startup.txt"));
}

void FrmFinCalcTest::listChoiceReachesItsHandler_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("index");
    QTest::newRow("compound daily") << "cmCompound" << 0;
    QTest::newRow("compound yearly") << "cmCompound" << 3;
    QTest::newRow("period biweekly") << "cmPeriod" << 0;
    QTest::newRow("result loan amount") << "cmResult" << 1;
    QTest::newRow("result number of payments") << "cmResult" << 2;
}

void FrmFinCalcTest::listChoiceReachesItsHandler() {
    QFETCH(QString, list);
    QFETCH(int, index);
    const FinCalc& c = m_window->calc();
    const auto compound = c.CompoundMonths;
    const auto period = c.PaymentsPerMonth;
    choose(m_window->findChild<QComboBox*>(list), index);
    if (list == QLatin1String("cmCompound")) {
        QCOMPARE(c.cmCompound.selected, index);
        QVERIFY(c.CompoundMonths != compound);
    } else if (list == QLatin1String("cmPeriod")) {
        QCOMPARE(c.cmPeriod.selected, index);
        QVERIFY(c.PaymentsPerMonth != period);
    } else {
        QCOMPARE(c.cmResult.selected, index);
        // The set-up made another field the result: the payment is an input now.
        QVERIFY(!field(field::PMT)->isReadOnly());
    }
    verifyShowsState();
}

void FrmFinCalcTest::choosingTheSameResultAgainResetsInputs() {
    QLineEdit* sbal = field(field::SBAL);
    const QString preset = sbal->text();
    clear(sbal);
    QTest::keyClicks(sbal, QStringLiteral("1234"));
    QCOMPARE(sbal->text(), QStringLiteral("1234"));
    choose(named<QComboBox>("cmResult"), 0); // the entry already selected
    QCOMPARE(sbal->text(), preset);
    verifyShowsState();
}

void FrmFinCalcTest::typingInAListDoesNotChoose() {
    auto* box = named<QComboBox>("cmResult");
    QSignalSpy activated(box, &QComboBox::activated);
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("Loan Amount"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(activated.count(), 0);
    QCOMPARE(m_window->calc().cmResult.selected, 0);
    QCOMPARE(box->count(), 3); // nor did the typed text become an entry
}

// ----- details view

void FrmFinCalcTest::detailsToggleResizesAndTwiceRestores_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("button") << true;
    QTest::newRow("menu") << false;
}

void FrmFinCalcTest::detailsToggleResizesAndTwiceRestores() {
    QFETCH(bool, byButton);
    auto toggle = [&] {
        if (byButton)
            named<QPushButton>("btnDetails")->click();
        else
            action("mnTable")->trigger();
    };
    const QSize collapsed = m_window->size();
    auto* report = named<ReportView>("rtDetails");
    const DetailsReport* shown = report->report();

    toggle();
    QVERIFY(action("mnTable")->isChecked());
    QVERIFY(m_window->calc().detailsChecked);
    QVERIFY(m_window->height() > collapsed.height());
    QCOMPARE(report->height(), twipsToPixels(m_window->calc().reportBoxHeight));
    QVERIFY(report->geometry().bottom() < m_window->centralWidget()->height());
    QCOMPARE(report->report(), shown); // showing the view does not rebuild the report

    toggle();
    QVERIFY(!action("mnTable")->isChecked());
    QCOMPARE(m_window->size(), collapsed);
    verifyShowsState();
}

// ----- dialogs

void FrmFinCalcTest::cancelledDialogsChangeNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::newRow("btnOpen") << "btnOpen"
                             << "Open";
    QTest::newRow("mnOpen") << "mnOpen"
                            << "Open";
    QTest::newRow("btnSave") << "btnSave"
                             << "Save As";
    QTest::newRow("mnSave") << "mnSave"
                            << "Save As";
    QTest::newRow("mnSaveAs") << "mnSaveAs"
                              << "Save As";
}

void FrmFinCalcTest::cancelledDialogsChangeNothing() {
    QFETCH(QString, command);
    QFETCH(QString, title);
    const FinCalc& c = m_window->calc();
    const auto fieldsBefore = c.fields;
    const std::string modeBefore = c.CalculatorMode;
    if (auto* b = m_window->findChild<QPushButton*>(command))
        b->click();
    else
        m_window->findChild<QAction*>(command)->trigger();

    QCOMPARE(m_dialogs.openCalls + m_dialogs.saveCalls, 1);
    QCOMPARE(m_dialogs.last.title, title);
    QCOMPARE(m_dialogs.last.filters.size(), 3);
    QCOMPARE(m_dialogs.last.selectedFilter, m_dialogs.last.filters.at(2));
    QVERIFY(m_dialogs.last.selectedFilter.startsWith(QLatin1String("Financial Files (*.fin)")));
    QVERIFY(m_dialogs.last.fileName.isEmpty());
    QCOMPARE(c.CalculatorMode, modeBefore);
    QVERIFY(c.ScenarioFileName.empty());
    for (int i = 0; i < kFieldCount; ++i)
        QCOMPARE(c.fields[static_cast<size_t>(i)].text, fieldsBefore[static_cast<size_t>(i)].text);
    verifyShowsState();
}

void FrmFinCalcTest::shortcutsRunTheirMenuEntries_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("opens");
    QTest::addColumn<int>("saves");
    QTest::addColumn<int>("prints");
    QTest::addColumn<QString>("topic");
    QTest::newRow("open") << "Ctrl+O" << 1 << 0 << 0 << "APR.txt";
    QTest::newRow("save asks for a name") << "Ctrl+S" << 0 << 1 << 0 << "APR.txt";
    QTest::newRow("save as") << "Ctrl+Shift+S" << 0 << 1 << 0 << "APR.txt";
    QTest::newRow("print") << "Ctrl+P" << 0 << 0 << 1 << "APR.txt";
    QTest::newRow("general help") << "F1" << 0 << 0 << 0 << "Startup.txt";
}

void FrmFinCalcTest::shortcutsRunTheirMenuEntries() {
    QFETCH(QString, keys);
    QFETCH(int, opens);
    QFETCH(int, saves);
    QFETCH(int, prints);
    QFETCH(QString, topic);
    QTest::mouseClick(named<QLabel>("lblSL_0"), Qt::LeftButton); // a topic F1 must replace
    QCOMPARE(QString::fromStdString(m_window->calc().HelpTopic), QStringLiteral("APR.txt"));
    QLineEdit* apr = field(0);
    apr->setFocus();
    const std::string text = m_window->calc().fields[0].text;
    QTest::keySequence(apr, QKeySequence(keys));
    QCOMPARE(m_dialogs.openCalls, opens);
    QCOMPARE(m_dialogs.saveCalls, saves);
    QCOMPARE(m_dialogs.printCalls, prints);
    QCOMPARE(QString::fromStdString(m_window->calc().HelpTopic), topic);
    QCOMPARE(m_window->calc().fields[0].text, text); // the key never reached the field
}

void FrmFinCalcTest::saveAsWritesThroughTheChooser() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("loan.fin"));
    m_dialogs.answer = path;
    named<QPushButton>("btnSave")->click(); // no file yet: Save asks through Save As
    QCOMPARE(m_dialogs.saveCalls, 1);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QCOMPARE(lines.value(0), QByteArray("\"PersonalLoan\"\r"));
    QCOMPARE(lines.value(1), QByteArray("0\r"));
    QCOMPARE(lines.value(2), QByteArray("\"7.500\"\r"));
    // Save As never remembers the name: the next Save asks again.
    named<QPushButton>("btnSave")->click();
    QCOMPARE(m_dialogs.saveCalls, 2);
}

void FrmFinCalcTest::openReadsThroughTheChooserAndShowsTheResult() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mortgage.fin"));
    action("mnMortgage")->trigger();
    m_dialogs.answer = path;
    action("mnSaveAs")->trigger();
    action("mnPersonalLoan")->trigger();

    named<QPushButton>("btnOpen")->click();
    QCOMPARE(m_dialogs.openCalls, 1);
    QCOMPARE(m_dialogs.last.title, QStringLiteral("Open"));
    const FinCalc& c = m_window->calc();
    QCOMPARE(c.CalculatorMode, std::string("Mortgage"));
    QCOMPARE(c.ScenarioFileName, path.toStdString());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Personal Loans")); // labels stay
    verifyShowsState();

    // After an Open, Save As offers the opened file's name.
    m_dialogs.answer.reset();
    action("mnSaveAs")->trigger();
    QCOMPARE(m_dialogs.last.fileName, path);
}

void FrmFinCalcTest::printShowsThePrintDialogWithThePages() {
    named<QPushButton>("btnPrint")->click();
    QCOMPARE(m_dialogs.printCalls, 1);
    QVERIFY(m_dialogs.printedPageCount >= 2); // 60 payments: more than one page of 50 rows
    action("mnPrint")->trigger();
    QCOMPARE(m_dialogs.printCalls, 2);
    verifyShowsState();
}

namespace {
// The text of each sheet of a PDF, as pdftotext lays it out.
QStringList pdfSheets(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {QStringLiteral("<pdftotext failed>")};
    QStringList sheets = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!sheets.isEmpty() && sheets.last().trimmed().isEmpty())
        sheets.removeLast(); // the form feed after the last sheet
    return sheets;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

// The print dialog's page range, through the window's own printing: "Pages from 2 to 2" of the
// 60-payment report gives one sheet, the one with rows 51 to 60.
void FrmFinCalcTest::printToFileHonoursThePageRange() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is missing: scripts/install-deps installs it");
    QTemporaryDir dir;
    m_dialogs.printAccepted = true;
    m_dialogs.printFile = dir.filePath(QStringLiteral("range.pdf"));
    m_dialogs.fromPage = 2;
    m_dialogs.toPage = 2;
    named<QPushButton>("btnPrint")->click();
    QCOMPARE(m_dialogs.printedPageCount, 2);
    const QStringList sheets = pdfSheets(*m_dialogs.printFile);
    QCOMPARE(sheets.size(), 1);
    const QStringList rows = sheets[0].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(rows.value(0).simplified().startsWith(QLatin1String("51 ")), qPrintable(sheets[0]));
    QVERIFY2(rows.last().simplified().startsWith(QLatin1String("60 ")), qPrintable(sheets[0]));
    QVERIFY(!sheets[0].contains(QLatin1String("Starting Balance")));

    // Without a range, every page.
    m_dialogs.fromPage = 0;
    named<QPushButton>("btnPrint")->click();
    QCOMPARE(pdfSheets(*m_dialogs.printFile).size(), 2);
}

// The dialog opens with the file and paper chosen last time in this session; the first time
// with the locale's paper (Letter under en_US, as these tests run) unless a printer names one.
void FrmFinCalcTest::printDialogKeepsFileAndPaperForTheSession() {
    QTemporaryDir dir;
    action("mnPrint")->trigger(); // cancelled
    QCOMPARE(m_dialogs.offeredFile, QString());
    if (QPrinterInfo::defaultPrinter().isNull())
        QCOMPARE(m_dialogs.offeredPaper.id(), QPageSize::Letter);

    m_dialogs.printAccepted = true;
    const QString path = dir.filePath(QStringLiteral("legal.pdf"));
    m_dialogs.printFile = path;
    m_dialogs.paper = QPageSize(QPageSize::Legal);
    action("mnPrint")->trigger();
    QVERIFY(QFileInfo::exists(path));
    m_dialogs.printFile.reset();
    m_dialogs.paper.reset();
    action("mnPrint")->trigger();
    QCOMPARE(m_dialogs.printCalls, 3);
    QCOMPARE(m_dialogs.offeredFile, path);
    QCOMPARE(m_dialogs.offeredPaper.id(), QPageSize::Legal);

    // A new window is a new session: nothing was kept anywhere else.
    FakeDialogs other;
    frmFinCalc second(DesktopServices{&other, &m_registry, &m_launcher, &m_messenger});
    second.Form_Load();
    other.printAccepted = false;
    QMetaObject::invokeMethod(second.findChild<QAction*>(QStringLiteral("mnPrint")), "trigger");
    QCOMPARE(other.printCalls, 1);
    QCOMPARE(other.offeredFile, QString());
}

// What follows an accepted print dialog: a printout of more than a few pages runs behind a
// progress dialog whose Cancel abandons it, leaving the file it was printing to as it was; a
// short one prints at once. The progress dialog is kept from showing (its minimum duration
// never passes), however slow the machine: only the printout may cancel itself here.
void FrmFinCalcTest::longPrintoutShowsProgressAndCanBeCancelled() {
    QTemporaryDir dir;
    ReportInputs in;
    in.SBAL = 1000;
    in.PMT = 1;
    in.PERS = 1000; // 21 pages
    const CurrencyFormat usd(QLocale(QLocale::English, QLocale::UnitedStates));
    const PrintedPages pages = PrintedPages::layout(in, usd);
    QCOMPARE(pages.pageCount(), 21);
    const ProgressTiming neverShown{20, INT_MAX};
    auto printTo = [&](const QString& name) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(name));
        return printWithProgress(m_window.get(), printer, pages, neverShown);
    };

    const QString cancelled = dir.filePath(QStringLiteral("cancelled.pdf"));
    {
        QFile old(cancelled);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the previous printout");
    }
    int progressSeen = 0;
    QTimer::singleShot(0, [&] { // runs from the printout's first turn of the event loop
        if (auto* progress = m_window->findChild<QProgressDialog*>()) {
            ++progressSeen;
            progress->cancel();
        }
    });
    QVERIFY(!printTo("cancelled.pdf"));
    QCOMPARE(progressSeen, 1);
    QVERIFY(m_window->findChild<QProgressDialog*>() == nullptr); // gone with the printout
    QCOMPARE(fileBytes(cancelled), QByteArray("the previous printout"));
    QTimer::singleShot(0, [&] {
        if (auto* progress = m_window->findChild<QProgressDialog*>())
            progress->cancel();
    });
    QVERIFY(!printTo("none.pdf"));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("none.pdf"))));

    QVERIFY(printTo("whole.pdf"));
    QVERIFY(fileBytes(dir.filePath(QStringLiteral("whole.pdf"))).startsWith("%PDF-"));

    // Twenty pages print at once: the event loop never turns while they do.
    in.PERS = 999;
    const PrintedPages twenty = PrintedPages::layout(in, usd);
    QCOMPARE(twenty.pageCount(), 20);
    bool printing = true, turnedWhilePrinting = false;
    QTimer::singleShot(0, [&] { turnedWhilePrinting = printing; });
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("twenty.pdf"));
    QVERIFY(printWithProgress(m_window.get(), printer, twenty, neverShown));
    printing = false;
    QCoreApplication::processEvents();
    QVERIFY(!turnedWhilePrinting);
}

void FrmFinCalcTest::copyOfAnOverlongSelectionSaysWhy() {
    // Three million payments at a zero rate: a report longer than one copy may take.
    clear(field(field::APR));
    QTest::keyClicks(field(field::APR), QStringLiteral("0"));
    clear(field(field::PERS));
    QTest::keyClicks(field(field::PERS), QStringLiteral("3000000"));
    QTest::keyClick(field(field::PERS), Qt::Key_Return);
    action("mnTable")->trigger();
    auto* report = named<ReportView>("rtDetails");
    QCOMPARE(report->report()->rowCount(), 3'000'000);

    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    report->selectAll();
    report->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(m_messenger.shown.size(), size_t{1});
    QCOMPARE(m_messenger.shown[0].first, std::string("Copy"));
    QVERIFY2(m_messenger.shown[0].second.find("3,000,010 lines") != std::string::npos,
             m_messenger.shown[0].second.c_str());
    verifyShowsState();
}

// ----- the About box

void FrmFinCalcTest::closingTheWindowClosesTheAboutBox() {
    action("mnAbout")->trigger();
    QPointer<frmAbout> about = m_window->host().aboutBox();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->parentWidget(), nullptr);
    QVERIFY(m_window->isEnabled());

    QVERIFY(m_window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(about.isNull());
}

// ----- the host's file dialog settings

void FrmFinCalcTest::scenarioFilterBecomesQtNameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("selected");
    QTest::newRow("scenario files")
        << QString::fromLatin1(kScenarioFilter) << 3
        << QStringList{"All Files (*.*) (*)", "Text Files (*.txt) (*.txt)",
                       "Financial Files (*.fin) (*.fin)"}
        << "Financial Files (*.fin) (*.fin)";
    QTest::newRow("index past the end picks the first")
        << "Text (*.txt)|*.txt|Any|*.*" << 7 << QStringList{"Text (*.txt) (*.txt)", "Any (*)"}
        << "Text (*.txt) (*.txt)";
    QTest::newRow("several patterns")
        << "Pictures|*.png;*.jpg" << 1 << QStringList{"Pictures (*.png *.jpg)"}
        << "Pictures (*.png *.jpg)";
    QTest::newRow("description without pattern ignored")
        << "Lonely" << 1 << QStringList{} << QString();
}

void FrmFinCalcTest::scenarioFilterBecomesQtNameFilters() {
    QFETCH(QString, filter);
    QFETCH(int, filterIndex);
    QFETCH(QStringList, expected);
    QFETCH(QString, selected);
    const FileDialogSettings s =
        fileDialogSettings({"Save As", filter.toStdString(), filterIndex, "last.fin"});
    QCOMPARE(s.filters, expected);
    QCOMPARE(s.selectedFilter, selected);
    QCOMPARE(s.title, QStringLiteral("Save As"));
    QCOMPARE(s.fileName, QStringLiteral("last.fin"));
}

QTEST_MAIN(FrmFinCalcTest)
#include "frm_fincalc_test.moc"
