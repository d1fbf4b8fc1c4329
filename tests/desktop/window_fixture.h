#pragma once
// The calculator window over scripted dialogs and services, started as a user starts it, with a
// watchdog that fails the test when a modal window opens. One per window test class.

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <memory>

#include "desktop/frm_fincalc.h"
#include "desktop/recent_files_menu.h"
#include "fakes.h"
#include "modal_watchdog.h"
#include "settings_sandbox.h"

struct FakeWindow {
    std::unique_ptr<ModalWatchdog> watchdog;
    FakeDialogs dialogs;
    FakeRegistry registry;
    FakeLauncher launcher;
    FakeMessenger messenger;
    std::unique_ptr<selvane::frmFinCalc> window;

    selvane::DesktopServices services() { return {&dialogs, &registry, &launcher, &messenger}; }
    // Fresh dialogs and messages, and a started window on the screen; false when it never showed.
    // The windows open at their first-run sizes unless told to keep those of the last run.
    bool open(bool keepSizes = false) {
        sandboxSettings(); // never the user's own settings
        if (!keepSizes)
            QSettings(selvane::recentFilesSettingsPath(), QSettings::IniFormat)
                .remove(QStringLiteral("WindowSize"));
        watchdog = std::make_unique<ModalWatchdog>();
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
        const QStringList seen = watchdog ? watchdog->seen() : QStringList();
        watchdog.reset();
        if (!seen.isEmpty())
            qWarning("modal windows opened: %s", qPrintable(seen.join(", ")));
        return seen.isEmpty();
    }

    // A child of the window by its object name; a missing one ends the test run.
    template <class T = QWidget> T* named(const QString& name) const {
        if (T* w = window->findChild<T*>(name))
            return w;
        qFatal("no %s in the window", qPrintable(name));
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
};
