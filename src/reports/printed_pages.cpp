#include "reports/printed_pages.h"

#include "engine/number_text.h"

namespace selvane {

std::vector<PrintLine> placeItems(const std::vector<PrintItem>& requested) {
    std::vector<PrintLine> lines(1);
    int position = 1;
    for (const PrintItem& item : requested) {
        if (position > item.column) {
            lines.emplace_back();
            position = 1;
        }
        lines.back().push_back(item);
        position = item.column + static_cast<int>(item.text.size());
    }
    return lines;
}

PrintedPages PrintedPages::layout(const ReportInputs& in, const CurrencyFormat& cur) {
    PrintedPages p;
    p.m_ok = DetailsReport::build(in, cur, p.m_report);
    return p;
}

std::int64_t PrintedPages::pageCount() const {
    // A new page follows every 50th row, also the last one.
    return m_ok ? 1 + m_report.rowCount() / kRowsPerPage : 1;
}

std::vector<PrintLine> PrintedPages::page(std::int64_t index) const {
    std::vector<PrintLine> lines(kTopLines);
    if (!m_ok || index < 0 || index >= pageCount()) return lines;
    auto add = [&lines](const std::vector<PrintItem>& items) {
        for (auto& l : placeItems(items)) lines.push_back(std::move(l));
    };
    if (index == 0) {
        const SummaryPieces& t = m_report.pieces();
        add({{16, t.startingBalance}, {48, t.endingBalance}});
        add({{16, t.downPayment}});
        add({{16, t.apr}, {48, t.realApr}});
        add({{16, t.payment}, {48, t.paymentWithTax}});
        add({{16, t.principalPaid}, {48, t.interestPaid}});
        add({{16, t.totalPaid}});
        lines.emplace_back();
        add({{16, "Pmnt"}, {64, "Principal"}, {80, "Interest"}});
        add({{16, "No."}, {32, "Payment"}, {48, "Balance"}, {64, "Paid"}, {80, "Paid"}});
        lines.emplace_back();
    }
    const std::int64_t first = index * kRowsPerPage + 1;
    const auto rows = m_report.rowRange(first, kRowsPerPage);
    const std::string pmt = format00(m_report.inputs().PMT);
    for (size_t j = 0; j < rows.size(); ++j) {
        // The payment number prints as a number: a blank for the sign, the digits, a blank.
        std::string number = " ";
        number += std::to_string(first + static_cast<std::int64_t>(j));
        number += ' ';
        add({{16, number},
             {32, pmt},
             {48, format00(rows[j].balance)},
             {64, format00(rows[j].principal)},
             {80, format00(rows[j].interest)}});
    }
    return lines;
}

std::string PrintedPages::pageText(std::int64_t index) const {
    std::string out;
    if (index > 0) out += '\f';
    for (const PrintLine& line : page(index)) {
        const size_t start = out.size(); // a page's form feed takes no column
        for (const PrintItem& item : line) {
            const size_t column = start + static_cast<size_t>(item.column) - 1;
            if (out.size() < column) out.append(column - out.size(), ' ');
            out += item.text;
        }
        out += '\n';
    }
    return out;
}

std::string PrintedPages::plainText() const {
    std::string out;
    for (std::int64_t p = 0; p < pageCount(); ++p) out += pageText(p);
    return out;
}

} // namespace selvane
