// The window in German and French. Under LC_ALL=de_DE.UTF-8 and fr_FR.UTF-8 this program loads
// the language as the program does at start and walks the window through every mode, result,
// What If group, the chart and the About box. It writes every text shown on the way, and each
// caption's width and room, to the file SELVANE_SHOWN_TEXTS names; languages_check.py, which
// runs it, judges them against the .ts files (an English word, a caption that does not fit).
// Under en_US it checks that nothing is loaded.

#include <QAbstractBarSeries>
#include <QAbstractButton>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableView>

#include "core/fields.h"
#include "desktop/frm_about.h"
#include "desktop/ui_text.h"
#include "desktop/yearly_model.h"
#include "window_fixture.h"

using namespace selvane;

namespace {

QString withoutAccelerator(QString text) {
    static const QRegularExpression accelerator(QStringLiteral("&(?=[^&])"));
    return text.remove(accelerator);
}

// Every text the user is shown by a window and its parts, or asked of it by a screen reader.
// The details report is left out: it stays in English, as the printout and files do.
void collect(QWidget* top, QStringList& texts) {
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        if (w->objectName() == QLatin1String("rtDetails") ||
            w->objectName() == QLatin1String("txtComments"))
            continue;
        texts << w->windowTitle() << w->toolTip() << w->accessibleName()
              << w->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
            texts << list->currentText();
        }
        if (auto* menu = qobject_cast<QMenu*>(w))
            texts << menu->title();
        if (auto* table = qobject_cast<QAbstractItemView*>(w); table && table->model()) {
            const QAbstractItemModel* m = table->model();
            for (int c = 0; c < m->columnCount(); ++c)
                texts << m->headerData(c, Qt::Horizontal).toString();
            for (int r = 0; r < std::min(m->rowCount(), 40); ++r) {
                texts << m->headerData(r, Qt::Vertical).toString();
                for (int c = 0; c < m->columnCount(); ++c)
                    texts << m->data(m->index(r, c)).toString();
            }
            if (m->rowCount() > 0) // a yearly table's last row is its total
                texts << m->data(m->index(m->rowCount() - 1, 0)).toString();
        }
        if (auto* view = qobject_cast<QChartView*>(w)) {
            for (QAbstractAxis* axis : view->chart()->axes())
                texts << axis->titleText();
            for (QAbstractSeries* series : view->chart()->series()) {
                texts << series->name();
                if (auto* bars = qobject_cast<QAbstractBarSeries*>(series))
                    for (QBarSet* set : bars->barSets())
                        texts << set->label();
            }
        }
    }
    for (QAction* a : top->findChildren<QAction*>())
        texts << a->text() << a->toolTip();
}

} // namespace

class LanguagesTest : public QObject, FakeWindow {
    Q_OBJECT

    QString m_language;
    QStringList m_shown; // what checkShown and checkCaptionsFit found

    // Writes the texts of every window shown, those given to the message box and the file
    // dialogs, and `texts`, each as a line "text<TAB>WHERE<TAB>the text" (line breaks as \n).
    void checkShown(const char* where, QStringList texts = {}) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                collect(top, texts);
        for (const auto& [title, text] : messenger.shown)
            texts << QString::fromStdString(title) << QString::fromStdString(text);
        texts << dialogs.last.title << dialogs.last.filters;
        for (const QString& text : texts)
            if (!text.isEmpty())
                m_shown << QStringLiteral("text\t%1\t%2")
                               .arg(where, withoutAccelerator(text).replace(QLatin1Char('\n'),
                                                                            QLatin1String("\\n")));
    }

    // Writes each caption of a field or list, the width it needs and the room it has up to the
    // next caption's left edge in its frame: "caption<TAB>WHERE<TAB>text<TAB>needed<TAB>room".
    void checkCaptionsFit(const char* where) {
        QList<QLabel*> captions;
        for (int i = 0; i < kFieldCount; ++i)
            if (auto* label = named<QLabel>(QStringLiteral("lblSL_%1").arg(i)); label->isVisible())
                captions << label;
        for (const char* list : {"Label2", "Label1", "lblResult"})
            captions << named<QLabel>(QLatin1String(list));
        for (QLabel* label : captions) {
            int room = label->parentWidget()->width() - label->x();
            for (QLabel* other : captions)
                if (other->parentWidget() == label->parentWidget() && other->x() > label->x())
                    room = std::min(room, other->x() - label->x());
            m_shown << QStringLiteral("caption\t%1\t%2\t%3\t%4")
                           .arg(where, label->text())
                           .arg(label->fontMetrics().horizontalAdvance(label->text()))
                           .arg(room);
        }
    }

  private slots:
    void initTestCase() {
        m_language = qEnvironmentVariable("SELVANE_TEST_LANGUAGE");
        // A language Selvane does not speak loads nothing, not even Qt's own translations.
        for (const char* other : {"C", "en_US", "es_ES", "pt_BR"}) {
            QCOMPARE(installTranslations(QLocale(QLatin1String(other))), QString());
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                     QStringLiteral("Cancel"));
        }
        if (m_language.isEmpty())
            return;
        QCOMPARE(installTranslations(QLocale::system()), m_language);
        QCOMPARE(uiLanguage(), m_language);
        // Qt's own dialogs speak it too.
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    }

    void init() { QVERIFY(open()); }
    void cleanup() { QVERIFY(close()); }

    // Under en_US nothing is loaded and the window is in English; in another language every text
    // shown on the way through the window goes to languages_check.py.
    void everyShownTextIsTranslated() {
        if (m_language.isEmpty()) {
            QCOMPARE(uiLanguage(), QString());
            QCOMPARE(window->windowTitle(), QStringLiteral("Personal Loans"));
            QCOMPARE(action("mnWhatIf")->text(), QStringLiteral("&What If..."));
            return;
        }
        auto* results = named<QComboBox>(QStringLiteral("cmResult"));
        for (const char* mode :
             {"mnPersonalLoan", "mnMortgage", "mnLease", "mnIncome", "mnInvestment"}) {
            action(mode)->trigger();
            for (int r = 0; r < results->count(); ++r) {
                choose(results, r);
                named<QPushButton>(QStringLiteral("btnCalculate"))->click();
                checkShown(mode);
                checkCaptionsFit(mode);
            }
        }

        // What If in a loan, with its texts taken, refused, and with no figures to show.
        action("mnPersonalLoan")->trigger();
        named<QPushButton>(QStringLiteral("btnCalculate"))->click();
        frmWhatIf* w = openWhatIf();
        QVERIFY(w && QTest::qWaitForWindowExposed(w));
        frmChart* chart = openChart();
        // A point's figures, as hovering over the balance line shows them.
        auto* lines = childOf<QChartView>(chart, "chLines");
        emit qobject_cast<QLineSeries*>(lines->chart()->series().value(0))
            ->hovered(QPointF(12, 1000), true);
        QVERIFY(!chart->pointText().isEmpty());
        checkShown("What If and chart", {chart->pointText()});
        // The longer words still fit a laptop's screen.
        const QRect room = window->screen()->availableGeometry();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                QVERIFY2(room.contains(top->frameGeometry()), qPrintable(top->objectName()));
        editEvent(w, 1, {"100", "1"});
        editEvent(w, 3, {"13", "2"}, 1, 1);
        checkShown("a timeline");
        editEvent(w, 1, {"x", "1"});
        checkShown("an event refused");
        editEvent(w, 0, {"95", "13"});
        checkShown("a rate never paying off");
        action("mnLease")->trigger();
        checkShown("a timeline in a lease");
        action("mnPersonalLoan")->trigger();
        named<QPushButton>(QStringLiteral("btnCalculate"))->click();
        childOf<QPushButton>(w, "cmdFindRate")->click();
        childOf<QPushButton>(w, "cmdUseRate")->click();
        childOf<QPushButton>(w, "cmdKeep")->click();
        enter(field::APR, QStringLiteral("9"));
        checkShown("rate found, used and compared");
        enter(field::PMT, QStringLiteral("1"));
        childOf<QPushButton>(w, "cmdFindRate")->click();
        checkShown("no rate");
        action("mnLease")->trigger();
        checkShown("What If of a lease");
        action("mnInvestment")->trigger();
        named<QPushButton>(QStringLiteral("btnCalculate"))->click();
        checkShown("chart of an investment");

        // The file dialogs and the message of a file that could not be written.
        action("mnOpen")->trigger();
        checkShown("Open");
        dialogs.answer = QStringLiteral("/dev/null"); // not a regular file: a reason of our own
        action("mnExport")->trigger();
        QVERIFY(messenger.shown.empty() && named<QLabel>(QStringLiteral("notice"))->isVisible());
        checkShown("Export refused");

        action("mnAbout")->trigger();
        QVERIFY(window->host().aboutBox());
        checkShown("About");

        QFile out(qEnvironmentVariable("SELVANE_SHOWN_TEXTS"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(m_shown.join(QLatin1Char('\n')).replace(QLatin1String("\r"), QString()).toUtf8());
    }

    // Beyond the texts, the language's numbers and help. The chart's yearly table shows the cents
    // in the locale's own format, as the state has them (the start-up loan, 20,000 at 7.5 % over
    // 60 months, repays 3,425.26 in its first year); Help > General and a label's topic come from
    // the language's own topics; where the locale writes a decimal comma, 8,25 typed into the APR
    // field calculates at 8.25 %.
    void numbersAndHelpAreInTheLanguage() {
        if (m_language.isEmpty())
            QSKIP("run under en_US");
        const QAbstractItemModel* years = openChart()->table()->model();
        QCOMPARE(years->data(years->index(0, YearlyModel::Principal)).toString(),
                 QLocale::system().toCurrencyString(3425.26));
        QCOMPARE(years->data(years->index(0, YearlyModel::Balance)).toString(),
                 QLocale::system().toCurrencyString(16574.74));
        auto shows = [&](const char* topic) {
            QFile file(QStringLiteral(SELVANE_TRANSLATIONS_DIR "/help/%1/%2")
                           .arg(m_language, QLatin1String(topic)));
            return file.open(QIODevice::ReadOnly) &&
                   named<QPlainTextEdit>(QStringLiteral("txtComments"))->toPlainText() ==
                       QString::fromUtf8(file.readAll()).replace("\r\n", "\n");
        };
        action("mnTopics")->trigger();
        QVERIFY(shows("Startup.txt"));
        QTest::mouseClick(named<QLabel>(QStringLiteral("lblSL_0")), Qt::LeftButton);
        QVERIFY(shows("APR.txt"));
        enter(field::APR, QStringLiteral("8,25"));
        QCOMPARE(calc().stored.APR.value_or(0), 8.25);
        QCOMPARE(field(field::APR)->text(), QStringLiteral("8.250"));
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
