// The About box: System Info starts the first system-information tool found on the PATH, in the
// order of the candidates, leaving the box open, and says when it cannot start one, whether the
// tool found fails to start or none is found; OK closes and unloads the box. Every message goes
// to the fake: the watchdog sees no modal window.

#include "desktop/frm_about.h"
#include "window_fixture.h"

using namespace selvane;

class AboutTest : public QObject {
    Q_OBJECT

  private slots:
    void systemInfoStartsTheFirstToolFoundOrSaysWhy() {
        ModalWatchdog watchdog;
        std::vector<std::string> installed = {"gnome-system-monitor", "hardinfo"};
        PathRegistry registry([&](const std::string& p) -> std::optional<std::string> {
            return std::ranges::count(installed, p) ? "/usr/bin/" + p
                                                    : std::optional<std::string>();
        });
        FakeLauncher launcher;
        FakeMessenger messenger;
        QPointer<frmAbout> box = new frmAbout({&registry, &launcher, &messenger});
        box->show();
        auto* sysInfo = box->findChild<QPushButton*>("cmdSysInfo");
        QTest::mouseClick(sysInfo, Qt::LeftButton);
        QCOMPARE(launcher.started, std::vector<std::string>{"/usr/bin/hardinfo"});
        QVERIFY(messenger.shown.empty() && box->isVisible());
        launcher.startSucceeds = false;
        QTest::mouseClick(sysInfo, Qt::LeftButton);
        installed.clear();
        QTest::mouseClick(sysInfo, Qt::LeftButton);
        QCOMPARE(launcher.started.size(), size_t{2});
        QVERIFY(messenger.shown.size() == 2 && messenger.shown[1] == messenger.shown[0]);
        QCOMPARE(messenger.shown[0].second, std::string(kSysInfoUnavailable));
        QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());
        QVERIFY2(watchdog.seen().isEmpty(), qPrintable(watchdog.seen().join(", ")));
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
