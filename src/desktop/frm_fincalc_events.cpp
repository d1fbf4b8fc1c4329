// The window's event forwarding: key presses and releases in the fields, the lists' text parts,
// clicks on labels and closing, each turned into the handler of the state it stands for.

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "desktop/frm_fincalc.h"
#include "desktop/key_translation.h"
#include "desktop/recent_files_menu.h"

namespace selvane {

bool frmFinCalc::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        for (int i = 0; i < kFieldCount; ++i) {
            if (watched != m_txtSL[static_cast<size_t>(i)])
                continue;
            auto* key = static_cast<QKeyEvent*>(event);
            if (type == QEvent::KeyPress)
                return fieldKeyPress(i, key);
            fieldKeyRelease(i, key);
            return false;
        }
    }
    for (QComboBox* box : {m_cmCompound, m_cmPeriod, m_cmResult})
        if (box && (watched == box || watched == box->lineEdit()))
            return listFilter(box, event);
    if (type == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        return labelClicked(watched);
    return QMainWindow::eventFilter(watched, event);
}

// What reaches a list's text part without choosing: typing, Enter and leaving it run no
// handler, and once the focus has gone the text part shows the selected entry again.
bool frmFinCalc::listFilter(QComboBox* box, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        return isEnterKey(key->key()) || isAccessKey(key->modifiers(), key->text());
    }
    case QEvent::FocusOut:
        // Opening the list takes the focus too; the text stays until the user chooses.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            box->currentIndex() >= 0)
            box->setEditText(box->itemText(box->currentIndex()));
        return false;
    case QEvent::Wheel:
        // A turn of the wheel over a closed list is too easily an accident, and a result type
        // chosen again puts the mode's inputs back: only the keys and the opened list choose.
        return true;
    default:
        return false;
    }
}

bool frmFinCalc::fieldKeyPress(int i, QKeyEvent* event) {
    if (isAccessKey(event->modifiers(), event->text()))
        return true; // the field never sees it
    auto ascii = keyAscii(event->key(), event->text());
    if (!ascii)
        return false;
    int key = *ascii;
    run([&] { m_calc.txtSL_KeyPress(i, key); });
    if (key == 0)
        return true; // the handler swallowed the key: the field never sees it
    if (key == *ascii)
        return false;
    // The handler typed another key for it (the decimal point for a comma): the field gets that.
    QLineEdit* edit = m_txtSL[static_cast<size_t>(i)];
    if (!edit->isReadOnly())
        edit->insert(QString(QChar(key)));
    return true;
}

void frmFinCalc::fieldKeyRelease(int i, QKeyEvent* event) {
    // A held key repeats its press, but the key goes up only once.
    if (event->isAutoRepeat())
        return;
    takeFieldText(i);
    // Not an action of its own: the key going up after a shortcut (Ctrl+S) keeps what the
    // shortcut said in the notice.
    m_calc.txtSL_KeyUp(i);
    showState();
}

void frmFinCalc::takeFieldText(int i) {
    QLineEdit* edit = m_txtSL[static_cast<size_t>(i)];
    const std::string text = edit->text().toStdString();
    if (m_calc.fields[static_cast<size_t>(i)].text == text)
        return;
    m_calc.fieldEdited(i, text);
    // A pasted "7,5" read as 7.5 shows so at once, the cursor where it was.
    if (m_calc.fields[static_cast<size_t>(i)].text != text) {
        const int cursor = edit->cursorPosition();
        edit->setText(QString::fromStdString(m_calc.fields[static_cast<size_t>(i)].text));
        edit->setCursorPosition(cursor);
    }
}

bool frmFinCalc::labelClicked(QObject* watched) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label)
        return false;
    if (label == m_Label1)
        run([&] { m_calc.Label1_Click(); });
    else if (label == m_Label2)
        run([&] { m_calc.Label2_Click(); });
    else if (label == m_lblResult)
        run([&] { m_calc.lblResult_Click(); });
    else {
        for (int i = 0; i < kFieldCount; ++i) {
            if (label != m_lblSL[static_cast<size_t>(i)])
                continue;
            run([&] { m_calc.lblSL_Click(i); });
            return true;
        }
        return false;
    }
    return true;
}

void frmFinCalc::closeEvent(QCloseEvent* event) {
    // Unloading takes the About box with it, so no window of the program remains.
    rememberSize(QStringLiteral("Main"), QSize(m_chosenWidth, height()));
    run([&] { m_calc.Form_Unload(); });
    event->accept();
}

} // namespace selvane
