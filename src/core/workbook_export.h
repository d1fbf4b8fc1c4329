#pragma once
// The payment table and the yearly summary as one Excel workbook (.xlsx), a sheet each: real
// numbers shown in the locale's currency format, a frozen header row, columns as wide as their
// figures, and a Total row of formulas that a spreadsheet works out again. The payments carry
// every digit of the report's figures; the yearly figures are those of the yearly CSV file, whose
// years add up to its total to the cent.

#include <cstdint>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/details_text.h"
#include "core/file_io.h"
#include "core/table_sheet.h"
#include "core/yearly_summary.h"

namespace selvane {

// A sheet has 1,048,576 rows: the header, the payments and the Total row.
inline constexpr std::int64_t kMaxWorkbookPayments = 1'048'574;
inline constexpr const char* kTooManyForWorkbook =
    "a workbook's sheet holds at most 1048574 payments: export this plan's payment table as CSV";

// The spreadsheet number format that shows an amount as the locale's currency text does:
// "\"$\"#,##0.00;\"($\"#,##0.00\")\"" for en_US, "#,##0.00\" €\";\"-\"#,##0.00\" €\"" for de_DE.
// Format codes use the period and comma whatever the locale; the spreadsheet shows its own.
std::string currencyNumberFormat(const CurrencyFormat& currency);

// Writes the workbook to path, replacing any file there only once it is whole (as replaceFile).
// Progress counts the rows of both sheets, then as many again for the library's compression of
// them, which tells nothing until it ends; a cancel stops at the next row, or once the
// compression ends, and leaves the file at path as it was (kWriteCancelled).
WriteOutcome writeWorkbook(const std::string& path, const DetailsReport& report,
                           const YearlySummary& years, bool investment,
                           const CurrencyFormat& currency, const WorkProgress& progress = {});

// A table of its own (core/table_sheet.h) as a one-sheet workbook.
WriteOutcome writeTableWorkbook(const std::string& path, const TableSheet& table,
                                const CurrencyFormat& currency);

} // namespace selvane
