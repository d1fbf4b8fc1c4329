#pragma once
// What the state object needs from its front end: dialogs, the screen, the printer. The window
// answers with real dialogs; the command-line driver and tests answer with scripted choices.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/user_text.h"

namespace selvane {

class CurrencyFormat;
class DetailsReport;
class PrintedPages;
class YearlySummary;
struct ChartSource;
struct TableSheet;

inline constexpr const char* kScenarioFilter =
    UI_TEXT("selvane::FinCalc",
            "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|Financial Files (*.fin)|*.fin");
// The pair of kScenarioFilter the file dialogs preselect, counted from 1: Financial Files.
inline constexpr int kScenarioFilterFin = 3;

// What a file dialog is for: each kind starts in the folder last chosen for it.
enum class FileKind { Scenario, Report, Chart, Offers, Statement };

// The windows of the program beside the main one, each of its own: the main window stays usable.
enum class Window { About, Chart, WhatIf, Schedule, CompareOffers, Statement };

struct FileDialogRequest {
    std::string title;  // "Open" or "Save As"
    std::string filter; // "All Files (*.*)|*.*|..." pairs of description and pattern
    int filterIndex = kScenarioFilterFin; // 1-based, the preselected pair
    std::string fileName;                 // preset name
    FileKind kind = FileKind::Scenario;
};

class Host {
  public:
    virtual ~Host() = default;
    // The chosen path, or nullopt when the user cancels.
    virtual std::optional<std::string> chooseOpenPath(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> chooseSavePath(const FileDialogRequest& request) = 0;
    // Shows the print dialog and prints the pages. What became of a printout to a file (its
    // path, and why it failed); a printout to a printer, or a cancelled one, has no path, and
    // `ok` says whether it printed.
    virtual WriteOutcome printPages(const PrintedPages& pages) = 0;
    // A window shown (made the first time, raised when it is already shown), and closed (with the
    // main window). Hosts without windows do neither.
    virtual void showWindow(Window) {}
    virtual void closeWindow(Window) {}

    // The save dialog with its file-type choice: the path and the chosen pair of the filter
    // (counted from 1), or nullopt when cancelled. A host without a type choice answers with the
    // preselected pair.
    struct SaveChoice {
        std::string path;
        int filterIndex = 1;
    };
    virtual std::optional<SaveChoice> chooseSavePathAndType(const FileDialogRequest& request) {
        auto path = chooseSavePath(request);
        if (!path)
            return std::nullopt;
        return SaveChoice{std::move(*path), request.filterIndex};
    }
    // Shows the pages as File > Print would print them, with a way to print them from there.
    virtual bool previewPages(const PrintedPages&) { return false; }
    // The chart window's picture written to a file (PNG or SVG by the name's ending).
    virtual WriteOutcome saveChart(const std::string& path, const ChartSource&) {
        return {path, false, "charts are not drawn here"};
    }
    // A text of the state in the user's language: the window's translation of a text marked
    // UI_TEXT("selvane::FinCalc", ...) where it is written. Hosts without languages give it as
    // written, so selvane-cli's output is the same in every language.
    virtual std::string translate(const char* text) const { return text; }
    // The language of the translated help topics, which lie in a folder of that name beside the
    // English ones ("de"); empty for the English topics.
    virtual std::string helpLanguage() const { return {}; }
    // The folders of the program's own help topics, read where the working folder lacks a topic
    // (core/help_topics.h); none where topics come from the working folder alone.
    virtual std::vector<std::string> helpFolders() const { return {}; }
    // The report's two tables written as an Excel workbook (core/workbook_export.h), by the host
    // that has the writer at hand.
    virtual WriteOutcome writeWorkbook(const std::string& path, const DetailsReport&,
                                       const YearlySummary&, bool /*investment*/,
                                       const CurrencyFormat&, const WorkProgress& = {}) {
        return {path, false, "workbooks are not written here"};
    }
    // A table of its own (Compare Offers') as a workbook, likewise written where the writer is.
    virtual WriteOutcome writeTableWorkbook(const std::string& path, const TableSheet&,
                                            const CurrencyFormat&) {
        return {path, false, "workbooks are not written here"};
    }
    // Runs a write that may take long (an export of many rows). The window shows its progress
    // under the title and text (UI_TEXT, translated there) with a Cancel button once it has run
    // half a second, and keeps painting meanwhile; the work tells its progress through the function
    // it is handed and stops when that returns false. Hosts without windows just run it.
    using LongWrite = std::function<WriteOutcome(const WorkProgress&)>;
    virtual WriteOutcome runLongWrite(const char* /*title*/, const char* /*text*/,
                                      const LongWrite& write) {
        return write({});
    }
    // Tells the user that something asked for did not happen, and why.
    virtual void showMessage(const std::string& /*title*/, const std::string& /*text*/) {}
    // A scenario file was opened, or written under the name the Save As dialog gave: the window
    // lists it under File > Recent Files. Other hosts keep no such list.
    virtual void scenarioFileUsed(const std::string& /*path*/) {}
};

// A host that cancels every dialog: for code paths that run without a front end.
class NullHost : public Host {
  public:
    std::optional<std::string> chooseOpenPath(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseSavePath(const FileDialogRequest&) override { return {}; }
    WriteOutcome printPages(const PrintedPages&) override { return {}; }
};

} // namespace selvane
