#pragma once
// Runs hostile script lines through the real window: each line becomes the clicks and keys a
// user would give frmFinCalc's widgets, and the event loop then finishes what they started,
// painting included, before the line counts as done. A heartbeat timer measures the longest
// time the window went without handling events: for most actions that is their whole time, for
// a long printout (which keeps the window answering behind its progress dialog) one page.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace selvane {

// Called after start-up (index 0) and after line i has run to completion (index i + 1), with
// the longest stall of the event loop, the whole time, and the bytes the line put on the
// clipboard or into a printed file.
using StepDone =
    std::function<void(size_t index, double stall, double seconds, long long outputBytes)>;

// Needs a QApplication. Lines are the script language of selvane-cli; `dump` stands for a user
// looking at everything: the whole window repainted, the report scrolled to its end and painted,
// then Select All and Copy in the report. `print` prints to a PDF file at the path, as the print
// dialog's "Print to File" does; a user who has waited 3 s for a long one cancels it. Returns a
// message for a line it cannot run.
std::optional<std::string> driveWindow(const std::vector<std::string>& lines, const StepDone& done);

} // namespace selvane
