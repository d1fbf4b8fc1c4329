#pragma once
// Starting a system information tool from the About box: the first desktop tool installed that
// shows the machine's hardware and system, or the one message shown when none can be started.
// Finding and starting programs and the message box are reached through small interfaces so that
// tests can answer them.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QtGlobal>

namespace selvane {

inline constexpr const char* kSysInfoUnavailable =
    QT_TRANSLATE_NOOP("SysInfo", "System Information Is Unavailable At This Time");

class Launcher {
  public:
    virtual ~Launcher() = default;
    // The full path of an installed program, looked up on PATH.
    virtual std::optional<std::string> find(const std::string& program) = 0;
    // Starts the program in a normal window; false when it cannot be started.
    virtual bool start(const std::string& path) = 0;
};

class Messenger {
  public:
    virtual ~Messenger() = default;
    // A message box with an OK button only.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
};

struct SysInfoServices {
    Launcher* launcher = nullptr;
    Messenger* messenger = nullptr;
};

// Desktop tools that show the machine's hardware and system, in order of preference.
const std::vector<std::string>& sysInfoTools();

// Starts the first of sysInfoTools() installed, or shows why it cannot: none is installed, or
// the one found does not start.
void StartSysInfo(const SysInfoServices& services, const std::string& appTitle);

// The platform's own services: a PATH search with QProcess for starting programs, and a
// QMessageBox.
std::unique_ptr<Launcher> makeSystemLauncher();
std::unique_ptr<Messenger> makeSystemMessenger();

} // namespace selvane
