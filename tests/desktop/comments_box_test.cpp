// The comments box with topics far beyond any help text: what the box holds is what the state
// gives it, bounded in line length and in lines, so that its layout never holds the window up.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "core/help_topics.h"
#include "desktop/frm_fincalc.h"
#include "fakes.h"
#include "modal_watchdog.h"
#include "settings_sandbox.h"

using namespace selvane;

class CommentsBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void hugeTopicsAreShownBounded();
};

void CommentsBoxTest::hugeTopicsAreShownBounded() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    };
    write("Startup.txt", QByteArray(256 * 1024, 'x'));      // one line
    write("APR.txt", QByteArray("\r\n").repeated(100'000)); // a hundred thousand lines
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));

    sandboxSettings();
    ModalWatchdog watchdog;
    FakeDialogs dialogs;
    FakeRegistry registry;
    FakeLauncher launcher;
    FakeMessenger messenger;
    frmFinCalc window(DesktopServices{&dialogs, &registry, &launcher, &messenger});
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("txtComments"));
    QVERIFY(box);

    auto verifyBounded = [&] {
        QString state = QString::fromStdString(window.calc().comments);
        state.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        QCOMPARE(box->toPlainText(), state);
        QVERIFY(box->blockCount() <= int(kMaxCommentLines) + 1);
        int longest = 0;
        for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next())
            longest = std::max(longest, int(b.length()) - 1);
        QVERIFY2(longest <= int(kMaxCommentLine), qPrintable(QString::number(longest)));
    };
    verifyBounded();
    QCOMPARE(box->blockCount(), 263); // 256 KiB in lines of 1,000 characters

    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("lblSL_0")), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(window.calc().HelpTopic), QStringLiteral("APR.txt"));
    verifyBounded();
    QVERIFY(box->toPlainText().endsWith(
        QString::fromUtf8(kCommentsCutNote.data(), kCommentsCutNote.size())));
    QVERIFY(QDir::setCurrent(before));
}

QTEST_MAIN(CommentsBoxTest)
#include "comments_box_test.moc"
