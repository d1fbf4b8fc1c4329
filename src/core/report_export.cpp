#include "core/report_export.h"

namespace selvane {

const char* yearlyPrincipalCaption(bool investment) {
    return investment ? "Deposits" : "Principal Paid";
}

const char* yearlyInterestCaption(bool investment) {
    return investment ? "Interest Earned" : "Interest Paid";
}

std::string yearlyCsvHeader(bool investment) {
    return std::string("Year,Payments,") + yearlyPrincipalCaption(investment) + "," +
           yearlyInterestCaption(investment) + ",Balance";
}

void writePaymentTableCsv(const DetailsReport& report, const WritePiece& write) {
    write(kPaymentTableCsvHeader);
    // The report's own row writer with commas for tabs and no indent: the same characters.
    report.writeRowsText([&write](std::string_view piece) { write(piece); },
                         TextBreaks{"\r\n", ",", ""});
    write("\r\n");
}

namespace {
void writeYearRow(const WritePiece& write, const std::string& label, const YearRow& y) {
    write(label + "," + std::to_string(y.payments) + "," + y.principal + "," + y.interest + "," +
          y.balance + "\r\n");
}
} // namespace

void writeYearlyCsv(const YearlySummary& years, bool investment, const WritePiece& write) {
    write(yearlyCsvHeader(investment) + "\r\n");
    // Years go out in pieces of many rows: a call per year would cost more than the years.
    std::string piece;
    years.forEachYear([&](const YearRow& y) {
        piece += std::to_string(y.year) + "," + std::to_string(y.payments) + "," + y.principal +
                 "," + y.interest + "," + y.balance + "\r\n";
        if (piece.size() >= (1u << 16)) {
            write(piece);
            piece.clear();
        }
    });
    if (!piece.empty())
        write(piece);
    if (years.yearCount() > 0)
        writeYearRow(write, "Total", years.total());
}

} // namespace selvane
