#include "cli/pdf_pages.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <cstdlib>
#include <memory>

#include "cli/script.h"
#include "reports/print_painter.h"
#include "reports/printed_pages.h"

namespace selvane {

namespace {
bool endsWithPdf(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".pdf";
}

// Fonts need a GUI application; the driver never opens a window, so no display is needed.
void ensureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "selvane-cli";
    static char* argv[] = {name, nullptr};
    static auto app = std::make_unique<QGuiApplication>(argc, argv);
}
} // namespace

bool writePages(const PrintedPages& pages, const std::string& path) {
    if (!endsWithPdf(path)) return writePlainTextPages(pages, path);
    ensureGuiApplication();
    QPdfWriter writer(QString::fromStdString(path));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    writer.setTitle(QStringLiteral("Selvane report"));
    writer.setCreator(QStringLiteral("Selvane"));
    return paintPages(pages, writer);
}

} // namespace selvane
