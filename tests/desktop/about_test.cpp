// The start of the system information tool, by what is registered and what works, over a
// scripted registry, program start and message box; and the About box's buttons.

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "desktop/frm_about.h"
#include "fakes.h"
#include "modal_watchdog.h"

using namespace selvane;

namespace {
const std::string kToolPath = "/opt/tools/sysinfo-tool";
const std::string kToolFolder = "C:\\Program Files\\Shared\\MSINFO";
const std::string kInFolder = kToolFolder + "\\MSINFO32.EXE";
using Messages = std::vector<std::pair<std::string, std::string>>;

// A registry holding the tool's own path (first) and the tools folder (second), or neither.
FakeRegistry registered(bool first, bool second) {
    FakeRegistry registry;
    if (first)
        registry.putString(kMsInfoKey, kMsInfoValue, kToolPath);
    if (second)
        registry.putString(kToolsLocationKey, kToolsLocationValue, kToolFolder);
    return registry;
}

// What StartSysInfo does over the registry, with the tool in the tools folder or not, and
// starting it working or failing.
struct Outcome {
    std::vector<std::string> started; // every program a start was tried for
    Messages shown;
};
Outcome startSysInfo(RegistryLayer& registry, bool fileThere = false, bool startWorks = true) {
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
    void startSysInfoOutcomes() {
        const Messages unavailable = {{"Selvane", kSysInfoUnavailable}};
        FakeRegistry both = registered(true, true), folder = registered(false, true), none;
        // The tool's own path is trusted as registered (the launcher knows no such file), and
        // when it does not start the tools folder is not tried; the folder is looked into.
        for (const bool works : {true, false}) {
            const Outcome own = startSysInfo(both, true, works);
            QCOMPARE(own.started, std::vector<std::string>{kToolPath});
            QCOMPARE(own.shown, works ? Messages() : unavailable);
            const Outcome inFolder = startSysInfo(folder, true, works);
            QCOMPARE(inFolder.started, std::vector<std::string>{kInFolder});
            QCOMPARE(inFolder.shown, works ? Messages() : unavailable);
        }
        QCOMPARE(startSysInfo(folder, false).shown, unavailable); // not in the folder
        QCOMPARE(startSysInfo(none, true).shown, unavailable);
    }

    // Where there is no registry, the first lookup names the first tool found on the PATH, in
    // the order of the candidates.
    void pathRegistryAnswersTheFirstLookup() {
        std::vector<std::string> installed = {"gnome-system-monitor", "hardinfo"};
        PathRegistry registry([&](const std::string& p) -> std::optional<std::string> {
            return std::ranges::count(installed, p) ? "/usr/bin/" + p
                                                    : std::optional<std::string>();
        });
        QCOMPARE(startSysInfo(registry).started, std::vector<std::string>{"/usr/bin/hardinfo"});
        installed.clear();
        QCOMPARE(startSysInfo(registry).shown.size(), size_t(1));
    }

    // System Info starts the tool and leaves the box open; OK closes and unloads it. Every
    // message goes to the fake: the watchdog sees no modal window.
    void aboutBoxButtons() {
        ModalWatchdog watchdog;
        FakeRegistry registry = registered(true, false);
        FakeLauncher launcher;
        FakeMessenger messenger;
        QPointer<frmAbout> box = new frmAbout({&registry, &launcher, &messenger});
        box->show();
        QTest::mouseClick(box->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(launcher.started, std::vector<std::string>{kToolPath});
        QVERIFY(box->isVisible());
        QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());
        QVERIFY2(watchdog.seen().isEmpty(), qPrintable(watchdog.seen().join(", ")));
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
