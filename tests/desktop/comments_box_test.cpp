// The comments box with topics far beyond any help text: it shows what the state gives it, which
// the state has already cut to lines and a length the box lays out at once (the cutting is tested
// with the state). A box that held the window up would run this test past its time limit.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "window_fixture.h"

class CommentsBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void hugeTopicsShowAsTheStateHasThem() {
        QTemporaryDir dir;
        auto write = [&](const char* name, const QByteArray& bytes) {
            QFile f(dir.filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(bytes), bytes.size());
        };
        write("Startup.txt", QByteArray(256 * 1024, 'x'));      // one line
        write("APR.txt", QByteArray("\r\n").repeated(100'000)); // a hundred thousand lines
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path())); // where the window reads its topics

        FakeWindow fake;
        QVERIFY(fake.open());
        auto* box = fake.window->findChild<QPlainTextEdit*>(QStringLiteral("txtComments"));
        auto verifyShown = [&] { // the box ends its lines with LF alone
            QString state = QString::fromStdString(fake.window->calc().comments);
            QCOMPARE(box->toPlainText(), state.replace(QLatin1String("\r\n"), QLatin1String("\n")));
        };
        verifyShown();
        QTest::mouseClick(fake.window->findChild<QLabel*>(QStringLiteral("lblSL_0")),
                          Qt::LeftButton);
        QCOMPARE(fake.window->calc().HelpTopic, std::string("APR.txt"));
        verifyShown();
        QVERIFY(fake.close().isEmpty());
        QVERIFY(QDir::setCurrent(before));
    }
};

QTEST_MAIN(CommentsBoxTest)
#include "comments_box_test.moc"
