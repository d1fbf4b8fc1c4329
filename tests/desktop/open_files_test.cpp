// Files through the window, on the real file system. Scenario files opened without File >
// Open's dialog: `selvane FILE`, a file dropped on the window and File > Recent Files; each opens
// its file, and the list of recent files lasts, in settings that live in a temporary folder. File
// > Export Report ...: the real file dialog's choice decides what an export writes. (Print
// Preview is checked with File > Print, in frm_fincalc_test.)
//
// Below the window: the list's rules are core's (tests/core/recent_files_test.cpp); that an Open
// without the dialog leaves the state as File > Open does, that a file which cannot be read
// changes nothing and says nothing, and which opens and saves list a file are the state's
// (tests/calculator/scenario_test.cpp), as is a cancelled dialog changing nothing; what the
// exported files hold is tested in tests/core/report_export_test.cpp, and an export that cannot
// be written keeps the old file and says why (tests/cli/write_safety_test.sh).

#include <QCompleter>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QThread>
#include <QUrl>
#include <cstdio>

#include "core/report_export.h"
#include "desktop/open_paths.h"
#include "window_fixture.h"

using namespace selvane;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Chooses a menu entry of the window and acts on the real file dialog it opens as a user would:
// `down` file types below the first chosen with the keyboard, the name typed, then Enter.
void inRealDialog(const QWidget& window, const char* entry, const QString& name, int down = 1) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (types == nullptr || edit == nullptr)
            return dialog->reject(); // not the dialog these steps know: the test fails
        // Offscreen nothing activates a window by itself; a user's dialog has the focus.
        QApplication::setActiveWindow(dialog);
        for (int i = 0; i < down; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        edit->clear();
        QTest::keyClicks(edit, name);
        if (edit->completer() != nullptr)
            edit->completer()->popup()->hide();
        QTest::keyClick(edit, Qt::Key_Return);
        // A dialog the keys did not close fails the test instead of hanging it.
        QTimer::singleShot(2000, dialog, [dialog] { dialog->reject(); });
    });
    poll->start(10);
    window.findChild<QAction*>(QLatin1String(entry))->trigger();
}

// Clicks Cancel in each progress window as it shows: the click is queued, so it lands before the
// work starts (a window shown at once is shown first).
class CancelProgress : public QObject {
  public:
    int shown = 0, modal = 0; // modal to every window: nothing else takes a key meanwhile
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* dialog = qobject_cast<QProgressDialog*>(object);
        if (dialog != nullptr && event->type() == QEvent::Show && ++shown)
            QMetaObject::invokeMethod(
                dialog,
                [this, dialog] {
                    modal += QApplication::activeModalWidget() == dialog &&
                             dialog->windowModality() == Qt::ApplicationModal;
                    dialog->findChild<QPushButton*>()->click();
                },
                Qt::QueuedConnection);
        return false;
    }
};

} // namespace

class OpenFilesTest : public QObject, FakeWindow {
    Q_OBJECT

    static QSettings settings() { return {recentFilesSettingsPath(), QSettings::IniFormat}; }
    // A scenario in mortgage mode with its second result type and a few values of its own.
    QString writeScenario(const char* name) {
        QFile f(path(name));
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", name);
        f.write("\"Mortgage\"\r\n1\r\n\"6.25\"\r\n\"6\"\r\n\"2\"\r\n\"1\"\r\n\"0\"\r\n\"300\"\r\n"
                "\"250000\"\r\n\"50000\"\r\n\"0\"\r\n\"1500\"\r\n\"60\"\r\n\"0\"\r\n\"0\"\r\n"
                "\"0\"\r\n\"0\"\r\n\"0\"\r\n");
        return f.fileName();
    }
    // The file is the scenario open, as File > Open leaves it, and the window shows it; no dialog
    // was asked and nothing was said.
    void verifyOpened(const std::string& file) {
        QCOMPARE(calc().ScenarioFileName, file);
        QVERIFY(window->windowTitle().toStdString() == calc().caption &&
                field(field::PMT)->text().toStdString() == calc().fields[field::PMT].text);
        QVERIFY(dialogs.openCalls == 0 && messenger.shown.empty());
    }
    void verifyOpened(const QString& file) { verifyOpened(file.toStdString()); }
    // File > Recent Files as the user opens the File menu: the entries are read afresh.
    static QStringList shownRecent(const frmFinCalc& w) {
        emit w.findChild<QMenu*>(QStringLiteral("mnFile"))->aboutToShow();
        return w.findChild<RecentFilesMenu*>()->shownFiles();
    }
    QStringList shownRecent() const { return shownRecent(*window); }
    void openThroughTheDialog(const QString& file) {
        dialogs.answer = file;
        action("mnOpen")->trigger();
    }
    // A drag over target and, when it is taken, its drop: copied, so the file stays where it is,
    // even with Shift held, which asks to move it.
    void sendDrop(QWidget* target, const QMimeData& data, bool taken) {
        const QPoint at = target->rect().center();
        const auto actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent drag(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drag);
        QCOMPARE(drag.isAccepted(), taken);
        if (!taken)
            return; // a refused drag is never dropped
        QDropEvent drop(QPointF(at), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted() && drop.dropAction() == Qt::CopyAction);
    }

  private slots:
    // The settings are the test program's own (window_fixture.h); each test starts with an
    // empty list.
    void init() {
        const QString sandbox = sandboxSettings(); // before the first QSettings
        QVERIFY(settings().fileName().startsWith(sandbox));
        clearRecentFiles();
        QVERIFY(open());
    }
    void cleanup() { QVERIFY(close()); }

    // A file opened without File > Open's dialog. The file a command line names: its first
    // argument that is no option, made absolute as the dialog's answer is. What main runs with it
    // after start-up opens it; a name that is not valid UTF-8 (Latin-1 "café") opens as `open`
    // opens it: the bytes stand. A file dropped on the window, below.
    void commandLineAndDroppedFilesOpen() {
        const std::string here = QDir::currentPath().toStdString();
        const std::pair<std::vector<std::string>, std::string> arguments[] = {
            {{"selvane"}, ""},
            {{"selvane", "/a/b.fin", "/c/d.fin"}, "/a/b.fin"},
            {{"selvane", "--verbose", "x.fin"}, here + "/x.fin"},
            {{"selvane", "--", "-odd.fin"}, here + "/-odd.fin"},
            {{"selvane", "", "sub/../y.fin"}, here + "/y.fin"}};
        for (const auto& [line, file] : arguments)
            QCOMPARE(scenarioArgument(line), file);

        const QString file = writeScenario("mortgage.fin");
        const QString relative = QDir::current().relativeFilePath(file); // as typed in a shell
        window->openCommandLineFile(
            {"selvane", relative.toStdString(), writeScenario("other.fin").toStdString()});
        verifyOpened(file);
        QVERIFY(open());
        const std::string name = (files.path() + QStringLiteral("/caf")).toStdString() + "\xe9.fin";
        QCOMPARE(std::rename(file.toStdString().c_str(), name.c_str()), 0);
        window->openCommandLineFile({"selvane", name});
        verifyOpened(name);

        // The first local file of those dropped on the window, or on a field (which takes
        // dropped text, but not the file's name), opens. Drags of no local file are refused.
        const QString dropped = writeScenario("dropped.scenario"); // any name, as File > Open takes
        QMimeData data, text, web;
        web.setUrls({QUrl(QStringLiteral("https://example.com/plan.fin"))});
        data.setUrls({web.urls().first(), QUrl::fromLocalFile(dropped),
                      QUrl::fromLocalFile(writeScenario("second.fin"))});
        data.setText(dropped); // file managers offer the path as text too
        sendDrop(window.get(), data, true);
        verifyOpened(dropped);
        QVERIFY(open());
        sendDrop(field(field::APR), data, true);
        verifyOpened(dropped);
        QVERIFY(!field(field::APR)->text().contains(QLatin1String("dropped")));
        text.setText(QStringLiteral("hello"));
        for (const QMimeData* refused : {&text, &web})
            sendDrop(window.get(), *refused, false);
    }

    // Files opened and saved through the dialogs (Open offering the scenario files first) are
    // listed, newest first, and the list (with the folder the Open dialog last chose in, and
    // nothing else) lasts to the next run and is seen by another window when its menu opens.
    void recentFilesLastToTheNextWindowAndGoWithTheirFiles() {
        QVERIFY(!action("mnRecent")->isEnabled()); // nothing to list yet
        const QString a = writeScenario("a.fin"), b = path("b.fin");
        openThroughTheDialog(a);
        QCOMPARE(dialogs.last.filters,
                 (QStringList{"All Files (*.*) (*)", "Text Files (*.txt) (*.txt)",
                              "Financial Files (*.fin) (*.fin)"}));
        QCOMPARE(dialogs.last.selectedFilter, dialogs.last.filters.value(2));
        dialogs.answer = b;
        action("mnSaveAs")->trigger();
        QCOMPARE(shownRecent(), (QStringList{b, a}));
        QVERIFY(action("mnRecent")->isEnabled() && action("mnRecent1")->text() == "&1 " + b);

        QVERIFY(open()); // a new run: a fresh window over the same settings
        QCOMPARE(shownRecent(), (QStringList{b, a}));
        QCOMPARE(settings().allKeys(), (QStringList{"LastFolder/Scenario", "RecentFiles"}));
        action("mnOpen")->trigger(); // cancelled
        QCOMPARE(dialogs.last.fileName, files.path());
        dialogs.openCalls = 0;
        action("mnRecent2")->trigger(); // opens its file, and moves to the front
        verifyOpened(a);
        QCOMPARE(shownRecent(), (QStringList{a, b}));
        frmFinCalc second(services());
        second.Form_Load();
        openThroughTheDialog(b);
        QCOMPARE(shownRecent(second), (QStringList{b, a}));

        // An entry whose file is gone is taken off the list, with a message; Clear Menu empties
        // the list, and the scenario open stays.
        const QString gone = writeScenario("gone.fin"), c = writeScenario("c.fin");
        for (const QString& f : {gone, c})
            openThroughTheDialog(f);
        QVERIFY(QFile::remove(gone));
        action("mnRecent2")->trigger();
        const auto& shown = messenger.shown;
        QVERIFY(shown.size() == 1 && shown[0].first == "Recent Files" &&
                QString::fromStdString(shown[0].second).contains(gone));
        QCOMPARE(shownRecent(), (QStringList{c, b, a}));
        action("mnClearRecent")->trigger();
        QVERIFY(shownRecent().isEmpty() && recentFiles().isEmpty() &&
                !action("mnRecent")->isEnabled());
        QCOMPARE(calc().ScenarioFileName, c.toStdString());
    }

    // The real Qt dialogs. Started from a folder it cannot write, with no folder remembered, the
    // real Save As dialog offers the documents folder and the typed name is saved there; so does
    // the real print dialog's Print to File. A save that then fails is said in the window, with no
    // dialog, and the old file stays byte for byte.
    //
    // The file type the user chose in the real file dialog decides what an export writes, and its
    // extension is added to a name typed without one. An export cancelled in its progress window,
    // a workbook or a CSV file, leaves the old file and no other, and is not told.
    void realDialogsChooseWhereAndWhatIsWritten() {
        watchdog.stop(); // these dialogs are meant to open
        settings().remove(QStringLiteral("LastFolder"));
        const QString home = path("home"), documents = path("home/Documents");
        const QString locked = path("locked"), workingFolder = QDir::currentPath();
        const QByteArray oldHome = qgetenv("HOME");
        QVERIFY(QDir().mkpath(documents) && QDir().mkpath(locked));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        qputenv("HOME", home.toLocal8Bit());
        QDir::setCurrent(locked);
        const auto systemDialogs = makeSystemDialogs();
        frmFinCalc real({systemDialogs.get(), nullptr, &messenger});
        real.Form_Load();
        real.show();
        QVERIFY(QTest::qWaitForWindowExposed(&real));
        inRealDialog(real, "mnSaveAs", QStringLiteral("loan.fin"), 0);
        const QString saved = documents + QStringLiteral("/loan.fin");
        const QByteArray bytes = fileBytes(saved);
        QVERIFY(bytes.startsWith("\"PersonalLoan\""));
        auto* notice = real.findChild<QLabel*>(QStringLiteral("notice"));
        QVERIFY(notice != nullptr && notice->isHidden());

        // Print to File, before any printout went to a file, offers the documents folder too.
        QPrinter printer;
        QString offered;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            offered = dialog ? dialog->findChild<QLineEdit*>("filename")->text() : QString();
            QTimer::singleShot(0, dialog, &QDialog::reject);
        });
        QVERIFY(!views().choosePrinter(&real, printer, 1));
        QCOMPARE(QFileInfo(offered).absolutePath(), documents);

        QFile::setPermissions(documents, QFile::ReadOwner | QFile::ExeOwner);
        real.calc().fields[field::APR].text = "9";
        inRealDialog(real, "mnSaveAs", QStringLiteral("loan.fin"), 0); // where it saved last
        QFile::setPermissions(documents, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir::setCurrent(workingFolder);
        qputenv("HOME", oldHome);
        QVERIFY(messenger.shown.empty());
        QCOMPARE(fileBytes(saved), bytes);
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("Could not save %1: Permission denied").arg(saved));
        QTest::keyClick(real.findChild<QLineEdit*>("txtSL_0"), Qt::Key_5);
        QVERIFY(notice->isHidden()); // gone with the next action

        // The yearly summary, typed without .csv.
        inRealDialog(real, "mnExport", path("years"));
        QVERIFY(messenger.shown.empty());
        std::string want;
        writeYearlyCsv(real.calc().yearlySummary(), false, [&want](std::string_view piece) {
            want += piece;
            return true;
        });
        QCOMPARE(fileBytes(path("years.csv")), QByteArray::fromStdString(want));
        // The Excel Workbook type writes a workbook (a zip file), whatever the name's ending.
        inRealDialog(real, "mnExport", path("book"), 2);
        QVERIFY(messenger.shown.empty() && fileBytes(path("book.xlsx")).startsWith("PK\x03\x04"));

        CancelProgress cancel;
        qApp->installEventFilter(&cancel);
        real.host().setProgressDelay(0);
        // Another plan, whose files would differ, long enough to be cancelled between its rows.
        type(real.findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(field::PERS)), "3000", true);
        QCOMPARE(real.calc().report.rowCount(), 3000);
        const QStringList before = QDir(files.path()).entryList(QDir::Files);
        for (const auto& [typed, down, written] :
             {std::tuple{"book", 2, "book.xlsx"}, std::tuple{"years", 1, "years.csv"}}) {
            const QByteArray old = fileBytes(path(written));
            inRealDialog(real, "mnExport", path(typed), down);
            QCOMPARE(fileBytes(path(written)), old);
        }
        qApp->removeEventFilter(&cancel);
        QVERIFY(cancel.shown == 2 && cancel.modal == 2 && notice->isHidden());
        QCOMPARE(QDir(files.path()).entryList(QDir::Files), before);
        // The bar shows the work's progress, none before the work tells any, until Cancel.
        int shownAt = -1;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && (shownAt = dialog->value()) == 500)
                dialog->findChild<QPushButton*>()->click();
        });
        poll.start(10);
        const WriteOutcome told = real.host().runLongWrite("", "", [](const WorkProgress& step) {
            step(0, 0);
            QThread::msleep(120); // the bar's updates see a whole of nothing meanwhile
            while (step(5, 10))
                QThread::msleep(5);
            return WriteOutcome{"", false, kWriteCancelled};
        });
        QVERIFY(shownAt == 500 && told.reason == kWriteCancelled);
    }
};

QTEST_MAIN(OpenFilesTest)
#include "open_files_test.moc"
