// The start of the system information tool, by what is registered and what works, over a
// scripted registry, program start and message box; and the About box's buttons.

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "desktop/frm_about.h"
#include "fakes.h"
#include "modal_watchdog.h"

using namespace selvane;

Q_DECLARE_METATYPE(std::string)

namespace {
const std::string kToolPath = "/opt/tools/sysinfo-tool";
const std::string kToolFolder = "C:\\Program Files\\Shared\\MSINFO";
} // namespace

class AboutTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { m_watchdog = std::make_unique<ModalWatchdog>(); }
    void cleanup() {
        QVERIFY2(m_watchdog->seen().isEmpty(), qPrintable(m_watchdog->seen().join(", ")));
        m_watchdog.reset();
    }

    void startSysInfoOutcomes_data();
    void startSysInfoOutcomes();

    void pathRegistryAnswersOnlyTheFirstLookup();
    void pathRegistryWithoutToolFailsTheLookup();

    void aboutBoxButtons();

  private:
    std::unique_ptr<ModalWatchdog> m_watchdog;
};

// ----- StartSysInfo

void AboutTest::startSysInfoOutcomes_data() {
    QTest::addColumn<bool>("first");     // the tool's own path is registered
    QTest::addColumn<bool>("second");    // the tools folder is registered
    QTest::addColumn<bool>("fileThere"); // MSINFO32.EXE exists in that folder
    QTest::addColumn<bool>("startWorks");
    QTest::addColumn<std::string>("started"); // the program started, empty for none
    QTest::addColumn<bool>("message");

    const std::string inFolder = kToolFolder + "\\MSINFO32.EXE";
    QTest::newRow("first lookup starts the tool")
        << true << true << false << true << kToolPath << false;
    QTest::newRow("first lookup, start fails")
        << true << false << false << false << kToolPath << true;
    QTest::newRow("only second, file missing")
        << false << true << false << true << std::string() << true;
    QTest::newRow("only second, file there") << false << true << true << true << inFolder << false;
    QTest::newRow("only second, start fails") << false << true << true << false << inFolder << true;
    QTest::newRow("neither") << false << false << false << true << std::string() << true;
}

void AboutTest::startSysInfoOutcomes() {
    QFETCH(bool, first);
    QFETCH(bool, second);
    QFETCH(bool, fileThere);
    QFETCH(bool, startWorks);
    QFETCH(std::string, started);
    QFETCH(bool, message);

    FakeRegistry registry;
    if (first)
        registry.putString(kMsInfoKey, kMsInfoValue, kToolPath);
    if (second)
        registry.putString(kToolsLocationKey, kToolsLocationValue, kToolFolder);
    FakeLauncher launcher;
    if (fileThere)
        launcher.existing.push_back(kToolFolder + "\\MSINFO32.EXE");
    launcher.startSucceeds = startWorks;
    FakeMessenger messenger;

    StartSysInfo({&registry, &launcher, &messenger}, "Selvane");

    QCOMPARE(launcher.started.empty() ? std::string() : launcher.started.back(), started);
    QVERIFY(launcher.started.size() <= 1);
    if (first)
        QVERIFY(launcher.probed.empty()); // the registered path is trusted as it is
    QCOMPARE(messenger.shown.size(), message ? size_t(1) : size_t(0));
    if (message) {
        QCOMPARE(messenger.shown.front().first, std::string("Selvane"));
        QCOMPARE(messenger.shown.front().second,
                 std::string("System Information Is Unavailable At This Time"));
    }
}

// ----- the layer used where there is no registry

void AboutTest::pathRegistryAnswersOnlyTheFirstLookup() {
    // Two tools installed: the one earlier in the list of candidates wins.
    PathRegistry registry([](const std::string& program) -> std::optional<std::string> {
        if (program == "hardinfo" || program == "gnome-system-monitor")
            return "/usr/bin/" + program;
        return std::nullopt;
    });
    std::string keyVal;
    QVERIFY(GetKeyValue(registry, kHKeyLocalMachine, kMsInfoKey, kMsInfoValue, keyVal));
    QCOMPARE(keyVal, std::string("/usr/bin/hardinfo"));
    QVERIFY(
        !GetKeyValue(registry, kHKeyLocalMachine, kToolsLocationKey, kToolsLocationValue, keyVal));
    QVERIFY(!GetKeyValue(registry, kHKeyLocalMachine, kMsInfoKey, "OTHER", keyVal));
    QVERIFY(!GetKeyValue(registry, 0x80000001u, kMsInfoKey, kMsInfoValue, keyVal));

    FakeLauncher launcher;
    FakeMessenger messenger;
    StartSysInfo({&registry, &launcher, &messenger}, "Selvane");
    QCOMPARE(launcher.started, std::vector<std::string>{"/usr/bin/hardinfo"});
    QVERIFY(messenger.shown.empty());
}

void AboutTest::pathRegistryWithoutToolFailsTheLookup() {
    PathRegistry registry([](const std::string&) { return std::optional<std::string>(); });
    FakeLauncher launcher;
    FakeMessenger messenger;
    StartSysInfo({&registry, &launcher, &messenger}, "Selvane");
    QVERIFY(launcher.started.empty());
    QCOMPARE(messenger.shown.size(), size_t(1));
}

// ----- the box

void AboutTest::aboutBoxButtons() {
    FakeRegistry registry;
    registry.putString(kMsInfoKey, kMsInfoValue, kToolPath);
    FakeLauncher launcher;
    FakeMessenger messenger;
    QPointer<frmAbout> box = new frmAbout({&registry, &launcher, &messenger});
    box->show();
    auto* sysInfo = box->findChild<QPushButton*>("cmdSysInfo");
    QCOMPARE(sysInfo->text(), QStringLiteral("&System Info..."));
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    QCOMPARE(launcher.started, std::vector<std::string>{kToolPath});
    QVERIFY(box->isVisible());

    auto* ok = box->findChild<QPushButton*>("cmdOK");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(box.isNull()); // OK closes and unloads the box
}

QTEST_MAIN(AboutTest)
#include "about_test.moc"
