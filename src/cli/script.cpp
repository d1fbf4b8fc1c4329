#include "cli/script.h"

#include <charconv>
#include <limits>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

#include "calculator/keyboard.h"
#include "calculator/mode_menu.h"
#include "chart/money_chart.h"
#include "cli/pdf_pages.h"
#include "cli/state_json.h"
#include "cli/what_if_commands.h"
#include "core/fields.h"
#include "core/file_io.h"
#include "core/printed_pages.h"
#include "core/twips.h"

namespace selvane {

namespace {

// A host whose dialogs answer with the path the current script line names.
class ScriptHost : public Host {
  public:
    explicit ScriptHost(const PageWriter& writer) : m_writer(writer) {}
    std::optional<std::string> answer;
    int typeAnswer = 1; // the file type a save dialog's answer chose
    Paper paper;        // what the next printout to PDF is laid out on

    std::optional<std::string> chooseOpenPath(const FileDialogRequest&) override { return answer; }
    std::optional<std::string> chooseSavePath(const FileDialogRequest&) override { return answer; }
    WriteOutcome printPages(const PrintedPages& pages) override {
        if (!answer)
            return {};
        return m_writer(pages, *answer, paper);
    }
    int screenHeightTwips() override { return 1080 * kTwipsPerPixel; }
    std::optional<SaveChoice> chooseSavePathAndType(const FileDialogRequest&) override {
        if (!answer)
            return std::nullopt;
        return SaveChoice{*answer, typeAnswer};
    }
    WriteOutcome saveChart(const std::string& path, const ChartSource& source) override {
        ensureGuiApplication();
        return writeChartImage(source, path, kChartImageSize);
    }
    static constexpr QSize kChartImageSize{1000, 600};

  private:
    const PageWriter& m_writer;
};

// A whole decimal number; values beyond int are kept as "outside any list".
std::optional<int> integerArgument(std::string_view s) {
    if (s.empty())
        return std::nullopt;
    long long v = 0;
    const char* first = s.data();
    const auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), v);
    if (ptr != s.data() + s.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range || v > std::numeric_limits<int>::max() ||
        v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (ec != std::errc())
        return std::nullopt;
    return static_cast<int>(v);
}

std::optional<int> fieldArgument(std::string_view s) {
    if (s.empty() || s.size() > 2 || s.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int v = std::stoi(std::string(s));
    if (v < 0 || v >= kFieldCount)
        return std::nullopt;
    return v;
}

// Splits "word rest": the rest is everything after the single blank that follows the word.
std::pair<std::string_view, std::optional<std::string_view>> splitWord(std::string_view s) {
    const size_t blank = s.find(' ');
    if (blank == std::string_view::npos)
        return {s, std::nullopt};
    return {s.substr(0, blank), s.substr(blank + 1)};
}

bool runHelp(FinCalc& calc, std::string_view target) {
    if (target == "Label1")
        calc.Label1_Click();
    else if (target == "Label2")
        calc.Label2_Click();
    else if (target == "lblResult")
        calc.lblResult_Click();
    else if (target == "General")
        calc.mnTopics_Click();
    else if (auto i = fieldArgument(target))
        calc.lblSL_Click(*i);
    else
        return false;
    return true;
}

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
                                     const PageWriter& writer, std::ostream* warnings) {
    ScriptHost host(writer);
    FinCalc calc(host);
    calc.Form_Load();

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

        auto fail = [&](std::string message) { return ScriptError{lineNo, std::move(message)}; };
        // A command that writes a file (a save, a print, an export, a chart) and fails is told.
        const std::uint64_t writesBefore = calc.writeCount;
        const auto [word, rest] = splitWord(line);
        const std::string_view arg = rest.value_or(std::string_view());

        if (word == "dump" || word == "calculate" || word == "details") {
            // Trailing blanks are forgiven; anything else after the word is not of the form.
            if (rest && rest->find_first_not_of(' ') != std::string_view::npos)
                return fail(std::string(word) + " takes no argument");
            if (word == "dump")
                writeStateJson(out, calc);
            else if (word == "calculate")
                calc.btnCalculate_Click();
            else
                calc.mnTable_Click();
        } else if (word == "mode") {
            const std::optional<Mode> m = modeOfCliName(arg);
            if (!m)
                return fail("unknown mode '" + std::string(arg) + "'");
            runModeSwitch(calc, *m);
        } else if (word == "result" || word == "compound" || word == "period") {
            const auto n = integerArgument(arg);
            if (!n)
                return fail(std::string(word) + " needs a whole number");
            if (word == "result")
                calc.chooseResult(*n);
            else if (word == "compound")
                calc.chooseCompound(*n);
            else
                calc.choosePeriod(*n);
        } else if (word == "type") {
            const auto [index, text] = splitWord(arg);
            const auto i = fieldArgument(index);
            if (!i)
                return fail("type needs a field index 0 to " + std::to_string(kFieldCount - 1));
            typeText(calc, *i, text.value_or(std::string_view()));
        } else if (word == "erase" || word == "clear" || word == "enter") {
            const auto i = fieldArgument(arg);
            if (!i)
                return fail(std::string(word) + " needs a field index 0 to " +
                            std::to_string(kFieldCount - 1));
            if (word == "erase")
                pressBackspace(calc, *i);
            else if (word == "clear")
                selectAllAndDelete(calc, *i);
            else
                pressEnter(calc, *i);
        } else if (word == "help") {
            if (!runHelp(calc, arg))
                return fail("unknown help target '" + std::string(arg) + "'");
        } else if (word == "paper") {
            const auto [size, margin] = splitWord(arg);
            const auto paper = margin ? parsePaper(size, *margin) : std::nullopt;
            if (!paper)
                return fail("paper needs A4, Letter or Legal and a margin of 0 to 50 millimetres");
            host.paper = *paper;
        } else if (word == "chart" || word == "export" || word == "export-yearly") {
            // A name of blanks alone is a missing name; any other name is used as written.
            if (arg.find_first_not_of(' ') == std::string_view::npos)
                return fail(std::string(word) + " needs a file name");
            host.answer = std::string(arg);
            host.typeAnswer = word == "export-yearly" ? 2 : 1;
            if (word == "chart")
                calc.mnSaveChart_Click();
            else
                calc.mnExport_Click();
            host.answer.reset();
            host.typeAnswer = 1;
        } else if (isWhatIfCommand(word)) {
            if (auto problem = runWhatIfCommand(calc, word, rest))
                return fail(std::move(*problem));
        } else if (word == "open" || word == "save" || word == "saveas" || word == "print") {
            host.answer = std::string(arg);
            if (word == "open")
                calc.mnOpen_Click();
            else if (word == "save")
                calc.mnSave_Click();
            else if (word == "saveas")
                calc.mnSaveAs_Click();
            else
                calc.mnPrint_Click();
            host.answer.reset();
        } else {
            return fail("unknown command '" + std::string(word) + "'");
        }
        if (warnings != nullptr && calc.writeCount != writesBefore && !calc.lastWrite->ok)
            *warnings << "selvane-cli: line " << lineNo << ": could not write "
                      << calc.lastWrite->path << ": " << calc.lastWrite->reason << '\n';
    }
    out.flush();
    return std::nullopt;
}

} // namespace selvane
