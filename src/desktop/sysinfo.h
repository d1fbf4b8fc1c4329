#pragma once
// Starting the system information tool from the About box: where the registry says the tool is,
// and the one message shown when it cannot be started. The registry, the file system, program
// start and the message box are reached through small interfaces so that tests can answer them.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QtGlobal>

namespace selvane {

inline constexpr std::uint32_t kHKeyLocalMachine = 0x80000002u;
inline constexpr std::uint32_t kKeyAllAccess = 0x2003Fu; // the rights the lookups ask for
inline constexpr std::uint32_t kRegSz = 1, kRegDword = 4;
inline constexpr std::size_t kValueBufferBytes = 1024;

inline constexpr const char* kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kMsInfoValue = "PATH";
inline constexpr const char* kToolsLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kToolsLocationValue = "MSINFO";
inline constexpr const char* kSysInfoUnavailable =
    QT_TRANSLATE_NOOP("SysInfo", "System Information Is Unavailable At This Time");

struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<unsigned char> bytes; // as stored, a string's terminating zero included
};

// The registry operations the lookups need; nothing is ever written.
class RegistryLayer {
  public:
    using Key = std::uintptr_t;
    virtual ~RegistryLayer() = default;
    virtual std::optional<Key> openKey(std::uint32_t root, const std::string& keyName,
                                       std::uint32_t access) = 0;
    // Fails when the value is missing or larger than bufferBytes.
    virtual std::optional<RegistryValue> queryValue(Key key, const std::string& valueName,
                                                    std::size_t bufferBytes) = 0;
    virtual void closeKey(Key key) = 0;
};

class Launcher {
  public:
    virtual ~Launcher() = default;
    virtual bool fileExists(const std::string& path) = 0;
    // Starts the program in a normal window; false when it cannot be started.
    virtual bool start(const std::string& program) = 0;
};

class Messenger {
  public:
    virtual ~Messenger() = default;
    // A message box with an OK button only.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
};

// Reads value valueName of key keyName under root into keyVal. On failure keyVal is emptied and
// the result is false. A value of a type other than string or 32-bit number leaves keyVal as it
// was and still counts as read.
bool GetKeyValue(RegistryLayer& registry, std::uint32_t keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);

struct SysInfoServices {
    RegistryLayer* registry = nullptr;
    Launcher* launcher = nullptr;
    Messenger* messenger = nullptr;
};

// Starts the tool named by the registry, or shows why it cannot.
void StartSysInfo(const SysInfoServices& services, const std::string& appTitle);

// Where there is no registry: a layer that answers only the first lookup, with the full path
// of the first system-information program found on PATH, and fails every other lookup.
class PathRegistry : public RegistryLayer {
  public:
    using Finder = std::function<std::optional<std::string>(const std::string& program)>;
    // Desktop tools that show the machine's hardware and system, in order of preference.
    static const std::vector<std::string>& defaultCandidates();

    explicit PathRegistry(Finder find, std::vector<std::string> candidates = defaultCandidates());

    std::optional<Key> openKey(std::uint32_t root, const std::string& keyName,
                               std::uint32_t access) override;
    std::optional<RegistryValue> queryValue(Key key, const std::string& valueName,
                                            std::size_t bufferBytes) override;
    void closeKey(Key) override {}

  private:
    Finder m_find;
    std::vector<std::string> m_candidates;
};

// The platform's own services: the registry layer above with a PATH search, QProcess for
// starting programs, and a QMessageBox.
std::unique_ptr<RegistryLayer> makeSystemRegistry();
std::unique_ptr<Launcher> makeSystemLauncher();
std::unique_ptr<Messenger> makeSystemMessenger();

} // namespace selvane
