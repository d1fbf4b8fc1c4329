// What a screen reader hears from the calculator window and from What If, and whether their
// text can be read under a dark palette. The captions and tooltips themselves are the state's
// and the field table's.

#include <QAccessible>
#include <QGroupBox>
#include <QPainter>
#include <QSet>
#include <QStyle>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include "desktop/field_layout.h"
#include "desktop/icons.h"
#include "desktop/readable_colours.h"
#include "desktop/report_view.h"
#include "window_fixture.h"

using namespace selvane;

namespace {

// The controls the window told of a new text or value, as the accessibility bridge hears it.
QSet<QObject*> g_told;
void record(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextUpdated || event->type() == QAccessible::ValueChanged)
        g_told.insert(event->object());
}

QString spoken(const QObject* control, QAccessible::Text what) {
    QAccessibleInterface* iface =
        QAccessible::queryAccessibleInterface(const_cast<QObject*>(control));
    return iface ? iface->text(what) : QStringLiteral("<no interface>");
}

} // namespace

class ReadableTest : public QObject, FakeWindow {
    Q_OBJECT

    QString m_style;
    QPalette m_palette;

  private slots:
    void init() {
        m_style = QApplication::style()->name();
        m_palette = QApplication::palette();
        QVERIFY(open());
    }
    void cleanup() {
        const bool noModal = close();
        QApplication::setStyle(QStyleFactory::create(m_style));
        QApplication::setPalette(m_palette);
        QVERIFY(noModal);
    }

    // In the dark look, in every function, each field, and its label, is called what the label
    // says, and the field is told by its tooltip; every control shown has a name (a frame
    // without a caption only holds the top row together). A list's name is its value to some
    // readers: its caption comes as the label it is labelled by, its tooltip tells it, and its
    // text part, where the focus is while typing, is the same control to a reader. What If's
    // inputs are called by their captions, its figures each by its own, the window and its table
    // by theirs; the details report reads as the lines it shows. A calculated result is announced.
    //
    // Every text of the window, in every function, and of What If (its warning in red too) reads
    // at 4.5:1 or more on what is behind it: a box's on its base, a label's on its frame; hidden
    // ones too, as a warning before it shows. The ratio is the guidelines': the sRGB curve puts
    // mid grey at luminance 0.2159, not 0.5, and blue counts little. In a light palette, before
    // and after, the fields' text is the palette's own.
    void everyControlIsNamedAndReadableInTheDarkLook() {
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(Qt::white, Qt::black), 21.0);
        QVERIFY(std::abs(contrastRatio(QColor(0x80, 0x80, 0x80), Qt::white) - 3.949) < 0.01);
        QVERIFY(std::abs(contrastRatio(QColor(0, 0, 0xff), Qt::black) - 2.444) < 0.01);
        const auto verifyPalettesText = [this](std::initializer_list<QPalette::ColorGroup> groups) {
            for (int i = 0; i < kFieldCount; ++i)
                for (const auto group : groups)
                    QCOMPARE(field(i)->palette().color(group, QPalette::Text),
                             QApplication::palette(field(i)).color(group, QPalette::Text));
        };
        verifyPalettesText({QPalette::Active, QPalette::Disabled});
        useDarkLook();
        QVERIFY(open());
        const auto verifyReadable = [](QWidget* top, const QString& where) {
            for (const QWidget* w : top->findChildren<QWidget*>()) {
                const bool box = qobject_cast<const QLineEdit*>(w) != nullptr;
                if (!(box || qobject_cast<const QLabel*>(w) || qobject_cast<const QGroupBox*>(w)))
                    continue;
                // A label that paints its own background (the notice) is read on that.
                const QWidget* behind = w->autoFillBackground() ? w : w->parentWidget();
                const QColor back = box ? w->palette().color(QPalette::Base)
                                        : behind->palette().color(QPalette::Window);
                const auto group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
                QVERIFY2(contrastRatio(
                             w->palette().color(group, box ? QPalette::Text : QPalette::WindowText),
                             back) >= 4.5,
                         qPrintable(where + " " + w->objectName()));
            }
        };
        const char* const lists[][2] = {
            {"cmCompound", "Label2"}, {"cmPeriod", "Label1"}, {"cmResult", "lblResult"}};
        for (const auto& [list, labelName] : lists) {
            auto* box = named<QComboBox>(list);
            const QString caption = named<QLabel>(labelName)->text();
            const QString tip = named<QLabel>(labelName)->toolTip();
            QVERIFY(!caption.isEmpty() && !tip.isEmpty());
            QVERIFY(box->accessibleName() == caption &&
                    spoken(box->lineEdit(), QAccessible::Name) == caption);
            const auto labels =
                QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label);
            QVERIFY(std::ranges::any_of(labels, [&](const auto& r) {
                return r.first->text(QAccessible::Name) == caption;
            }));
            QCOMPARE(spoken(box, QAccessible::Description), tip);
        }
        // Mortgages last: What If opens where extras apply and it shows figures.
        for (const char* function :
             {"mnPersonalLoan", "mnLease", "mnIncome", "mnInvestment", "mnMortgage"}) {
            action(function)->trigger();
            for (int i = 0; i < kFieldCount; ++i) {
                const QString caption = QString::fromStdString(calc().fields[i].caption);
                const FieldPlace& p = kFields[static_cast<size_t>(i)];
                const std::string_view tip = p.textTooltip.empty() ? p.labelTooltip : p.textTooltip;
                QCOMPARE(spoken(field(i), QAccessible::Name), caption);
                QCOMPARE(spoken(named(QStringLiteral("lblSL_%1").arg(i)), QAccessible::Name),
                         caption);
                QCOMPARE(spoken(field(i), QAccessible::Description), QString::fromUtf8(tip));
            }
            for (QWidget* w : window->centralWidget()->findChildren<QWidget*>()) {
                const auto* frame = qobject_cast<QGroupBox*>(w);
                const auto* label = qobject_cast<QLabel*>(w);
                if (w->isVisibleTo(window.get()) &&
                    (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                     qobject_cast<QPushButton*>(w) || (frame && !frame->title().isEmpty()) ||
                     (label && !label->text().isEmpty())))
                    QVERIFY2(!spoken(w, QAccessible::Name).isEmpty(),
                             qPrintable(QStringLiteral("%1 in %2").arg(w->objectName(), function)));
            }
            verifyReadable(window->centralWidget(), QLatin1String(function));
        }
        // Every field whose text a calculation changed tells the screen reader so, as when one is
        // running: only then does Qt send the events on.
        type(field(field::APR), QStringLiteral("6.5"));
        type(field(field::PERS), QStringLiteral("360"));
        const auto before = calc().fields;
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QAccessible::installUpdateHandler(record);
        named<QPushButton>("btnCalculate")->click();
        QAccessible::installUpdateHandler(nullptr);
        platform->setActive(false);
        int changed = 0;
        for (int i = 0; i < kFieldCount; ++i)
            if (field(i)->text().toStdString() != before[i].text && ++changed)
                QVERIFY2(g_told.contains(field(i)), qPrintable(QString::number(i)));
        QVERIFY(changed > 0);
        QWidget* whatIf = openWhatIf();
        int inputs = 0;
        for (const QLabel* caption : whatIf->findChildren<QLabel*>())
            if (caption->buddy() && ++inputs)
                QCOMPARE(spoken(caption->buddy(), QAccessible::Name),
                         QString(caption->text()).remove(u'&'));
        QCOMPARE(inputs, 4);
        QSet<QString> figures; // each named by its caption, or its row and column, and its text
        for (const QLabel* figure : whatIf->findChildren<QLabel*>()) {
            const QString name = spoken(figure, QAccessible::Name);
            if (figure->alignment() & Qt::AlignRight && name != figure->text()) {
                QVERIFY2(name.endsWith(figure->text()), qPrintable(figure->objectName()));
                figures.insert(name);
            }
        }
        QCOMPARE(figures.size(), 14);
        const auto role = [](QObject* o) {
            return QAccessible::queryAccessibleInterface(o)->role();
        };
        QVERIFY(role(whatIf) == QAccessible::Window &&
                spoken(whatIf, QAccessible::Name) == "What If");
        QVERIFY(spoken(childOf(whatIf, "tblCompare"), QAccessible::Name) == "Compare");
        QWidget* chart = openChart();
        QVERIFY(role(chart) == QAccessible::Window && spoken(chart, QAccessible::Name) == "Chart");
        action("mnTable")->trigger(); // the details shown
        auto* report = named<ReportView>("rtDetails");
        QVERIFY(role(report) == QAccessible::EditableText);
        const QString read = spoken(report, QAccessible::Value);
        QVERIFY(read.startsWith(QString::fromStdString(calc().report.line(0))) &&
                read.count(u'\n') + 1 == report->visibleLineCount());
        verifyReadable(whatIf, QStringLiteral("What If"));
        QApplication::setPalette(m_palette);
        action("mnPersonalLoan")->trigger();
        verifyPalettesText({QPalette::Active});
    }

    // On a screen that scales the window up, the picture buttons show their outlines drawn at
    // that size (drawn at build time), not the hand-drawn pixels blown up.
    void pictureButtonsAreDrawnToScale() {
        using enum ButtonPicture;
        for (const auto& [button, name, picture] : {std::tuple{"btnSave", "save", Save},
                                                    {"btnOpen", "open", Open},
                                                    {"btnPrint", "print", Print}}) {
            QSvgRenderer outline(QStringLiteral(SELVANE_ICONS_DIR "/%1.svg").arg(name));
            QVERIFY(outline.isValid());
            const QIcon shown = named<QPushButton>(QLatin1String(button))->icon();
            // Each size is read when first asked for; whatever size is asked, of the button's
            // picture or of a new one asked for that size alone, the picture is the one Qt picks
            // with all four at hand.
            QIcon all(QStringLiteral(":/icons/%1.xpm").arg(name));
            for (const int scale : {2, 3, 4})
                all.addPixmap(QPixmap(QStringLiteral(":/icons/%1-%2x.png").arg(name).arg(scale)));
            for (const QSize size : {QSize(8, 8), QSize(17, 15), QSize(32, 31), QSize(200, 200),
                                     QSize(32, 30), QSize(33, 31), QSize(49, 46), QSize(16, 15)}) {
                QCOMPARE(shown.actualSize(size), all.actualSize(size));
                QCOMPARE(shown.pixmap(size).toImage(), all.pixmap(size).toImage());
                QCOMPARE(buttonIcon(picture).pixmap(size).toImage(), all.pixmap(size).toImage());
            }
            QCOMPARE(buttonIcon(picture).availableSizes(), all.availableSizes());
            // Painted (as menus and item views draw icons) on a screen of twice the pixels.
            QImage painted[2];
            for (int i = 0; i < 2; ++i) {
                painted[i] = QImage(64, 64, QImage::Format_ARGB32_Premultiplied);
                painted[i].setDevicePixelRatio(2);
                painted[i].fill(Qt::transparent);
                QPainter painter(&painted[i]);
                (i ? all : buttonIcon(picture)).paint(&painter, QRect(0, 0, 32, 30));
            }
            QCOMPARE(painted[0], painted[1]);
            for (const int scale : {2, 3, 4}) {
                QImage drawn(outline.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
                drawn.fill(Qt::transparent);
                QPainter painter(&drawn);
                outline.render(&painter);
                painter.end();
                QCOMPARE(shown.pixmap(drawn.size()).toImage().convertToFormat(drawn.format()),
                         drawn);
            }
        }
    }
};

QTEST_MAIN(ReadableTest)
#include "readable_test.moc"
