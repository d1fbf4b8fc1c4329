// The What If window: one window of its own that shows the state's texts after every handler
// the user's typing and clicking runs, here or in the main window, and the chart draws the
// balance with extras only while there are some. The texts themselves are the state's and are
// tested with it (tests/calculator/what_if_test.cpp).

#include <QChart>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>

#include "desktop/frm_chart.h"
#include "desktop/frm_what_if.h"
#include "window_fixture.h" // the window over fakes; QAction, QApplication and QTest

using namespace selvane;

class WhatIfWindowTest : public QObject {
    Q_OBJECT

    FakeWindow m_fake;

    QAction* action(const char* name) const { return m_fake.action(name); }
    const FinCalc& calc() const { return m_fake.calc(); }
    frmWhatIf* openWhatIf() {
        action("mnWhatIf")->trigger();
        return m_fake.window->host().whatIfWindow();
    }
    template <class T = QLabel> static T* child(QWidget* w, const char* name) {
        if (auto* c = w->findChild<T*>(QLatin1String(name)))
            return c;
        qFatal("no child %s", name);
    }
    // Every text of the window is the state's, and what can be used now can be, here and in
    // the main window's menu.
    void verifyShowsState(frmWhatIf* w) {
        const auto qs = [](const std::string& s) { return QString::fromStdString(s); };
        const auto text = [w](const char* name) { return child(w, name)->text(); };
        const WhatIfTexts t = calc().whatIfTexts();
        const bool off = calc().extrasUnavailable().has_value();
        const char* figures[] = {"lblNeededPayments", "lblLastPayment",   "lblTotalPaid",
                                 "lblTotalInterest",  "lblInterestSaved", "lblPaymentsSaved",
                                 "lblYearsSaved"};
        for (size_t i = 0; i < t.figures.size(); ++i)
            QCOMPARE(text(figures[i]), qs(t.figures[i]));
        QCOMPARE(child<QLineEdit>(w, "txtAt")->isEnabled(), !off);
        QCOMPARE(text("lblExtrasMessage"), qs(t.refused));
        QCOMPARE(child(w, "lblExtrasMessage")->isVisible(), !t.refused.empty() && !off);
        QCOMPARE(text("lblExtrasUnavailable"), qs(t.unavailable + t.note));

        const RateTexts rate = calc().rateTexts();
        QCOMPARE(text("lblFoundApr"), qs(rate.apr));
        QCOMPARE(text("lblFoundRealApr"), qs(rate.realApr));
        QCOMPARE(text("lblRateMessage"), qs(rate.message.empty() ? rate.note : rate.message));
        QCOMPARE(child<QPushButton>(w, "cmdUseRate")->isEnabled(), rate.usable);
        QCOMPARE(action("mnUseRate")->isEnabled(), rate.usable);

        auto* table = child<QTableWidget>(w, "tblCompare");
        for (int row = 0; row < frmWhatIf::CompareRowCount; ++row)
            for (int column = 0; column < frmWhatIf::CompareColumnCount; ++column)
                QCOMPARE(table->item(row, column)->text(), qs(calc().compareTexts()[row][column]));
        QCOMPARE(child<QPushButton>(w, "cmdClearKept")->isEnabled(), calc().kept.has_value());
        QCOMPARE(action("mnClearKept")->isEnabled(), calc().kept.has_value());
    }

  private slots:
    void init() {
        QVERIFY(m_fake.open());
        action("mnMortgage")->trigger();
        m_fake.enter(field::APR, QStringLiteral("6.5"));
    }
    void cleanup() { QVERIFY(m_fake.close()); }

    void opensOnceAndFollowsTheState() {
        QPointer<frmWhatIf> w = openWhatIf();
        QVERIFY(w && calc().whatIfOpen && !w->parentWidget()); // a window of its own
        QCOMPARE(openWhatIf(), w.data()); // a second What If... raises the same window

        // What is typed reaches the state; a calculation or another function chosen in the main
        // window shows here too.
        FakeWindow::type(child<QLineEdit>(w, "txtExtra"), QStringLiteral("200"));
        QCOMPARE(calc().extras.extra, 200.0);
        m_fake.enter(field::APR, QStringLiteral("8"));
        verifyShowsState(w);
        action("mnLease")->trigger(); // no extras for a lease
        QVERIFY(calc().extrasUnavailable());
        verifyShowsState(w);
        action("mnMortgage")->trigger();
        FakeWindow::type(child<QLineEdit>(w, "txtExtra"), QStringLiteral("abc"));
        QVERIFY(!calc().extrasMessage.empty());
        verifyShowsState(w);

        // Closed, the state knows; opened again, the refused text went with it.
        QVERIFY(w->close() && !calc().whatIfOpen);
        QTRY_VERIFY(w.isNull()); // deleted once events are handled
        w = openWhatIf();
        QCOMPARE(child<QLineEdit>(w, "txtExtra")->text().toDouble(), calc().extras.extra);
        verifyShowsState(w);
        QVERIFY(m_fake.window->close()); // and the main window takes it along
        QTRY_VERIFY(w.isNull());
    }

    void buttonsAndMenuEntriesRunTheirHandlers() {
        frmWhatIf* w = openWhatIf();
        child<QPushButton>(w, "cmdFindRate")->click();
        QVERIFY(calc().rateTexts().usable);
        verifyShowsState(w);
        // Another calculation makes the rate stale; the menu entry finds it again.
        m_fake.enter(field::APR, QStringLiteral("9"));
        QVERIFY(!calc().rateTexts().usable);
        action("mnFindRate")->trigger();
        QVERIFY(calc().rateTexts().usable);
        // Used: what the rounded APR field gives is said here.
        child<QPushButton>(w, "cmdUseRate")->click();
        QVERIFY(!calc().rateNote.empty() && child(w, "lblRateMessage")->isVisible());
        verifyShowsState(w);

        // Kept, compared with the plan of the next calculation, and cleared.
        child<QPushButton>(w, "cmdKeep")->click();
        QVERIFY(calc().kept);
        m_fake.enter(field::APR, QStringLiteral("4.25"));
        verifyShowsState(w);
        child<QPushButton>(w, "cmdClearKept")->click();
        QVERIFY(!calc().kept);
        verifyShowsState(w);
    }

    void chartDrawsExtrasOnlyWhenThereAreSome() {
        action("mnChart")->trigger();
        const auto lines = [this] {
            return m_fake.window->host().chartWindow()->charts().lines()->series();
        };
        QCOMPARE(lines().size(), 3);
        frmWhatIf* w = openWhatIf();
        FakeWindow::type(child<QLineEdit>(w, "txtLump"), QStringLiteral("20000"));
        QCOMPARE(lines().size(), 4); // drawn as the extras are typed
        // The balance with extras ends where they pay the plan off, before the plan's own end.
        auto* extras = qobject_cast<QLineSeries*>(lines().last());
        QCOMPARE(extras->name(), QLatin1String(kBalanceWithExtrasCaption));
        QCOMPARE(static_cast<std::int64_t>(extras->points().last().x()), calc().whatIf()->payments);
        QVERIFY(calc().whatIf()->payments < calc().report.rowCount());
        action("mnLease")->trigger(); // extras that do not apply draw nothing
        QCOMPARE(lines().size(), 3);
    }
};

QTEST_MAIN(WhatIfWindowTest)
#include "what_if_window_test.moc"
