// Tools > Check a Lender's Statement: the lender's payment table read from a file or pasted, and
// the comparison with the plan saved.

#include <filesystem>

#include "calculator/fincalc.h"
#include "core/file_io.h"
#include "core/workbook_export.h"

namespace selvane {

namespace {
constexpr const char* kStatementFilter =
    UI_TEXT("selvane::FinCalc", "Statements (*.csv *.txt *.tsv)|*.csv;*.txt;*.tsv|All Files "
                                "(*.*)|*.*");
} // namespace

void FinCalc::mnCheckStatement_Click() {
    statementOpen = true; // a second click shows the one window again
    m_host.showWindow(Window::Statement);
}

void FinCalc::statementClosed() {
    statementOpen = false;
    statement.message.clear();
}

void FinCalc::mnOpenStatement_Click() {
    const auto path =
        m_host.chooseOpenPath({UI_TEXT("selvane::FinCalc", "Open a Lender's Statement"),
                               kStatementFilter, 1, std::string(), FileKind::Statement});
    if (path)
        openStatement(*path);
}

bool FinCalc::openStatement(const std::string& path) {
    std::error_code error;
    if (std::filesystem::file_size(path, error) > kMaxStatementBytes && !error) {
        statement.message = fillIn(tr(UI_TEXT("selvane::FinCalc", "Could not open %1: %2")),
                                   {path, tr(UI_TEXT("selvane::FinCalc", "the text is larger "
                                                                         "than 8 MB"))});
        return false;
    }
    const auto bytes = readWholeFile(path, kMaxStatementBytes);
    if (!bytes) {
        statement.message = fillIn(tr(UI_TEXT("selvane::FinCalc", "Could not open %1.")), {path});
        return false;
    }
    return statement.read(*bytes, path);
}

bool FinCalc::pasteStatement(const std::string& text) {
    return statement.read(text, std::string());
}

std::optional<StatementPlan> FinCalc::statementPlan() const {
    if (!plan.solved)
        return std::nullopt;
    StatementPlan p;
    p.apr = plan.apr;
    p.periodRate = plan.solved->periodRate;
    p.amount = plan.solved->amountFinanced;
    p.payment = val(stored.PMT).v;
    p.start = plan.calendar.start;
    return p;
}

StatementTexts FinCalc::statementTexts(bool rows) const {
    const char* calculateFirst =
        UI_TEXT("selvane::FinCalc", "Calculate the plan first: the statement is checked against "
                                    "its APR.");
    const std::string noPlan = plan.noPlan.empty() ? tr(calculateFirst) : plan.noPlan;
    return statement.texts(statementPlan(), noPlan, rows);
}

void FinCalc::mnSaveComparison_Click() {
    std::string name = statement.source;
    if (!name.empty())
        name = withoutEnding(name) + "-compared.csv";
    FileDialogRequest request{UI_TEXT("selvane::FinCalc", "Save the Comparison"),
                              UI_TEXT("selvane::FinCalc", "Comparison (*.csv)|*.csv|Excel "
                                                          "Workbook (*.xlsx)|*.xlsx"),
                              1, name, FileKind::Report};
    const auto choice = m_host.chooseSavePathAndType(request);
    if (!choice)
        return;
    const bool workbook = choice->filterIndex == 2 || fileEnding(choice->path) == "xlsx";
    const auto from = statementPlan();
    noteWrite(workbook ? m_host.writeTableWorkbook(choice->path, statement.sheet(from), m_currency)
                       : replaceFile(choice->path, statement.csv(from, csvStyle())),
              UI_TEXT("selvane::FinCalc", "Could not save the comparison to %1: %2"));
}

} // namespace selvane
