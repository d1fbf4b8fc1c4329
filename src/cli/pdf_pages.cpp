#include "cli/pdf_pages.h"

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "cli/script.h"
#include "core/file_io.h"
#include "core/printed_pages.h"
#include "print/print_painter.h"

namespace selvane {

// A widgets application, not only a GUI one: a chart is drawn by widgets' graphics items, and
// a script may print before it draws a chart.
void ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "selvane-cli";
    static char* argv[] = {name, nullptr};
    static auto app = std::make_unique<QApplication>(argc, argv);
}

WriteOutcome writePages(const PrintedPages& pages, const std::string& path, const Paper& paper) {
    if (fileEnding(path) != "pdf")
        return writePlainTextPages(pages, path, paper);
    ensureGuiApplication();
    return writePdf(pages, path, pageLayout(paper));
}

} // namespace selvane
