#pragma once
// Paints printed pages onto a printer or PDF writer in "Courier New" 10 pt, one character cell
// per column.

#include <cstdint>
#include <functional>

class QPagedPaintDevice;

namespace selvane {

class PrintedPages;

// Told after each page; returning false stops the printout there (the user cancelled).
using PrintProgress = std::function<bool(std::int64_t pagesDone, std::int64_t pageCount)>;

// Paints every page; false when the device cannot be painted on or the printout was stopped.
bool paintPages(const PrintedPages& pages, QPagedPaintDevice& device,
                const PrintProgress& progress = {});

} // namespace selvane
