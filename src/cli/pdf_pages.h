#pragma once
// Printing to a file for the command-line driver: PDF for a ".pdf" path, plain text otherwise.

#include <string>

namespace selvane {

class PrintedPages;
bool writePages(const PrintedPages& pages, const std::string& path);

} // namespace selvane
