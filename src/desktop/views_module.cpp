// libselvane-views: the chart window, the chart's pictures and printing, which need Qt Charts,
// Qt Svg and Qt PrintSupport. The window program loads the library the first time one of them is
// asked for (desktop/views.h).

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QToolBar>
#include <algorithm>
#include <climits>

#include "chart/cost_chart.h"
#include "chart/money_chart.h"
#include "core/help_topics.h"
#include "core/printed_pages.h"
#include "core/workbook_export.h"
#include "desktop/frm_chart.h"
#include "desktop/printing.h"
#include "desktop/qt_host.h"
#include "desktop/recent_files_menu.h"
#include "desktop/views.h"

namespace selvane {

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

QAction* putPrintFirst(QPrintPreviewDialog& dialog) {
    auto* bar = dialog.findChild<QToolBar*>();
    if (bar == nullptr || bar->actions().isEmpty())
        return nullptr;
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    const QString setup = QCoreApplication::translate("QPrintPreviewDialog", "Page setup");
    QAction* first = bar->actions().first();
    QAction* found = nullptr;
    for (QAction* action : bar->actions())
        if (action->text() == setup || action->text() == print) {
            bar->removeAction(action);
            bar->insertAction(first, action);
            if (action->text() == print)
                found = action;
        }
    if (found != nullptr)
        bar->insertSeparator(first);
    return found;
}

PageRange printerRange(const QPrinter& printer) {
    if (printer.printRange() != QPrinter::PageRange)
        return {};
    return {printer.fromPage(), printer.toPage()};
}

namespace {

class Session : public PrintSession {
  public:
    Session() : m_printer(QPrinter::HighResolution) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(m_printer.printerName());
        std::optional<QPageSize> printerDefault;
        if (!info.isNull() && info.defaultPageSize().isValid())
            printerDefault = info.defaultPageSize();
        m_printer.setPageSize(defaultPaper(QLocale::system().territory(), printerDefault));
    }

    WriteOutcome print(QWidget* parent, Dialogs& dialogs, const PrintedPages& pages) override {
        // Each printout chooses its pages afresh; the printer, file and paper stay as last chosen.
        m_printer.setPrintRange(QPrinter::AllPages);
        if (!dialogs.choosePrinter(parent, m_printer, pages.pageCount()))
            return {};
        return printWithProgress(parent, m_printer, pages);
    }

    bool preview(QWidget* parent, Dialogs& dialogs, const PrintedPages& pages) override {
        // The same printer as File > Print: paper chosen in one is offered in the other.
        m_printer.setPrintRange(QPrinter::AllPages);
        return dialogs.preview(parent, m_printer, [parent, &pages](QPrinter& p) {
            // The preview paints onto a picture engine; Print paints onto the real one, and there
            // a PDF file is written whole or not at all and a long report shows its progress,
            // exactly as File > Print does.
            const QPaintEngine* engine = p.paintEngine();
            if (engine != nullptr && engine->type() == QPaintEngine::Picture)
                return paintPages(pages, p, {}, printerRange(p));
            return printWithProgress(parent, p, pages).ok;
        });
    }

  private:
    QPrinter m_printer;
};

class ViewsLibrary : public Views {
  public:
    QWidget* makeChartWindow(FinCalc& calc, std::function<void()> save,
                             std::function<void()> closed) override {
        auto* chart = new frmChart(calc);
        QObject::connect(chart, &frmChart::saveClicked, chart, std::move(save));
        QObject::connect(chart, &frmChart::closed, chart, std::move(closed));
        return chart;
    }
    void showChartState(QWidget* chart) override {
        if (auto* window = qobject_cast<frmChart*>(chart))
            window->showState();
    }
    QSize chartAreaSize(QWidget* chart) override {
        const auto* window = qobject_cast<frmChart*>(chart);
        return window ? window->chartArea()->size() : QSize();
    }
    QWidget* makeCostChart(QWidget* parent) override { return new CostChart(parent); }
    void showCostChart(QWidget* chart, const CostChartData& data,
                       const CurrencyFormat& currency) override {
        if (auto* costs = qobject_cast<CostChart*>(chart))
            costs->draw(data, currency);
    }
    WriteOutcome writeChartImage(const ChartSource& source, const std::string& path,
                                 QSize size) override {
        return selvane::writeChartImage(source, path, size);
    }
    WriteOutcome writeWorkbook(const std::string& path, const DetailsReport& report,
                               const YearlySummary& years, bool investment,
                               const CurrencyFormat& currency,
                               const WorkProgress& progress) override {
        return selvane::writeWorkbook(path, report, years, investment, currency, progress);
    }
    WriteOutcome writeTableWorkbook(const std::string& path, const TableSheet& table,
                                    const CurrencyFormat& currency) override {
        return selvane::writeTableWorkbook(path, table, currency);
    }
    std::unique_ptr<PrintSession> printSession() override { return std::make_unique<Session>(); }
    bool choosePrinter(QWidget* parent, QPrinter& printer, std::int64_t pageCount) override {
        QPrintDialog dialog(&printer, parent);
        // Until a printout has gone to a file, Print to File offers the folder Save As starts in
        // (Qt offers the working folder, or home), under the name Qt offers.
        if (printer.outputFileName().isEmpty())
            if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) {
                const QString name = QFileInfo(file->text()).fileName();
                file->setText(QDir(firstFileFolder(programHelpFolders(runningProgramFolder())))
                                  .filePath(name.isEmpty() ? QStringLiteral("print.pdf") : name));
            }
        dialog.setMinMax(1, static_cast<int>(std::clamp<std::int64_t>(pageCount, 1, INT_MAX)));
        return dialog.exec() == QDialog::Accepted;
    }
    bool preview(QWidget* parent, QPrinter& printer,
                 const std::function<bool(QPrinter&)>& paint) override {
        // The dialog has its own paper, orientation and zoom choices, and a Print button that
        // asks for the printer and paints the pages again onto it.
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(QCoreApplication::translate("QtHost", "Print Preview"));
        putPrintFirst(dialog);
        bool printed = false;
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&](QPrinter* p) { printed = paint(*p); });
        return dialog.exec() == QDialog::Accepted && printed;
    }
};

} // namespace

} // namespace selvane

extern "C" selvane::Views* selvaneViews() {
    static selvane::ViewsLibrary views;
    return &views;
}
