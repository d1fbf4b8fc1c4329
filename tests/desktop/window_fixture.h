#pragma once
// The calculator window over scripted dialogs and services, started as a user starts it, with a
// watchdog that fails the test when a modal window opens. One per window test class.

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
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
        window = std::make_unique<selvane::frmFinCalc>(
            selvane::DesktopServices{&dialogs, &registry, &launcher, &messenger});
        window->Form_Load();
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    // Closes the window and the windows it unloads; the modal windows seen, empty when none.
    QStringList close() {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QStringList seen = watchdog ? watchdog->seen() : QStringList();
        watchdog.reset();
        return seen;
    }
    // A menu entry of the window by its object name; a missing one ends the test run.
    QAction* action(const char* name) const {
        auto* a = window->findChild<QAction*>(QLatin1String(name));
        if (!a)
            qFatal("no action %s", name);
        return a;
    }
};
