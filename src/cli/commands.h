#pragma once
// The script's commands, in one table: each word with the form of what follows it and what it
// runs on the state. A line that is not of its command's form is refused with a sentence made
// from that form, the same for every command of it.

#include <QSize>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "calculator/fincalc.h"
#include "cli/script.h"
#include "core/paper.h"

namespace selvane {

// A host whose dialogs answer with the path the current script line names.
class ScriptHost : public Host {
  public:
    explicit ScriptHost(const PageWriter& writer) : m_writer(writer) {}
    std::optional<std::string> answer;
    int typeAnswer = 1;                      // the file type a save dialog's answer chose
    Paper paper;                             // what the next printout to PDF is laid out on
    std::vector<std::string> programFolders; // of the help topics the working folder lacks

    std::vector<std::string> helpFolders() const override { return programFolders; }

    std::optional<std::string> chooseOpenPath(const FileDialogRequest&) override { return answer; }
    std::optional<std::string> chooseSavePath(const FileDialogRequest&) override { return answer; }
    WriteOutcome printPages(const PrintedPages& pages) override;
    std::optional<SaveChoice> chooseSavePathAndType(const FileDialogRequest&) override;
    WriteOutcome saveChart(const std::string& path, const ChartSource& source) override;
    WriteOutcome writeWorkbook(const std::string& path, const DetailsReport& report,
                               const YearlySummary& years, bool investment,
                               const CurrencyFormat& currency,
                               const WorkProgress& progress) override;
    WriteOutcome writeTableWorkbook(const std::string& path, const TableSheet& table,
                                    const CurrencyFormat& currency) override;
    static constexpr QSize kChartImageSize{1000, 600};

  private:
    const PageWriter& m_writer;
};

// What the commands of a run act on.
struct ScriptSession {
    FinCalc& calc;
    ScriptHost& host;
    std::ostream& out;              // where `dump` writes
    bool rateChangeMembers = false; // `ratechange` was used: dumps show its figures
    bool timelineMembers = false;   // `event` or `events` was used: dumps show the timeline
    // `start`, `first`, `basis`, `rounding` or `dates` was used: dumps show the calendar
    bool calendarMembers = false;
    bool offerMembers = false;     // `offer`, `offers` or `switch` was used: dumps show the offers
    bool statementMembers = false; // `statement` was used: dumps show the comparison
};

// Splits "word rest": the rest is everything after the single blank that follows the word.
std::pair<std::string_view, std::optional<std::string_view>> splitWord(std::string_view s);

// Runs the command `word` with the text after its blank (nullopt when the line is the word
// alone): nullopt when it ran, else why the line is not a command of its form.
std::optional<std::string> runCommand(ScriptSession& session, std::string_view word,
                                      std::optional<std::string_view> rest);

} // namespace selvane
