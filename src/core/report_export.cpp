#include "core/report_export.h"

#include <algorithm>

#include "core/user_text.h"

namespace selvane {

const char* yearlyPrincipalCaption(bool investment) {
    return investment ? UI_TEXT("selvane::FinCalc", "Deposits")
                      : UI_TEXT("selvane::FinCalc", "Principal Paid");
}

const char* yearlyInterestCaption(bool investment) {
    return investment ? UI_TEXT("selvane::FinCalc", "Interest Earned")
                      : UI_TEXT("selvane::FinCalc", "Interest Paid");
}

std::string yearlyCsvHeader(bool investment) {
    return std::string("Year,Payments,") + yearlyPrincipalCaption(investment) + "," +
           yearlyInterestCaption(investment) + ",Balance";
}

namespace {
// The captions with the style's field separator.
std::string header(std::string text, CsvStyle style) {
    std::replace(text.begin(), text.end(), ',', style.field);
    return text;
}

// A writer of rows in the style: the rows hold only digits, signs, "Total", commas between fields
// and periods before decimals. The plain style passes them on as they are.
WritePiece styled(const WritePiece& write, CsvStyle style) {
    if (style == CsvStyle{})
        return write;
    return [write, style](std::string_view piece) {
        std::string out(piece);
        for (char& c : out)
            c = c == ',' ? style.field : c == '.' ? style.decimal : c;
        return write(out);
    };
}
} // namespace

bool writePaymentTableCsv(const DetailsReport& report, const WritePiece& plainWrite,
                          CsvStyle style) {
    const WritePiece write = styled(plainWrite, style);
    bool taken = plainWrite(header(kPaymentTableCsvHeader, style));
    // The report's own row writer with commas for tabs and no indent: the same characters.
    if (taken)
        report.writeRowsText([&](std::string_view piece) { return taken = write(piece); },
                             TextBreaks{"\r\n", ",", "", false});
    return taken && write("\r\n");
}

namespace {
bool writeYearRow(const WritePiece& write, const std::string& label, const YearRow& y) {
    return write(label + "," + std::to_string(y.payments) + "," + y.principal.text() + "," +
                 y.interest.text() + "," + y.balance.text() + "\r\n");
}
} // namespace

bool writeYearlyCsv(const YearlySummary& years, bool investment, const WritePiece& plainWrite,
                    CsvStyle style) {
    const WritePiece write = styled(plainWrite, style);
    bool taken = plainWrite(header(yearlyCsvHeader(investment), style) + "\r\n");
    if (taken)
        years.forEachYear([&](const YearRow& y) {
            return taken = writeYearRow(write, std::to_string(y.year), y);
        });
    if (taken && years.yearCount() > 0)
        taken = writeYearRow(write, "Total", years.total());
    return taken;
}

} // namespace selvane
