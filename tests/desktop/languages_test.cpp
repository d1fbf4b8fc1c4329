// The window in German and French. ctest runs this program under LC_ALL=de_DE.UTF-8 and
// fr_FR.UTF-8, where it loads the language as the program does at start, walks the window through
// every mode, result, What If group, the chart and the About box, and fails on any shown text
// with an English word in it; under en_US it checks that nothing is loaded.
//
// An English word is one of the English sources of the .ts file, or a common English word, that
// no translation of the language uses: the check reads the .ts files itself, not the program's
// compiled translations.

#include <QAbstractBarSeries>
#include <QAbstractButton>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDomDocument>
#include <QGroupBox>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>

#include "core/fields.h"
#include "desktop/frm_about.h"
#include "desktop/ui_text.h"
#include "window_fixture.h"

using namespace selvane;

namespace {

QStringList wordsOf(const QString& text) {
    QStringList words;
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    for (auto it = word.globalMatch(text); it.hasNext();)
        words << it.next().captured().toLower();
    return words;
}

// Words any English sentence of the window is made of, beyond those of its own texts.
const char* const kCommonEnglish[] = {
    "the", "of", "and", "to",   "is",   "for",   "in", "on",  "with", "at", "from", "by", "an",
    "or",  "no", "not", "this", "that", "there", "be", "are", "was",  "it", "its",  "as", "so"};

struct Catalogue {
    QSet<QString> englishOnly;
    int messages = 0, unfinished = 0;
};

// The words of the English sources that no translation of the file uses.
Catalogue readCatalogue(const QString& language) {
    QFile file(QStringLiteral(SELVANE_TRANSLATIONS_DIR "/selvane_%1.ts").arg(language));
    QDomDocument ts;
    if (!file.open(QIODevice::ReadOnly) || !ts.setContent(&file))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    Catalogue c;
    QSet<QString> translated;
    const QDomNodeList messages = ts.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.size(); ++i) {
        const QDomElement m = messages.at(i).toElement();
        const QDomElement t = m.firstChildElement(QStringLiteral("translation"));
        ++c.messages;
        if (t.hasAttribute(QStringLiteral("type")) || t.text().trimmed().isEmpty())
            ++c.unfinished;
        for (const QString& w : wordsOf(m.firstChildElement(QStringLiteral("source")).text()))
            c.englishOnly.insert(w);
        for (const QString& w : wordsOf(t.text()))
            translated.insert(w);
    }
    for (const char* w : kCommonEnglish)
        c.englishOnly.insert(QLatin1String(w));
    c.englishOnly.subtract(translated);
    return c;
}

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
    Catalogue m_catalogue;
    QStringList m_failures;
    int m_checked = 0;

    // The texts of every window shown, those given to the message box and the file dialogs, and
    // `texts`; each one with an English word is a failure.
    void checkShown(const char* where, QStringList texts = {}) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                collect(top, texts);
        for (const auto& [title, text] : messenger.shown)
            texts << QString::fromStdString(title) << QString::fromStdString(text);
        texts << dialogs.last.title << dialogs.last.filters;
        for (const QString& raw : texts) {
            const QString text = withoutAccelerator(raw);
            const QStringList words = wordsOf(text);
            if (words.isEmpty())
                continue;
            ++m_checked;
            for (const QString& w : words)
                if (m_catalogue.englishOnly.contains(w)) {
                    m_failures << QStringLiteral("%1: \"%2\" (%3)").arg(where, text, w);
                    break;
                }
        }
    }

    // Each caption of a field or list fits between its own left edge and the next caption's in
    // its frame.
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
            const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
            if (needed > room)
                m_failures << QStringLiteral("%1: \"%2\" needs %3 pixels, has %4")
                                  .arg(where, label->text())
                                  .arg(needed)
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
        m_catalogue = readCatalogue(m_language);
        QVERIFY(m_catalogue.messages > 200);
        QCOMPARE(m_catalogue.unfinished, 0);
    }

    void init() { QVERIFY(open()); }
    void cleanup() { QVERIFY(close()); }

    void englishWindowLoadsNothing() {
        if (!m_language.isEmpty())
            QSKIP("run under a translated language");
        QCOMPARE(uiLanguage(), QString());
        QCOMPARE(window->windowTitle(), QStringLiteral("Personal Loans"));
        QCOMPARE(action("mnWhatIf")->text(), QStringLiteral("&What If..."));
    }

    void everyShownTextIsTranslated() {
        if (m_language.isEmpty())
            QSKIP("run under en_US");
        const char* modes[] = {"mnPersonalLoan", "mnMortgage", "mnLease", "mnIncome",
                               "mnInvestment"};
        auto* results = named<QComboBox>(QStringLiteral("cmResult"));
        for (const char* mode : modes) {
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
        type(childOf<QLineEdit>(w, "txtExtra"), QStringLiteral("100"));
        type(childOf<QLineEdit>(w, "txtLump"), QStringLiteral("500"));
        type(childOf<QLineEdit>(w, "txtAt"), QStringLiteral("9999"));
        checkShown("extras with a note");
        type(childOf<QLineEdit>(w, "txtExtra"), QStringLiteral("x"));
        checkShown("extras refused");
        type(childOf<QLineEdit>(w, "txtExtra"), QStringLiteral("0"));
        childOf<QCheckBox>(w, "chkRateChange")->click();
        type(childOf<QLineEdit>(w, "txtNewApr"), QStringLiteral("9"));
        type(childOf<QLineEdit>(w, "txtChangeFrom"), QStringLiteral("13"));
        checkShown("rate change");
        type(childOf<QLineEdit>(w, "txtNewApr"), QStringLiteral("95"));
        checkShown("rate change never paying off");
        type(childOf<QLineEdit>(w, "txtChangeFrom"), QStringLiteral("0"));
        checkShown("rate change refused");
        childOf<QCheckBox>(w, "chkRateChange")->click();
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
        dialogs.answer = path("absent/plan.csv");
        action("mnExport")->trigger();
        QCOMPARE(messenger.shown.size(), size_t{1});
        checkShown("Export refused");

        action("mnAbout")->trigger();
        QVERIFY(window->host().aboutBox());
        checkShown("About");

        QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join(QLatin1Char('\n'))));
        QVERIFY(m_checked > 500);
    }

    // Help > General and a label's topic come from the language's own topics.
    void helpIsInTheLanguage() {
        if (m_language.isEmpty())
            QSKIP("run under en_US");
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
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
