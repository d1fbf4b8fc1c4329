#pragma once
// Keeps the window tests away from the user's own settings (File > Recent Files is kept there):
// every QSettings of the test program reads and writes a temporary folder of its own, removed
// when the program ends. Call before the first window is made.

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

inline QString sandboxSettings() {
    static QTemporaryDir dir;
    static const bool done = [] {
        // The recent files' settings file is found where the user's configuration folder is.
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
                QSettings::setPath(format, scope, dir.path());
        return true;
    }();
    (void)done;
    return dir.path();
}
