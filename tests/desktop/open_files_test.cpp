// Scenario files opened without File > Open's dialog: `selvane FILE`, a file dropped on the
// window and File > Recent Files. Each leaves the state exactly as File > Open with that file
// does, and the list of recent files is kept in settings that live in a temporary folder.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cstdio>
#include <sstream>

#include "cli/state_json.h"
#include "desktop/open_paths.h"
#include "desktop/recent_files_menu.h"
#include "window_fixture.h"

using namespace selvane;

namespace {

// File > Open as the command-line driver runs `open PATH`: a host whose dialog answers PATH.
class AnsweringHost : public NullHost {
  public:
    explicit AnsweringHost(std::string path) : m_path(std::move(path)) {}
    std::optional<std::string> chooseOpenPath(const FileDialogRequest&) override { return m_path; }

  private:
    std::string m_path;
};

std::string stateOf(const FinCalc& calc) {
    std::ostringstream out;
    writeStateJson(out, calc);
    return out.str();
}

// The state after start-up and File > Open choosing path.
std::string openedThroughTheDialog(const QString& path) {
    AnsweringHost host(path.toStdString());
    FinCalc calc(host);
    calc.Form_Load();
    calc.mnOpen_Click();
    return stateOf(calc);
}

// The settings the window keeps its list in.
std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(recentFilesSettingsPath(), QSettings::IniFormat);
}

} // namespace

class OpenFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void commandLineNamesTheFirstFile();
    void commandLineOpensANameOfAnyBytes();
    void commandLineOpensAsFileOpenDoes();
    void commandLineFailsSilentlyAsFileOpenDoes();
    void droppedFileOpensAsFileOpenDoes();
    void dropOnAFieldOpensTheFileToo();
    void dropsOfNoFileAreRefused();

    void recentFilesNewestFirstOnceAtMostFive();
    void recentFilesListOnlyDialogSavesAndOpens();
    void recentFilesLastToTheNextWindow();
    void recentEntryOpensAsFileOpenDoes();
    void vanishedRecentFileIsRemovedWithAMessage();
    void clearMenuEmptiesTheList();
    void oversizedSettingsAreNotRead();

  private:
    // A scenario in mortgage mode with its second result type and a few values of its own.
    QString writeScenario(const char* name);
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    std::string windowState() const { return stateOf(m_fake.window->calc()); }
    void verifyFieldsShown();
    RecentFilesMenu* recentMenu() const {
        return m_fake.window->findChild<RecentFilesMenu*>(QStringLiteral("mnRecentFiles"));
    }
    QAction* action(const QString& name) const { return m_fake.window->findChild<QAction*>(name); }
    // The File menu as the user opens it: the Recent Files entries are read afresh.
    QStringList shownRecent() const {
        emit m_fake.window->findChild<QMenu*>(QStringLiteral("mnFile"))->aboutToShow();
        return recentMenu()->shownFiles();
    }
    void openThroughTheDialog(const QString& file) {
        m_fake.dialogs.answer = file;
        action(QStringLiteral("mnOpen"))->trigger();
    }
    void saveThroughTheDialog(const QString& file) {
        m_fake.dialogs.answer = file;
        action(QStringLiteral("mnSaveAs"))->trigger();
    }
    void sendDrop(QWidget* target, const QMimeData& data, bool expectAccepted);

    QTemporaryDir m_dir;
    FakeWindow m_fake;
};

void OpenFilesTest::init() {
    QVERIFY(m_dir.isValid());
    QVERIFY(m_fake.open());
    // The settings are the test program's own (window_fixture.h); each test starts empty.
    QVERIFY(settings()->fileName().startsWith(sandboxSettings()));
    clearRecentFiles();
    QVERIFY(shownRecent().isEmpty());
}

void OpenFilesTest::cleanup() {
    const QStringList modal = m_fake.close();
    QVERIFY2(modal.isEmpty(), qPrintable(modal.join(", ")));
    clearRecentFiles();
}

QString OpenFilesTest::writeScenario(const char* name) {
    const QString file = path(name);
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(file));
    f.write("\"Mortgage\"\r\n1\r\n\"6.25\"\r\n\"6\"\r\n\"2\"\r\n\"1\"\r\n\"0\"\r\n\"300\"\r\n"
            "\"250000\"\r\n\"50000\"\r\n\"0\"\r\n\"1500\"\r\n\"60\"\r\n\"0\"\r\n\"0\"\r\n"
            "\"0\"\r\n\"0\"\r\n\"0\"\r\n");
    return file;
}

void OpenFilesTest::verifyFieldsShown() {
    const FinCalc& calc = m_fake.window->calc();
    for (int i = 0; i < kFieldCount; ++i) {
        const auto* edit = m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(i));
        QVERIFY(edit);
        QCOMPARE(edit->text().toStdString(), calc.fields[static_cast<size_t>(i)].text);
    }
}

// ----- the command line

void OpenFilesTest::commandLineNamesTheFirstFile() {
    const std::string here = QDir::currentPath().toStdString();
    const auto arg = [](std::vector<std::string> rest) {
        rest.insert(rest.begin(), "selvane");
        return scenarioArgument(rest);
    };
    QCOMPARE(arg({}), std::string());
    QCOMPARE(arg({"/a/b.fin", "/c/d.fin"}), std::string("/a/b.fin"));
    QCOMPARE(arg({"--verbose", "x.fin"}), here + "/x.fin");
    QCOMPARE(arg({"--", "-odd.fin"}), here + "/-odd.fin");
    QCOMPARE(arg({"-z"}), std::string());
    QCOMPARE(arg({"", "sub/../y.fin"}), here + "/y.fin");
    QCOMPARE(arg({"/a//./b/../../c/"}), std::string("/c"));
    QCOMPARE(arg({"caf\xe9.fin"}), here + "/caf\xe9.fin"); // not UTF-8: the bytes stand
}

// A name that is not valid UTF-8 (Latin-1 "café") opens from the command line as `open` opens it.
void OpenFilesTest::commandLineOpensANameOfAnyBytes() {
    const std::string name = (m_dir.path() + QStringLiteral("/caf")).toStdString() + "\xe9.fin";
    QCOMPARE(std::rename(writeScenario("plain.fin").toStdString().c_str(), name.c_str()), 0);
    m_fake.window->openCommandLineFile({"selvane", name});
    QCOMPARE(m_fake.window->calc().ScenarioFileName, name);
    QCOMPARE(m_fake.window->calc().CalculatorMode, std::string("Mortgage"));
}

// What main runs after start-up gives the state File > Open gives for the same file, and the
// window shows it.
void OpenFilesTest::commandLineOpensAsFileOpenDoes() {
    const QString file = writeScenario("mortgage.fin");
    const QString other = writeScenario("other.fin");
    // A relative name, as typed in a shell: the dialog would have answered the absolute one.
    const QString relative = QDir::current().relativeFilePath(file);
    QVERIFY(QFileInfo(relative).isRelative());
    m_fake.window->openCommandLineFile({"selvane", relative.toStdString(), other.toStdString()});

    QCOMPARE(windowState(), openedThroughTheDialog(file));
    const FinCalc& calc = m_fake.window->calc();
    QCOMPARE(calc.CalculatorMode, std::string("Mortgage"));
    QCOMPARE(calc.cmResult.selected, 1);
    QCOMPARE(calc.ScenarioFileName, file.toStdString());
    verifyFieldsShown();
    QCOMPARE(m_fake.dialogs.openCalls, 0);
    QCOMPARE(shownRecent(), QStringList{file}); // an open like any other
}

void OpenFilesTest::commandLineFailsSilentlyAsFileOpenDoes() {
    QFile bad(path("bad.fin"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("\"Income\"\r\n7\r\n\"1\"\r\n"); // a result type the list does not have
    bad.close();
    for (const char* name : {"missing.fin", "bad.fin"}) {
        QVERIFY(m_fake.open());
        m_fake.window->openCommandLineFile({"selvane", path(name).toStdString()});
        QCOMPARE(windowState(), openedThroughTheDialog(path(name)));
        QVERIFY(m_fake.window->calc().ScenarioFileName.empty());
        QVERIFY(m_fake.messenger.shown.empty());
        verifyFieldsShown();
    }
    QVERIFY(shownRecent().isEmpty());
    // No file at all: the window as started.
    QVERIFY(m_fake.open());
    const std::string started = windowState();
    m_fake.window->openCommandLineFile({"selvane"});
    QCOMPARE(windowState(), started);
}

// ----- drops

void OpenFilesTest::sendDrop(QWidget* target, const QMimeData& data, bool expectAccepted) {
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data,
                          Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QCOMPARE(enter.isAccepted(), expectAccepted);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QCOMPARE(move.isAccepted(), expectAccepted);
    if (!expectAccepted)
        return; // a refused drag is never dropped
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction); // the dragged file stays where it is
}

void OpenFilesTest::droppedFileOpensAsFileOpenDoes() {
    const QString file = writeScenario("dropped.scenario"); // any name, as File > Open takes
    const QString second = writeScenario("second.fin");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file), QUrl::fromLocalFile(second)});
    sendDrop(m_fake.window.get(), data, true);

    QCOMPARE(windowState(), openedThroughTheDialog(file));
    QCOMPARE(m_fake.window->calc().ScenarioFileName, file.toStdString());
    verifyFieldsShown();
    QCOMPARE(m_fake.dialogs.openCalls, 0);
    QCOMPARE(shownRecent(), QStringList{file});
}

// A field takes dropped text, but a dropped file opens: its name is not typed into the field.
void OpenFilesTest::dropOnAFieldOpensTheFileToo() {
    const QString file = writeScenario("on-field.fin");
    auto* apr = m_fake.window->findChild<QLineEdit*>(QStringLiteral("txtSL_0"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    data.setText(file); // file managers offer the path as text too
    sendDrop(apr, data, true);
    QCOMPARE(windowState(), openedThroughTheDialog(file));
    QVERIFY(!apr->text().contains(QLatin1String("on-field")));
    verifyFieldsShown();
}

void OpenFilesTest::dropsOfNoFileAreRefused() {
    const std::string started = windowState();
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.com/plan.fin"))});
    QMimeData nothing;
    for (const QMimeData* data : {&text, &web, &nothing})
        sendDrop(m_fake.window.get(), *data, false);
    // A dropped file the Open cannot read fails as silently as File > Open.
    QMimeData missing;
    missing.setUrls({QUrl(QStringLiteral("https://example.com/x.fin")),
                     QUrl::fromLocalFile(path("missing.fin"))});
    sendDrop(m_fake.window.get(), missing, true);
    QCOMPARE(windowState(), started);
    QVERIFY(m_fake.messenger.shown.empty());
}

// ----- File > Recent Files

void OpenFilesTest::recentFilesNewestFirstOnceAtMostFive() {
    QVERIFY(!action(QStringLiteral("mnRecent"))->isEnabled()); // nothing to list yet
    QStringList files;
    for (const char* name : {"1.fin", "2.fin", "3.fin", "4.fin", "5.fin", "6.fin"})
        files << writeScenario(name);
    for (const QString& f : files)
        openThroughTheDialog(f);
    QCOMPARE(shownRecent(), (QStringList{files[5], files[4], files[3], files[2], files[1]}));
    QVERIFY(action(QStringLiteral("mnRecent"))->isEnabled());
    QCOMPARE(action(QStringLiteral("mnRecent1"))->text(), "&1 " + files[5]);

    // The same file by another spelling moves to the front, listed once.
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
    openThroughTheDialog(m_dir.path() + "/./sub/..//3.fin");
    QCOMPARE(m_fake.window->calc().ScenarioFileName,
             (m_dir.path() + "/./sub/..//3.fin").toStdString()); // opened as given
    QCOMPARE(shownRecent(), (QStringList{files[2], files[5], files[4], files[3], files[1]}));
    QCOMPARE(recentFiles(), shownRecent());
}

// Save As lists the file it wrote; a Save that asks for no name, and a failed open or save, do
// not change the list.
void OpenFilesTest::recentFilesListOnlyDialogSavesAndOpens() {
    const QString a = writeScenario("a.fin");
    openThroughTheDialog(a);
    saveThroughTheDialog(path("saved.fin"));
    QCOMPARE(shownRecent(), (QStringList{path("saved.fin"), a}));
    action(QStringLiteral("mnSave"))->trigger(); // back to a.fin, no dialog
    QCOMPARE(m_fake.dialogs.saveCalls, 1);
    QCOMPARE(shownRecent(), (QStringList{path("saved.fin"), a}));
    saveThroughTheDialog(path("no/such/folder/x.fin"));
    openThroughTheDialog(path("missing.fin"));
    m_fake.dialogs.answer.reset();
    action(QStringLiteral("mnOpen"))->trigger();
    QCOMPARE(shownRecent(), (QStringList{path("saved.fin"), a}));
}

void OpenFilesTest::recentFilesLastToTheNextWindow() {
    const QString a = writeScenario("a.fin");
    const QString b = writeScenario("b.fin");
    openThroughTheDialog(a);
    openThroughTheDialog(b);
    // A new run: a fresh window over the same settings.
    QVERIFY(m_fake.open());
    QCOMPARE(shownRecent(), (QStringList{b, a}));
    // Nothing else was kept: the window starts as every window starts.
    QVERIFY(m_fake.window->calc().ScenarioFileName.empty());
    QCOMPARE(m_fake.window->calc().CalculatorMode, std::string("PersonalLoan"));
    QVERIFY(!m_fake.window->calc().detailsChecked);
    QCOMPARE(settings()->allKeys(),
             (QStringList{QStringLiteral("LastFolder/Scenario"), QStringLiteral("RecentFiles")}));
    // The Open dialog starts where the last scenario was chosen; an export, never chosen, does
    // not.
    m_fake.dialogs.answer.reset();
    action(QStringLiteral("mnOpen"))->trigger();
    QCOMPARE(m_fake.dialogs.last.fileName, m_dir.path());
    action(QStringLiteral("mnExport"))->trigger();
    QCOMPARE(m_fake.dialogs.last.fileName, QString());
    action(QStringLiteral("mnRecent2"))->trigger();
    QCOMPARE(shownRecent(), (QStringList{a, b}));
    // Two windows at once: the second sees what the first listed when its menu opens.
    FakeDialogs dialogs;
    frmFinCalc second(
        DesktopServices{&dialogs, &m_fake.registry, &m_fake.launcher, &m_fake.messenger});
    second.Form_Load();
    openThroughTheDialog(b);
    QMenu* secondFile = second.findChild<QMenu*>(QStringLiteral("mnFile"));
    emit secondFile->aboutToShow();
    QCOMPARE(second.findChild<RecentFilesMenu*>()->shownFiles(), (QStringList{b, a}));
}

void OpenFilesTest::recentEntryOpensAsFileOpenDoes() {
    const QString a = writeScenario("a.fin");
    openThroughTheDialog(a);
    action(QStringLiteral("mnPersonalLoan"))->trigger();
    QVERIFY(m_fake.open()); // a fresh start
    const int opens = m_fake.dialogs.openCalls;
    action(QStringLiteral("mnRecent1"))->trigger();
    QCOMPARE(m_fake.dialogs.openCalls, opens); // no dialog
    QCOMPARE(windowState(), openedThroughTheDialog(a));
    verifyFieldsShown();
    QVERIFY(m_fake.messenger.shown.empty());
}

void OpenFilesTest::vanishedRecentFileIsRemovedWithAMessage() {
    const QString a = writeScenario("a.fin");
    const QString gone = writeScenario("gone.fin");
    const QString c = writeScenario("c.fin");
    for (const QString& f : {a, gone, c})
        openThroughTheDialog(f);
    QCOMPARE(shownRecent(), (QStringList{c, gone, a}));
    QVERIFY(QFile::remove(gone));
    const std::string before = windowState();

    action(QStringLiteral("mnRecent2"))->trigger();
    QCOMPARE(m_fake.messenger.shown.size(), size_t{1});
    QCOMPARE(m_fake.messenger.shown[0].first, std::string("Recent Files"));
    QVERIFY(QString::fromStdString(m_fake.messenger.shown[0].second).contains(gone));
    QCOMPARE(recentMenu()->shownFiles(), (QStringList{c, a})); // gone from the open menu too
    QCOMPARE(shownRecent(), (QStringList{c, a}));
    QCOMPARE(windowState(), before); // nothing was opened
    QVERIFY(!action(QStringLiteral("mnRecent3"))->isVisible());
}

void OpenFilesTest::clearMenuEmptiesTheList() {
    const QString a = writeScenario("a.fin");
    openThroughTheDialog(a);
    QVERIFY(action(QStringLiteral("mnClearRecent"))->isEnabled());
    action(QStringLiteral("mnClearRecent"))->trigger();
    QVERIFY(recentMenu()->shownFiles().isEmpty());
    QVERIFY(recentFiles().isEmpty());
    QVERIFY(!action(QStringLiteral("mnClearRecent"))->isEnabled());
    QVERIFY(!action(QStringLiteral("mnRecent"))->isEnabled());
    QCOMPARE(m_fake.window->calc().ScenarioFileName, a.toStdString()); // the scenario stays
}

// A settings file Selvane could not have written (a list of 20,000 names) is not read: the menu is
// empty, and the next file listed replaces the whole file with a list of one.
void OpenFilesTest::oversizedSettingsAreNotRead() {
    const QString a = writeScenario("a.fin");
    QStringList many;
    for (int i = 0; i < 20000; ++i)
        many << path(QString::number(i).toLatin1() + ".fin");
    settings()->setValue(QStringLiteral("RecentFiles"), many);
    QVERIFY(QFileInfo(recentFilesSettingsPath()).size() > kMaxSettingsBytes);
    QVERIFY(m_fake.open());
    QVERIFY(shownRecent().isEmpty());
    QVERIFY(recentFiles().isEmpty());
    openThroughTheDialog(a);
    QCOMPARE(shownRecent(), QStringList{a});
    QCOMPARE(settings()->value(QStringLiteral("RecentFiles")).toStringList(), QStringList{a});
    QVERIFY(QFileInfo(recentFilesSettingsPath()).size() < 1024);
}

QTEST_MAIN(OpenFilesTest)
#include "open_files_test.moc"
