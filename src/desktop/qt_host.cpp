#include "desktop/qt_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QScreen>
#include <algorithm>
#include <climits>

#include "chart/money_chart.h"
#include "core/printed_pages.h"
#include "core/twips.h"
#include "desktop/frm_about.h"
#include "desktop/frm_chart.h"
#include "desktop/frm_what_if.h"
#include "desktop/recent_files_menu.h"
#include "desktop/ui_text.h"
#include "print/print_painter.h"

namespace selvane {

QStringList qtNameFilters(const std::string& pipeFilter) {
    const QStringList parts = uiText(pipeFilter).split(QLatin1Char('|'));
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
    s.title = uiText(request.title);
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

// The pair (from 1) the dialog's chosen filter is. With its details hidden the dialog reports the
// filter as it showed it, without its last "(patterns)": "Yearly Summary (*.csv) (*.csv)" comes
// back as "Yearly Summary (*.csv)". 0 when it is none of them.
int filterNumber(const QStringList& filters, const QString& selected) {
    for (qsizetype i = 0; i < filters.size(); ++i) {
        const QString& filter = filters[i];
        const qsizetype details = filter.lastIndexOf(QLatin1String(" ("));
        if (filter == selected || (details >= 0 && filter.left(details) == selected))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

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
    bool choosePrinter(QWidget* parent, QPrinter& printer, std::int64_t pageCount) override {
        QPrintDialog dialog(&printer, parent);
        dialog.setMinMax(1, static_cast<int>(std::clamp<std::int64_t>(pageCount, 1, INT_MAX)));
        return dialog.exec() == QDialog::Accepted;
    }
    std::optional<std::pair<QString, int>> saveFileWithType(QWidget* parent,
                                                            const FileDialogSettings& s) override {
        QString selected = s.selectedFilter;
        const auto path = chosen(QFileDialog::getSaveFileName(parent, s.title, s.fileName,
                                                              s.filters.join(QLatin1String(";;")),
                                                              &selected, kFileDialogOptions));
        if (!path)
            return std::nullopt;
        return std::pair{*path, filterNumber(s.filters, selected)};
    }
    bool preview(QWidget* parent, QPrinter& printer, const PaintOnto& paint) override {
        // The dialog has its own paper, orientation and zoom choices, and a Print button that
        // asks for the printer and paints the pages again onto it.
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(QCoreApplication::translate("QtHost", "Print Preview"));
        bool printed = false;
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&](QPrinter* p) { printed = paint(*p); });
        return dialog.exec() == QDialog::Accepted && printed;
    }
};
} // namespace

WriteOutcome printWithProgress(QWidget* parent, QPrinter& printer, const PrintedPages& pages,
                               const ProgressTiming& timing) {
    const PageRange range = printerRange(printer);
    const std::int64_t first = std::max<std::int64_t>(range.from, 1);
    const std::int64_t last =
        range.to > 0 ? std::min(range.to, pages.pageCount()) : pages.pageCount();
    // PDF to a file is written by the print layer, which never leaves a partial file; paper and
    // resolution are the ones the dialog settled on.
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    if (toFile && printer.outputFileName().isEmpty())
        return {}; // PDF output needs a file to go to
    auto print = [&](const PrintProgress& progress) {
        if (toFile)
            return writePdf(pages, printer.outputFileName().toStdString(), printer.pageLayout(),
                            progress, range, printer.resolution());
        return WriteOutcome{{}, paintPages(pages, printer, progress, range), {}};
    };

    // A short report prints at once; a long one (a page takes about a millisecond, and a report
    // can run to thousands of pages) shows its progress, keeps the window painting and can be
    // cancelled, which abandons the job.
    if (last - first + 1 <= timing.pagesWithoutProgress)
        return print({});
    QProgressDialog progress(QCoreApplication::translate("QtHost", "Printing the report..."),
                             QCoreApplication::translate("QtHost", "Cancel"), 0, 1000, parent);
    progress.setWindowTitle(QCoreApplication::translate("QtHost", "Print"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(timing.minimumDurationMs);
    WriteOutcome printed = print([&](std::int64_t done, std::int64_t total) {
        progress.setValue(static_cast<int>(done * 1000 / total));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    if (!printed.ok && progress.wasCanceled() && !toFile)
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
    delete m_chart.data();
    delete m_whatIf.data();
}

namespace {
// The dialog's settings, starting in the folder last chosen for its kind of file when the
// suggested name names no folder of its own.
FileDialogSettings startingWhereLastChosen(const FileDialogRequest& request) {
    FileDialogSettings s = fileDialogSettings(request);
    const QString folder = lastFolder(request.kind);
    if (!folder.isEmpty() && !s.fileName.contains(QLatin1Char('/')) && QFileInfo(folder).isDir())
        s.fileName = s.fileName.isEmpty() ? folder : QDir(folder).filePath(s.fileName);
    return s;
}

std::optional<std::string> chosenPath(const std::optional<QString>& path, FileKind kind) {
    if (!path)
        return std::nullopt;
    rememberFolder(kind, *path);
    return path->toStdString();
}
} // namespace

std::optional<std::string> QtHost::chooseOpenPath(const FileDialogRequest& request) {
    return chosenPath(m_dialogs->openFile(m_window, startingWhereLastChosen(request)),
                      request.kind);
}

std::optional<std::string> QtHost::chooseSavePath(const FileDialogRequest& request) {
    return chosenPath(m_dialogs->saveFile(m_window, startingWhereLastChosen(request)),
                      request.kind);
}

QPrinter& QtHost::sessionPrinter() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const QPrinterInfo info = QPrinterInfo::printerInfo(m_printer->printerName());
        std::optional<QPageSize> printerDefault;
        if (!info.isNull() && info.defaultPageSize().isValid())
            printerDefault = info.defaultPageSize();
        m_printer->setPageSize(defaultPaper(QLocale::system().territory(), printerDefault));
    }
    return *m_printer;
}

WriteOutcome QtHost::printPages(const PrintedPages& pages) {
    sessionPrinter();
    // Each printout chooses its pages afresh; the printer, file and paper stay as last chosen.
    m_printer->setPrintRange(QPrinter::AllPages);
    if (!m_dialogs->choosePrinter(m_window, *m_printer, pages.pageCount()))
        return {};
    return printWithProgress(m_window, *m_printer, pages);
}

std::optional<Host::SaveChoice> QtHost::chooseSavePathAndType(const FileDialogRequest& request) {
    const auto choice = m_dialogs->saveFileWithType(m_window, startingWhereLastChosen(request));
    if (!choice)
        return std::nullopt;
    rememberFolder(request.kind, choice->first);
    return SaveChoice{choice->first.toStdString(), choice->second};
}

PageRange printerRange(const QPrinter& printer) {
    if (printer.printRange() != QPrinter::PageRange)
        return {};
    return {printer.fromPage(), printer.toPage()};
}

bool QtHost::previewPages(const PrintedPages& pages) {
    // The same printer as File > Print: paper chosen in one is offered in the other.
    QPrinter& printer = sessionPrinter();
    printer.setPrintRange(QPrinter::AllPages);
    return m_dialogs->preview(m_window, printer, [this, &pages](QPrinter& p) {
        // The preview paints onto a picture engine; Print paints onto the real one, and there a
        // PDF file is written whole or not at all and a long report shows its progress, exactly
        // as File > Print does.
        const QPaintEngine* engine = p.paintEngine();
        if (engine != nullptr && engine->type() == QPaintEngine::Picture)
            return paintPages(pages, p, {}, printerRange(p));
        return printWithProgress(m_window, p, pages).ok;
    });
}

int QtHost::screenHeightTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int pixels = screen ? screen->availableGeometry().height() : 768;
    return pixels * kTwipsPerPixel;
}

frmAbout* QtHost::aboutBox() const {
    return qobject_cast<frmAbout*>(m_about.data());
}

void fitOnScreen(QWidget* window, const QWidget* beside) {
    const QScreen* screen = beside != nullptr ? beside->screen() : window->screen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    // The frame the window system adds is known only once a window is shown; the main window's
    // tells what it will be.
    const QWidget* framed = beside != nullptr ? beside : window;
    const QSize frame = framed->frameGeometry().size() - framed->geometry().size();
    const QSize most = (room.size() - frame).expandedTo(window->minimumSizeHint());
    window->resize(window->size().boundedTo(most));
    QRect place = window->frameGeometry();
    place.setSize(window->size() + frame);
    place.moveRight(std::min(place.right(), room.right()));
    place.moveBottom(std::min(place.bottom(), room.bottom()));
    place.moveLeft(std::max(place.left(), room.left()));
    place.moveTop(std::max(place.top(), room.top()));
    window->move(place.topLeft());
}

QPointer<QWidget>& QtHost::loaded(Window window) {
    return window == Window::About ? m_about : window == Window::Chart ? m_chart : m_whatIf;
}

void QtHost::showWindow(Window window) {
    QPointer<QWidget>& shown = loaded(window);
    if (!shown) {
        if (window == Window::About)
            shown = new frmAbout(m_sysInfo);
        else if (window == Window::Chart && m_makeChart)
            shown = m_makeChart();
        else if (window == Window::WhatIf && m_makeWhatIf)
            shown = m_makeWhatIf();
        if (shown && window != Window::About)
            fitOnScreen(shown, m_window);
    }
    if (!shown)
        return;
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void QtHost::closeWindow(Window window) {
    if (QWidget* shown = loaded(window))
        shown->close();
}

frmChart* QtHost::chartWindow() const {
    return qobject_cast<frmChart*>(m_chart.data());
}

WriteOutcome QtHost::saveChart(const std::string& path, const ChartSource& source) {
    QSize size(1000, 600);
    if (const frmChart* chart = chartWindow(); chart && !chart->chartArea()->size().isEmpty())
        size = chart->chartArea()->size();
    return writeChartImage(source, path, size);
}

frmWhatIf* QtHost::whatIfWindow() const {
    return qobject_cast<frmWhatIf*>(m_whatIf.data());
}

void QtHost::showMessage(const std::string& title, const std::string& text) {
    // The state's titles are labels, kept in English there; its sentences come translated.
    tell(uiText(title).toStdString(), text);
}

std::string QtHost::translate(const char* text) const {
    return uiText(text).toStdString();
}

std::string QtHost::helpLanguage() const {
    return uiLanguage().toStdString();
}

void QtHost::scenarioFileUsed(const std::string& path) {
    rememberRecentFile(QString::fromStdString(path));
    if (m_window != nullptr)
        for (RecentFilesMenu* menu : m_window->findChildren<RecentFilesMenu*>())
            menu->refresh();
}

} // namespace selvane
