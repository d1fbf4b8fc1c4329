#include "core/printed_pages.h"

#include <algorithm>

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "core/utf8.h"

namespace selvane {

int columnsOf(std::string_view text) {
    return static_cast<int>(utf8Count(text));
}

namespace {
// The placement rule, appending the physical lines of one requested line to lines: an item whose
// column the print position has already passed starts a new line at its column.
template <class Items> void placeOnto(std::vector<PrintLine>& lines, const Items& requested) {
    lines.emplace_back();
    int position = 1;
    for (const auto& item : requested) {
        if (position > item.column)
            lines.emplace_back();
        lines.back().push_back({item.column, std::string(item.text)});
        position = item.column + columnsOf(item.text);
    }
}
} // namespace

std::vector<PrintLine> placeItems(const std::vector<PrintItem>& requested) {
    std::vector<PrintLine> lines;
    placeOnto(lines, requested);
    return lines;
}

PrintedPages PrintedPages::layout(const ReportInputs& in, const CurrencyFormat& cur) {
    PrintedPages p;
    p.m_ok = DetailsReport::build(in, cur, p.m_report);
    return p;
}

PrintedPages PrintedPages::ofLines(std::vector<PrintLine> lines) {
    PrintedPages p;
    p.m_ok = true;
    p.m_lines = std::move(lines);
    return p;
}

std::int64_t PrintedPages::pageCount() const {
    if (m_lines)
        return std::max<std::int64_t>(
            1, (static_cast<std::int64_t>(m_lines->size()) + kRowsPerPage - 1) / kRowsPerPage);
    // A new page follows every 50th row, also the last one.
    return m_ok ? 1 + m_report.rowCount() / kRowsPerPage : 1;
}

namespace {
// Items requested at columns, given to a Place callback one requested line at a time; the
// payment rows are formatted into stack buffers and copied only into the placed lines.
struct ItemRef {
    int column;
    std::string_view text;
};
} // namespace

template <class Place> void PrintedPages::request(std::int64_t index, Place&& place) const {
    if (index == 0) {
        const SummaryPieces& t = m_report.pieces();
        place({{16, t.startingBalance}, {48, t.endingBalance}});
        place({{16, t.downPayment}});
        place({{16, t.apr}, {48, t.realApr}});
        place({{16, t.payment}, {48, t.paymentWithTax}});
        place({{16, t.principalPaid}, {48, t.interestPaid}});
        place({{16, t.totalPaid}});
        place({});
        place({{16, "Pmnt"}, {64, "Principal"}, {80, "Interest"}});
        place({{16, "No."}, {32, "Payment"}, {48, "Balance"}, {64, "Paid"}, {80, "Paid"}});
        place({});
    }
    const std::int64_t first = index * kRowsPerPage + 1;
    const auto rows = m_report.rowRange(first, kRowsPerPage);
    const std::string pmt = m_report.paymentText();
    char balance[kFixedRoom], principal[kFixedRoom], interest[kFixedRoom];
    auto fixed = [](char* buf, double v) {
        return std::string_view(buf, static_cast<size_t>(writeFixed2(buf, v) - buf));
    };
    for (size_t j = 0; j < rows.size(); ++j) {
        // The payment number prints as a number: a blank for the sign, the digits, a blank.
        const std::string number = " " + std::to_string(first + static_cast<std::int64_t>(j)) + " ";
        place({{16, number},
               {32, pmt},
               {48, fixed(balance, rows[j].balance)},
               {64, fixed(principal, rows[j].principal)},
               {80, fixed(interest, rows[j].interest)}});
    }
}

std::vector<PrintLine> PrintedPages::page(std::int64_t index) const {
    std::vector<PrintLine> lines(kTopLines);
    if (!m_ok || index < 0 || index >= pageCount())
        return lines;
    if (m_lines) {
        const auto from = static_cast<std::size_t>(index * kRowsPerPage);
        const auto to = std::min(m_lines->size(), from + kRowsPerPage);
        lines.insert(lines.end(), m_lines->begin() + static_cast<std::ptrdiff_t>(from),
                     m_lines->begin() + static_cast<std::ptrdiff_t>(to));
        return lines;
    }
    request(index, [&lines](std::initializer_list<ItemRef> items) { placeOnto(lines, items); });
    return lines;
}

std::string PrintedPages::pageText(std::int64_t index) const {
    // The placed page written out: each item at its column, each line ended by LF.
    std::string out;
    if (index > 0)
        out += '\f';
    for (const PrintLine& line : page(index)) {
        int position = 1; // the column the next character of the line goes to
        for (const PrintItem& item : line) {
            out.append(static_cast<size_t>(item.column - position), ' ');
            out += item.text;
            position = item.column + columnsOf(item.text);
        }
        out += '\n';
    }
    return out;
}

} // namespace selvane
