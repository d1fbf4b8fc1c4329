// selvane-cli: runs a script of user actions against the calculator and prints its state.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>

#include "cli/pdf_pages.h"
#include "cli/script.h"
#include "core/file_io.h"
#include "core/help_topics.h"

namespace {

// The script file, read through its own descriptor. It is opened without waiting (a FIFO with
// no writer would block the open for ever) and must be a regular file: a directory, a device
// such as /dev/zero or a pipe is not a script.
class ScriptFile : public std::streambuf {
  public:
    ScriptFile() = default;
    ScriptFile(const ScriptFile&) = delete;
    ScriptFile& operator=(const ScriptFile&) = delete;
    ~ScriptFile() override { ::close(m_fd); } // -1 when nothing was opened: nothing to close

    // Empty when the file is open for reading, else why it cannot be read.
    std::string open(const char* path) {
        m_fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (m_fd < 0)
            return std::strerror(errno);
        struct stat st {};
        if (::fstat(m_fd, &st) != 0)
            return std::strerror(errno);
        if (S_ISDIR(st.st_mode))
            return std::strerror(EISDIR);
        if (!S_ISREG(st.st_mode))
            return "not a regular file";
        return {};
    }
    int readError = 0; // errno of a failed read, which ends the script like its end

  protected:
    int_type underflow() override {
        for (;;) {
            const ssize_t n = ::read(m_fd, m_buffer, sizeof m_buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                readError = errno;
            if (n <= 0)
                return traits_type::eof();
            setg(m_buffer, m_buffer, m_buffer + n);
            return traits_type::to_int_type(m_buffer[0]);
        }
    }

  private:
    int m_fd = -1;
    char m_buffer[1 << 16];
};

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A script named like an option is run by naming it with a folder: ./--help.
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << "Usage: selvane-cli [SCRIPT]\n"
                     "Runs a script of user actions against the Selvane calculator, read from\n"
                     "SCRIPT or standard input, and prints the calculator's state as JSON at\n"
                     "every dump.\n\n"
                     "  --help     show this help and exit\n"
                     "  --version  show the version and exit\n\n"
                     "See selvane-cli(1) for the commands.\n";
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "selvane-cli " << SELVANE_VERSION << "\n";
        return 0;
    }
    if (argc > 2) {
        std::cerr << "usage: selvane-cli [SCRIPT]\n";
        return 2;
    }
    ScriptFile file;
    if (argc == 2) {
        const std::string why = file.open(argv[1]);
        if (!why.empty()) {
            std::cerr << "selvane-cli: cannot read " << argv[1] << ": " << why << "\n";
            return 2;
        }
    }
    std::istream fileStream(&file);
    std::istream& script = argc == 2 ? fileStream : std::cin;
    const auto error =
        selvane::runScript(script, std::cout, selvane::writePages, &std::cerr,
                           selvane::programHelpFolders(selvane::runningProgramFolder()));
    if (error) {
        std::cout.flush();
        std::cerr << "selvane-cli: line " << error->line << ": " << error->message << "\n";
        return 2;
    }
    if (file.readError != 0) {
        std::cout.flush();
        std::cerr << "selvane-cli: cannot read " << argv[1] << ": " << std::strerror(file.readError)
                  << "\n";
        return 2;
    }
    return 0;
}
