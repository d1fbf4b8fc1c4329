#include "core/report_export.h"

#include <algorithm>

#include "core/number_text.h"
#include "core/table_sheet.h"
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

bool writePaymentTableCsv(const DetailsReport& report, const WritePiece& plainWrite, CsvStyle style,
                          const std::optional<PaymentDates>& dates) {
    const WritePiece write = styled(plainWrite, style);
    const bool dated = dates && dates->date(std::max<std::int64_t>(report.rowCount(), 1));
    bool taken =
        plainWrite(header(dated ? kDatedPaymentTableCsvHeader : kPaymentTableCsvHeader, style));
    // The report's own row writer with commas for tabs and no indent: the same characters. Its
    // pieces are whole rows, each after a line break; a row's date goes after its number.
    std::int64_t k = 0;
    std::string withDates;
    const auto datedPiece = [&](std::string_view piece) -> std::string_view {
        if (!dated)
            return piece;
        withDates.clear();
        for (std::size_t at = 0; at < piece.size();) {
            const std::size_t comma = piece.find(',', at);
            const std::size_t next = std::min(piece.find("\r\n", comma), piece.size());
            withDates.append(piece.substr(at, comma + 1 - at));
            withDates.append(isoDateText(*dates->date(++k)));
            withDates.append(piece.substr(comma, next - comma));
            at = next;
        }
        return withDates;
    };
    if (taken)
        report.writeRowsText(
            [&](std::string_view piece) { return taken = write(datedPiece(piece)); },
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

std::string tableSheetCsv(const TableSheet& s, CsvStyle style) {
    // A text with the field separator, a quote or a line break in it is quoted.
    const auto field = [&](const std::string& text) {
        if (text.find_first_of(std::string(1, style.field) + "\"\r\n") == std::string::npos)
            return text;
        std::string q = "\"";
        for (char c : text)
            q += c == '"' ? std::string("\"\"") : std::string(1, c);
        return q + "\"";
    };
    const auto number = [&](const SheetCell& c) {
        std::string t =
            c.kind == SheetCell::Kind::Money ? formatFixed(c.number, 2) : roundTripText(c.number);
        std::replace(t.begin(), t.end(), '.', style.decimal);
        return t;
    };
    std::string out;
    for (std::size_t c = 0; c < s.headers.size(); ++c)
        out += (c ? std::string(1, style.field) : std::string()) + field(s.headers[c]);
    out += "\r\n";
    for (const auto& row : s.rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c)
                out += style.field;
            out += row[c].kind == SheetCell::Kind::Text ? field(row[c].text) : number(row[c]);
        }
        out += "\r\n";
    }
    return out;
}

} // namespace selvane
