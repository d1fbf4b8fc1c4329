// The main window's wiring: every user action reaches its handler, and afterwards the widgets
// show exactly the state. Dialogs are fakes; the watchdog fails a test in which one really opens.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
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
#include <memory>

#include "desktop/field_layout.h"
#include "desktop/frm_about.h"
#include "desktop/frm_fincalc.h"
#include "desktop/report_view.h"
#include "window_fixture.h"

using namespace selvane;

class FrmFinCalcTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void startsInPersonalLoans();
    void perStaysHiddenInEveryMode();
    void typingStartsInAFieldAndTabReadsRowByRow();
    void aTextTooLongForItsBoxShowsInTheTooltip();

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
    void typedTextInAListRunsNoHandler_data();
    void typedTextInAListRunsNoHandler();
    void arrowKeysChooseInAClosedListButTheWheelDoesNot();
    void altLetterAndF10OpenMenusAndNeverType_data();
    void altLetterAndF10OpenMenusAndNeverType();
    void textSetByTheProgramShowsItsStart();
    void windowNeverShrinksBelowItsControls();
    void widerWindowStretchesItsControls();
    void readOnlyBoxesShowTheirFocus_data();
    void readOnlyBoxesShowTheirFocus();

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
    static Qt::Key letterKey(char upper) { return static_cast<Qt::Key>(Qt::Key_A + (upper - 'A')); }
    // Gives the window the keyboard, as a user's click on it does.
    void activate() {
        m_fake.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_fake.window.get()));
    }
    void clear(QLineEdit* edit) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    void verifyShowsState(); // every widget agrees with the state
    static QString topicText(const QString& file);

    FakeWindow m_fake; // the window, its fakes and the modal watchdog
};

void FrmFinCalcTest::init() {
    QVERIFY(m_fake.open());
}

void FrmFinCalcTest::cleanup() {
    const QStringList modal = m_fake.close();
    QVERIFY2(modal.isEmpty(), qPrintable(modal.join(", ")));
}

QString FrmFinCalcTest::topicText(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing %1>").arg(file);
    return QString::fromLatin1(f.readAll()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void FrmFinCalcTest::verifyShowsState() {
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

// ----- start-up and layout

void FrmFinCalcTest::startsInPersonalLoans() {
    QCOMPARE(m_fake.window->windowTitle(), QStringLiteral("Personal Loans"));
    QCOMPARE(named<QComboBox>("cmCompound")->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(named<QComboBox>("cmCompound")->count(), 4);
    QCOMPARE(named<QComboBox>("cmPeriod")->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(named<QComboBox>("cmPeriod")->count(), 3);
    QCOMPARE(named<QComboBox>("cmResult")->currentText(), QStringLiteral("Loan Payment"));
    QVERIFY(!action("mnTable")->isChecked());
    QCOMPARE(named<QPlainTextEdit>("txtComments")->toPlainText(), topicText("Startup.txt"));
    verifyShowsState();

    // About 632 x 347 pixels with its frame; the comments box is whole, the report below sight.
    const QSize size = m_fake.window->frameGeometry().size();
    QVERIFY2(size.width() >= 600 && size.width() <= 632, qPrintable(QString::number(size.width())));
    QVERIFY2(size.height() >= 300 && size.height() <= 347,
             qPrintable(QString::number(size.height())));
    const int clientHeight = m_fake.window->centralWidget()->height();
    QVERIFY(named<QPlainTextEdit>("txtComments")->geometry().bottom() < clientHeight);
    QVERIFY(named<QGroupBox>("fraSL_0")->geometry().bottom() < clientHeight);
    QVERIFY(named<ReportView>("rtDetails")->geometry().top() >= clientHeight);
}

void FrmFinCalcTest::perStaysHiddenInEveryMode() {
    for (const char* mode :
         {"mnMortgage", "mnLease", "mnIncome", "mnInvestment", "mnPersonalLoan"}) {
        action(mode)->trigger();
        QVERIFY(!field(field::PER)->isVisible());
        QVERIFY(!m_fake.window->findChild<QLabel*>(QStringLiteral("lblSL_1"))->isVisible());
        verifyShowsState();
    }
}

// The first field takes the keys at start-up; Tab visits the shown fields as they are read, row
// by row from the top and left to right within a row, in every mode.
void FrmFinCalcTest::typingStartsInAFieldAndTabReadsRowByRow() {
    QCOMPARE(m_fake.window->focusWidget(), field(field::APR));
    for (const char* mode :
         {"mnMortgage", "mnLease", "mnIncome", "mnInvestment", "mnPersonalLoan"}) {
        action(mode)->trigger();
        QList<QWidget*> shown;
        for (int i = 0; i < kFieldCount; ++i)
            if (field(i)->isVisible())
                shown << field(i);
        auto at = [&](QWidget* w) { return w->mapTo(m_fake.window.get(), QPoint(0, 0)); };
        std::stable_sort(shown.begin(), shown.end(), [&](QWidget* a, QWidget* b) {
            return std::make_pair(at(a).y(), at(a).x()) < std::make_pair(at(b).y(), at(b).x());
        });
        QList<QWidget*> tabbed;
        for (QWidget* w = shown.first(); tabbed.size() < shown.size(); w = w->nextInFocusChain())
            if (shown.contains(w) && !tabbed.contains(w))
                tabbed << w;
        QCOMPARE(tabbed, shown);
    }
}

void FrmFinCalcTest::aTextTooLongForItsBoxShowsInTheTooltip() {
    QLineEdit* amount = field(field::SBAL);
    QCOMPARE(amount->toolTip(), QString());
    clear(amount);
    QTest::keyClicks(amount, QStringLiteral("123456789012345678"));
    QCOMPARE(amount->toolTip(), QStringLiteral("123456789012345678"));
    clear(amount);
    QTest::keyClicks(amount, QStringLiteral("12"));
    QCOMPARE(amount->toolTip(), QString());
    QCOMPARE(field(field::APR)->toolTip(), QStringLiteral("Annual Percentage Rate (APR)"));
}

// ----- keys and edits

void FrmFinCalcTest::enterInAFieldCalculatesAndIsSwallowed() {
    QLineEdit* apr = field(field::APR);
    const QString payment = field(field::PMT)->text();
    QSignalSpy returns(apr, &QLineEdit::returnPressed);
    clear(apr);
    QCOMPARE(m_fake.window->calc().fields[field::APR].text, std::string());
    QTest::keyClicks(apr, QStringLiteral("8"));
    QCOMPARE(m_fake.window->calc().fields[field::APR].text, std::string("8"));
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
    QCOMPARE(m_fake.window->calc().fields[field::DPMT].text, std::string("1500"));
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
    QCOMPARE(m_fake.window->calc().fields[field::PMT].text, before.toStdString());

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
        if (m_fake.window->calc().fields[static_cast<size_t>(i)].enabled)
            continue;
        ++disabled;
        QLineEdit* edit = field(i);
        QVERIFY(!edit->isEnabled());
        edit->setFocus();
        QVERIFY(!edit->hasFocus());
        const QString shown = txtComments->toPlainText();
        QTest::mouseClick(m_fake.window->findChild<QLabel*>(QStringLiteral("lblSL_%1").arg(i)),
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
    QTest::mouseClick(m_fake.window->findChild<QLabel*>(label), Qt::LeftButton);
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
    const FinCalc& c = m_fake.window->calc();
    const auto compound = c.CompoundMonths;
    const auto period = c.PaymentsPerMonth;
    choose(m_fake.window->findChild<QComboBox*>(list), index);
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
    QCOMPARE(m_fake.window->calc().cmResult.selected, 0);
    QCOMPARE(box->count(), 3); // nor did the typed text become an entry
}

// Text typed into a list's text part and left by Tab, Enter or a click elsewhere is no choice:
// no handler runs, nothing is selected, and the text part shows the selected entry again.
void FrmFinCalcTest::typedTextInAListRunsNoHandler_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("leave");
    QTest::newRow("another result type, Tab") << "cmResult"
                                              << "Loan Amount"
                                              << "tab";
    QTest::newRow("the selected result type in lower case, Tab") << "cmResult"
                                                                 << "loan payment"
                                                                 << "tab";
    QTest::newRow("another result type, Enter") << "cmResult"
                                                << "Loan Amount"
                                                << "enter";
    QTest::newRow("another result type, click") << "cmResult"
                                                << "Number of Payments"
                                                << "click";
    QTest::newRow("compound completed from Y, Tab") << "cmCompound"
                                                    << "Y"
                                                    << "tab";
    QTest::newRow("compound, Enter") << "cmCompound"
                                     << "Daily"
                                     << "enter";
    QTest::newRow("period, click") << "cmPeriod"
                                   << "Biweekly"
                                   << "click";
    QTest::newRow("period completed from S, Enter") << "cmPeriod"
                                                    << "S"
                                                    << "enter";
}

void FrmFinCalcTest::typedTextInAListRunsNoHandler() {
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(QString, leave);
    activate();
    const FinCalc& c = m_fake.window->calc();
    // A typed input that any result-type set-up would put back to its default.
    QLineEdit* sbal = field(field::SBAL);
    clear(sbal);
    QTest::keyClicks(sbal, QStringLiteral("1234"));
    const auto fields = c.fields;
    const auto compound = c.CompoundMonths;
    const auto period = c.PaymentsPerMonth;
    const int selected[] = {c.cmCompound.selected, c.cmPeriod.selected, c.cmResult.selected};

    auto* box = m_fake.window->findChild<QComboBox*>(list);
    const QString entry = box->currentText();
    box->setFocus(Qt::TabFocusReason);
    QVERIFY(box->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QVERIFY(box->currentText() != entry); // the text part took the keys
    if (leave == QLatin1String("enter"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    if (leave == QLatin1String("click"))
        QTest::mouseClick(field(field::APR), Qt::LeftButton);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!box->hasFocus());

    QCOMPARE(c.cmCompound.selected, selected[0]);
    QCOMPARE(c.cmPeriod.selected, selected[1]);
    QCOMPARE(c.cmResult.selected, selected[2]);
    QCOMPARE(c.CompoundMonths, compound);
    QCOMPARE(c.PaymentsPerMonth, period);
    for (int i = 0; i < kFieldCount; ++i)
        QCOMPARE(c.fields[static_cast<size_t>(i)].text, fields[static_cast<size_t>(i)].text);
    QCOMPARE(box->currentText(), entry);
    QCOMPARE(box->lineEdit()->text(), entry);
    verifyShowsState();
}

// Up and Down in a closed list choose, as in most desktop programs: the user's choice, with its
// handler. A turn of the mouse wheel over a closed list chooses nothing.
void FrmFinCalcTest::arrowKeysChooseInAClosedListButTheWheelDoesNot() {
    activate();
    const FinCalc& c = m_fake.window->calc();
    auto* compound = named<QComboBox>("cmCompound");
    compound->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(c.cmCompound.selected, 2);
    QCOMPARE(c.CompoundMonths, std::optional<double>(6.0));
    QCOMPARE(compound->currentText(), QStringLiteral("6 Months"));

    QLineEdit* sbal = field(field::SBAL);
    clear(sbal);
    QTest::keyClicks(sbal, QStringLiteral("1234"));
    auto* result = named<QComboBox>("cmResult");
    for (QComboBox* box : {compound, result}) {
        const int before = box == compound ? c.cmCompound.selected : c.cmResult.selected;
        for (int delta : {-120, 120}) {
            const QPoint at = box->rect().center();
            QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
            QCOMPARE(box == compound ? c.cmCompound.selected : c.cmResult.selected, before);
            QCOMPARE(box->currentIndex(), before);
        }
    }
    QCOMPARE(c.CompoundMonths, std::optional<double>(6.0));
    QCOMPARE(sbal->text(), QStringLiteral("1234")); // no set-up ran

    result->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(c.cmResult.selected, 1);
    QVERIFY(!field(field::PMT)->isReadOnly()); // the Loan Amount set-up ran
    QVERIFY(field(field::SBAL)->isReadOnly());
    verifyShowsState();
}

// Alt with a letter never types, in a field or a list; the access keys and F10 open the menus,
// whose captions read as before.
void FrmFinCalcTest::altLetterAndF10OpenMenusAndNeverType_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("field") << "txtSL_0";
    QTest::newRow("list") << "cmCompound";
}

void FrmFinCalcTest::altLetterAndF10OpenMenusAndNeverType() {
    QFETCH(QString, where);
    activate();
    auto* target = m_fake.window->findChild<QWidget*>(where);
    target->setFocus(Qt::TabFocusReason);
    auto* edit = qobject_cast<QLineEdit*>(target);
    if (!edit)
        edit = qobject_cast<QComboBox*>(target)->lineEdit();
    const QString text = edit->text();
    const std::string state = m_fake.window->calc().fields[field::APR].text;

    const std::pair<const char*, const char*> menus[] = {{"mnFile", "File"},
                                                         {"mnView", "View"},
                                                         {"mnFunction", "Function"},
                                                         {"mnTools", "Tools"},
                                                         {"mnHelp", "Help"}};
    QSet<QChar> accessKeys;
    for (const auto& [name, caption] : menus) {
        auto* menu = named<QMenu>(name);
        QCOMPARE(QString(menu->title()).remove(QLatin1Char('&')), QLatin1String(caption));
        const qsizetype amp = menu->title().indexOf(QLatin1Char('&'));
        QVERIFY2(amp >= 0, name); // every menu has an access key
        const QChar key = menu->title().at(amp + 1).toUpper();
        accessKeys.insert(key);
        QVERIFY(!menu->isVisible());
        QTest::keyClick(QApplication::focusWidget(), letterKey(key.toLatin1()), Qt::AltModifier);
        QVERIFY2(menu->isVisible(), name);
        menu->close();
        QTRY_VERIFY(!menu->isVisible());
        target->setFocus(Qt::TabFocusReason);
    }
    QCOMPARE(accessKeys.size(), 5);
    // A letter that is no access key does nothing at all.
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (accessKeys.contains(QLatin1Char(letter)))
            continue;
        QTest::keyClick(QApplication::focusWidget(), letterKey(letter), Qt::AltModifier);
        QCOMPARE(edit->text(), text);
    }
    QCOMPARE(m_fake.window->calc().fields[field::APR].text, state);

    auto* file = named<QMenu>("mnFile");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QVERIFY(file->isVisible());
    file->close();
    QCOMPARE(edit->text(), text);
    QCOMPARE(m_fake.window->calc().fields[field::APR].text, state);

    // The entries keep their captions too.
    const std::pair<const char*, const char*> entries[] = {{"mnOpen", "Open"},
                                                           {"mnSaveAs", "Save As ..."},
                                                           {"mnTable", "Details"},
                                                           {"mnPersonalLoan", "Personal Loans"},
                                                           {"mnInvestment", "Investment"},
                                                           {"mnTopics", "General"},
                                                           {"mnAbout", "About Selvane"}};
    for (const auto& [name, caption] : entries)
        QCOMPARE(QString(action(name)->text()).remove(QLatin1Char('&')), QLatin1String(caption));
}

// A number the program writes into a field shows from its first digit, so that a long one never
// looks like a short one; what the user types keeps the cursor where the typing left it.
void FrmFinCalcTest::textSetByTheProgramShowsItsStart() {
    QLineEdit* sbal = field(field::SBAL);
    clear(sbal);
    QTest::keyClicks(sbal, QStringLiteral("5.4e29"));
    QCOMPARE(sbal->cursorPosition(), 6);
    QTest::keyClick(sbal, Qt::Key_Return);
    int longTexts = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        QLineEdit* edit = field(i);
        if (edit->fontMetrics().horizontalAdvance(edit->text()) > edit->width())
            ++longTexts;
        QCOMPARE(edit->cursorPosition(), 0);
    }
    QVERIFY(longTexts >= 2); // the purchase amount and the payment at least
    QVERIFY(sbal->text().startsWith(QLatin1String("5399999")));

    QLineEdit* apr = field(field::APR);
    clear(apr);
    QTest::keyClicks(apr, QStringLiteral("12.5"));
    QCOMPARE(apr->cursorPosition(), 4);
    QTest::keyClick(apr, Qt::Key_Left);
    QTest::keyClicks(apr, QStringLiteral("7"));
    QCOMPARE(apr->text(), QStringLiteral("12.75"));
    QCOMPARE(apr->cursorPosition(), 4);
}

// However small the window is made, by the user or by a small screen, every control of what
// it shows stays whole, the report with a few lines at least.
void FrmFinCalcTest::windowNeverShrinksBelowItsControls() {
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
        QVERIFY2(r.right() < client->width() && r.bottom() < client->height(),
                 qPrintable(QStringLiteral("%1 x %2 client, controls to %3, %4")
                                .arg(client->width())
                                .arg(client->height())
                                .arg(r.right())
                                .arg(r.bottom())));
    };
    FinCalc& c = m_fake.window->calc();
    for (bool details : {false, true}) {
        if (details)
            action("mnTable")->trigger();
        m_fake.window->resize(50, 50);
        QCoreApplication::processEvents();
        verifyWhole(details);
        QVERIFY(m_fake.window->minimumHeight() > 50 && m_fake.window->minimumWidth() > 50);
    }
    // What the details view sets on a screen 400 pixels high: the report box's own height
    // comes out below zero. A narrower window than the calculator ever sets is whole too.
    c.windowHeight = static_cast<int>(kDetailsScreenShare * 400 * kTwipsPerPixel);
    c.reportBoxHeight = c.windowHeight - kReportTop - kReportBottomMargin;
    c.windowWidth = 3000;
    QTest::mouseClick(named<QLabel>("lblSL_0"), Qt::LeftButton); // any handler shows the state
    verifyWhole(true);
}

// The user can widen the window, not narrow it or make it taller: the controls stretch across
// with it, so a long figure can be read whole, and at the set width each is back in its place.
// The width lasts to the next run, within the screen.
void FrmFinCalcTest::widerWindowStretchesItsControls() {
    frmFinCalc* window = m_fake.window.get();
    action("mnTable")->trigger();
    const QSize set = window->size();
    const QRegularExpression ours(
        QStringLiteral("^(txtSL|lblSL|fraSL|Frame1|txtComments|rtDetails|cm|btn|Label|lblResult)"));
    QMap<QWidget*, QRect> places;
    for (QWidget* w : window->centralWidget()->findChildren<QWidget*>())
        if (ours.match(w->objectName()).hasMatch())
            places[w] = w->geometry();
    QCOMPARE(places.size(), 2 * kFieldCount + 3 + 14);

    QLineEdit* amount = field(field::SBAL);
    clear(amount);
    QTest::keyClicks(amount, QStringLiteral("123456789012"));
    QTest::keyClick(amount, Qt::Key_Return);
    QLineEdit* payment = field(field::PMT);
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
        QVERIFY2(now.right() < w->parentWidget()->width(), qPrintable(name)); // inside its frame
    }
    QVERIFY(named<QWidget>("fraSL_0")->geometry().right() <
            named<QWidget>("txtComments")->geometry().left());

    window->resize(set.width() - 100, set.height());
    QCOMPARE(window->size(), set);
    for (auto [w, was] : places.asKeyValueRange())
        QVERIFY2(w->geometry() == was, qPrintable(w->objectName()));
    QVERIFY(!fits(payment));
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
void FrmFinCalcTest::readOnlyBoxesShowTheirFocus_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("comments") << "txtComments";
    QTest::newRow("details") << "rtDetails";
}

void FrmFinCalcTest::readOnlyBoxesShowTheirFocus() {
    QFETCH(QString, box);
    activate();
    action("mnTable")->trigger();
    auto* widget = m_fake.window->findChild<QWidget*>(box);
    QVERIFY(widget->isVisible());
    const QRect around = widget->geometry().adjusted(-3, -3, 3, 3);
    auto picture = [&] {
        QCoreApplication::processEvents();
        return m_fake.window->centralWidget()->grab(around).toImage();
    };
    field(field::APR)->setFocus(Qt::TabFocusReason);
    const QImage unfocused = picture();
    widget->setFocus(Qt::TabFocusReason);
    QVERIFY(widget->hasFocus());
    const QImage focused = picture();
    QVERIFY(unfocused != focused);
    field(field::APR)->setFocus(Qt::TabFocusReason);
    QCOMPARE(picture(), unfocused);
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
    const QSize collapsed = m_fake.window->size();
    auto* report = named<ReportView>("rtDetails");
    const DetailsReport* shown = report->report();

    toggle();
    QVERIFY(action("mnTable")->isChecked());
    QVERIFY(m_fake.window->calc().detailsChecked);
    QVERIFY(m_fake.window->height() > collapsed.height());
    QCOMPARE(report->height(), twipsToPixels(m_fake.window->calc().reportBoxHeight));
    QVERIFY(report->geometry().bottom() < m_fake.window->centralWidget()->height());
    QCOMPARE(report->report(), shown); // showing the view does not rebuild the report

    toggle();
    QVERIFY(!action("mnTable")->isChecked());
    QCOMPARE(m_fake.window->size(), collapsed);
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
    const FinCalc& c = m_fake.window->calc();
    const auto fieldsBefore = c.fields;
    const std::string modeBefore = c.CalculatorMode;
    if (auto* b = m_fake.window->findChild<QPushButton*>(command))
        b->click();
    else
        m_fake.window->findChild<QAction*>(command)->trigger();

    QCOMPARE(m_fake.dialogs.openCalls + m_fake.dialogs.saveCalls, 1);
    QCOMPARE(m_fake.dialogs.last.title, title);
    QCOMPARE(m_fake.dialogs.last.filters.size(), 3);
    QCOMPARE(m_fake.dialogs.last.selectedFilter, m_fake.dialogs.last.filters.at(2));
    QVERIFY(
        m_fake.dialogs.last.selectedFilter.startsWith(QLatin1String("Financial Files (*.fin)")));
    QVERIFY(m_fake.dialogs.last.fileName.isEmpty());
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
    QCOMPARE(QString::fromStdString(m_fake.window->calc().HelpTopic), QStringLiteral("APR.txt"));
    QLineEdit* apr = field(field::APR);
    apr->setFocus();
    const std::string text = m_fake.window->calc().fields[field::APR].text;
    QTest::keySequence(apr, QKeySequence(keys));
    QCOMPARE(m_fake.dialogs.openCalls, opens);
    QCOMPARE(m_fake.dialogs.saveCalls, saves);
    QCOMPARE(m_fake.dialogs.printCalls, prints);
    QCOMPARE(QString::fromStdString(m_fake.window->calc().HelpTopic), topic);
    QCOMPARE(m_fake.window->calc().fields[field::APR].text,
             text); // the key never reached the field
}

void FrmFinCalcTest::saveAsWritesThroughTheChooser() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("loan.fin"));
    m_fake.dialogs.answer = path;
    named<QPushButton>("btnSave")->click(); // no file yet: Save asks through Save As
    QCOMPARE(m_fake.dialogs.saveCalls, 1);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QCOMPARE(lines.value(0), QByteArray("\"PersonalLoan\"\r"));
    QCOMPARE(lines.value(1), QByteArray("0\r"));
    QCOMPARE(lines.value(2), QByteArray("\"7.500\"\r"));
    // Save As never remembers the name: the next Save asks again.
    named<QPushButton>("btnSave")->click();
    QCOMPARE(m_fake.dialogs.saveCalls, 2);
}

void FrmFinCalcTest::openReadsThroughTheChooserAndShowsTheResult() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mortgage.fin"));
    action("mnMortgage")->trigger();
    m_fake.dialogs.answer = path;
    action("mnSaveAs")->trigger();
    action("mnPersonalLoan")->trigger();

    named<QPushButton>("btnOpen")->click();
    QCOMPARE(m_fake.dialogs.openCalls, 1);
    QCOMPARE(m_fake.dialogs.last.title, QStringLiteral("Open"));
    const FinCalc& c = m_fake.window->calc();
    QCOMPARE(c.CalculatorMode, std::string("Mortgage"));
    QCOMPARE(c.ScenarioFileName, path.toStdString());
    QCOMPARE(m_fake.window->windowTitle(), QStringLiteral("Personal Loans")); // labels stay
    verifyShowsState();

    // After an Open, Save As offers the opened file's name.
    m_fake.dialogs.answer.reset();
    action("mnSaveAs")->trigger();
    QCOMPARE(m_fake.dialogs.last.fileName, path);
}

void FrmFinCalcTest::printShowsThePrintDialogWithThePages() {
    named<QPushButton>("btnPrint")->click();
    QCOMPARE(m_fake.dialogs.printCalls, 1);
    QVERIFY(m_fake.dialogs.printedPageCount >= 2); // 60 payments: more than one page of 50 rows
    action("mnPrint")->trigger();
    QCOMPARE(m_fake.dialogs.printCalls, 2);
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
    m_fake.dialogs.printAccepted = true;
    m_fake.dialogs.printFile = dir.filePath(QStringLiteral("range.pdf"));
    m_fake.dialogs.fromPage = 2;
    m_fake.dialogs.toPage = 2;
    named<QPushButton>("btnPrint")->click();
    QCOMPARE(m_fake.dialogs.printedPageCount, 2);
    const QStringList sheets = pdfSheets(*m_fake.dialogs.printFile);
    QCOMPARE(sheets.size(), 1);
    const QStringList rows = sheets[0].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(rows.value(0).simplified().startsWith(QLatin1String("51 ")), qPrintable(sheets[0]));
    QVERIFY2(rows.last().simplified().startsWith(QLatin1String("60 ")), qPrintable(sheets[0]));
    QVERIFY(!sheets[0].contains(QLatin1String("Starting Balance")));

    // Without a range, every page.
    m_fake.dialogs.fromPage = 0;
    named<QPushButton>("btnPrint")->click();
    QCOMPARE(pdfSheets(*m_fake.dialogs.printFile).size(), 2);
}

// The dialog opens with the file and paper chosen last time in this session; the first time
// with the locale's paper (Letter under en_US, as these tests run) unless a printer names one.
void FrmFinCalcTest::printDialogKeepsFileAndPaperForTheSession() {
    QTemporaryDir dir;
    action("mnPrint")->trigger(); // cancelled
    QCOMPARE(m_fake.dialogs.offeredFile, QString());
    if (QPrinterInfo::defaultPrinter().isNull())
        QCOMPARE(m_fake.dialogs.offeredPaper.id(), QPageSize::Letter);

    m_fake.dialogs.printAccepted = true;
    const QString path = dir.filePath(QStringLiteral("legal.pdf"));
    m_fake.dialogs.printFile = path;
    m_fake.dialogs.paper = QPageSize(QPageSize::Legal);
    action("mnPrint")->trigger();
    QVERIFY(QFileInfo::exists(path));
    m_fake.dialogs.printFile.reset();
    m_fake.dialogs.paper.reset();
    action("mnPrint")->trigger();
    QCOMPARE(m_fake.dialogs.printCalls, 3);
    QCOMPARE(m_fake.dialogs.offeredFile, path);
    QCOMPARE(m_fake.dialogs.offeredPaper.id(), QPageSize::Legal);

    // A new window is a new session: nothing was kept anywhere else.
    FakeDialogs other;
    frmFinCalc second(
        DesktopServices{&other, &m_fake.registry, &m_fake.launcher, &m_fake.messenger});
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
        return printWithProgress(m_fake.window.get(), printer, pages, neverShown);
    };

    const QString cancelled = dir.filePath(QStringLiteral("cancelled.pdf"));
    {
        QFile old(cancelled);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the previous printout");
    }
    int progressSeen = 0;
    QTimer::singleShot(0, [&] { // runs from the printout's first turn of the event loop
        if (auto* progress = m_fake.window->findChild<QProgressDialog*>()) {
            ++progressSeen;
            progress->cancel();
        }
    });
    QVERIFY(!printTo("cancelled.pdf"));
    QCOMPARE(progressSeen, 1);
    QVERIFY(m_fake.window->findChild<QProgressDialog*>() == nullptr); // gone with the printout
    QCOMPARE(fileBytes(cancelled), QByteArray("the previous printout"));
    QTimer::singleShot(0, [&] {
        if (auto* progress = m_fake.window->findChild<QProgressDialog*>())
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
    QVERIFY(printWithProgress(m_fake.window.get(), printer, twenty, neverShown));
    printing = false;
    QCoreApplication::processEvents();
    QVERIFY(!turnedWhilePrinting);
}

void FrmFinCalcTest::copyOfAnOverlongSelectionSaysWhy() {
    // A no-interest loan of the largest amounts: two million rows of 309-digit figures, almost
    // 2 GB of text. Copy refuses it at once, and says why.
    activate();
    const std::pair<int, const char*> inputs[] = {
        {field::APR, "0"}, {field::SBAL, "1.7e308"}, {field::PERS, "1999990"}};
    for (const auto& [i, text] : inputs) {
        clear(field(i));
        QTest::keyClicks(field(i), QLatin1String(text));
    }
    QTest::keyClick(field(field::PERS), Qt::Key_Return);
    action("mnTable")->trigger();
    auto* report = named<ReportView>("rtDetails");
    QCOMPARE(report->report()->rowCount(), 1'999'990);

    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    report->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(report, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(m_fake.messenger.shown.size(), size_t{1});
    QCOMPARE(m_fake.messenger.shown[0].first, std::string("Copy"));
    QVERIFY2(m_fake.messenger.shown[0].second.find("more than 100 MB") != std::string::npos,
             m_fake.messenger.shown[0].second.c_str());
    QVERIFY2(m_fake.messenger.shown[0].second.find("100,000,000 bytes") != std::string::npos,
             m_fake.messenger.shown[0].second.c_str());

    // A part of it within the limit is copied.
    report->setSelection({0, 0}, {50'000, 0});
    QVERIFY(report->selectionBytes() < ReportView::kMaxCopyBytes);
    QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_fake.messenger.shown.size(), size_t{1});
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain")).size(),
             report->selectionBytes());
    verifyShowsState();
}

// ----- the About box

void FrmFinCalcTest::closingTheWindowClosesTheAboutBox() {
    action("mnAbout")->trigger();
    QPointer<frmAbout> about = m_fake.window->host().aboutBox();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->parentWidget(), nullptr);
    QVERIFY(m_fake.window->isEnabled());

    QVERIFY(m_fake.window->close());
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
