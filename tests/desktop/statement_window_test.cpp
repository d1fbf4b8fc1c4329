// Tools > Check a Lender's Statement through its real widgets: a statement opened with its
// button and one pasted from the clipboard (button and Ctrl+V) reach the state, the window shows
// the state's sentences and both tables with the differing cells marked, a refused text is said
// in red with the statement in use kept, the comparison is saved where asked, and Clear and
// Close do what they say. The figures are worked out below the window (tests/plan/
// statement_test.cpp); here the window shows them.

#include <QClipboard>
#include <QGuiApplication>
#include <QTableView>

#include "desktop/frm_statement.h"
#include "desktop/readable_colours.h"
#include "window_fixture.h"

using namespace selvane;

namespace {
// 1,000 at 12 % paid 340 a month from 31 January: 1 % a month, the interest to the cent; the
// second row's interest is a cent high.
const char* const kStatement = "Date;Payment;Interest;Principal;Balance\n"
                               "31.01.2026;;;;1.000,00\n"
                               "28.02.2026;340,00;10,00;330,00;670,00\n"
                               "31.03.2026;340,00;6,71;333,29;336,71\n"
                               "30.04.2026;340,08;3,37;336,71;0,00\n";
} // namespace

class StatementWindowTest : public QObject, FakeWindow {
    Q_OBJECT

    static QString qs(const std::string& s) { return QString::fromStdString(s); }
    static QString labelText(frmStatement* w, const char* name) {
        return childOf<QLabel>(w, QLatin1String(name))->text();
    }

    // The sentences and every cell are the state's; a cell is bold exactly where it differs.
    void verifyShowsState(frmStatement* w) {
        const StatementTexts t = calc().statementTexts();
        QCOMPARE(labelText(w, "statementRefused"), qs(t.refused));
        QCOMPARE(labelText(w, "statementSentence"), qs(t.sentence));
        for (std::size_t i = 0; i < t.summary.size(); ++i)
            QCOMPARE(labelText(w, ("statementSummary" + std::to_string(i)).c_str()),
                     qs(t.summary[i]));
        const QAbstractItemModel* model = childOf<QTableView>(w, "tblStatement")->model();
        QCOMPARE(static_cast<std::size_t>(model->rowCount()), t.rows.size());
        for (std::size_t r = 0; r < t.rows.size(); ++r)
            for (std::size_t c = 0; c < t.headers.size(); ++c) {
                const QModelIndex at = model->index(int(r), int(c));
                QCOMPARE(at.data().toString(), qs(t.rows[r].cells[c]));
                const bool differs = c >= 2 && t.rows[r].differs[(c - 2) % kStatementColumns];
                QCOMPARE(at.data(Qt::FontRole).value<QFont>().bold(), differs);
            }
    }

  private slots:
    void init() {
        QVERIFY(open());
        action("mnPersonalLoan")->trigger();
        enter(field::APR, QStringLiteral("12"));
        enter(field::PERS, QStringLiteral("3"));
        enter(field::SBAL, QStringLiteral("1000"));
    }
    void cleanup() { QVERIFY(close()); }

    void statementsAreOpenedPastedAndSaved() {
        action("mnCheckStatement")->trigger();
        QPointer<frmStatement> w = window->host().statementWindow();
        QVERIFY(w && calc().statementOpen && !w->isModal());
        QVERIFY(!calc().statement.statement);
        verifyShowsState(w);

        // Pasted with the button: the second row's interest is marked, on both sides.
        QGuiApplication::clipboard()->setText(QString::fromLatin1(kStatement));
        childOf<QPushButton>(w, "cmdPasteStatement")->click();
        QVERIFY(calc().statement.statement && calc().statement.statement->rows.size() == 3);
        const StatementMatch* m = calc().statement.match(calc().statementPlan());
        QVERIFY(m && m->firstDifference && m->firstDifference->row == 2);
        verifyShowsState(w);
        const QAbstractItemModel* model = childOf<QTableView>(w, "tblStatement")->model();
        QVERIFY(model->index(1, 3).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(
            model->index(1, 3 + int(kStatementColumns)).data(Qt::FontRole).value<QFont>().bold());

        // Text that is no table, pasted with Ctrl+V: refused in red, the statement kept.
        QGuiApplication::clipboard()->setText(QStringLiteral("Dear customer,\nthank you."));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(childOf<QTableView>(w, "tblStatement"), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!calc().statement.message.empty() && calc().statement.statement);
        auto* refused = childOf<QLabel>(w, "statementRefused");
        QVERIFY(refused->isVisible());
        QCOMPARE(refused->palette().color(QPalette::WindowText),
                 warningColour(refused->palette().color(QPalette::Window)));
        verifyShowsState(w);

        // Opened from a file through Open..., then the comparison saved; a folder that is not
        // there is said in the window.
        QFile file(path("lender.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kStatement);
        file.close();
        dialogs.answer = path("lender.csv");
        childOf<QPushButton>(w, "cmdOpenStatement")->click();
        QCOMPARE(calc().statement.source, path("lender.csv").toStdString());
        QVERIFY(calc().statement.message.empty());
        QVERIFY(w->windowTitle().endsWith(QStringLiteral("lender.csv")));
        verifyShowsState(w);
        dialogs.answer = path("compared.csv");
        childOf<QPushButton>(w, "cmdSaveComparison")->click();
        QFile saved(path("compared.csv"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().count('\n'), 4); // the header and three rows
        dialogs.answer = path("gone/compared.csv");
        childOf<QPushButton>(w, "cmdSaveComparison")->click();
        QVERIFY(!calc().notice.empty());
        QCOMPARE(labelText(w, "statementNotice"), qs(calc().notice));

        childOf<QPushButton>(w, "cmdClearStatement")->click();
        QVERIFY(!calc().statement.statement);
        QCOMPARE(childOf<QTableView>(w, "tblStatement")->model()->rowCount(), 0);
        verifyShowsState(w);
        childOf<QPushButton>(w, "cmdCloseStatement")->click();
        QTRY_VERIFY(!w);
        QVERIFY(!calc().statementOpen);
    }
};

QTEST_MAIN(StatementWindowTest)
#include "statement_window_test.moc"
