#pragma once
// Printing as the views library does it (desktop/views.h), for the programs that link the library.

#include <cstdint>

#include "core/file_io.h"
#include "print/print_painter.h"

class QAction;
class QPrintPreviewDialog;
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

// Puts the print preview's Print button (with Page Setup, which it stands beside) at the start of
// its toolbar, ahead of the zoom and page buttons: where the window is too narrow for them all (a
// screen at a large scale), those go into the toolbar's overflow, not Print. Returns the action.
QAction* putPrintFirst(QPrintPreviewDialog& dialog);

// The pages the print dialog chose: all, or its from and to.
PageRange printerRange(const QPrinter& printer);

} // namespace selvane
