#pragma once
// Printing to a file for the command-line driver: PDF for a ".pdf" path, laid out on the paper
// chosen with `paper`, plain text otherwise.

#include <string>

#include "core/file_io.h"
#include "core/paper.h"

namespace selvane {

class PrintedPages;
WriteOutcome writePages(const PrintedPages& pages, const std::string& path, const Paper& paper);

// Starts the Qt application that fonts and charts need, once, without a display: the driver
// never opens a window.
void ensureGuiApplication();

} // namespace selvane
