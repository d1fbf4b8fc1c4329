// selvane-hostile: runs scripts of hostile user actions through the same script driver as
// selvane-cli and reports how long every single action took and how much memory the process
// needed at its peak. Each script runs in a child process of its own (fresh calculator, fresh
// scratch folder with the help topics and the hostile test files), so each peak belongs to one
// script; the largest of them is the run's peak.
//
//   selvane-hostile [--window] [--max-seconds S] [--max-mb M] SCRIPT...
//
// With --window the scripts run through the real window instead (see window_driver.h; needs a
// display, such as xvfb-run's): a line's time then also covers the painting it causes.
//
// An action is one script line; its time runs from the moment the driver asks for the line to
// the moment it asks for the next one (in the window: the longest the window went without
// handling events while the line ran). A `type` line is one action per character typed, so it is
// fed as one line per character (an Enter as `enter`) and shown as one row with its total and its
// slowest key. Dumps go to a stream that only counts bytes; prints go to real files (plain text
// or PDF). Exit status 0 whatever was measured, 2 on a usage error.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <QApplication>

#include "cli/pdf_pages.h"
#include "cli/script.h"
#include "window_driver.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

long peakKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Discards the dumps, counting their bytes.
class CountingSink : public std::streambuf {
  public:
    long long bytes = 0;

  protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof())
            ++bytes;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        bytes += n;
        return n;
    }
};

struct Action {
    int line;       // of the fed script
    double seconds; // in the window: the longest the window went without answering
    long peakKb;
    long long outputBytes;
    double total = -1; // in the window: the whole time of the action
};

// Hands the script to the driver one line at a time and notes the time, the peak memory and the
// output so far whenever the driver comes back for the next line.
class LineClock : public std::streambuf {
  public:
    LineClock(std::vector<std::string> lines, const CountingSink& sink)
        : m_lines(std::move(lines)), m_sink(sink), m_start(Clock::now()) {}
    std::vector<Action> actions; // line 0 is the start-up

  protected:
    int_type underflow() override {
        if (!m_finished)
            record();
        if (m_next == m_lines.size()) {
            m_finished = true;
            return traits_type::eof();
        }
        m_current = m_lines[m_next++] + '\n';
        setg(m_current.data(), m_current.data(), m_current.data() + m_current.size());
        m_start = Clock::now();
        return traits_type::to_int_type(m_current[0]);
    }

  private:
    void record() {
        const double s = std::chrono::duration<double>(Clock::now() - m_start).count();
        actions.push_back({static_cast<int>(m_next), s, peakKb(), m_sink.bytes - m_bytesBefore});
        m_bytesBefore = m_sink.bytes;
    }
    std::vector<std::string> m_lines;
    const CountingSink& m_sink;
    Clock::time_point m_start;
    std::string m_current;
    size_t m_next = 0;
    long long m_bytesBefore = 0;
    bool m_finished = false;
};

// One step of the fed script and the line of the original script it belongs to.
struct Step {
    std::string text;
    int sourceLine;
};

// Splits `type I TEXT` into one line per character (whole UTF-8 sequences): typing is a key
// at a time, and each key is an action of its own.
std::vector<Step> steps(const std::vector<std::string>& lines) {
    std::vector<Step> out;
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        const int source = static_cast<int>(n + 1);
        std::string body = line;
        if (!body.empty() && body.back() == '\r')
            body.pop_back();
        const size_t start = body.find_first_not_of(" \t");
        const size_t textAt = start == std::string::npos ? 0 : body.find(' ', start + 5);
        if (start == std::string::npos || body.compare(start, 5, "type ") != 0 ||
            textAt == std::string::npos) {
            out.push_back({line, source});
            continue;
        }
        const std::string field = body.substr(start + 5, textAt - start - 5);
        const std::string text = body.substr(textAt + 1);
        for (size_t i = 0; i < text.size();) {
            const auto b = static_cast<unsigned char>(text[i]);
            size_t len = b < 0x80         ? 1
                         : (b >> 5) == 6  ? 2
                         : (b >> 4) == 14 ? 3
                         : (b >> 3) == 30 ? 4
                                          : 1;
            len = std::min(len, text.size() - i);
            const std::string ch = text.substr(i, len);
            i += len;
            out.push_back({ch == "\r" ? "enter " + field : "type " + field + " " + ch, source});
        }
        if (text.empty())
            out.push_back({line, source});
    }
    return out;
}

void copyFolder(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(from, ec))
        if (e.is_regular_file())
            fs::copy_file(e.path(), to / e.path().filename(), ec);
}

// The child: runs one script and writes "line seconds peakKb bytes" records to fd.
int measure(const std::vector<Step>& fed, int fd, bool window) {
    const fs::path dir =
        fs::temp_directory_path() / ("selvane-hostile-" + std::to_string(getpid()));
    fs::create_directories(dir);
    copyFolder(SELVANE_HELP_DIR, dir);
    copyFolder(SELVANE_HOSTILE_FILES, dir);
    // Files of one's own over these, such as huge help topics: SELVANE_HOSTILE_EXTRA=FOLDER.
    if (const char* extra = std::getenv("SELVANE_HOSTILE_EXTRA")) {
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(extra, ec))
            if (e.is_regular_file())
                fs::copy_file(e.path(), dir / e.path().filename(),
                              fs::copy_options::overwrite_existing, ec);
    }
    fs::current_path(dir);

    std::vector<std::string> lines;
    for (const Step& st : fed)
        lines.push_back(st.text);
    std::vector<Action> actions;
    std::optional<selvane::ScriptError> error;
    if (window) {
        int argc = 1;
        char name[] = "selvane-hostile";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        const auto failed = selvane::driveWindow(
            lines, [&](size_t index, double stall, double seconds, long long bytes) {
                actions.push_back({static_cast<int>(index), stall, peakKb(), bytes, seconds});
            });
        if (failed)
            error = selvane::ScriptError{0, *failed};
    } else {
        CountingSink sink;
        std::ostream out(&sink);
        LineClock clock(lines, sink);
        std::istream in(&clock);
        error = selvane::runScript(in, out, selvane::writePages);
        actions = clock.actions;
    }

    std::string report;
    for (const Action& a : actions)
        report += std::to_string(a.line) + ' ' + std::to_string(a.seconds) + ' ' +
                  std::to_string(a.peakKb) + ' ' + std::to_string(a.outputBytes) + ' ' +
                  std::to_string(a.total) + '\n';
    if (error)
        report += "error " + std::to_string(error->line) + ' ' + error->message + '\n';
    for (size_t done = 0; done < report.size();) {
        const ssize_t n = write(fd, report.data() + done, report.size() - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(dir, ec);
    return 0;
}

std::string shown(const std::string& line) {
    std::string s;
    for (char c : line)
        s += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
    return s.size() > 60 ? s.substr(0, 57) + "... (" + std::to_string(line.size()) + " chars)" : s;
}

bool isAction(const std::string& line) {
    const size_t start = line.find_first_not_of(" \t\r");
    return start != std::string::npos && line[start] != '#';
}

} // namespace

int main(int argc, char** argv) {
    double maxSeconds = 0.5;
    long maxMb = 300;
    bool window = false;
    std::vector<std::string> scripts;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--window")
            window = true;
        else if (a == "--max-seconds" && i + 1 < argc)
            maxSeconds = std::atof(argv[++i]);
        else if (a == "--max-mb" && i + 1 < argc)
            maxMb = std::atol(argv[++i]);
        else
            scripts.push_back(fs::absolute(a).string());
    }
    if (scripts.empty()) {
        std::fprintf(
            stderr, "usage: selvane-hostile [--window] [--max-seconds S] [--max-mb M] SCRIPT...\n");
        return 2;
    }

    double worst = 0;
    std::string worstWhere;
    long peak = 0;
    std::string peakWhere;
    int slow = 0;
    for (const std::string& path : scripts) {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 2;
        }
        std::vector<std::string> lines;
        for (std::string l; std::getline(file, l);)
            lines.push_back(l);
        const std::vector<Step> fed = steps(lines);

        int pipeFd[2];
        if (pipe(pipeFd) != 0)
            return 2;
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            close(pipeFd[0]);
            _exit(measure(fed, pipeFd[1], window));
        }
        close(pipeFd[1]);
        std::string records;
        char buf[4096];
        for (ssize_t n; (n = read(pipeFd[0], buf, sizeof buf)) > 0;)
            records.append(buf, static_cast<size_t>(n));
        close(pipeFd[0]);
        int status = 0;
        waitpid(child, &status, 0);

        std::printf("\n== %s\n", fs::path(path).filename().c_str());
        std::printf("   line     ms   peak MB     output  action\n");
        std::istringstream in(records);
        long scriptPeak = 0;
        // The steps of one source line are gathered into one row: total, slowest step, keys.
        struct Row {
            int line = -1;
            double total = 0, slowest = 0;
            double ran = 0; // in the window: the steps' whole time, waits included
            long kb = 0;
            long long bytes = 0;
            int steps = 0;
        } row;
        auto flush = [&] {
            if (row.line < 0)
                return;
            const std::string text =
                row.line == 0 ? "(start-up)" : lines[static_cast<size_t>(row.line - 1)];
            if (row.line == 0 || isAction(text)) {
                const bool over = row.slowest > maxSeconds;
                slow += over;
                std::string what = shown(text);
                if (row.steps > 1)
                    what += "  [" + std::to_string(row.steps) + " keys, slowest " +
                            std::to_string(row.slowest * 1000).substr(0, 6) + " ms]";
                // A long printout keeps the window answering behind its progress dialog: its
                // row shows the longest stall, and here how long it ran.
                if (window && row.steps == 1 && row.ran > row.total + 0.05)
                    what += "  [ran " + std::to_string(static_cast<long>(row.ran * 1000)) +
                            " ms, the window answering]";
                std::printf("%s %5d %7.1f %8.1f %10lld  %s\n", over ? " !" : "  ", row.line,
                            row.total * 1000, static_cast<double>(row.kb) / 1024, row.bytes,
                            what.c_str());
                if (row.slowest > worst) {
                    worst = row.slowest;
                    worstWhere = fs::path(path).filename().string() + ":" +
                                 std::to_string(row.line) + " " + shown(text);
                }
            }
            row = Row{};
        };
        for (std::string rec; std::getline(in, rec);) {
            if (rec.rfind("error ", 0) == 0) {
                flush();
                std::printf("   script error at fed line %s\n", rec.c_str() + 6);
                continue;
            }
            int step = 0;
            double s = 0;
            long kb = 0;
            long long bytes = 0;
            std::istringstream r(rec);
            double ran = -1;
            r >> step >> s >> kb >> bytes >> ran;
            scriptPeak = std::max(scriptPeak, kb);
            const int source = step == 0 ? 0 : fed[static_cast<size_t>(step - 1)].sourceLine;
            if (source != row.line)
                flush();
            row.line = source;
            row.total += s;
            row.ran += std::max(ran, 0.0);
            row.slowest = std::max(row.slowest, s);
            row.kb = std::max(row.kb, kb);
            row.bytes += bytes;
            ++row.steps;
        }
        flush();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            std::printf("   the script's process ended abnormally (status %d)\n", status);
        if (scriptPeak > peak) {
            peak = scriptPeak;
            peakWhere = fs::path(path).filename().string();
        }
    }

    const double peakMb = static_cast<double>(peak) / 1024;
    std::printf("\nworst single action: %.3f s  (%s)\n", worst, worstWhere.c_str());
    std::printf("peak memory:  %.1f MB  (%s)\n", peakMb, peakWhere.c_str());
    std::printf("targets: every action under %.2f s: %s (%d over); peak under %ld MB: %s\n",
                maxSeconds, slow == 0 ? "met" : "MISSED", slow, maxMb,
                peakMb < static_cast<double>(maxMb) ? "met" : "MISSED");
    return 0;
}
