// The whole calculator driven by arbitrary script text: every handler, the mode switches, the
// lists, typing, Open/Save/Print and the dump. Every `dump` line must be one JSON object of
// the documented shape, whatever bytes the script gave the texts.
//
// Bounds, and why: a script is at most 4 KiB and runs at most 64 actions (a line, or an Enter
// typed inside a line, counts as one), because every action may legitimately run payment loops
// of up to ten million passes; past that an input only measures how long a script is. Paths
// must be plain names: the target runs in a scratch folder, and no command that names a file
// (open, save, saveas, print, chart, export, export-yearly) may touch anything outside it. Output
// grows with the report, up to ten million rows: a dump past 4 MiB or a print past 2,000 pages ends
// the input where it stands (their cost in time and memory is measured by tools/hostile, not
// searched for here).

#include <QByteArray>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "../tests/support/json_compare.h"
#include "cli/script.h"
#include "core/printed_pages.h"
#include "fuzz_check.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxScriptBytes = 4096;
constexpr int kMaxActions = 64;
constexpr size_t kMaxDumpBytes = 4u << 20;
constexpr std::int64_t kMaxPrintedPages = 2000;

// Thrown by the sinks to end an input whose output has grown past the bounds above.
struct OutputBound {};

struct WorkFolder {
    fs::path dir;
    std::vector<std::pair<std::string, std::string>> topics; // the help topics, name and bytes

    void reset() const {
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dir, ec))
            fs::remove_all(e.path(), ec);
        for (const auto& [name, bytes] : topics)
            std::ofstream(dir / name, std::ios::binary) << bytes;
    }
};
WorkFolder g_work;

// libFuzzer ends an interrupted run, a timeout, a crash and a memory blow-up with _Exit or
// abort, which run no destructor and no atexit handler. So a watcher process removes the folder
// once this one has ended, however it ended: the write end of a pipe closes with this process.
// The watcher leaves the session, so a Ctrl-C meant for the fuzzer does not stop it first.
void removeWhenProcessEnds(const fs::path& dir) {
    int fds[2];
    FUZZ_CHECK(::pipe2(fds, O_CLOEXEC) == 0);
    const pid_t pid = ::fork();
    FUZZ_CHECK(pid >= 0);
    if (pid == 0) {
        ::close(fds[1]);
        ::setsid();
        const int null = ::open("/dev/null", O_RDWR);
        for (int fd = 0; fd <= 2; ++fd)
            ::dup2(null, fd); // holds no pipe of whoever waits for the fuzzer's output
        char byte;
        while (::read(fds[0], &byte, 1) < 0 && errno == EINTR) {
        }
        std::error_code ec;
        fs::remove_all(dir, ec);
        ::_exit(0);
    }
    ::close(fds[0]); // the write end stays open, unused, as long as this process lives
}

void checkDump(const std::string& line) {
    QString why;
    const auto dump = selvane::testing::parseDump(QByteArray::fromStdString(line), &why);
    if (!dump)
        std::fprintf(stderr, "dump is not JSON (%s): %.200s\n", why.toUtf8().constData(),
                     line.c_str());
    FUZZ_CHECK(dump.has_value());
    QStringList faults;
    selvane::testing::checkDumpShape(*dump, QStringLiteral("dump"), faults);
    for (const QString& f : faults)
        std::fprintf(stderr, "%s\n", f.toUtf8().constData());
    FUZZ_CHECK(faults.isEmpty());
}

// Collects the dump lines and checks each one.
class DumpChecker : public std::streambuf {
  public:
    int dumps = 0;

  protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof())
            put(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        for (std::streamsize i = 0; i < n; ++i)
            put(s[i]);
        return n;
    }

  private:
    void put(char c) {
        if (c != '\n') {
            if (m_line.size() >= kMaxDumpBytes)
                throw OutputBound{};
            m_line += c;
            return;
        }
        ++dumps;
        checkDump(m_line);
        m_line.clear();
    }
    std::string m_line;
};

// Every command whose argument is a file name: docs/selvane-cli.md's table.
bool pathCommand(std::string_view word) {
    return word == "open" || word == "save" || word == "saveas" || word == "print" ||
           word == "chart" || word == "export" || word == "export-yearly";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Currency texts follow the environment; pin them so inputs replay alike everywhere.
    setenv("LC_ALL", "en_US.UTF-8", 1);
    g_work.dir = fs::temp_directory_path() / ("selvane-cli-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(g_work.dir);
    removeWhenProcessEnds(g_work.dir);
    for (const auto& e : fs::directory_iterator(SELVANE_HELP_DIR)) {
        std::ifstream in(e.path(), std::ios::binary);
        g_work.topics.emplace_back(e.path().filename().string(),
                                   std::string(std::istreambuf_iterator<char>(in), {}));
    }
    g_work.reset();
    fs::current_path(g_work.dir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace selvane;
    if (size > kMaxScriptBytes)
        return -1;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // The lines that fit the action budget, then a final dump of the state.
    std::string script;
    int actions = 0, lines = 0;
    bool writes = false;
    for (size_t pos = 0; pos < input.size();) {
        size_t end = input.find('\n', pos);
        if (end == std::string_view::npos)
            end = input.size();
        std::string_view line = input.substr(pos, end - pos);
        pos = end + 1;
        int cost = 1;
        for (size_t i = 0; i + 1 < line.size(); ++i)
            cost += line[i] == '\r';
        if (actions + cost > kMaxActions)
            break;
        actions += cost;
        const size_t start = line.find_first_not_of(" \t");
        if (start != std::string_view::npos) {
            const std::string_view rest = line.substr(start);
            const std::string_view word = rest.substr(0, rest.find(' '));
            if (pathCommand(word)) {
                if (rest.find('/') != std::string_view::npos)
                    return -1; // outside the folder
                writes = writes || word != "open";
            }
        }
        script.append(line);
        script += '\n';
        ++lines;
    }
    script += "dump\n";
    ++lines;

    DumpChecker sink;
    std::ostream out(&sink);
    out.exceptions(std::ios::badbit); // lets OutputBound through the stream
    std::istringstream in(script);
    const PageWriter writer = [](const PrintedPages& pages, const std::string& path,
                                 const Paper& paper) {
        if (pages.pageCount() > kMaxPrintedPages)
            throw OutputBound{};
        return writePlainTextPages(pages, path, paper);
    };
    std::optional<ScriptError> error;
    try {
        error = runScript(in, out, writer);
        out.flush();
    } catch (const OutputBound&) {
        if (writes)
            g_work.reset();
        return 0;
    }
    if (error) {
        FUZZ_CHECK(error->line >= 1 && error->line <= lines);
        FUZZ_CHECK(!error->message.empty());
    } else {
        FUZZ_CHECK(sink.dumps >= 1); // the final dump ran
    }
    if (writes)
        g_work.reset();
    return 0;
}
