#include "cli/script.h"

#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "core/file_io.h"
#include "core/printed_pages.h"

namespace selvane {

namespace {

// A script line longer than this is no command of any form. Reading stops at it, so that a line
// without end (a device, a file of zeros on standard input) is never held in memory.
constexpr size_t kMaxScriptLine = 1u << 20;

enum class LineRead { Line, End, TooLong };

// The next line without its LF (and without a CR before it), like getline, but reading no more
// than kMaxScriptLine bytes and a CR of it.
LineRead readScriptLine(std::streambuf& in, std::string& line) {
    using Traits = std::streambuf::traits_type;
    line.clear();
    for (bool any = false;; any = true) {
        const auto c = in.sbumpc();
        if (c == Traits::eof()) {
            if (!any)
                return LineRead::End;
            break;
        }
        if (c == '\n')
            break;
        if (line.size() > kMaxScriptLine)
            return LineRead::TooLong;
        line += Traits::to_char_type(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line.size() > kMaxScriptLine ? LineRead::TooLong : LineRead::Line;
}

} // namespace

WriteOutcome writePlainTextPages(const PrintedPages& pages, const std::string& path, const Paper&) {
    if (!pages.complete())
        return {path, false, kNoReportToPrint};
    // Page by page: a printout of millions of rows is never held whole.
    return replaceFileWith(path, [&pages](const WritePiece& write) {
        for (std::int64_t p = 0; p < pages.pageCount(); ++p) {
            if (!write(pages.pageText(p)))
                return false;
        }
        return true;
    });
}

std::optional<ScriptError> runScript(std::istream& script, std::ostream& out,
                                     const PageWriter& writer, std::ostream* warnings,
                                     std::vector<std::string> helpFolders) {
    ScriptHost host(writer);
    host.programFolders = std::move(helpFolders);
    FinCalc calc(host);
    calc.Form_Load();
    ScriptSession session{calc, host, out};

    std::string raw;
    int lineNo = 0;
    for (;;) {
        const LineRead read = readScriptLine(*script.rdbuf(), raw);
        if (read == LineRead::End)
            break;
        ++lineNo;
        if (read == LineRead::TooLong)
            return ScriptError{lineNo,
                               "line longer than " + std::to_string(kMaxScriptLine) + " bytes"};
        std::string_view line = raw;
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string_view::npos || line[start] == '#')
            continue;
        line.remove_prefix(start);

        // A command that writes a file (a save, a print, an export, a chart) and fails is told.
        const std::uint64_t writesBefore = calc.writeCount;
        calc.actionStarted();
        const auto [word, rest] = splitWord(line);
        if (auto refused = runCommand(session, word, rest))
            return ScriptError{lineNo, std::move(*refused)};
        if (warnings != nullptr && calc.writeCount != writesBefore && !calc.lastWrite->ok)
            *warnings << "selvane-cli: line " << lineNo << ": could not write "
                      << calc.lastWrite->path << ": " << calc.lastWrite->reason << '\n';
    }
    out.flush();
    return std::nullopt;
}

} // namespace selvane
