// The start of the system information tool, by what is registered and what works, over a
// scripted registry, program start and message box; and the About box's buttons.

#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "desktop/frm_about.h"
#include "window_fixture.h"

using namespace selvane;

namespace {
const std::string kToolPath = "/opt/tools/sysinfo-tool";
const std::string kToolFolder = "C:\\Program Files\\Shared\\MSINFO";
const std::string kInFolder = kToolFolder + "\\MSINFO32.EXE";

using Messages = std::vector<std::pair<std::string, std::string>>;
const Messages kUnavailable = {{"Selvane", kSysInfoUnavailable}};

// What StartSysInfo tried to start, and the messages it showed.
using Outcome = std::pair<std::vector<std::string>, Messages>;
Outcome startSysInfo(RegistryLayer& registry, bool fileThere, bool startWorks) {
    FakeLauncher launcher;
    if (fileThere)
        launcher.existing.push_back(kInFolder);
    launcher.startSucceeds = startWorks;
    FakeMessenger messenger;
    StartSysInfo({&registry, &launcher, &messenger}, "Selvane");
    return {launcher.started, messenger.shown};
}
} // namespace

class AboutTest : public QObject {
    Q_OBJECT

  private slots:
    // The tool's own path is trusted as registered (the launcher knows no such file), and when
    // it does not start the tools folder is not tried; otherwise the folder is looked into.
    void startSysInfoOutcomes() {
        FakeRegistry both, folder, none;
        both.keys[kMsInfoKey][kMsInfoValue] = kToolPath;
        for (FakeRegistry* r : {&both, &folder})
            r->keys[kToolsLocationKey][kToolsLocationValue] = kToolFolder;
        for (const bool works : {true, false}) {
            const Messages said = works ? Messages() : kUnavailable;
            QCOMPARE(startSysInfo(both, true, works), Outcome({kToolPath}, said));
            QCOMPARE(startSysInfo(folder, true, works), Outcome({kInFolder}, said));
        }
        QCOMPARE(startSysInfo(folder, false, true), Outcome({}, kUnavailable)); // not in the folder
        QCOMPARE(startSysInfo(none, true, true), Outcome({}, kUnavailable));
        // Where there is no registry, the first lookup names the first tool found on the PATH,
        // in the order of the candidates.
        std::vector<std::string> installed = {"gnome-system-monitor", "hardinfo"};
        PathRegistry path([&](const std::string& p) -> std::optional<std::string> {
            return std::ranges::count(installed, p) ? "/usr/bin/" + p
                                                    : std::optional<std::string>();
        });
        QCOMPARE(startSysInfo(path, false, true).first,
                 std::vector<std::string>{"/usr/bin/hardinfo"});
        installed.clear();
        QCOMPARE(startSysInfo(path, false, true).second, kUnavailable);
    }

    // System Info starts the tool and leaves the box open; OK closes and unloads it. Every
    // message goes to the fake: the watchdog sees no modal window.
    void aboutBoxButtons() {
        ModalWatchdog watchdog;
        FakeRegistry registry;
        registry.keys[kMsInfoKey][kMsInfoValue] = kToolPath;
        FakeLauncher launcher;
        FakeMessenger messenger;
        QPointer<frmAbout> box = new frmAbout({&registry, &launcher, &messenger});
        box->show();
        QTest::mouseClick(box->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        QVERIFY(launcher.started == std::vector<std::string>{kToolPath} && box->isVisible());
        QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());
        QVERIFY2(watchdog.seen().isEmpty(), qPrintable(watchdog.seen().join(", ")));
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
