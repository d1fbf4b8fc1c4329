#include "desktop/sysinfo.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace selvane {

bool GetKeyValue(RegistryLayer& registry, std::uint32_t keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal) {
    const auto key = registry.openKey(keyRoot, keyName, kKeyAllAccess);
    if (!key) {
        keyVal.clear();
        return false;
    }
    auto value = registry.queryValue(*key, subKeyRef, kValueBufferBytes);
    if (!value) {
        keyVal.clear();
        registry.closeKey(*key);
        return false;
    }
    std::vector<unsigned char>& bytes = value->bytes;
    if (!bytes.empty() && bytes.back() == 0)
        bytes.pop_back(); // the string terminator

    if (value->type == kRegSz) {
        keyVal.assign(bytes.begin(), bytes.end());
    } else if (value->type == kRegDword) {
        // Stored least significant byte first; shown most significant digit first.
        std::uint32_t number = 0;
        const size_t n = std::min<size_t>(bytes.size(), 4);
        for (size_t i = n; i > 0; --i)
            number = (number << 8) | bytes[i - 1];
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(number));
        keyVal = std::string("&h") + hex;
    }
    registry.closeKey(*key);
    return true;
}

void StartSysInfo(const SysInfoServices& services, const std::string& appTitle) {
    std::string path;
    if (GetKeyValue(*services.registry, kHKeyLocalMachine, kMsInfoKey, kMsInfoValue, path)) {
        // The first location names the program itself and is trusted without a check.
        if (services.launcher->start(path))
            return;
    } else if (GetKeyValue(*services.registry, kHKeyLocalMachine, kToolsLocationKey,
                           kToolsLocationValue, path)) {
        path += "\\MSINFO32.EXE";
        if (services.launcher->fileExists(path) && services.launcher->start(path))
            return;
    }
    services.messenger->showMessage(
        appTitle, QCoreApplication::translate("SysInfo", kSysInfoUnavailable).toStdString());
}

namespace {
bool sameKeyName(const std::string& a, const std::string& b) {
    // Registry key names do not distinguish case.
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
constexpr RegistryLayer::Key kMsInfoHandle = 1;
} // namespace

const std::vector<std::string>& PathRegistry::defaultCandidates() {
    // KDE's Info Center, the two generations of HardInfo, then GNOME's monitor, whose System
    // tab is the nearest a GNOME desktop has to a system summary.
    static const std::vector<std::string> candidates = {"kinfocenter", "hardinfo2", "hardinfo",
                                                        "gnome-system-monitor"};
    return candidates;
}

PathRegistry::PathRegistry(Finder find, std::vector<std::string> candidates)
    : m_find(std::move(find)), m_candidates(std::move(candidates)) {}

std::optional<RegistryLayer::Key>
PathRegistry::openKey(std::uint32_t root, const std::string& keyName, std::uint32_t /*access*/) {
    if (root != kHKeyLocalMachine || !sameKeyName(keyName, kMsInfoKey))
        return std::nullopt;
    return kMsInfoHandle;
}

std::optional<RegistryValue> PathRegistry::queryValue(Key key, const std::string& valueName,
                                                      std::size_t bufferBytes) {
    if (key != kMsInfoHandle || !sameKeyName(valueName, kMsInfoValue))
        return std::nullopt;
    for (const std::string& program : m_candidates) {
        const auto path = m_find(program);
        if (!path || path->empty())
            continue;
        if (path->size() + 1 > bufferBytes)
            return std::nullopt;
        RegistryValue value{kRegSz, std::vector<unsigned char>(path->begin(), path->end())};
        value.bytes.push_back(0);
        return value;
    }
    return std::nullopt;
}

namespace {
class ProcessLauncher : public Launcher {
  public:
    bool fileExists(const std::string& path) override {
        return QFileInfo(QString::fromStdString(path)).isFile();
    }
    bool start(const std::string& program) override {
        return QProcess::startDetached(QString::fromStdString(program), {});
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

std::unique_ptr<RegistryLayer> makeSystemRegistry() {
    return std::make_unique<PathRegistry>([](const std::string& program) {
        const QString path = QStandardPaths::findExecutable(QString::fromStdString(program));
        return path.isEmpty() ? std::nullopt : std::optional<std::string>(path.toStdString());
    });
}
std::unique_ptr<Launcher> makeSystemLauncher() {
    return std::make_unique<ProcessLauncher>();
}
std::unique_ptr<Messenger> makeSystemMessenger() {
    return std::make_unique<MessageBoxMessenger>();
}

} // namespace selvane
