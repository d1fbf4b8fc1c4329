// Tools > Compare Offers through its real widgets: offers added with its buttons and typed into
// the table's cells through the cells' own editors reach the state, a switch set through its
// fields does too, and the window shows the state's texts after each; a refused cell keeps its
// text and says why in red. The figures are worked out below the window (tests/plan/
// offers_test.cpp); here the window shows them.

#include <QChartView>
#include <QLineSeries>
#include <QTableView>

#include "desktop/frm_offers.h"
#include "desktop/readable_colours.h"
#include "window_fixture.h"

using namespace selvane;

class OffersWindowTest : public QObject, FakeWindow {
    Q_OBJECT

    static QString qs(const std::string& s) { return QString::fromStdString(s); }
    static QTableView* table(frmOffers* w) { return childOf<QTableView>(w, "tblOffers"); }
    // A cell's editor, opened as a user opens it: the cursor on the cell, then F2.
    static QWidget* editCell(frmOffers* w, int row, OfferColumn column) {
        QTableView* view = table(w);
        view->setCurrentIndex(view->model()->index(row, static_cast<int>(column)));
        QTest::keyClick(view, Qt::Key_F2);
        return view->indexWidget(view->currentIndex());
    }
    static void typeCell(frmOffers* w, int row, OfferColumn column, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(editCell(w, row, column));
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(); // the view takes the text after the key
        QVERIFY(!table(w)->indexWidget(table(w)->currentIndex()));
    }
    static void chooseCell(frmOffers* w, int row, OfferColumn column, int entry) {
        auto* box = qobject_cast<QComboBox*>(editCell(w, row, column));
        QVERIFY(box);
        choose(box, entry);
    }
    static QString labelText(frmOffers* w, const char* name) {
        return childOf<QLabel>(w, QLatin1String(name))->text();
    }

    // Every cell, the marks' legend, the refusal, the switch's figures and sentences, the
    // even-after sentence and the chart's lines are the state's.
    void verifyShowsState(frmOffers* w) {
        const OffersTexts t = calc().offersTexts();
        const QAbstractItemModel* model = table(w)->model();
        QCOMPARE(static_cast<size_t>(model->rowCount()), t.inputs.size());
        for (size_t r = 0; r < t.inputs.size(); ++r)
            for (size_t c = 0; c < kOfferInputColumns + kOfferFigureColumns; ++c)
                QCOMPARE(model->index(int(r), int(c)).data().toString(),
                         qs(c < kOfferInputColumns ? t.inputs[r][c]
                                                   : t.figures[r][c - kOfferInputColumns]));
        QCOMPARE(labelText(w, "lblOfferMarks"), qs(t.marks));
        QCOMPARE(labelText(w, "lblOffersRefused"), qs(t.refused));
        const SwitchTexts s = calc().switchTexts();
        for (size_t i = 0; i < s.figures.size(); ++i)
            QCOMPARE(childOf<QLabel>(w, QStringLiteral("lblSwitchFigure%1").arg(i + 1))->text(),
                     qs(s.figures[i]));
        QCOMPARE(labelText(w, "lblSwitchRefused"), qs(s.refused));
        QCOMPARE(labelText(w, "lblSwitchUnavailable"), qs(s.unavailable));
        QCOMPARE(labelText(w, "lblSwitchNever"), qs(s.never));
        const int a = childOf<QComboBox>(w, "cboEvenAfterA")->currentIndex();
        const int b = childOf<QComboBox>(w, "cboEvenAfterB")->currentIndex();
        QCOMPARE(labelText(w, "lblEvenAfter"),
                 qs(calc().offers.evenAfterText(size_t(a), size_t(b))));
        const auto lines = calc().offers.costLines();
        const auto series = childOf<QChartView>(w, "chCosts")->chart()->series();
        QCOMPARE(static_cast<size_t>(series.size()), lines.size());
        for (size_t i = 0; i < lines.size(); ++i) {
            const auto* line = qobject_cast<QLineSeries*>(series[qsizetype(i)]);
            QCOMPARE(line->name(), qs(lines[i].name));
            QCOMPARE(static_cast<size_t>(line->count()), lines[i].points.size());
            QCOMPARE(line->points().last().y(), lines[i].points.back().second);
        }
    }

  private slots:
    void init() {
        QVERIFY(open());
        action("mnMortgage")->trigger();
        enter(field::APR, QStringLiteral("6.5"));
    }
    void cleanup() { QVERIFY(close()); }

    void offersAndTheSwitchAreSetThroughTheirFields() {
        action("mnCompareOffers")->trigger();
        QPointer<frmOffers> w = window->host().offersWindow();
        QVERIFY(w && calc().compareOffersOpen && !w->isModal());
        QVERIFY(calc().offers.offers().empty());
        auto* add = childOf<QPushButton>(w, "cmdAddOffer");
        add->click();
        add->click();
        QCOMPARE(calc().offers.offers().size(), size_t(2));
        verifyShowsState(w);

        typeCell(w, 0, OfferColumn::Name, QStringLiteral("Harbour"));
        typeCell(w, 0, OfferColumn::Amount, QStringLiteral("180000"));
        typeCell(w, 0, OfferColumn::Upfront, QStringLiteral("1500"));
        typeCell(w, 1, OfferColumn::Apr, QStringLiteral("5.9"));
        typeCell(w, 1, OfferColumn::Fee, QStringLiteral("8"));
        chooseCell(w, 1, OfferColumn::Period, static_cast<int>(PaymentPeriod::Biweekly));
        const auto& offers = calc().offers.offers();
        QCOMPARE(offers[0].name, std::string("Harbour"));
        QVERIFY(offers[0].amount == 180000 && offers[0].upfront == 1500);
        QVERIFY(offers[1].apr == 5.9 && offers[1].fee == 8);
        QVERIFY(offers[1].period == PaymentPeriod::Biweekly);
        verifyShowsState(w);

        // A refused amount: said in red, and the cell shows the amount the offer keeps.
        const QModelIndex amount = table(w)->model()->index(0, int(OfferColumn::Amount));
        const QString before = amount.data().toString();
        typeCell(w, 0, OfferColumn::Amount, QStringLiteral("abc"));
        QVERIFY(!calc().offers.message.empty() && calc().offers.offers()[0].amount == 180000);
        QCOMPARE(amount.data().toString(), before);
        auto* refused = childOf<QLabel>(w, "lblOffersRefused");
        QVERIFY(refused->isVisible());
        QCOMPARE(refused->palette().color(QPalette::WindowText),
                 warningColour(refused->palette().color(QPalette::Window)));
        verifyShowsState(w);

        // Duplicated after itself, and removed again.
        table(w)->setCurrentIndex(table(w)->model()->index(0, 0));
        childOf<QPushButton>(w, "cmdDuplicateOffer")->click();
        QCOMPARE(calc().offers.offers().size(), size_t(3));
        QCOMPARE(calc().offers.offers()[1].amount, 180000.0);
        verifyShowsState(w);
        childOf<QPushButton>(w, "cmdRemoveOffer")->click();
        QCOMPARE(calc().offers.offers().size(), size_t(2));
        QCOMPARE(calc().offers.offers()[1].apr, 5.9);

        choose(childOf<QComboBox>(w, "cboEvenAfterA"), 1);
        choose(childOf<QComboBox>(w, "cboEvenAfterB"), 0);
        verifyShowsState(w);

        // The plan moved to the second offer after its 24th payment.
        choose(childOf<QComboBox>(w, "cboSwitchOffer"), 1);
        type(childOf<QLineEdit>(w, "txtSwitchAt"), QStringLiteral("24"));
        type(childOf<QLineEdit>(w, "txtSwitchErc"), QStringLiteral("1"));
        type(childOf<QLineEdit>(w, "txtSwitchCosts"), QStringLiteral("900"));
        childOf<QPushButton>(w, "cmdApplySwitch")->click();
        QVERIFY(calc().offers.switching);
        QCOMPARE(*calc().offers.switching, (SwitchInput{offers[1].name, 24, 1, 900}));
        QVERIFY(!calc().switchTexts().figures[0].empty());
        verifyShowsState(w);
        type(childOf<QLineEdit>(w, "txtSwitchAt"), QStringLiteral("-3"));
        childOf<QPushButton>(w, "cmdApplySwitch")->click();
        QVERIFY(!calc().switchTexts().refused.empty() && calc().offers.switching->at == 24);
        verifyShowsState(w);
        childOf<QPushButton>(w, "cmdSwitchOff")->click();
        QVERIFY(!calc().offers.switching);
        verifyShowsState(w);

        // Saved where asked; a file that cannot be written is said in the window.
        dialogs.answer = path("mine.offers");
        childOf<QAction>(w, "mnSaveOffersAs")->trigger();
        QVERIFY(QFile::exists(path("mine.offers")) && calc().notice.empty());
        dialogs.answer = path("gone/mine.offers");
        childOf<QAction>(w, "mnSaveOffersAs")->trigger();
        QVERIFY(!calc().notice.empty());
        QCOMPARE(labelText(w, "offersNotice"), qs(calc().notice));

        QVERIFY(w->close());
        QVERIFY(!calc().compareOffersOpen);
    }
};

QTEST_MAIN(OffersWindowTest)
#include "offers_window_test.moc"
