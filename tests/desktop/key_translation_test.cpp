// What the window hands the field handlers for a key: the character a press types, and which keys
// are a menu's access key or Enter. The expected characters are written out as numbers; a few keys
// of each kind stand for the rest.

#include <QTest>
#include <optional>

#include "desktop/key_translation.h"

using namespace selvane;

class KeyTranslationTest : public QObject {
    Q_OBJECT

  private slots:
    // Enter is the key the handler acts on, with or without a text; Tab and Delete move or edit
    // without typing (-1: the key types nothing the handler is given), and so does DEL from
    // another key; a character past the basic plane is typed whole.
    void typedCharacters() {
        const std::tuple<int, QString, int> typed[] = {
            {Qt::Key_Return, "\r", 13},    {Qt::Key_Enter, "", 13},      {Qt::Key_Backspace, "", 8},
            {Qt::Key_Tab, "\t", -1},       {Qt::Key_Delete, "\x7f", -1}, {Qt::Key_A, "A", 65},
            {Qt::Key_unknown, "\x7f", -1}, {Qt::Key_Left, "", -1}};
        for (const auto& [key, text, ascii] : typed)
            QCOMPARE(keyAscii(key, text).value_or(-1), ascii);
        QCOMPARE(keyAscii(Qt::Key_unknown, QString::fromUcs4(U"\U0001F600")), 0x1F600);
        // Alt with a letter is an access key, unless Ctrl composes with it. (Enter and access
        // keys at work: frm_fincalc_test.)
        QVERIFY(isAccessKey(Qt::AltModifier | Qt::ShiftModifier, u"F"));
        QVERIFY(!isAccessKey(Qt::AltModifier | Qt::ControlModifier, u"f"));
    }
};

QTEST_APPLESS_MAIN(KeyTranslationTest)
#include "key_translation_test.moc"
