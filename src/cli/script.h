#pragma once
// The command-line driver's script language: one user action a line, run against the same
// state object and handlers as the window.

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "calculator/fincalc.h"
#include "core/paper.h"

namespace selvane {

struct ScriptError {
    int line;
    std::string message;
};

// Where `print PATH` sends the pages, with the paper the last `paper` line chose (A4 with 10 mm
// margins before any). The default writes plain text, which has no sheet to lay out on; the
// program installs a writer that also knows PDF.
using PageWriter =
    std::function<WriteOutcome(const PrintedPages&, const std::string& path, const Paper& paper)>;
WriteOutcome writePlainTextPages(const PrintedPages& pages, const std::string& path,
                                 const Paper& paper = {});

// Starts the calculator as the window does, runs the script and prints each `dump` to out.
// Returns the first line that is not a command, or whose arguments are not of its form. A write
// that fails is told on `warnings` ("selvane-cli: line N: could not write PATH: REASON"), and the
// script goes on.
// Help topics the working folder lacks are read from helpFolders.
std::optional<ScriptError> runScript(std::istream& script, std::ostream& out,
                                     const PageWriter& writer = writePlainTextPages,
                                     std::ostream* warnings = nullptr,
                                     std::vector<std::string> helpFolders = {});

} // namespace selvane
