#pragma once
// Printing as the views library does it (desktop/views.h), for the programs that link the library.

#include <cstdint>

#include "core/file_io.h"
#include "print/print_painter.h"

class QPrinter;
class QWidget;

namespace selvane {

class PrintedPages;

// When a printout shows its progress: only past pagesWithoutProgress pages, and only once it has
// run for minimumDurationMs (a printout that ends sooner never shows the dialog).
struct ProgressTiming {
    std::int64_t pagesWithoutProgress = 20;
    int minimumDurationMs = 300;
};

// What follows an accepted print dialog: paints the pages of the printer's page range behind a
// cancellable progress dialog when there are many. PDF output to a file is written to a
// temporary file that replaces the chosen one only when complete, so a cancelled or failed
// printout leaves no file, or the previous one as it was. What became of it: a file's path and
// why it failed; no path for a printer.
WriteOutcome printWithProgress(QWidget* parent, QPrinter& printer, const PrintedPages& pages,
                               const ProgressTiming& timing = {});

// The pages the print dialog chose: all, or its from and to.
PageRange printerRange(const QPrinter& printer);

} // namespace selvane
