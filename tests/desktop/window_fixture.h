#pragma once
// The calculator window over scripted dialogs and message box, started as a user starts it, with
// settings of its own and a watchdog that fails the test when a modal window opens: every dialog
// of the program must reach the tests through a fake. It brings the Qt and window headers the
// window tests share.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "desktop/frm_chart.h"
#include "desktop/frm_fincalc.h"
#include "desktop/frm_what_if.h"
#include "desktop/printing.h"
#include "desktop/qt_host.h"
#include "desktop/recent_files_menu.h"

// Keeps the tests away from the user's own settings (File > Recent Files is kept there): every
// QSettings of the test program reads and writes a temporary folder of its own, removed when the
// program ends. Call before the first window is made; the folder.
inline QString sandboxSettings() {
    static QTemporaryDir dir;
    static const QString path = [] {
        // The recent files' settings file is found where the user's configuration folder is.
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
                QSettings::setPath(format, scope, dir.path());
        return dir.path();
    }();
    return path;
}

struct FakeDialogs : selvane::Dialogs {
    std::optional<QString> answer; // the path the user picks; nullopt cancels
    int openCalls = 0, saveCalls = 0, printCalls = 0;
    selvane::FileDialogSettings last;

    std::optional<QString> openFile(QWidget*, const selvane::FileDialogSettings& s) override {
        ++openCalls;
        last = s;
        return answer;
    }
    std::optional<QString> saveFile(QWidget*, const selvane::FileDialogSettings& s) override {
        ++saveCalls;
        last = s;
        return answer;
    }
    // The user leaves the save dialog's first file type chosen.
    std::optional<std::pair<QString, int>>
    saveFileWithType(QWidget* parent, const selvane::FileDialogSettings& s) override {
        const auto path = saveFile(parent, s);
        return path ? std::optional(std::pair{*path, 1}) : std::nullopt;
    }

    // What the user does in the print dialog offered the printer for so many pages: false
    // cancels, as the user does here unless told otherwise.
    std::function<bool(QPrinter&)> onPrint = [](QPrinter&) { return false; };
    std::int64_t printedPageCount = -1;
    bool choosePrinter(QWidget*, QPrinter& printer, std::int64_t pageCount) override {
        ++printCalls;
        printedPageCount = pageCount;
        return onPrint(printer);
    }
    // What the print preview does with the printer and its painter; unset, it closes unprinted.
    std::function<bool(QPrinter&, const PaintOnto&)> onPreview;
    bool preview(QWidget*, QPrinter& printer, const PaintOnto& paint) override {
        return onPreview ? onPreview(printer, paint) : false;
    }
};

struct FakeMessenger : selvane::Messenger {
    std::vector<std::pair<std::string, std::string>> shown; // title, text
    void showMessage(const std::string& title, const std::string& text) override {
        shown.emplace_back(title, text);
    }
};

// The window over the fakes. Each window test class is one, so that its tests reach the window,
// the fakes and the helpers below by their names.
struct FakeWindow {
    // Every 10 ms while a window is open, a modal window is noted, by class and title, and closed
    // again so that the test can finish.
    QTimer watchdog;
    QStringList modal;
    FakeDialogs dialogs;
    FakeMessenger messenger;
    std::unique_ptr<selvane::frmFinCalc> window;
    QTemporaryDir files; // what the tests write, removed when the program ends

    QString path(const char* name) const { return files.filePath(QLatin1String(name)); }

    // The desktop's own program search and start: only the About box's button reaches them.
    FakeWindow() {
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                modal << QString::fromLatin1(w->metaObject()->className()) + QLatin1String(" \"") +
                             w->windowTitle() + QLatin1Char('"');
                w->close();
            }
        });
    }
    selvane::DesktopServices services() { return {&dialogs, nullptr, &messenger}; }
    // Fresh dialogs and messages, and a started window on the screen; false when it never showed.
    // The windows open at their first-run sizes unless told to keep those of the last run.
    bool open(bool keepSizes = false) {
        sandboxSettings(); // never the user's own settings
        if (!keepSizes)
            QSettings(selvane::recentFilesSettingsPath(), QSettings::IniFormat)
                .remove(QStringLiteral("WindowSize"));
        modal.clear();
        watchdog.start(10);
        dialogs = FakeDialogs();
        messenger = FakeMessenger();
        window = std::make_unique<selvane::frmFinCalc>(services());
        window->Form_Load();
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    // Closes the window and the windows it unloads; false, naming them, when a modal one opened.
    bool close() {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        watchdog.stop();
        if (!modal.isEmpty())
            qWarning("modal windows opened: %s", qPrintable(modal.join(", ")));
        return modal.isEmpty();
    }

    // A child by its object name; a missing one ends the test run.
    template <class T = QWidget> static T* childOf(const QWidget* parent, const QString& name) {
        if (T* w = parent->findChild<T*>(name))
            return w;
        qFatal("no %s in %s", qPrintable(name), qPrintable(parent->objectName()));
    }
    template <class T = QWidget> T* named(const QString& name) const {
        return childOf<T>(window.get(), name);
    }
    QAction* action(const char* name) const { return named<QAction>(QLatin1String(name)); }
    QLineEdit* field(int i) const { return named<QLineEdit>(QStringLiteral("txtSL_%1").arg(i)); }
    const selvane::FinCalc& calc() const { return window->calc(); }
    // Types text over a field's whole text as a user does, then Enter when asked.
    static void type(QLineEdit* edit, const QString& text, bool enter = false) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
        if (enter)
            QTest::keyClick(edit, Qt::Key_Return);
    }
    void enter(int field, const QString& text) { type(this->field(field), text, true); }
    // Picks an entry as a user does: open the list, move to the entry, press Enter.
    static void choose(QComboBox* box, int index) {
        box->showPopup();
        box->view()->setCurrentIndex(box->view()->model()->index(index, 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
    }
    // An event typed into the timeline's editor as a user types it, then the button clicked.
    static void editEvent(selvane::frmWhatIf* w, int kind, const QStringList& numbers, int pay = 0,
                          int keep = 0, const char* button = "cmdAddEvent") {
        choose(childOf<QComboBox>(w, "cboEventKind"), kind);
        for (int i = 0; i < 4; ++i) {
            auto* edit = childOf<QLineEdit>(w, QStringLiteral("txtEvent%1").arg(i + 1));
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            if (i < numbers.size())
                QTest::keyClicks(edit, numbers[i]);
        }
        if (kind == 3)
            choose(childOf<QComboBox>(w, "cboEventPay"), pay);
        if (kind == 0 || kind == 3)
            choose(childOf<QComboBox>(w, "cboEventKeep"), keep);
        childOf<QPushButton>(w, QLatin1String(button))->click();
    }
    // Gives the window the keyboard, as a user's click on it does; false when it never came.
    bool activate() {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // View > Chart's window, shown; Tools > What If's.
    selvane::frmChart* openChart() {
        action("mnChart")->trigger();
        auto* chart = qobject_cast<selvane::frmChart*>(window->host().chartWindow());
        if (!chart || !QTest::qWaitForWindowExposed(chart))
            qFatal("View > Chart showed no window");
        return chart;
    }
    selvane::frmWhatIf* openWhatIf() {
        action("mnWhatIf")->trigger();
        return window->host().whatIfWindow();
    }
};
