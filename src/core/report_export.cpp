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

bool writePaymentTableCsv(const DetailsReport& report, const WritePiece& write) {
    bool taken = write(kPaymentTableCsvHeader);
    // The report's own row writer with commas for tabs and no indent: the same characters.
    if (taken)
        report.writeRowsText([&](std::string_view piece) { return taken = write(piece); },
                             TextBreaks{"\r\n", ",", "", false});
    return taken && write("\r\n");
}

namespace {
bool writeYearRow(const WritePiece& write, const std::string& label, const YearRow& y) {
    return write(label + "," + std::to_string(y.payments) + "," + y.principal + "," + y.interest +
                 "," + y.balance + "\r\n");
}
} // namespace

bool writeYearlyCsv(const YearlySummary& years, bool investment, const WritePiece& write) {
    bool taken = write(yearlyCsvHeader(investment) + "\r\n");
    // Years go out in pieces of many rows: a call per year would cost more than the years.
    std::string piece;
    if (taken)
        years.forEachYear([&](const YearRow& y) {
            piece += std::to_string(y.year) + "," + std::to_string(y.payments) + "," + y.principal +
                     "," + y.interest + "," + y.balance + "\r\n";
            if (piece.size() >= (1u << 16)) {
                taken = write(piece);
                piece.clear();
            }
            return taken;
        });
    if (taken && !piece.empty())
        taken = write(piece);
    if (taken && years.yearCount() > 0)
        taken = writeYearRow(write, "Total", years.total());
    return taken;
}

} // namespace selvane
