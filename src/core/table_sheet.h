#pragma once
// A table of texts and numbers beside the payment table: offers side by side, a lender's
// statement beside our reckoning. core/workbook_export.h writes one as a workbook.

#include <string>
#include <vector>

#include "core/report_export.h"

namespace selvane {

// A table of its own, for a one-sheet workbook or a CSV file: a header row, then rows of texts,
// money, percents (4.07 for 4.07 %) and counts.
struct SheetCell {
    enum class Kind { Text, Money, Percent, Count };
    Kind kind = Kind::Text;
    std::string text;  // Text
    double number = 0; // the others
};
struct TableSheet {
    std::string name;
    std::vector<std::string> headers;
    std::vector<std::vector<SheetCell>> rows;
};

// The table as CSV: texts quoted where they hold the separator, a quote or a line break; money to
// the cent, other numbers with every digit they need.
std::string tableSheetCsv(const TableSheet& table, CsvStyle style);

} // namespace selvane
