#pragma once
// The desktop's answers to what the calculator asks of its front end: the file and print
// dialogs, the screen's height and the About box. The dialogs sit behind an interface of their
// own so that tests answer them without a modal window ever opening.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "calculator/host.h"
#include "desktop/sysinfo.h"
#include "desktop/views.h"

class QPrinter;
class QWidget;

namespace selvane {

class frmAbout;
class frmWhatIf;
class frmSchedule;
class frmOffers;
class frmStatement;

// A file dialog's settings in Qt's terms.
struct FileDialogSettings {
    QString title;
    QStringList filters;    // Qt name filters, one per pair of the request's filter
    QString selectedFilter; // the preselected one of filters
    QString fileName;       // preset name, empty for none
    // The chosen type's extension is added to a name typed without one (exports and charts); a
    // scenario's name is used as typed.
    bool addExtension = false;
};

// "Description|pattern|..." pairs become Qt name filters. The description is shown as it is
// (the dialog hides the pattern list Qt appends), and "*.*" matches every file, also those
// without an extension, as the description promises.
QStringList qtNameFilters(const std::string& pipeFilter);
FileDialogSettings fileDialogSettings(const FileDialogRequest& request);

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // The chosen path, or nullopt when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogSettings& s) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileDialogSettings& s) = 0;
    // Shows the print dialog over printer, for a report of pageCount pages; the user's choices
    // (printer or file, paper, page range) are left in printer. False when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, std::int64_t pageCount) = 0;
    // The save dialog and the pair of its filter the user left chosen, counted from 1.
    virtual std::optional<std::pair<QString, int>> saveFileWithType(QWidget* parent,
                                                                    const FileDialogSettings& s) {
        const auto path = saveFile(parent, s);
        if (!path)
            return std::nullopt;
        return std::pair{*path, static_cast<int>(s.filters.indexOf(s.selectedFilter)) + 1};
    }
    // The print preview over printer: paint(p) draws the pages onto p, for the preview and again
    // when the user prints from it. False when closed without printing.
    using PaintOnto = std::function<bool(QPrinter& printer)>;
    virtual bool preview(QWidget*, QPrinter&, const PaintOnto&) { return false; }
};
std::unique_ptr<Dialogs> makeSystemDialogs();

// Sizes a window that is about to show to the available area of the screen the main window is on
// (beside; the window's own when null), places it beside the main window, and moves it inside
// that area, frame and all.
void fitOnScreen(QWidget* window, const QWidget* beside);

// Replacements for the desktop's services; each one left null is the real one.
struct DesktopServices {
    Dialogs* dialogs = nullptr;
    Launcher* launcher = nullptr;
    Messenger* messenger = nullptr;
};

class QtHost : public Host {
  public:
    // window is the parent of the dialogs; the services given must outlive the host.
    QtHost(QWidget* window, const DesktopServices& services);
    ~QtHost() override;

    std::optional<std::string> chooseOpenPath(const FileDialogRequest& request) override;
    std::optional<std::string> chooseSavePath(const FileDialogRequest& request) override;
    WriteOutcome printPages(const PrintedPages& pages) override;
    void showWindow(Window window) override;
    void closeWindow(Window window) override;
    std::optional<SaveChoice> chooseSavePathAndType(const FileDialogRequest& request) override;
    bool previewPages(const PrintedPages& pages) override;

    frmAbout* aboutBox() const; // null while the box is not loaded

    // The chart window is made by the main window, which owns the state it shows and wires its
    // buttons to the state's handlers; the host shows it, keeps it single and closes it.
    void setChartMaker(std::function<QWidget*()> make) { m_makeChart = std::move(make); }
    // The image is the size of the window's chart area, or 1000 x 600 when it is not open.
    WriteOutcome saveChart(const std::string& path, const ChartSource& source) override;
    WriteOutcome writeWorkbook(const std::string& path, const DetailsReport& report,
                               const YearlySummary& years, bool investment,
                               const CurrencyFormat& currency,
                               const WorkProgress& progress) override;
    WriteOutcome writeTableWorkbook(const std::string& path, const TableSheet& table,
                                    const CurrencyFormat& currency) override;
    WriteOutcome runLongWrite(const char* title, const char* text, const LongWrite& write) override;
    // How long a write runs before its progress shows; a test sets 0 to see it at once.
    void setProgressDelay(int ms) { m_progressDelayMs = ms; }
    void showMessage(const std::string& title, const std::string& text) override;
    std::string translate(const char* text) const override;
    std::string helpLanguage() const override;
    std::vector<std::string> helpFolders() const override { return m_helpFolders; }
    // The program sets its own folders (core/help_topics.h); a window made in a test reads topics
    // from the working folder alone.
    void setHelpFolders(std::vector<std::string> folders) { m_helpFolders = std::move(folders); }
    // Puts the file at the top of File > Recent Files, in the settings and in the window's menu.
    void scenarioFileUsed(const std::string& path) override;
    QWidget* chartWindow() const; // null while the window is not loaded (a frmChart)
    // The What If window likewise: made by the main window, shown, kept single and closed here.
    void setWhatIfMaker(std::function<frmWhatIf*()> make) { m_makeWhatIf = std::move(make); }
    frmWhatIf* whatIfWindow() const; // null while the window is not loaded
    // The Schedule window likewise.
    void setScheduleMaker(std::function<frmSchedule*()> make) { m_makeSchedule = std::move(make); }
    frmSchedule* scheduleWindow() const; // null while the window is not loaded
    // The Compare Offers window likewise.
    void setOffersMaker(std::function<frmOffers*()> make) { m_makeOffers = std::move(make); }
    frmOffers* offersWindow() const; // null while the window is not loaded
    // The Check a Lender's Statement window likewise.
    void setStatementMaker(std::function<frmStatement*()> make) {
        m_makeStatement = std::move(make);
    }
    frmStatement* statementWindow() const; // null while the window is not loaded
    // A message box with an OK button, through the messenger the host was given.
    void tell(const std::string& title, const std::string& text);

  private:
    QWidget* m_window;
    std::unique_ptr<Dialogs> m_systemDialogs;
    std::unique_ptr<Launcher> m_systemLauncher;
    std::unique_ptr<Messenger> m_systemMessenger;
    Dialogs* m_dialogs;
    SysInfoServices m_sysInfo;
    std::function<QWidget*()> m_makeChart;
    std::function<frmWhatIf*()> m_makeWhatIf;
    std::function<frmSchedule*()> m_makeSchedule;
    std::function<frmOffers*()> m_makeOffers;
    std::function<frmStatement*()> m_makeStatement;
    // null while not loaded
    QPointer<QWidget> m_about, m_chart, m_whatIf, m_schedule, m_offers, m_statement;
    QPointer<QWidget>& loaded(Window window);
    std::unique_ptr<PrintSession> m_print; // made with the first printout or preview
    std::vector<std::string> m_helpFolders;
    int m_progressDelayMs = 500;
    FileDialogSettings startingWhereLastChosen(const FileDialogRequest& request) const;
};

} // namespace selvane
