// The What If window: Tools > What If... opens one window of its own that follows every
// calculation; the extras typed reach the state, a refused text says why and keeps the last good
// figures; outside loans and mortgages the extras are off with the reason; Find the Rate and Use
// This Rate work through its buttons; Keep for Comparison shows kept, now and their difference;
// and the chart draws the balance with extras only when there are some.

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include "desktop/frm_chart.h"
#include "desktop/frm_what_if.h"
#include "window_fixture.h"

using namespace selvane;

class WhatIfWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void toolsMenuFollowsTheFunctionMenu();
    void opensOnceAndFollowsACalculation();
    void closingTellsTheStateAndTheMainWindowClosesIt();
    void refusedExtrasSayWhyAndKeepTheFigures_data();
    void refusedExtrasSayWhyAndKeepTheFigures();
    void extrasAreOffOutsideLoansAndMortgages_data();
    void extrasAreOffOutsideLoansAndMortgages();
    void findAndUseTheRateThroughTheButtons();
    void noRateSaysWhyAndCannotBeUsed();
    void keptPlanIsComparedWithTheOneNow();
    void chartDrawsExtrasOnlyWhenThereAreSome();

  private:
    QAction* action(const char* name) const {
        auto* a = m_fake.window->findChild<QAction*>(QLatin1String(name));
        if (!a)
            qFatal("no action %s", name);
        return a;
    }
    const FinCalc& calc() const { return m_fake.window->calc(); }
    frmWhatIf* openWhatIf() {
        action("mnWhatIf")->trigger();
        frmWhatIf* w = m_fake.window->host().whatIfWindow();
        if (w && !QTest::qWaitForWindowExposed(w))
            qWarning("the What If window was not exposed");
        return w;
    }
    template <class T> static T* child(QWidget* w, const char* name) {
        auto* c = w->findChild<T*>(QLatin1String(name));
        if (!c)
            qFatal("no child %s", name);
        return c;
    }
    static void retype(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    // A main window field typed anew and Enter, which calculates.
    void enterField(int index, const QString& text) {
        auto* edit = m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(index));
        retype(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QString money(double v) const { return QString::fromStdString(calc().currency()(v)); }
    // A text that shows no figure: no digit in it.
    static bool noFigure(const QString& text) {
        return !text.contains(QRegularExpression(QStringLiteral("[0-9]")));
    }
    // The window's extras figures are the state's figures.
    void verifyFigures(frmWhatIf* w);
    QStringList figureTexts(frmWhatIf* w) const;

    FakeWindow m_fake;
};

void WhatIfWindowTest::init() {
    QVERIFY(m_fake.open());
    action("mnMortgage")->trigger();
    enterField(field::APR, QStringLiteral("6.5"));
    QVERIFY(calc().report.rowCount() > 24);
}

void WhatIfWindowTest::cleanup() {
    const QStringList modal = m_fake.close();
    QVERIFY2(modal.isEmpty(), qPrintable(modal.join(", ")));
}

QStringList WhatIfWindowTest::figureTexts(frmWhatIf* w) const {
    QStringList out;
    for (const char* name :
         {"lblNeededPayments", "lblLastPayment", "lblTotalPaid", "lblTotalInterest",
          "lblInterestSaved", "lblPaymentsSaved", "lblYearsSaved"})
        out << child<QLabel>(w, name)->text();
    return out;
}

void WhatIfWindowTest::verifyFigures(frmWhatIf* w) {
    const auto figures = calc().whatIf();
    QVERIFY(figures);
    QCOMPARE(child<QLabel>(w, "lblNeededPayments")->text().remove(QLatin1Char(',')).toLongLong(),
             figures->schedule.payments);
    QCOMPARE(child<QLabel>(w, "lblLastPayment")->text(), money(figures->schedule.lastPayment));
    QCOMPARE(child<QLabel>(w, "lblTotalPaid")->text(), money(figures->schedule.totalPaid));
    QCOMPARE(child<QLabel>(w, "lblTotalInterest")->text(), money(figures->schedule.totalInterest));
    QCOMPARE(child<QLabel>(w, "lblInterestSaved")->text(), money(figures->interestSaved));
    QCOMPARE(child<QLabel>(w, "lblPaymentsSaved")->text().remove(QLatin1Char(',')).toDouble(),
             figures->paymentsSaved);
    QCOMPARE(child<QLabel>(w, "lblYearsSaved")->text().toDouble(),
             std::round(figures->yearsSaved * 100) / 100);
}

void WhatIfWindowTest::toolsMenuFollowsTheFunctionMenu() {
    QStringList menus;
    for (QAction* a : m_fake.window->menuBar()->actions())
        menus << a->menu()->objectName();
    QCOMPARE(menus.indexOf(QStringLiteral("mnTools")),
             menus.indexOf(QStringLiteral("mnFunction")) + 1);
    // Nothing found and nothing kept yet: nothing to use or clear.
    QVERIFY(!action("mnUseRate")->isEnabled());
    QVERIFY(!action("mnClearKept")->isEnabled());
    action("mnKeep")->trigger();
    QVERIFY(action("mnClearKept")->isEnabled());
    action("mnClearKept")->trigger();
    QVERIFY(!calc().kept);
    QVERIFY(!action("mnClearKept")->isEnabled());
}

void WhatIfWindowTest::opensOnceAndFollowsACalculation() {
    QPointer<frmWhatIf> w = openWhatIf();
    QVERIFY(w);
    QVERIFY(calc().whatIfOpen);
    QCOMPARE(w->windowTitle(), QStringLiteral("What If"));
    QVERIFY(!w->isModal());
    QCOMPARE(w->parentWidget(), nullptr);
    QCOMPARE(openWhatIf(), w.data()); // a second What If... raises the same window
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        windows += qobject_cast<frmWhatIf*>(top) != nullptr ? 1 : 0;
    QCOMPARE(windows, 1);

    // The inputs start as the state's extras, and what is typed reaches it.
    QCOMPARE(child<QLineEdit>(w, "txtFrom")->text().toLongLong(), calc().extras.from);
    retype(child<QLineEdit>(w, "txtExtra"), QStringLiteral("200"));
    QCOMPARE(calc().extras.extra, 200.0);
    verifyFigures(w);
    QVERIFY(calc().whatIf()->schedule.paidOffEarly);

    const QStringList before = figureTexts(w);
    enterField(field::APR, QStringLiteral("8"));
    verifyFigures(w);
    QVERIFY(figureTexts(w) != before);
}

void WhatIfWindowTest::closingTellsTheStateAndTheMainWindowClosesIt() {
    QPointer<frmWhatIf> w = openWhatIf();
    QVERIFY(w);
    retype(child<QLineEdit>(w, "txtExtra"), QStringLiteral("abc"));
    QVERIFY(!calc().extrasMessage.empty());
    QVERIFY(w->close());
    QVERIFY(!calc().whatIfOpen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());

    // Opened anew it shows the extras in use, and no word of the text refused before.
    w = openWhatIf();
    QVERIFY(w);
    QCOMPARE(child<QLineEdit>(w, "txtExtra")->text().toDouble(), calc().extras.extra);
    QVERIFY(child<QLabel>(w, "lblExtrasMessage")->isHidden());

    QVERIFY(m_fake.window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    QVERIFY(!calc().whatIfOpen);
}

void WhatIfWindowTest::refusedExtrasSayWhyAndKeepTheFigures_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::newRow("words for an amount") << "txtExtra"
                                         << "abc";
    QTest::newRow("a negative amount") << "txtLump"
                                       << "-5";
    QTest::newRow("payment number 0") << "txtFrom"
                                      << "0";
    QTest::newRow("a part payment number") << "txtAt"
                                           << "1.5";
    QTest::newRow("nothing at all") << "txtExtra"
                                    << "";
}

void WhatIfWindowTest::refusedExtrasSayWhyAndKeepTheFigures() {
    QFETCH(QString, input);
    QFETCH(QString, text);
    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    retype(child<QLineEdit>(w, "txtExtra"), QStringLiteral("150"));
    retype(child<QLineEdit>(w, "txtLump"), QStringLiteral("5000"));
    const Extras good = calc().extras;
    QCOMPARE(good.lump, 5000.0);
    const QStringList figures = figureTexts(w);
    auto* message = child<QLabel>(w, "lblExtrasMessage");
    QVERIFY(message->isHidden());

    retype(w->findChild<QLineEdit*>(input), text);
    QVERIFY(!calc().extrasMessage.empty());
    QVERIFY(!message->isHidden());
    QCOMPARE(message->text(), QString::fromStdString(calc().extrasMessage));
    QVERIFY(calc().extras == good);
    QCOMPARE(figureTexts(w), figures);

    // Put right, the message goes.
    retype(child<QLineEdit>(w, "txtExtra"), QStringLiteral("150"));
    retype(child<QLineEdit>(w, "txtFrom"), QStringLiteral("1"));
    retype(child<QLineEdit>(w, "txtLump"), QStringLiteral("5000"));
    retype(child<QLineEdit>(w, "txtAt"), QStringLiteral("1"));
    QVERIFY(message->isHidden());
    QVERIFY(calc().extrasMessage.empty());
}

void WhatIfWindowTest::extrasAreOffOutsideLoansAndMortgages_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("lease") << "mnLease";
    QTest::newRow("income") << "mnIncome";
    QTest::newRow("investment") << "mnInvestment";
}

void WhatIfWindowTest::extrasAreOffOutsideLoansAndMortgages() {
    QFETCH(QString, mode);
    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    auto* reason = child<QLabel>(w, "lblExtrasUnavailable");
    auto* extra = child<QLineEdit>(w, "txtExtra");
    QVERIFY(reason->isHidden());
    QVERIFY(extra->isEnabled());

    action(mode.toLatin1().constData())->trigger();
    QVERIFY(calc().extrasUnavailable());
    QVERIFY(!reason->isHidden());
    QCOMPARE(reason->text(), QString::fromStdString(*calc().extrasUnavailable()));
    for (const char* name : {"txtExtra", "txtFrom", "txtLump", "txtAt"})
        QVERIFY(!child<QLineEdit>(w, name)->isEnabled());
    for (const char* name : {"lblTotalInterest", "lblYearsSaved"}) {
        QVERIFY(!child<QLabel>(w, name)->isEnabled());
        QVERIFY(noFigure(child<QLabel>(w, name)->text()));
    }

    action("mnPersonalLoan")->trigger();
    QVERIFY(reason->isHidden());
    QVERIFY(extra->isEnabled());
}

void WhatIfWindowTest::findAndUseTheRateThroughTheButtons() {
    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    auto* useRate = child<QPushButton>(w, "cmdUseRate");
    QVERIFY(!useRate->isEnabled());
    const QString payment =
        m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(field::PMT))->text();

    // The payment of 6.5 %, as the field shows it to the cent, is the one searched: its rate is
    // 6.5 % but for that rounding.
    child<QPushButton>(w, "cmdFindRate")->click();
    QVERIFY(calc().foundRate && calc().foundRate->apr);
    const double found = *calc().foundRate->apr;
    QVERIFY(std::abs(found - 6.5) < 1e-3);
    QCOMPARE(child<QLabel>(w, "lblFoundApr")->text(), QLocale().toString(found, 'f', 6) + " %");
    QVERIFY(child<QLabel>(w, "lblFoundRealApr")->text().endsWith(QLatin1String(" %")));
    QVERIFY(useRate->isEnabled());
    QVERIFY(action("mnUseRate")->isEnabled());

    // Another rate calculated, then the found one used: the APR field has it, and the payment
    // it was found from is back.
    enterField(field::APR, QStringLiteral("9"));
    auto* apr = m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(field::APR));
    auto* pmt = m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(field::PMT));
    QVERIFY(pmt->text() != payment);
    useRate->click();
    // The calculation took the found rate, and the field shows it as the calculation writes it.
    QCOMPARE(val(calc().stored.APR).v, found);
    QCOMPARE(apr->text(), QString::fromStdString(calc().fields[field::APR].text));
    QCOMPARE(pmt->text(), payment);

    // Tools > Find the Rate with the window closed opens it with the answer.
    QVERIFY(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    action("mnFindRate")->trigger();
    w = m_fake.window->host().whatIfWindow();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(child<QLabel>(w, "lblFoundApr")->text(),
             QLocale().toString(*calc().foundRate->apr, 'f', 6) + " %");
}

void WhatIfWindowTest::noRateSaysWhyAndCannotBeUsed() {
    // Solving for the purchase amount leaves the payment to type: none at all has no rate.
    auto* result = m_fake.window->findChild<QComboBox*>(QStringLiteral("cmResult"));
    emit result->activated(1);
    QCOMPARE(calc().cmResult.selected, 1);
    auto* pmt = m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(field::PMT));
    retype(pmt, QStringLiteral("0"));
    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    child<QPushButton>(w, "cmdFindRate")->click();
    QVERIFY(calc().foundRate);
    QVERIFY(!calc().foundRate->apr);
    auto* message = child<QLabel>(w, "lblRateMessage");
    QVERIFY(!message->isHidden());
    QCOMPARE(message->text(), QString::fromStdString(calc().foundRate->message));
    QVERIFY(!child<QPushButton>(w, "cmdUseRate")->isEnabled());
    QVERIFY(!action("mnUseRate")->isEnabled());
}

void WhatIfWindowTest::keptPlanIsComparedWithTheOneNow() {
    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    auto* table = child<QTableWidget>(w, "tblCompare");
    auto cell = [&](int row, int column) { return table->item(row, column)->text(); };
    auto* clear = child<QPushButton>(w, "cmdClearKept");
    QVERIFY(!clear->isEnabled());
    QVERIFY(noFigure(cell(frmWhatIf::Payment, frmWhatIf::Kept))); // nothing kept
    QCOMPARE(cell(frmWhatIf::TotalPaid, frmWhatIf::Now), money(calc().planFigures().totalPaid));

    child<QPushButton>(w, "cmdKeep")->click();
    QVERIFY(calc().kept);
    QVERIFY(clear->isEnabled());
    for (int row = 0; row < frmWhatIf::CompareRowCount; ++row)
        QCOMPARE(cell(row, frmWhatIf::Kept), cell(row, frmWhatIf::Now));

    enterField(field::APR, QStringLiteral("4.25"));
    const PlanFigures now = calc().planFigures(), kept = *calc().kept;
    QVERIFY(now.totalInterest < kept.totalInterest);
    QCOMPARE(cell(frmWhatIf::Payment, frmWhatIf::Kept), money(kept.payment));
    QCOMPARE(cell(frmWhatIf::Payment, frmWhatIf::Now), money(now.payment));
    QCOMPARE(cell(frmWhatIf::Payment, frmWhatIf::Difference), money(now.payment - kept.payment));
    QCOMPARE(cell(frmWhatIf::TotalInterest, frmWhatIf::Difference),
             money(now.totalInterest - kept.totalInterest));
    QCOMPARE(cell(frmWhatIf::Payments, frmWhatIf::Difference).toDouble(), 0.0);

    clear->click();
    QVERIFY(!calc().kept);
    QVERIFY(!clear->isEnabled());
    QVERIFY(noFigure(cell(frmWhatIf::Payment, frmWhatIf::Kept)));
    QVERIFY(noFigure(cell(frmWhatIf::Payment, frmWhatIf::Difference)));
}

void WhatIfWindowTest::chartDrawsExtrasOnlyWhenThereAreSome() {
    action("mnChart")->trigger();
    frmChart* chart = m_fake.window->host().chartWindow();
    QVERIFY(chart);
    auto extrasLine = [&]() -> QLineSeries* {
        QLineSeries* found = nullptr;
        for (QAbstractSeries* s : chart->charts().lines()->series())
            if (s->name() == QLatin1String(kBalanceWithExtrasCaption))
                found = qobject_cast<QLineSeries*>(s);
        return found;
    };
    QCOMPARE(chart->charts().lines()->series().size(), 3);
    QVERIFY(!extrasLine());

    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    retype(child<QLineEdit>(w, "txtLump"), QStringLiteral("20000"));
    QVERIFY(extrasLine());
    QCOMPARE(chart->charts().lines()->series().size(), 4);
    // It ends where the extras pay the plan off, before the plan's own end.
    const QList<QPointF> points = extrasLine()->points();
    QVERIFY(!points.isEmpty());
    const auto schedule = calc().whatIf()->schedule;
    QCOMPARE(static_cast<std::int64_t>(points.last().x()), schedule.payments);
    QVERIFY(schedule.payments < calc().report.rowCount());

    retype(child<QLineEdit>(w, "txtLump"), QStringLiteral("0"));
    QVERIFY(!extrasLine());
    QCOMPARE(chart->charts().lines()->series().size(), 3);

    // Extras that do not apply draw nothing.
    retype(child<QLineEdit>(w, "txtExtra"), QStringLiteral("100"));
    QVERIFY(extrasLine());
    action("mnLease")->trigger();
    QVERIFY(!extrasLine());
}

QTEST_MAIN(WhatIfWindowTest)
#include "what_if_window_test.moc"
