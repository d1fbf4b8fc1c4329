#include "desktop/qt_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>

#include "core/twips.h"
#include "desktop/frm_about.h"
#include "desktop/frm_offers.h"
#include "desktop/frm_schedule.h"
#include "desktop/frm_statement.h"
#include "desktop/frm_what_if.h"
#include "desktop/recent_files_menu.h"
#include "desktop/ui_text.h"

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

// The extension of a filter's first pattern: "png" of "PNG Image (*.png)"; empty for "*".
QString extensionOf(const QString& filter) {
    const qsizetype star = filter.lastIndexOf(QLatin1String("(*."));
    if (star < 0)
        return {};
    const qsizetype from = star + 3;
    qsizetype end = from;
    while (end < filter.size() && filter[end].isLetterOrNumber())
        ++end;
    return filter.mid(from, end - from);
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
        return chosen(QFileDialog::getOpenFileName(parent, s.title, s.fileName,
                                                   s.filters.join(QLatin1String(";;")), &selected,
                                                   kFileDialogOptions));
    }
    std::optional<QString> saveFile(QWidget* parent, const FileDialogSettings& s) override {
        if (s.addExtension) {
            const auto choice = saveFileWithType(parent, s);
            return choice ? std::optional(choice->first) : std::nullopt;
        }
        QString selected = s.selectedFilter;
        return chosen(QFileDialog::getSaveFileName(parent, s.title, s.fileName,
                                                   s.filters.join(QLatin1String(";;")), &selected,
                                                   kFileDialogOptions));
    }
    bool choosePrinter(QWidget* parent, QPrinter& printer, std::int64_t pageCount) override {
        return views().choosePrinter(parent, printer, pageCount);
    }
    std::optional<std::pair<QString, int>> saveFileWithType(QWidget* parent,
                                                            const FileDialogSettings& s) override {
        QFileDialog dialog(parent, s.title, s.fileName, s.filters.join(QLatin1String(";;")));
        dialog.setOptions(kFileDialogOptions);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.selectNameFilter(s.selectedFilter);
        // The dialog adds the extension of the type chosen at the moment the name is accepted.
        const auto extend = [&dialog, &s](const QString& shown) {
            const int pair = filterNumber(s.filters, shown);
            dialog.setDefaultSuffix(s.addExtension && pair > 0 ? extensionOf(s.filters[pair - 1])
                                                               : QString());
        };
        extend(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, extend);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return std::pair{dialog.selectedFiles().constFirst(),
                         filterNumber(s.filters, dialog.selectedNameFilter())};
    }
    bool preview(QWidget* parent, QPrinter& printer, const PaintOnto& paint) override {
        return views().preview(parent, printer, paint);
    }
};
} // namespace

std::unique_ptr<Dialogs> makeSystemDialogs() {
    return std::make_unique<SystemDialogs>();
}

QtHost::QtHost(QWidget* window, const DesktopServices& services) : m_window(window) {
    if (!services.dialogs)
        m_systemDialogs = makeSystemDialogs();
    if (!services.launcher)
        m_systemLauncher = makeSystemLauncher();
    if (!services.messenger)
        m_systemMessenger = makeSystemMessenger();
    m_dialogs = services.dialogs ? services.dialogs : m_systemDialogs.get();
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
    delete m_offers.data();
    delete m_statement.data();
}

// The dialog's settings, starting in the folder last chosen for its kind of file when the
// suggested name names no folder of its own; the first time, where the user may write and
// expects files to go (core/file_io.h).
FileDialogSettings QtHost::startingWhereLastChosen(const FileDialogRequest& request) const {
    FileDialogSettings s = fileDialogSettings(request);
    s.addExtension = request.kind != FileKind::Scenario;
    QString folder = lastFolder(request.kind);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = firstFileFolder(m_helpFolders);
    if (!s.fileName.contains(QLatin1Char('/')))
        s.fileName = s.fileName.isEmpty() ? folder : QDir(folder).filePath(s.fileName);
    return s;
}

namespace {

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

WriteOutcome QtHost::printPages(const PrintedPages& pages) {
    if (!m_print)
        m_print = views().printSession();
    return m_print->print(m_window, *m_dialogs, pages);
}

std::optional<Host::SaveChoice> QtHost::chooseSavePathAndType(const FileDialogRequest& request) {
    const auto choice = m_dialogs->saveFileWithType(m_window, startingWhereLastChosen(request));
    if (!choice)
        return std::nullopt;
    rememberFolder(request.kind, choice->first);
    return SaveChoice{choice->first.toStdString(), choice->second};
}

bool QtHost::previewPages(const PrintedPages& pages) {
    if (!m_print)
        m_print = views().printSession();
    return m_print->preview(m_window, *m_dialogs, pages);
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
    // Beside the main window, level with it: on the side with more room, where it overlaps the
    // main window least (not at all where the screen has room for both).
    if (beside != nullptr) {
        const QRect main = beside->frameGeometry();
        place.moveTop(main.top());
        if (room.right() - main.right() >= main.left() - room.left())
            place.moveLeft(main.right() + 1);
        else
            place.moveRight(main.left() - 1);
    }
    place.moveRight(std::min(place.right(), room.right()));
    place.moveBottom(std::min(place.bottom(), room.bottom()));
    place.moveLeft(std::max(place.left(), room.left()));
    place.moveTop(std::max(place.top(), room.top()));
    window->move(place.topLeft());
}

QPointer<QWidget>& QtHost::loaded(Window window) {
    switch (window) {
    case Window::About:
        return m_about;
    case Window::Chart:
        return m_chart;
    case Window::Schedule:
        return m_schedule;
    case Window::CompareOffers:
        return m_offers;
    case Window::Statement:
        return m_statement;
    case Window::WhatIf:
        break;
    }
    return m_whatIf;
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
        else if (window == Window::Schedule && m_makeSchedule)
            shown = m_makeSchedule();
        else if (window == Window::CompareOffers && m_makeOffers)
            shown = m_makeOffers();
        else if (window == Window::Statement && m_makeStatement)
            shown = m_makeStatement();
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

QWidget* QtHost::chartWindow() const {
    return m_chart.data();
}

WriteOutcome QtHost::saveChart(const std::string& path, const ChartSource& source) {
    QSize size(1000, 600);
    if (QWidget* chart = chartWindow())
        if (const QSize shown = views().chartAreaSize(chart); !shown.isEmpty())
            size = shown;
    return views().writeChartImage(source, path, size);
}

frmWhatIf* QtHost::whatIfWindow() const {
    return qobject_cast<frmWhatIf*>(m_whatIf.data());
}

frmSchedule* QtHost::scheduleWindow() const {
    return qobject_cast<frmSchedule*>(m_schedule.data());
}

frmOffers* QtHost::offersWindow() const {
    return qobject_cast<frmOffers*>(m_offers.data());
}

frmStatement* QtHost::statementWindow() const {
    return qobject_cast<frmStatement*>(m_statement.data());
}

WriteOutcome QtHost::writeWorkbook(const std::string& path, const DetailsReport& report,
                                   const YearlySummary& years, bool investment,
                                   const CurrencyFormat& currency, const WorkProgress& progress) {
    return views().writeWorkbook(path, report, years, investment, currency, progress);
}

WriteOutcome QtHost::writeTableWorkbook(const std::string& path, const TableSheet& table,
                                        const CurrencyFormat& currency) {
    return views().writeTableWorkbook(path, table, currency);
}

WriteOutcome QtHost::runLongWrite(const char* title, const char* text, const LongWrite& write) {
    // The write runs on a thread of its own, so the window keeps painting and Cancel answers even
    // during a step that tells nothing until it ends (a workbook's compression). The dialog is
    // modal to every window, and until it shows no key or click is taken (they wait), so nothing
    // changes the plan the write reads.
    QProgressDialog progress(uiText(text), QCoreApplication::translate("QtHost", "Cancel"), 0, 1000,
                             m_window);
    progress.setWindowTitle(uiText(title));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(m_progressDelayMs);
    std::atomic<bool> cancelled = false;
    std::atomic<std::int64_t> done = 0, total = 0;
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&] { cancelled = true; });
    WriteOutcome outcome;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        outcome = write([&](std::int64_t d, std::int64_t t) {
            done = d;
            total = t;
            return !cancelled;
        });
    }));
    progress.setValue(0); // the dialog's clock starts
    if (m_progressDelayMs <= 0) {
        progress.show(); // shown, and its first events taken, before the work starts
        QCoreApplication::processEvents();
    }
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &progress, [&] {
        if (const std::int64_t t = total; t > 0 && !cancelled)
            progress.setValue(static_cast<int>(std::min<std::int64_t>(done * 1000 / t, 999)));
    });
    tick.start(50);
    // Its end wakes the loop below at once.
    QObject::connect(worker.get(), &QThread::finished, &progress, [] {});
    worker->start();
    QEventLoop loop;
    while (!worker->wait(QDeadlineTimer(0)))
        loop.processEvents(
            QEventLoop::WaitForMoreEvents |
            (progress.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents));
    return outcome;
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
