#pragma once
// The payment table and the yearly summary as CSV files for a spreadsheet: RFC 4180 with CR LF
// line ends, UTF-8, a header row, and numbers as plain decimals (a period, two decimals, no
// currency sign, no grouping) so every spreadsheet reads them as numbers. The figures are those of
// the details report's rows, character for character.

#include <optional>
#include <string>

#include "core/calendar.h"

#include "core/details_text.h"
#include "core/file_io.h"
#include "core/yearly_summary.h"

namespace selvane {

inline constexpr const char* kPaymentTableCsvHeader =
    "Payment No.,Payment,Balance,Principal Paid,Interest Paid";
inline constexpr const char* kDatedPaymentTableCsvHeader =
    "Payment No.,Date,Payment,Balance,Principal Paid,Interest Paid";

// The header row of the yearly summary; an investment's money in is deposits, its interest earned.
std::string yearlyCsvHeader(bool investment);
// The caption of the yearly summary's principal and interest columns.
const char* yearlyPrincipalCaption(bool investment);
const char* yearlyInterestCaption(bool investment);

// What separates a CSV file's fields and a number's decimals: a comma and a period, or, for a
// locale that writes a decimal comma, a semicolon and a comma, which its spreadsheets read as
// fields and numbers. The captions keep their own periods.
struct CsvStyle {
    char field = ',', decimal = '.';
    bool operator==(const CsvStyle&) const = default;
};
inline constexpr CsvStyle kDecimalCommaCsv{';', ','};

// One row per payment. Rows are formatted on other threads in large pieces, as the report's text.
// Both writers stop as soon as write refuses a piece, and then return false.
// With dates that reach its last row, a Date column (YYYY-MM-DD) after the payment's number.
bool writePaymentTableCsv(const DetailsReport& report, const WritePiece& write, CsvStyle style = {},
                          const std::optional<PaymentDates>& dates = {});
// One row per year, then a "Total" row.
bool writeYearlyCsv(const YearlySummary& years, bool investment, const WritePiece& write,
                    CsvStyle style = {});

} // namespace selvane
