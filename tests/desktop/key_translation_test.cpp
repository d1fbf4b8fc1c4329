// What the window hands the field handlers for a key: the character a press types, the key code
// and modifier mask of a release, and which keys are a menu's access key or Enter. The expected
// codes are written out as numbers, the ones the handlers have always been given.

#include <QTest>
#include <optional>

#include "desktop/key_translation.h"

using namespace selvane;

class KeyTranslationTest : public QObject {
    Q_OBJECT

  private slots:
    void keyCode_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("code");
        const Qt::KeyboardModifiers none = Qt::NoModifier, pad = Qt::KeypadModifier;
        QTest::newRow("A") << int(Qt::Key_A) << none << 65;
        QTest::newRow("Z") << int(Qt::Key_Z) << none << 90;
        QTest::newRow("shift+A is the same key")
            << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 65;
        QTest::newRow("0") << int(Qt::Key_0) << none << 48;
        QTest::newRow("9") << int(Qt::Key_9) << none << 57;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << pad << 96;
        QTest::newRow("keypad 9") << int(Qt::Key_9) << pad << 105;
        QTest::newRow("keypad point") << int(Qt::Key_Period) << pad << 110;
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << pad << 109;
        QTest::newRow("point") << int(Qt::Key_Period) << none << 190;
        QTest::newRow("minus") << int(Qt::Key_Minus) << none << 189;
        QTest::newRow("comma") << int(Qt::Key_Comma) << none << 188;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << 112;
        QTest::newRow("F12") << int(Qt::Key_F12) << none << 123;
        QTest::newRow("F13 has none") << int(Qt::Key_F13) << none << 0;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << 8;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << 9;
        QTest::newRow("Return") << int(Qt::Key_Return) << none << 13;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << pad << 13;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << none << 16;
        QTest::newRow("Control") << int(Qt::Key_Control) << none << 17;
        QTest::newRow("Alt") << int(Qt::Key_Alt) << none << 18;
        QTest::newRow("Pause") << int(Qt::Key_Pause) << none << 19;
        QTest::newRow("Caps Lock") << int(Qt::Key_CapsLock) << none << 20;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << 27;
        QTest::newRow("Space") << int(Qt::Key_Space) << none << 32;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << none << 33;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << none << 34;
        QTest::newRow("End") << int(Qt::Key_End) << none << 35;
        QTest::newRow("Home") << int(Qt::Key_Home) << none << 36;
        QTest::newRow("Left") << int(Qt::Key_Left) << none << 37;
        QTest::newRow("Up") << int(Qt::Key_Up) << none << 38;
        QTest::newRow("Right") << int(Qt::Key_Right) << none << 39;
        QTest::newRow("Down") << int(Qt::Key_Down) << none << 40;
        QTest::newRow("Insert") << int(Qt::Key_Insert) << none << 45;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << 46;
        // Qt numbers these keys like characters; none of them has a code of its own.
        QTest::newRow("exclamation mark") << int(Qt::Key_Exclam) << none << 0;
        QTest::newRow("slash") << int(Qt::Key_Slash) << none << 0;
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << pad << 0;
        QTest::newRow("Meta") << int(Qt::Key_Meta) << none << 0;
    }
    void keyCode() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, code);
        QCOMPARE(selvane::keyCode(key, modifiers), code);
    }

    void keyAscii_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ascii"); // -1: the key types nothing the handler is given
        QTest::newRow("Return") << int(Qt::Key_Return) << "\r" << 13;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "\r" << 13;
        QTest::newRow("Enter without text") << int(Qt::Key_Return) << "" << 13;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << 8;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << "\x1b" << 27;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << "\t" << -1;
        QTest::newRow("Backtab") << int(Qt::Key_Backtab) << "" << -1;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << "\x7f" << -1;
        QTest::newRow("a") << int(Qt::Key_A) << "a" << 97;
        QTest::newRow("shift+a") << int(Qt::Key_A) << "A" << 65;
        QTest::newRow("digit") << int(Qt::Key_5) << "5" << 53;
        QTest::newRow("comma") << int(Qt::Key_Comma) << "," << 44;
        QTest::newRow("euro sign") << int(Qt::Key_unknown) << QString(QChar(0x20AC)) << 0x20AC;
        QTest::newRow("outside the basic plane")
            << int(Qt::Key_unknown) << QString::fromUcs4(U"\U0001F600") << 0x1F600;
        QTest::newRow("first of two characters") << int(Qt::Key_unknown) << "xy" << 120;
        QTest::newRow("DEL from another key") << int(Qt::Key_unknown) << "\x7f" << -1;
        QTest::newRow("no text") << int(Qt::Key_Left) << "" << -1;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << "" << -1;
    }
    void keyAscii() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, ascii);
        const std::optional<int> got = selvane::keyAscii(key, text);
        QCOMPARE(got.value_or(-1), ascii);
    }

    void shiftState_data() {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("mask");
        QTest::newRow("none") << Qt::KeyboardModifiers(Qt::NoModifier) << 0;
        QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1;
        QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << 2;
        QTest::newRow("alt") << Qt::KeyboardModifiers(Qt::AltModifier) << 4;
        QTest::newRow("shift+ctrl") << (Qt::ShiftModifier | Qt::ControlModifier) << 3;
        QTest::newRow("shift+ctrl+alt")
            << (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 7;
        QTest::newRow("keypad and meta count for nothing")
            << (Qt::KeypadModifier | Qt::MetaModifier) << 0;
        QTest::newRow("alt on the keypad") << (Qt::AltModifier | Qt::KeypadModifier) << 4;
    }
    void shiftState() {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, mask);
        QCOMPARE(selvane::shiftState(modifiers), mask);
    }

    void accessKey_data() {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("access");
        const Qt::KeyboardModifiers alt = Qt::AltModifier;
        QTest::newRow("alt+f") << alt << "f" << true;
        QTest::newRow("alt+shift+F") << (Qt::AltModifier | Qt::ShiftModifier) << "F" << true;
        QTest::newRow("alt+euro sign") << alt << QString(QChar(0x20AC)) << true;
        QTest::newRow("alt without text") << alt << "" << false;
        QTest::newRow("alt+tab") << alt << "\t" << false;
        QTest::newRow("ctrl+alt composes")
            << (Qt::AltModifier | Qt::ControlModifier) << "f" << false;
        QTest::newRow("f alone") << Qt::KeyboardModifiers(Qt::NoModifier) << "f" << false;
        QTest::newRow("ctrl+f") << Qt::KeyboardModifiers(Qt::ControlModifier) << "f" << false;
    }
    void accessKey() {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, access);
        QCOMPARE(isAccessKey(modifiers, text), access);
    }

    void enterKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("enter");
        QTest::newRow("Return") << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << false;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << false;
    }
    void enterKey() {
        QFETCH(int, key);
        QFETCH(bool, enter);
        QCOMPARE(isEnterKey(key), enter);
    }
};

QTEST_APPLESS_MAIN(KeyTranslationTest)
#include "key_translation_test.moc"
