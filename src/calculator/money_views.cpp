// The details report seen other ways: the chart window, the yearly summary, print preview and
// export to a spreadsheet.

#include <algorithm>

#include "calculator/fincalc.h"
#include "core/file_io.h"
#include "core/printed_pages.h"
#include "core/report_export.h"

namespace selvane {

std::int64_t FinCalc::paymentsPerYear() const {
    // Before a period is chosen the calculation reads payments as monthly.
    return selvane::paymentsPerYear(PaymentsPerMonth.value_or(1.0));
}

ChartSource FinCalc::chartSource() const {
    ChartSource source{&report, mode() == Mode::Investment, paymentsPerYear(), m_currency};
    source.dates = reportDates();
    // The schedule with the timeline's events is drawn over the plan's where there are any.
    if (const std::optional<ScheduleEvents> events = plan.timelineInUse()) {
        source.timeline = events;
        source.plan = *plan.solved;
        return source;
    }
    // The balance with extras is drawn only where extras apply and there is something extra to
    // pay: with none, the chart is the plan's alone.
    const Extras& extras = plan.extras;
    if (!plan.extrasUnavailable() && !plan.noSchedule() &&
        (extras.extra != 0 || extras.lump != 0)) {
        source.extras = extras;
        source.plan = *plan.solved;
    }
    // A rate change is drawn the same way, in one schedule with the extras.
    if (const std::optional<RateChange> change = plan.changeInUse()) {
        source.change = change;
        source.plan = *plan.solved;
    }
    return source;
}

CsvStyle FinCalc::csvStyle() const {
    return csvFollowsLocale && m_currency.decimalComma() ? kDecimalCommaCsv : CsvStyle{};
}

void FinCalc::mnChart_Click() {
    chartOpen = true; // a second click shows the one window again
    m_host.showWindow(Window::Chart);
}

void FinCalc::chartClosed() {
    chartOpen = false;
}

namespace {
// The scenario's name with another ending, so an export lands beside its scenario: "loan.fin"
// suggests "loan.csv"; no scenario suggests nothing.
std::string suggestedName(const std::string& scenario, const std::string& ending) {
    return scenario.empty() ? std::string() : withoutEnding(scenario) + ending;
}
} // namespace

void FinCalc::mnSaveChart_Click() {
    FileDialogRequest request{
        UI_TEXT("selvane::FinCalc", "Save Chart"),
        UI_TEXT("selvane::FinCalc", "PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg"), 1,
        suggestedName(ScenarioFileName, ".png"), FileKind::Chart};
    const auto path = m_host.chooseSavePath(request);
    if (!path)
        return;
    noteWrite(m_host.saveChart(*path, chartSource()),
              UI_TEXT("selvane::FinCalc", "Could not save the chart as %1: %2"));
}

void FinCalc::mnPrintPreview_Click() {
    m_host.previewPages(PrintedPages::layout(reportInputs(), m_currency));
}

void FinCalc::mnExport_Click() {
    FileDialogRequest request{UI_TEXT("selvane::FinCalc", "Export Report"),
                              UI_TEXT("selvane::FinCalc",
                                      "Payment Table (*.csv)|*.csv|Yearly Summary "
                                      "(*.csv)|*.csv|Excel Workbook (*.xlsx)|*.xlsx"),
                              1, suggestedName(ScenarioFileName, ".csv"), FileKind::Report};
    const auto choice = m_host.chooseSavePathAndType(request);
    if (!choice)
        return;
    const bool investment = mode() == Mode::Investment;
    const YearlySummary years = yearlySummary();
    // A workbook holds both tables; a name ending in .xlsx asks for one whatever type was chosen.
    const bool workbook = choice->filterIndex == 3 || fileEnding(choice->path) == "xlsx";
    const bool yearly = choice->filterIndex == 2;
    const CsvStyle style = csvStyle();
    // A CSV file's progress is its lines: the header, a line a payment or year, and the years'
    // Total.
    const std::int64_t lines = yearly ? years.yearCount() + 2 : report.rowCount() + 1;
    const auto exportTo = [&](const WorkProgress& progress) {
        if (workbook)
            return m_host.writeWorkbook(choice->path, report, years, investment, m_currency,
                                        progress);
        // The same safe replacement as a scenario file: a failed or cancelled write leaves the
        // old file whole.
        return replaceFileWith(choice->path, [&](const WritePiece& write) {
            std::int64_t done = 0;
            const WritePiece counted = [&](std::string_view piece) {
                done += std::count(piece.begin(), piece.end(), '\n');
                return write(piece) && (!progress || progress(std::min(done, lines), lines));
            };
            return yearly ? writeYearlyCsv(years, investment, counted, style)
                          : writePaymentTableCsv(report, counted, style, reportDates());
        });
    };
    noteWrite(m_host.runLongWrite(UI_TEXT("selvane::FinCalc", "Export Report"),
                                  UI_TEXT("selvane::FinCalc", "Exporting the report..."), exportTo),
              UI_TEXT("selvane::FinCalc", "Could not export the report to %1: %2"));
}

} // namespace selvane
