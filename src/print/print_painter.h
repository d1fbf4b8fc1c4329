#pragma once
// Paints printed pages onto a printer or PDF writer in "Courier New" 10 pt, one character cell
// per column, one sheet per page. A page that does not fit the printable area at that size (a
// small sheet, wide margins, long amounts) is scaled down, font and line pitch together, until
// it does; a page that fits is painted at its natural size.

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/paper.h"
#include "core/printed_pages.h"

class QPagedPaintDevice;

namespace selvane {

// Told after each page, pages done of the pages to print; returning false stops the printout
// there (the user cancelled).
using PrintProgress = WorkProgress;

// The pages to print, counted from 1 as the print dialog shows them; 0 for "from the first" or
// "to the last". Pages beyond the report are not printed.
struct PageRange {
    std::int64_t from = 0;
    std::int64_t to = 0;
};

// Paints the pages of the range; false when the device cannot be painted on, the range holds
// no page of the report, or the printout was stopped.
bool paintPages(const PrintedPages& pages, QPagedPaintDevice& device,
                const PrintProgress& progress = {}, PageRange range = {});

// How much a page must shrink to fit: 1 when its lines fit the printable area at their natural
// size, else the largest factor below 1 at which they do. lineWidths holds the width of each
// line (its last item's far edge), in the same unit as lineHeight and printable.
double fitScale(const std::vector<double>& lineWidths, double lineHeight, QSizeF printable);

// The page layout of a sheet named by the command-line driver.
QPageLayout pageLayout(const Paper& paper);

// The paper the print dialog offers first: the printer's own default when it names one, else
// Letter where the locale's territory uses it (the United States and Canada), A4 elsewhere.
QPageSize defaultPaper(QLocale::Territory territory,
                       const std::optional<QPageSize>& printerDefault);

// Writes the pages as a PDF file laid out on layout, through a temporary file that replaces path
// only when the document is complete: a failed or cancelled printout leaves any previous file
// as it was, and so does a printout whose report has no totals. resolution is in dots per inch.
// A failed write stops the layout at the page it is on.
WriteOutcome writePdf(const PrintedPages& pages, const std::string& path, const QPageLayout& layout,
                      const PrintProgress& progress = {}, PageRange range = {},
                      int resolution = 1200);

} // namespace selvane
