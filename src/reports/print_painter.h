#pragma once
// Paints printed pages onto a printer or PDF writer in "Courier New" 10 pt, one character cell
// per column.

class QPagedPaintDevice;

namespace selvane {

class PrintedPages;

// Paints every page; false when the device cannot be painted on.
bool paintPages(const PrintedPages& pages, QPagedPaintDevice& device);

} // namespace selvane
