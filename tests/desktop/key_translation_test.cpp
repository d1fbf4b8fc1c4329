// What the window hands the field handlers for a key: the character a press types, the key code
// and modifier mask of a release, and which keys are a menu's access key or Enter. The expected
// codes are written out as numbers, the ones the handlers have always been given; a few keys of
// each kind stand for the rest.

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
        QTest::newRow("letter") << int(Qt::Key_Q) << none << 81;
        QTest::newRow("shift+letter is the same key")
            << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 81;
        QTest::newRow("digit") << int(Qt::Key_7) << none << 55;
        QTest::newRow("keypad digit") << int(Qt::Key_7) << pad << 103;
        QTest::newRow("keypad point") << int(Qt::Key_Period) << pad << 110;
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << pad << 109;
        QTest::newRow("point") << int(Qt::Key_Period) << none << 190;
        QTest::newRow("F12") << int(Qt::Key_F12) << none << 123;
        QTest::newRow("F13 has none") << int(Qt::Key_F13) << none << 0;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << pad << 13;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << 46;
        QTest::newRow("slash has none") << int(Qt::Key_Slash) << none << 0;
    }
    void keyCode() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, code);
        QCOMPARE(selvane::keyCode(key, modifiers), code);
    }

    // Enter is the key the handler acts on; Tab and Delete move or edit without typing.
    void keyAscii_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ascii"); // -1: the key types nothing the handler is given
        QTest::newRow("Return") << int(Qt::Key_Return) << "\r" << 13;
        QTest::newRow("Enter without text") << int(Qt::Key_Enter) << "" << 13;
        QTest::newRow("Backspace without text") << int(Qt::Key_Backspace) << "" << 8;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << "\t" << -1;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << "\x7f" << -1;
        QTest::newRow("shift+a") << int(Qt::Key_A) << "A" << 65;
        QTest::newRow("outside the basic plane")
            << int(Qt::Key_unknown) << QString::fromUcs4(U"\U0001F600") << 0x1F600;
        QTest::newRow("DEL from another key") << int(Qt::Key_unknown) << "\x7f" << -1;
        QTest::newRow("no text") << int(Qt::Key_Left) << "" << -1;
    }
    void keyAscii() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, ascii);
        QCOMPARE(selvane::keyAscii(key, text).value_or(-1), ascii);
    }

    void modifiersAndKeyKinds() {
        QCOMPARE(shiftState(Qt::ShiftModifier), 1);
        QCOMPARE(shiftState(Qt::ControlModifier), 2);
        QCOMPARE(shiftState(Qt::AltModifier | Qt::KeypadModifier | Qt::MetaModifier), 4);

        QVERIFY(isAccessKey(Qt::AltModifier | Qt::ShiftModifier, u"F"));
        QVERIFY(!isAccessKey(Qt::AltModifier, u"\t"));
        QVERIFY(!isAccessKey(Qt::AltModifier, u""));
        QVERIFY(!isAccessKey(Qt::AltModifier | Qt::ControlModifier, u"f")); // composes
        QVERIFY(!isAccessKey(Qt::ControlModifier, u"f"));

        QVERIFY(isEnterKey(Qt::Key_Enter) && isEnterKey(Qt::Key_Return));
        QVERIFY(!isEnterKey(Qt::Key_Space));
    }
};

QTEST_APPLESS_MAIN(KeyTranslationTest)
#include "key_translation_test.moc"
