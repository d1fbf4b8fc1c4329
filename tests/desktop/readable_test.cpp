// What a screen reader hears from the calculator window, and whether its text can be read under
// a dark palette and on a screen that scales the window up.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <vector>

#include "desktop/field_layout.h"
#include "desktop/frm_what_if.h"
#include "desktop/icons.h"
#include "desktop/readable_colours.h"
#include "window_fixture.h"

using namespace selvane;

namespace {

// The events the window sent, as the accessibility bridge would receive them.
struct SentEvent {
    QAccessible::Event type;
    QObject* object;
};
std::vector<SentEvent> g_sent;
void record(QAccessibleEvent* event) {
    g_sent.push_back({event->type(), event->object()});
}

QString spoken(QObject* control, QAccessible::Text what) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(what) : QStringLiteral("<no interface>");
}

const char* const kFunctions[] = {"mnPersonalLoan", "mnMortgage", "mnLease", "mnIncome",
                                  "mnInvestment"};

} // namespace

class ReadableTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void fieldsAreCalledWhatTheirLabelsSayInEveryFunction();
    void listsAndButtonsHaveNamesAndDescriptions_data();
    void listsAndButtonsHaveNamesAndDescriptions();
    void everyShownControlHasAName();
    void aCalculatedResultIsAnnounced();
    void whatIfControlsAreCalledByTheirCaptions();

    void theLightLookKeepsThePalettesText();
    void darkPaletteKeepsEveryTextReadable();
    void contrastRatioFollowsTheGuidelines_data();
    void contrastRatioFollowsTheGuidelines();
    void pictureButtonsAreSharpWhenScaled_data();
    void pictureButtonsAreSharpWhenScaled();

  private:
    template <class W> W* named(const QString& name) {
        W* w = m_fake.window->findChild<W*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QLineEdit* field(int i) { return named<QLineEdit>(QStringLiteral("txtSL_%1").arg(i)); }
    QLabel* fieldLabel(int i) { return named<QLabel>(QStringLiteral("lblSL_%1").arg(i)); }
    void choose(const char* function) { named<QAction>(QLatin1String(function))->trigger(); }

    FakeWindow m_fake;
    QString m_style;
    QPalette m_palette;
};

void ReadableTest::init() {
    m_style = QApplication::style()->name();
    m_palette = QApplication::palette();
}

void ReadableTest::cleanup() {
    QAccessible::installUpdateHandler(nullptr);
    g_sent.clear();
    const QStringList modal = m_fake.close();
    QApplication::setStyle(QStyleFactory::create(m_style));
    QApplication::setPalette(m_palette);
    QVERIFY2(modal.isEmpty(), qPrintable(modal.join(", ")));
}

// ----- names and descriptions

void ReadableTest::fieldsAreCalledWhatTheirLabelsSayInEveryFunction() {
    QVERIFY(m_fake.open());
    for (const char* function : kFunctions) {
        choose(function);
        for (int i = 0; i < kFieldCount; ++i) {
            const QString caption = QString::fromStdString(m_fake.window->calc().fields[i].caption);
            const FieldPlace& p = kFields[static_cast<size_t>(i)];
            const std::string_view tip = p.textTooltip.empty() ? p.labelTooltip : p.textTooltip;
            const QString where = QStringLiteral("%1 field %2").arg(function).arg(i);
            QVERIFY2(spoken(field(i), QAccessible::Name) == caption, qPrintable(where));
            QVERIFY2(spoken(fieldLabel(i), QAccessible::Name) == caption, qPrintable(where));
            QVERIFY2(spoken(field(i), QAccessible::Description) ==
                         QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size())),
                     qPrintable(where));
        }
    }
    // The captions do change between functions, so the names above followed them.
    choose("mnPersonalLoan");
    const QString loan = spoken(field(field::SBAL), QAccessible::Name);
    choose("mnInvestment");
    QVERIFY(spoken(field(field::SBAL), QAccessible::Name) != loan ||
            spoken(field(field::FBAL), QAccessible::Name) != loan);
}

void ReadableTest::listsAndButtonsHaveNamesAndDescriptions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name"); // a literal name, or "=LABEL" for that label's caption
    QTest::newRow("compound") << "cmCompound"
                              << "=Label2";
    QTest::newRow("period") << "cmPeriod"
                            << "=Label1";
    QTest::newRow("result") << "cmResult"
                            << "=lblResult";
    QTest::newRow("save") << "btnSave"
                          << "Save";
    QTest::newRow("open") << "btnOpen"
                          << "Open";
    QTest::newRow("print") << "btnPrint"
                           << "Print";
    QTest::newRow("details") << "btnDetails"
                             << "Details";
    QTest::newRow("calculate") << "btnCalculate"
                               << "Calculate";
    QTest::newRow("comments") << "txtComments"
                              << "Comments";
    QTest::newRow("report") << "rtDetails"
                            << "Details";
}

void ReadableTest::listsAndButtonsHaveNamesAndDescriptions() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QVERIFY(m_fake.open());
    QWidget* w = named<QWidget>(control);
    QString description;
    if (name.startsWith(u'=')) {
        const QLabel* label = named<QLabel>(name.mid(1));
        name = label->text();
        description = label->toolTip();
        QVERIFY(!name.isEmpty());
        QVERIFY(!description.isEmpty());
        // Its text part, where the focus is while typing, is the same control to a reader.
        QLineEdit* text = qobject_cast<QComboBox*>(w)->lineEdit();
        QCOMPARE(spoken(text, QAccessible::Name), name);
    }
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (qobject_cast<QComboBox*>(w)) {
        // A list's name is its value to some readers; its caption comes as the label it is
        // labelled by.
        QCOMPARE(w->accessibleName(), name);
        const auto labels = iface->relations(QAccessible::Label);
        QVERIFY(std::any_of(labels.begin(), labels.end(), [&](const auto& r) {
            return r.first->text(QAccessible::Name) == name;
        }));
    } else {
        QCOMPARE(spoken(w, QAccessible::Name), name);
    }
    const QString told = spoken(w, QAccessible::Description);
    QVERIFY(!told.isEmpty());
    if (!description.isEmpty())
        QCOMPARE(told, description);
}

void ReadableTest::everyShownControlHasAName() {
    QVERIFY(m_fake.open());
    for (const char* function : kFunctions) {
        choose(function);
        for (QWidget* w : m_fake.window->centralWidget()->findChildren<QWidget*>()) {
            // A frame without a caption only holds the top row together.
            const auto* frame = qobject_cast<QGroupBox*>(w);
            const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QPushButton*>(w) ||
                                 (frame && !frame->title().isEmpty());
            const auto* label = qobject_cast<QLabel*>(w);
            if (!w->isVisibleTo(m_fake.window.get()) ||
                !(control || (label && !label->text().isEmpty())))
                continue;
            QVERIFY2(!spoken(w, QAccessible::Name).isEmpty(),
                     qPrintable(QStringLiteral("%1 in %2").arg(w->objectName(), function)));
        }
    }
}

void ReadableTest::aCalculatedResultIsAnnounced() {
    QVERIFY(m_fake.open());
    choose("mnMortgage");
    for (auto [i, text] : {std::pair{field::APR, "6.5"}, std::pair{field::PERS, "360"}}) {
        field(i)->setFocus();
        field(i)->selectAll();
        QTest::keyClicks(field(i), QLatin1String(text));
    }
    std::vector<std::string> before;
    for (const ParameterField& f : m_fake.window->calc().fields)
        before.push_back(f.text);

    // As when a screen reader is running: only then does Qt send the events on.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    QAccessible::installUpdateHandler(record);
    named<QPushButton>(QStringLiteral("btnCalculate"))->click();
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(false);

    int changed = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        if (m_fake.window->calc().fields[i].text == before[static_cast<size_t>(i)])
            continue;
        ++changed;
        const bool told = std::any_of(g_sent.begin(), g_sent.end(), [&](const SentEvent& e) {
            return e.object == field(i) &&
                   (e.type == QAccessible::TextUpdated || e.type == QAccessible::ValueChanged);
        });
        QVERIFY2(told, qPrintable(QStringLiteral("field %1 changed unannounced").arg(i)));
    }
    QVERIFY(changed > 0);
}

void ReadableTest::whatIfControlsAreCalledByTheirCaptions() {
    QVERIFY(m_fake.open());
    choose("mnMortgage");
    choose("mnWhatIf");
    QWidget* whatIf = m_fake.window->host().whatIfWindow();
    QVERIFY(whatIf);
    int inputs = 0;
    for (const QLabel* caption : whatIf->findChildren<QLabel*>()) {
        if (!caption->buddy())
            continue;
        ++inputs;
        QString expected = caption->text();
        expected.remove(u'&');
        QCOMPARE(spoken(caption->buddy(), QAccessible::Name), expected);
    }
    QCOMPARE(inputs, 4);
    for (QPushButton* button : whatIf->findChildren<QPushButton*>())
        QVERIFY2(!spoken(button, QAccessible::Name).isEmpty(), qPrintable(button->objectName()));
}

// ----- colours

void ReadableTest::theLightLookKeepsThePalettesText() {
    QVERIFY(m_fake.open());
    for (const char* function : kFunctions) {
        choose(function);
        for (int i = 0; i < kFieldCount; ++i) {
            const QPalette own = QApplication::palette(field(i));
            const QPalette shown = field(i)->palette();
            for (const auto group : {QPalette::Active, QPalette::Disabled})
                QCOMPARE(shown.color(group, QPalette::Text), own.color(group, QPalette::Text));
            QCOMPARE(shown.color(QPalette::Base).rgb(),
                     QColor::fromRgb(m_fake.window->calc().fields[i].back).rgb());
        }
    }
}

void ReadableTest::darkPaletteKeepsEveryTextReadable() {
    useDarkLook();
    QVERIFY(m_fake.open());
    auto check = [](const QWidget* w, QPalette::ColorRole text, const QColor& back,
                    const QString& where) {
        const auto group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const double ratio = contrastRatio(w->palette().color(group, text), back);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(where).arg(ratio)));
    };
    for (const char* function : kFunctions) {
        choose(function);
        for (int i = 0; i < kFieldCount; ++i) {
            const QString where = QStringLiteral("%1 field %2").arg(function).arg(i);
            const QColor back = QColor::fromRgb(m_fake.window->calc().fields[i].back);
            QCOMPARE(field(i)->palette().color(QPalette::Base).rgb(), back.rgb());
            check(field(i), QPalette::Text, back, where);
            const QWidget* frame = fieldLabel(i)->parentWidget();
            check(fieldLabel(i), QPalette::WindowText, frame->palette().color(QPalette::Window),
                  where + QStringLiteral(" label"));
            check(frame, QPalette::WindowText, frame->palette().color(QPalette::Window),
                  where + QStringLiteral(" frame"));
        }
        for (const char* name : {"cmCompound", "cmPeriod", "cmResult"}) {
            const QLineEdit* text = named<QComboBox>(QLatin1String(name))->lineEdit();
            check(text, QPalette::Text, text->palette().color(QPalette::Base), QLatin1String(name));
        }
        for (const char* name : {"Label1", "Label2", "lblResult"}) {
            const QLabel* label = named<QLabel>(QLatin1String(name));
            check(label, QPalette::WindowText,
                  label->parentWidget()->palette().color(QPalette::Window), QLatin1String(name));
        }
    }
    // The What If window's captions, figures and its warning in red.
    choose("mnMortgage");
    choose("mnWhatIf");
    QWidget* whatIf = m_fake.window->host().whatIfWindow();
    QVERIFY(whatIf);
    for (const QLabel* label : whatIf->findChildren<QLabel*>())
        check(label, QPalette::WindowText, label->palette().color(QPalette::Window),
              QStringLiteral("What If ") + label->objectName() + label->text());
    whatIf->close();

    // Back to a light palette: the fields' text follows the palette again.
    QApplication::setPalette(m_palette);
    choose("mnPersonalLoan");
    choose("mnMortgage");
    for (int i = 0; i < kFieldCount; ++i)
        QCOMPARE(field(i)->palette().color(QPalette::Active, QPalette::Text),
                 QApplication::palette(field(i)).color(QPalette::Active, QPalette::Text));
}

void ReadableTest::contrastRatioFollowsTheGuidelines_data() {
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("same") << QColor(0x80, 0x40, 0x20) << QColor(0x80, 0x40, 0x20) << 1.0;
    // Mid grey: the sRGB curve puts it at luminance 0.2159, not 0.5.
    QTest::newRow("mid grey on white") << QColor(0x80, 0x80, 0x80) << QColor(Qt::white) << 3.949;
    // Green counts far more than blue.
    QTest::newRow("green on black") << QColor(0, 0xff, 0) << QColor(Qt::black) << 15.3;
    QTest::newRow("blue on black") << QColor(0, 0, 0xff) << QColor(Qt::black) << 2.444;
}

void ReadableTest::contrastRatioFollowsTheGuidelines() {
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(std::abs(contrastRatio(a, b) - ratio) < 0.01,
             qPrintable(QString::number(contrastRatio(a, b))));
}

void ReadableTest::pictureButtonsAreSharpWhenScaled_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("file");
    QTest::newRow("save") << int(ButtonPicture::Save) << ":/icons/save.xpm";
    QTest::newRow("open") << int(ButtonPicture::Open) << ":/icons/open.xpm";
    QTest::newRow("print") << int(ButtonPicture::Print) << ":/icons/print.xpm";
}

void ReadableTest::pictureButtonsAreSharpWhenScaled() {
    QFETCH(int, picture);
    QFETCH(QString, file);
    const QIcon icon = buttonIcon(static_cast<ButtonPicture>(picture));
    const QImage pixels(file);
    QVERIFY(!pixels.isNull());
    // At its own size the button shows the hand-drawn pixels unchanged.
    QCOMPARE(icon.pixmap(QSize(16, 15), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
             pixels.convertToFormat(QImage::Format_ARGB32));
    // At twice the size a picture drawn at that size, not the small one blown up.
    const QImage twice = icon.pixmap(QSize(16, 15), 2.0).toImage();
    QCOMPARE(twice.size(), QSize(32, 30));
    const QImage blownUp = pixels.scaled(32, 30).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(twice.convertToFormat(QImage::Format_ARGB32) != blownUp);
    // ... that still shows the same picture: mostly the same colours in the same places.
    int alike = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 32; ++x) {
            const QColor a = twice.pixelColor(x, y), b = blownUp.pixelColor(x, y);
            alike += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                         std::abs(a.blue() - b.blue()) + std::abs(a.alpha() - b.alpha()) <
                     96;
        }
    QVERIFY2(alike > 32 * 30 * 3 / 4, qPrintable(QString::number(alike)));
}

QTEST_MAIN(ReadableTest)
#include "readable_test.moc"
