#include "desktop/sysinfo.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace selvane {

const std::vector<std::string>& sysInfoTools() {
    // KDE's Info Center, the two generations of HardInfo, then GNOME's monitor, whose System
    // tab is the nearest a GNOME desktop has to a system summary.
    static const std::vector<std::string> tools = {"kinfocenter", "hardinfo2", "hardinfo",
                                                   "gnome-system-monitor"};
    return tools;
}

void StartSysInfo(const SysInfoServices& services, const std::string& appTitle) {
    for (const std::string& tool : sysInfoTools()) {
        const auto path = services.launcher->find(tool);
        if (!path || path->empty())
            continue;
        if (services.launcher->start(*path))
            return;
        break; // the tool the user has does not start: say so rather than start another
    }
    services.messenger->showMessage(
        appTitle, QCoreApplication::translate("SysInfo", kSysInfoUnavailable).toStdString());
}

namespace {
class ProcessLauncher : public Launcher {
  public:
    std::optional<std::string> find(const std::string& program) override {
        const QString path = QStandardPaths::findExecutable(QString::fromStdString(program));
        return path.isEmpty() ? std::nullopt : std::optional<std::string>(path.toStdString());
    }
    bool start(const std::string& path) override {
        return QProcess::startDetached(QString::fromStdString(path), {});
    }
};

class MessageBoxMessenger : public Messenger {
  public:
    void showMessage(const std::string& title, const std::string& text) override {
        QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                        QString::fromStdString(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }
};
} // namespace

std::unique_ptr<Launcher> makeSystemLauncher() {
    return std::make_unique<ProcessLauncher>();
}
std::unique_ptr<Messenger> makeSystemMessenger() {
    return std::make_unique<MessageBoxMessenger>();
}

} // namespace selvane
