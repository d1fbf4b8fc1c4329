#include "desktop/accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include "desktop/field_layout.h"
#include "desktop/ui_text.h"

namespace selvane {

namespace {

template <class W> W* child(QWidget* window, const QString& name) {
    return window->findChild<W*>(name);
}

// The chart and What If windows are windows to a reader, as the main window is (Qt makes a plain
// widget a client area).
QAccessibleInterface* ownWindow(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow() ||
        (className != QLatin1String("selvane::frmWhatIf") &&
         className != QLatin1String("selvane::frmChart")))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void describeControls(QWidget* window) {
    static const bool factory = (QAccessible::installFactory(ownWindow), true);
    (void)factory;
    // A list has no caption of its own: it is called what the label above it says, and its
    // description is that label's tooltip. Its text part is the same control to a reader.
    struct ListCaption {
        const char* list;
        Control label;
        const char* labelName;
    };
    for (const ListCaption& l : {ListCaption{"cmCompound", Control::Label2, "Label2"},
                                 ListCaption{"cmPeriod", Control::Label1, "Label1"},
                                 ListCaption{"cmResult", Control::lblResult, "lblResult"}}) {
        auto* box = child<QComboBox>(window, QLatin1String(l.list));
        if (!box)
            continue;
        const ControlPlace& p = place(l.label);
        box->setAccessibleName(uiText(p.caption));
        // Readers on Linux say a list's value as its name and take the caption from the label
        // the list is the buddy of; the captions have no access key, so no shortcut comes of it.
        if (auto* label = child<QLabel>(window, QLatin1String(l.labelName)))
            label->setBuddy(box);
        box->setAccessibleDescription(uiText(p.tooltip));
        if (QLineEdit* edit = box->lineEdit()) {
            edit->setAccessibleName(uiText(p.caption));
            edit->setAccessibleDescription(uiText(p.tooltip));
        }
    }

    // The buttons say what they do; the picture buttons show no caption at all.
    struct ButtonText {
        const char* button;
        const char* name;
        const char* description;
    };
    for (const ButtonText& b : {
             ButtonText{"btnSave", QT_TRANSLATE_NOOP("Accessibility", "Save"),
                        QT_TRANSLATE_NOOP("Accessibility", "Save the figures to a file")},
             ButtonText{"btnOpen", QT_TRANSLATE_NOOP("Accessibility", "Open"),
                        QT_TRANSLATE_NOOP("Accessibility", "Open figures saved in a file")},
             ButtonText{"btnPrint", QT_TRANSLATE_NOOP("Accessibility", "Print"),
                        QT_TRANSLATE_NOOP("Accessibility", "Print the figures and the details")},
             ButtonText{
                 "btnDetails", QT_TRANSLATE_NOOP("Accessibility", "Details"),
                 QT_TRANSLATE_NOOP("Accessibility", "Show or hide the details of the calculation")},
             ButtonText{"btnCalculate", QT_TRANSLATE_NOOP("Accessibility", "Calculate"),
                        QT_TRANSLATE_NOOP("Accessibility", "Calculate the selected result")},
         }) {
        if (auto* button = child<QPushButton>(window, QLatin1String(b.button))) {
            button->setAccessibleName(QCoreApplication::translate("Accessibility", b.name));
            button->setAccessibleDescription(
                QCoreApplication::translate("Accessibility", b.description));
        }
    }

    // A text box tells its own tooltip, or where it has none the tooltip of its label.
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldPlace& p = kFields[static_cast<size_t>(i)];
        auto* edit = child<QLineEdit>(window, QStringLiteral("txtSL_%1").arg(i));
        if (edit)
            edit->setAccessibleDescription(
                uiText(p.textTooltip.empty() ? p.labelTooltip : p.textTooltip));
    }

    if (auto* comments = child<QWidget>(window, QStringLiteral("txtComments"))) {
        comments->setAccessibleName(QCoreApplication::translate("Accessibility", "Comments"));
        comments->setAccessibleDescription(
            QCoreApplication::translate("Accessibility", "Help on the caption last clicked"));
    }
    if (auto* report = child<QWidget>(window, QStringLiteral("rtDetails"))) {
        report->setAccessibleName(QCoreApplication::translate("Accessibility", "Details"));
        report->setAccessibleDescription(
            QCoreApplication::translate("Accessibility", "The details of the last calculation"));
    }
}

void nameAfterLabel(QLineEdit* edit, const QLabel* label) {
    if (edit->accessibleName() != label->text())
        edit->setAccessibleName(label->text());
}

} // namespace selvane
