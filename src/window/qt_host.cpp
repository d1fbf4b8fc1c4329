#include "window/qt_host.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>

#include "about/frm_about.h"
#include "reports/print_painter.h"
#include "reports/printed_pages.h"
#include "window/field_layout.h"

namespace selvane {

QStringList qtNameFilters(const std::string& pipeFilter) {
    const QStringList parts = QString::fromStdString(pipeFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        }
        filters << parts[i] + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

FileDialogSettings fileDialogSettings(const FileDialogRequest& request) {
    FileDialogSettings s;
    s.title = QString::fromStdString(request.title);
    s.filters = qtNameFilters(request.filter);
    // The index counts from 1; one outside the list falls back to the first entry.
    const qsizetype index = request.filterIndex - 1;
    if (!s.filters.isEmpty())
        s.selectedFilter = s.filters[index >= 0 && index < s.filters.size() ? index : 0];
    s.fileName = QString::fromStdString(request.fileName);
    return s;
}

namespace {
// No default suffix (a name is used as typed) and no overwrite question: saving replaces a
// file of the same name, as the File menu promises.
constexpr QFileDialog::Options kFileDialogOptions =
    QFileDialog::HideNameFilterDetails | QFileDialog::DontConfirmOverwrite;

std::optional<QString> chosen(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

class SystemDialogs : public Dialogs {
  public:
    std::optional<QString> openFile(QWidget* parent, const FileDialogSettings& s) override {
        QString selected = s.selectedFilter;
        return chosen(QFileDialog::getOpenFileName(parent, s.title, QString(),
                                                   s.filters.join(QLatin1String(";;")), &selected,
                                                   kFileDialogOptions));
    }
    std::optional<QString> saveFile(QWidget* parent, const FileDialogSettings& s) override {
        QString selected = s.selectedFilter;
        return chosen(QFileDialog::getSaveFileName(parent, s.title, s.fileName,
                                                   s.filters.join(QLatin1String(";;")), &selected,
                                                   kFileDialogOptions));
    }
    bool print(QWidget* parent, const PrintedPages& pages) override {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        return printWithProgress(parent, printer, pages);
    }
};
} // namespace

bool printWithProgress(QWidget* parent, QPrinter& printer, const PrintedPages& pages) {
    // A short report prints at once; a long one (a page takes about a millisecond, and a report
    // can run to thousands of pages) shows its progress, keeps the window painting and can be
    // cancelled, which abandons the job.
    constexpr std::int64_t kPagesWithoutProgress = 20;
    if (pages.pageCount() <= kPagesWithoutProgress)
        return paintPages(pages, printer);
    QProgressDialog progress(QStringLiteral("Printing the report..."), QStringLiteral("Cancel"), 0,
                             1000, parent);
    progress.setWindowTitle(QStringLiteral("Print"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const bool printed = paintPages(pages, printer, [&](std::int64_t done, std::int64_t total) {
        progress.setValue(static_cast<int>(done * 1000 / total));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    if (!printed && progress.wasCanceled())
        printer.abort();
    return printed;
}

std::unique_ptr<Dialogs> makeSystemDialogs() {
    return std::make_unique<SystemDialogs>();
}

QtHost::QtHost(QWidget* window, const DesktopServices& services) : m_window(window) {
    if (!services.dialogs)
        m_systemDialogs = makeSystemDialogs();
    if (!services.registry)
        m_systemRegistry = makeSystemRegistry();
    if (!services.launcher)
        m_systemLauncher = makeSystemLauncher();
    if (!services.messenger)
        m_systemMessenger = makeSystemMessenger();
    m_dialogs = services.dialogs ? services.dialogs : m_systemDialogs.get();
    m_sysInfo.registry = services.registry ? services.registry : m_systemRegistry.get();
    m_sysInfo.launcher = services.launcher ? services.launcher : m_systemLauncher.get();
    m_sysInfo.messenger = services.messenger ? services.messenger : m_systemMessenger.get();
}

void QtHost::tell(const std::string& title, const std::string& text) {
    m_sysInfo.messenger->showMessage(title, text);
}

QtHost::~QtHost() {
    delete m_about.data();
}

std::optional<std::string> QtHost::chooseOpenPath(const FileDialogRequest& request) {
    const auto path = m_dialogs->openFile(m_window, fileDialogSettings(request));
    if (!path)
        return std::nullopt;
    return path->toStdString();
}

std::optional<std::string> QtHost::chooseSavePath(const FileDialogRequest& request) {
    const auto path = m_dialogs->saveFile(m_window, fileDialogSettings(request));
    if (!path)
        return std::nullopt;
    return path->toStdString();
}

bool QtHost::printPages(const PrintedPages& pages) {
    return m_dialogs->print(m_window, pages);
}

int QtHost::screenHeightTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int pixels = screen ? screen->availableGeometry().height() : 768;
    return pixels * kTwipsPer96DpiPixel;
}

void QtHost::showAbout() {
    // The box has no owner: it is a window of its own, and the main window stays usable.
    if (!m_about)
        m_about = new frmAbout(m_sysInfo);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

frmAbout* QtHost::aboutBox() const {
    return m_about;
}

void QtHost::closeAbout() {
    if (m_about)
        m_about->close();
}

} // namespace selvane
