// ShowDetails and the Details view toggle.

#include "calculator/fincalc.h"
#include "core/printed_pages.h"

namespace selvane {

ReportInputs FinCalc::reportInputs() const {
    const StoredValues& s = stored;
    ReportInputs in;
    in.SBAL = val(s.SBAL).v;
    in.DPMT = val(s.DPMT).v;
    in.FBAL = val(s.FBAL).v;
    in.APR = val(s.APR).v;
    in.RAPR = val(s.RAPR).v;
    in.PMT = val(s.PMT).v;
    in.TAX = val(s.TAX).v;
    in.PERS = val(s.PERS).v;
    in.PeriodRate = val(s.PeriodRate).v;
    in.investment = mode() == Mode::Investment;
    return in;
}

void FinCalc::ShowDetails() {
    // When the totals cannot be computed the report box keeps the previous report.
    if (DetailsReport::build(reportInputs(), m_currency, report))
        ++reportRevision;
}

// The printed report is computed afresh from the stored values; the host shows the print
// dialog and prints nothing when it is cancelled.
void FinCalc::mnPrint_Click() {
    noteWrite(m_host.printPages(PrintedPages::layout(reportInputs(), m_currency)),
              UI_TEXT("selvane::FinCalc", "Could not print to %1: %2"));
}

void FinCalc::mnTable_Click() {
    detailsChecked = !detailsChecked;
}

} // namespace selvane
