// The What If window: one window of its own that follows every calculation; a refused text says
// why and keeps the last good figures; outside loans and mortgages the extras are off with the
// reason; Find the Rate and Use This Rate work through its buttons; a kept plan is compared with
// the plan now; and the chart draws the balance with extras only when there are some.

#include <QAction>
#include <QApplication>
#include <QChart>
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

    void opensOnceAndFollowsACalculation();
    void refusedExtrasSayWhyAndShowNoFigures();
    void extrasAreOffOutsideLoansAndMortgages();
    void findAndUseTheRateThroughTheButtons();
    void keptPlanIsComparedWithTheOneNow();
    void chartDrawsExtrasOnlyWhenThereAreSome();

  private:
    QAction* action(const char* name) const { return m_fake.action(name); }
    const FinCalc& calc() const { return m_fake.window->calc(); }
    frmWhatIf* openWhatIf() {
        action("mnWhatIf")->trigger();
        frmWhatIf* w = m_fake.window->host().whatIfWindow();
        if (w && !QTest::qWaitForWindowExposed(w))
            qWarning("the What If window was not exposed");
        return w;
    }
    template <class T = QLabel> static T* child(QWidget* w, const char* name) {
        auto* c = w->findChild<T*>(QLatin1String(name));
        if (!c)
            qFatal("no child %s", name);
        return c;
    }
    QLineEdit* field(int index) const {
        return m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(index));
    }
    static void retype(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void calculateWithRate(const char* apr) {
        retype(field(field::APR), QLatin1String(apr));
        QTest::keyClick(field(field::APR), Qt::Key_Return);
    }
    static QStringList texts(const auto& strings) {
        QStringList out;
        for (const std::string& s : strings)
            out << QString::fromStdString(s);
        return out;
    }
    static bool noFigure(const QString& text) { // no digit in it
        return !text.contains(QRegularExpression(QStringLiteral("[0-9]")));
    }
    // The extra payments' figures: its named labels but the two sentences.
    static QStringList figureTexts(frmWhatIf* w) {
        QStringList out;
        for (QLabel* l : child<QWidget>(w, "fraExtras")->findChildren<QLabel*>())
            if (!l->objectName().isEmpty() &&
                !l->objectName().startsWith(QLatin1String("lblExtras")))
                out << l->text();
        return out;
    }

    FakeWindow m_fake;
};

void WhatIfWindowTest::init() {
    QVERIFY(m_fake.open());
    action("mnMortgage")->trigger();
    calculateWithRate("6.5");
    QVERIFY(calc().report.rowCount() > 24);
}

void WhatIfWindowTest::cleanup() {
    const QStringList modal = m_fake.close();
    QVERIFY2(modal.isEmpty(), qPrintable(modal.join(", ")));
}

void WhatIfWindowTest::opensOnceAndFollowsACalculation() {
    QStringList menus;
    for (QAction* a : m_fake.window->menuBar()->actions())
        menus << a->menu()->objectName();
    QCOMPARE(menus.indexOf(QStringLiteral("mnTools")),
             menus.indexOf(QStringLiteral("mnFunction")) + 1);

    QPointer<frmWhatIf> w = openWhatIf();
    QVERIFY(w);
    QVERIFY(calc().whatIfOpen);
    QCOMPARE(w->windowTitle(), QStringLiteral("What If"));
    QCOMPARE(w->parentWidget(), nullptr);
    QCOMPARE(openWhatIf(), w.data()); // a second What If... raises the same window
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        windows += qobject_cast<frmWhatIf*>(top) != nullptr ? 1 : 0;
    QCOMPARE(windows, 1);

    // What is typed reaches the state, and the figures are the state's, before and after a
    // calculation.
    retype(child<QLineEdit>(w, "txtExtra"), QStringLiteral("200"));
    QCOMPARE(calc().extras.extra, 200.0);
    const QStringList before = figureTexts(w);
    calculateWithRate("8");
    QVERIFY(figureTexts(w) != before);
    const auto figures = calc().whatIf();
    QVERIFY(figures && figures->paymentsSaved > 0);
    QCOMPARE(figureTexts(w), texts(calc().whatIfTexts().figures));

    // Closed, the state knows; opened again, a text refused before is no longer mentioned.
    retype(child<QLineEdit>(w, "txtExtra"), QStringLiteral("abc"));
    QVERIFY(w->close());
    QVERIFY(!calc().whatIfOpen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    w = openWhatIf();
    QVERIFY(w);
    QCOMPARE(child<QLineEdit>(w, "txtExtra")->text().toDouble(), calc().extras.extra);
    QVERIFY(child(w, "lblExtrasMessage")->isHidden());
    QVERIFY(m_fake.window->close()); // and the main window takes it along
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
}

void WhatIfWindowTest::refusedExtrasSayWhyAndShowNoFigures() {
    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    retype(child<QLineEdit>(w, "txtLump"), QStringLiteral("5000"));
    const Extras good = calc().extras;
    QCOMPARE(good.lump, 5000.0);
    auto* message = child(w, "lblExtrasMessage");
    QVERIFY(message->isHidden());
    const QStringList figures = figureTexts(w);
    QCOMPARE(figures.size(), 7);

    retype(child<QLineEdit>(w, "txtExtra"), QStringLiteral("abc"));
    QVERIFY(!message->isHidden());
    QVERIFY(!calc().extrasMessage.empty());
    QCOMPARE(message->text(), QString::fromStdString(calc().extrasMessage));
    QVERIFY(calc().extras == good);
    // No figures for a text that was not taken: the ones shown were for the text before.
    QCOMPARE(figureTexts(w), QStringList(figures.size(), QStringLiteral("\u2013")));
    retype(child<QLineEdit>(w, "txtExtra"), QStringLiteral("0"));
    QVERIFY(message->isHidden());
    QCOMPARE(figureTexts(w), figures);
}

void WhatIfWindowTest::extrasAreOffOutsideLoansAndMortgages() {
    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    auto* reason = child(w, "lblExtrasUnavailable");
    QVERIFY(reason->isHidden());
    QVERIFY(child<QLineEdit>(w, "txtExtra")->isEnabled());

    action("mnLease")->trigger();
    QVERIFY(calc().extrasUnavailable());
    QVERIFY(!reason->isHidden());
    QCOMPARE(reason->text(), QString::fromStdString(*calc().extrasUnavailable()));
    for (const char* name : {"txtExtra", "txtFrom", "txtLump", "txtAt"})
        QVERIFY(!child<QLineEdit>(w, name)->isEnabled());
    QVERIFY(!child(w, "lblTotalInterest")->isEnabled());
    QVERIFY(noFigure(child(w, "lblTotalInterest")->text()));

    action("mnPersonalLoan")->trigger();
    QVERIFY(reason->isHidden());
    QVERIFY(child<QLineEdit>(w, "txtExtra")->isEnabled());
}

void WhatIfWindowTest::findAndUseTheRateThroughTheButtons() {
    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    auto* useRate = child<QPushButton>(w, "cmdUseRate");
    QVERIFY(!useRate->isEnabled());
    QVERIFY(!action("mnUseRate")->isEnabled());
    const QString payment = field(field::PMT)->text();

    // The payment of 6.5 %, as the field shows it to the cent, is searched: its rate is 6.5 %
    // but for that rounding.
    child<QPushButton>(w, "cmdFindRate")->click();
    QVERIFY(calc().foundRate && calc().foundRate->apr);
    const double found = *calc().foundRate->apr;
    QVERIFY(std::abs(found - 6.5) < 1e-3);
    QCOMPARE(child(w, "lblFoundApr")->text(), QString::fromStdString(calc().rateTexts().apr));
    QVERIFY(useRate->isEnabled());
    QVERIFY(action("mnUseRate")->isEnabled());
    // A key in a field changes the plan the rate was found for: it can no longer be used.
    QTest::keyClick(field(field::INFL), Qt::Key_1);
    QVERIFY(!useRate->isEnabled());
    QVERIFY(!action("mnUseRate")->isEnabled());
    action("mnFindRate")->trigger(); // the menu entry finds again, as the button does
    QVERIFY(useRate->isEnabled());
    QCOMPARE(*calc().foundRate->apr, found);

    // Another rate calculated: the rate found before is stale. Found again and used, the
    // calculation takes it into the APR field and gives the payment it was found from.
    calculateWithRate("9");
    QVERIFY(field(field::PMT)->text() != payment);
    QVERIFY(!useRate->isEnabled()); // found for the plan before this calculation
    const QString at9 = field(field::PMT)->text();
    child<QPushButton>(w, "cmdFindRate")->click();
    const double again = *calc().foundRate->apr;
    QVERIFY(std::abs(again - 9) < 1e-3);
    useRate->click();
    QCOMPARE(val(calc().stored.APR).v, again);
    QCOMPARE(field(field::APR)->text(), QString::fromStdString(calc().fields[field::APR].text));
    QCOMPARE(field(field::PMT)->text(), at9);
    // What the rounded APR field gives is said beside it.
    QCOMPARE(child(w, "lblRateMessage")->text(), QString::fromStdString(calc().rateNote));
    QVERIFY(child(w, "lblRateMessage")->isVisible());
}

void WhatIfWindowTest::keptPlanIsComparedWithTheOneNow() {
    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    auto* table = child<QTableWidget>(w, "tblCompare");
    auto cell = [&](int row, int column) { return table->item(row, column)->text(); };
    QVERIFY(noFigure(cell(frmWhatIf::Payment, frmWhatIf::Kept))); // nothing kept
    QVERIFY(!action("mnClearKept")->isEnabled());

    child<QPushButton>(w, "cmdKeep")->click();
    QVERIFY(action("mnClearKept")->isEnabled());
    calculateWithRate("4.25");
    QVERIFY(*calc().planFigures().totalInterest < *calc().kept->totalInterest);
    const CompareTexts compare = calc().compareTexts();
    for (int row = 0; row < frmWhatIf::CompareRowCount; ++row)
        for (int column = 0; column < frmWhatIf::CompareColumnCount; ++column)
            QCOMPARE(cell(row, column), QString::fromStdString(compare[row][column]));

    child<QPushButton>(w, "cmdClearKept")->click();
    QVERIFY(!calc().kept);
    QVERIFY(noFigure(cell(frmWhatIf::Payment, frmWhatIf::Difference)));
    QVERIFY(!child<QPushButton>(w, "cmdClearKept")->isEnabled());
}

void WhatIfWindowTest::chartDrawsExtrasOnlyWhenThereAreSome() {
    action("mnChart")->trigger();
    frmChart* chart = m_fake.window->host().chartWindow();
    QVERIFY(chart);
    auto extrasLine = [&]() -> QLineSeries* {
        for (QAbstractSeries* s : chart->charts().lines()->series())
            if (s->name() == QLatin1String(kBalanceWithExtrasCaption))
                return qobject_cast<QLineSeries*>(s);
        return nullptr;
    };
    QVERIFY(!extrasLine());

    frmWhatIf* w = openWhatIf();
    QVERIFY(w);
    retype(child<QLineEdit>(w, "txtLump"), QStringLiteral("20000"));
    QVERIFY(extrasLine());
    QCOMPARE(chart->charts().lines()->series().size(), 4);
    // It ends where the extras pay the plan off, before the plan's own end.
    const std::int64_t payments = calc().whatIf()->payments;
    QCOMPARE(static_cast<std::int64_t>(extrasLine()->points().last().x()), payments);
    QVERIFY(payments < calc().report.rowCount());

    retype(child<QLineEdit>(w, "txtLump"), QStringLiteral("0"));
    QVERIFY(!extrasLine());
    retype(child<QLineEdit>(w, "txtExtra"), QStringLiteral("100"));
    QVERIFY(extrasLine());
    action("mnLease")->trigger(); // extras that do not apply draw nothing
    QVERIFY(!extrasLine());
    QCOMPARE(chart->charts().lines()->series().size(), 3);
}

QTEST_MAIN(WhatIfWindowTest)
#include "what_if_window_test.moc"
