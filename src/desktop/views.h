#pragma once
// The parts of the window that draw with Qt Charts, Qt Svg or Qt PrintSupport, or write with
// libxlsxwriter: the chart window, the chart's pictures, the offers' cost chart, printing with its
// dialogs, and the Excel workbook. They live in a library of their own,
// libselvane-views, which the window program loads the first time one of them is asked for, so
// that starting the calculator loads none of those libraries. Programs that link the library
// (the tests, the picture makers) get the same object without loading anything.

#include <QSize>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/file_io.h"

class QPrinter;
class QWidget;

namespace selvane {

class CurrencyFormat;
class DetailsReport;
class Dialogs;
class FinCalc;
class YearlySummary;
class PrintedPages;
struct ChartSource;
struct CostChartData;
struct TableSheet;

// The print dialog's choices (printer, output file, paper) for the rest of a session, so that the
// next printout and preview offer them again; nothing of them is saved.
class PrintSession {
  public:
    virtual ~PrintSession() = default;
    // File > Print: the print dialog through `dialogs`, then the pages. What became of them.
    virtual WriteOutcome print(QWidget* parent, Dialogs& dialogs, const PrintedPages& pages) = 0;
    // File > Print Preview, with its own Print button; false when closed without printing.
    virtual bool preview(QWidget* parent, Dialogs& dialogs, const PrintedPages& pages) = 0;
};

class Views {
  public:
    virtual ~Views() = default;
    // The chart window over the state; `save` runs for its Save Image button and `closed` when
    // it closes.
    virtual QWidget* makeChartWindow(FinCalc& calc, std::function<void()> save,
                                     std::function<void()> closed) = 0;
    // The chart window (one makeChartWindow made) shows the state as it stands.
    virtual void showChartState(QWidget* chart) = 0;
    // The size of its charts, for a picture the size the window shows them.
    virtual QSize chartAreaSize(QWidget* chart) = 0;
    // Compare Offers' chart of what each offer has cost by a time (chart/cost_chart.h), made
    // empty in `parent`, and the lines it draws.
    virtual QWidget* makeCostChart(QWidget* parent) = 0;
    virtual void showCostChart(QWidget* chart, const CostChartData& data,
                               const CurrencyFormat& currency) = 0;
    // The charts of `source` written as a PNG or SVG picture of `size`, by the name's ending.
    virtual WriteOutcome writeChartImage(const ChartSource& source, const std::string& path,
                                         QSize size) = 0;
    // File > Export Report's Excel workbook (libxlsxwriter lives with the views).
    virtual WriteOutcome writeWorkbook(const std::string& path, const DetailsReport& report,
                                       const YearlySummary& years, bool investment,
                                       const CurrencyFormat& currency,
                                       const WorkProgress& progress) = 0;
    // Compare Offers' table as a one-sheet workbook (core/workbook_export.h).
    virtual WriteOutcome writeTableWorkbook(const std::string& path, const TableSheet& table,
                                            const CurrencyFormat& currency) = 0;
    virtual std::unique_ptr<PrintSession> printSession() = 0;
    // The system's print dialog and print preview, for the desktop's own dialogs.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, std::int64_t pageCount) = 0;
    virtual bool preview(QWidget* parent, QPrinter& printer,
                         const std::function<bool(QPrinter&)>& paint) = 0;
};

// The views, the library loaded on the first call. Where it cannot be loaded, views that say so
// when asked for and do nothing, naming where the library was looked for.
Views& views();

} // namespace selvane

// The library's one entry point, looked up by name when it is loaded.
extern "C" selvane::Views* selvaneViews();
