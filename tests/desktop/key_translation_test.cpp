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
    // A letter is one key with or without Shift; the keypad's keys have codes of their own; keys
    // the handlers have no code for give 0.
    void keyCodes() {
        const Qt::KeyboardModifiers none, pad = Qt::KeypadModifier, shift = Qt::ShiftModifier;
        const std::tuple<int, Qt::KeyboardModifiers, int> codes[] = {
            {Qt::Key_Q, none, 81},       {Qt::Key_Q, shift, 81},     {Qt::Key_7, none, 55},
            {Qt::Key_7, pad, 103},       {Qt::Key_Period, pad, 110}, {Qt::Key_Minus, pad, 109},
            {Qt::Key_Period, none, 190}, {Qt::Key_F12, none, 123},   {Qt::Key_F13, none, 0},
            {Qt::Key_Enter, pad, 13},    {Qt::Key_Delete, none, 46}, {Qt::Key_Slash, none, 0}};
        for (const auto& [key, modifiers, code] : codes)
            QVERIFY2(keyCode(key, modifiers) == code, qPrintable(QString::number(key, 16)));
    }

    // Enter is the key the handler acts on, with or without a text; Tab and Delete move or edit
    // without typing (-1: the key types nothing the handler is given), and so does DEL from
    // another key; a character past the basic plane is typed whole.
    void typedCharacters() {
        const std::tuple<int, QString, int> typed[] = {
            {Qt::Key_Return, "\r", 13},    {Qt::Key_Enter, "", 13},      {Qt::Key_Backspace, "", 8},
            {Qt::Key_Tab, "\t", -1},       {Qt::Key_Delete, "\x7f", -1}, {Qt::Key_A, "A", 65},
            {Qt::Key_unknown, "\x7f", -1}, {Qt::Key_Left, "", -1}};
        for (const auto& [key, text, ascii] : typed)
            QVERIFY2(keyAscii(key, text).value_or(-1) == ascii,
                     qPrintable(QString::number(key, 16)));
        QCOMPARE(keyAscii(Qt::Key_unknown, QString::fromUcs4(U"\U0001F600")), 0x1F600);
    }

    // The modifier mask of a release; Alt with a letter is an access key, unless Ctrl composes
    // with it. (Enter and access keys at work: frm_fincalc_test.)
    void modifiersAndAccessKeys() {
        QCOMPARE(shiftState(Qt::ShiftModifier), 1);
        QCOMPARE(shiftState(Qt::ControlModifier), 2);
        QCOMPARE(shiftState(Qt::AltModifier | Qt::KeypadModifier | Qt::MetaModifier), 4);
        QVERIFY(isAccessKey(Qt::AltModifier | Qt::ShiftModifier, u"F"));
        QVERIFY(!isAccessKey(Qt::AltModifier | Qt::ControlModifier, u"f"));
    }
};

QTEST_APPLESS_MAIN(KeyTranslationTest)
#include "key_translation_test.moc"
