#include "core/details_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "core/checked.h"
#include "core/number_text.h"
#include "core/solver.h"

namespace selvane {

std::int64_t passCount(double count) {
    if (!(count >= 1.0))
        return 0;
    if (count > static_cast<double>(kMaxPasses))
        return -1;
    return static_cast<std::int64_t>(std::floor(count));
}

bool DetailsReport::build(const ReportInputs& in, const CurrencyFormat& cur, DetailsReport& out) {
    const Num P0 = Num(in.SBAL) - in.DPMT;
    const Num withTax = Num(in.PMT) * taxFactor(in.TAX);
    const std::int64_t n = passCount(in.PERS);
    if (!P0.ok() || !withTax.ok() || n < 0)
        return false;

    DetailsReport rep;
    rep.m_in = in;
    rep.m_P0 = P0.v;
    rep.m_checkpoints.push_back({P0.v, 0.0, false});
    // One pass gives both the totals and the table: the table's balance and interest follow the
    // very same recurrence, so only its principal column can fail where the totals did not.
    // Plain doubles with one check per pass are exact here: the loop never divides, so once an
    // operation overflows, every later value of that pass is infinite or NaN.
    State s{P0.v, 0.0, false};
    std::int64_t rows = n;
    for (std::int64_t k = 1; k <= n; ++k) {
        rep.advance(s);
        const double B = s.B, I = s.I;
        if (!std::isfinite(I) || !std::isfinite(B))
            return false;
        // A loan's principal column, the amount less the balance, can overflow on its own; an
        // investment's, k deposits, stays within the total of all of them, checked below.
        if (rows == n && !in.investment && !std::isfinite(P0.v - B))
            rows = k - 1;
        if (k % kCheckpointEvery == 0)
            rep.m_checkpoints.push_back(s);
    }
    const double I = s.I;
    const Num principal = in.investment ? Num(in.PERS) * in.PMT : P0;
    const Num paid = principal + Num(I);
    if (!principal.ok() || !paid.ok())
        return false;
    rep.m_totals = {principal.v, I, paid.v};
    rep.m_rows = rows;

    rep.m_withTax = withTax.v;
    rep.m_currency = cur;
    rep.m_built = true;
    out = std::move(rep);
    return true;
}

const SummaryPieces& DetailsReport::pieces() const {
    if (!m_pieces) {
        const CurrencyFormat& cur = m_currency;
        SummaryPieces t;
        t.startingBalance = "Starting Balance = " + cur(m_in.SBAL);
        t.endingBalance = "Ending Balance = " + cur(m_in.FBAL);
        t.downPayment = "Down Payment = " + cur(m_in.DPMT) + "\t";
        t.apr = "APR = " + format00(m_in.APR) + "%";
        t.realApr = "Real APR = " + format00(m_in.RAPR) + "%";
        t.payment = "Payment = " + cur(m_in.PMT);
        t.paymentWithTax = "Payment (With Tax) = " + cur(m_withTax);
        t.principalPaid = "Principal Paid = " + cur(m_totals.principal);
        t.interestPaid = "Interest Paid= " + cur(m_totals.interest);
        t.totalPaid = "Total Paid = " + cur(m_totals.paid);
        m_pieces = std::move(t);
    }
    return *m_pieces;
}

const std::vector<std::string>& DetailsReport::summaryLines() const {
    if (m_summary.empty() && m_built) {
        const SummaryPieces& t = pieces();
        m_summary = {
            "  " + t.startingBalance + "\t" + t.endingBalance,
            "  " + t.downPayment,
            "  " + t.apr + "\t\t" + t.realApr,
            "  " + t.payment + "\t\t" + t.paymentWithTax,
            "  " + t.principalPaid + "\t" + t.interestPaid,
            "  " + t.totalPaid,
            "",
            "  Pmnt\t\t\tPrincipal\tInterest",
            "  No.\tPayment\tBalance\tPaid\tPaid",
            "",
        };
    }
    return m_summary;
}

DetailsReport::State DetailsReport::replayTo(std::int64_t k) const {
    const std::int64_t c = k / kCheckpointEvery;
    State s = m_checkpoints[static_cast<size_t>(c)];
    for (std::int64_t j = c * kCheckpointEvery + 1; j <= k; ++j)
        advance(s);
    return s;
}

DetailsReport::Row DetailsReport::rowFrom(std::int64_t k, const State& s) const {
    const double P = m_in.investment ? m_in.PMT * static_cast<double>(k) : m_P0 - s.B;
    return {s.B, P, s.I};
}

DetailsReport::Row DetailsReport::rowValues(std::int64_t k) const {
    return rowFrom(k, replayTo(k));
}

namespace {
// A figure as the report writes it, or with a sign dropped from "-0.00".
char* figure(char* p, double v, bool signedZero) {
    char* end = writeFixed2(p, v);
    if (!signedZero && end - p == 5 && std::memcmp(p, "-0.00", 5) == 0) {
        end = writeFixed2(p, 0.0);
    }
    return end;
}

char* put(char* p, std::string_view s) {
    for (char c : s)
        *p++ = c; // a few characters: a loop beats a call to memcpy
    return p;
}
} // namespace

char* DetailsReport::writeRowText(char* p, std::int64_t k, std::string_view payment, const Row& row,
                                  const TextBreaks& breaks) {
    p = put(p, breaks.indent);
    p = std::to_chars(p, p + 24, k).ptr;
    p = put(p, breaks.tab);
    std::memcpy(p, payment.data(), payment.size());
    p += payment.size();
    p = put(p, breaks.tab);
    p = figure(p, row.balance, breaks.signedZero);
    p = put(p, breaks.tab);
    p = figure(p, row.principal, breaks.signedZero);
    p = put(p, breaks.tab);
    return figure(p, row.interest, breaks.signedZero);
}

std::string DetailsReport::paymentText() const {
    return format00(m_in.PMT);
}

std::string DetailsReport::rowText(std::int64_t k) const {
    char buf[kRowRoom];
    return std::string(buf, writeRowText(buf, k, paymentText(), rowValues(k)));
}

std::string DetailsReport::line(std::int64_t index) const {
    if (index < 0 || index >= lineCount())
        return {};
    if (index < kSummaryLines)
        return summaryLines()[static_cast<size_t>(index)];
    const std::int64_t summary = kSummaryLines;
    return rowText(index - summary + 1);
}

std::vector<DetailsReport::Row> DetailsReport::rowRange(std::int64_t first,
                                                        std::int64_t count) const {
    std::vector<Row> out;
    const std::int64_t last = std::min(first + count - 1, m_rows);
    if (first < 1 || first > last)
        return out;
    State s = replayTo(first);
    for (std::int64_t k = first;; ++k) {
        out.push_back(rowFrom(k, s));
        if (k == last)
            break;
        advance(s);
    }
    return out;
}

std::vector<std::string> DetailsReport::lines(std::int64_t first, std::int64_t count) const {
    std::vector<std::string> out;
    const std::int64_t summary = kSummaryLines;
    const std::int64_t end = std::min(first + count, lineCount());
    for (; first < end && first < summary; ++first)
        out.push_back(summaryLines()[static_cast<size_t>(first)]);
    if (first >= end)
        return out;
    const std::int64_t k0 = first - summary + 1;
    const auto rows = rowRange(k0, end - first);
    const std::string payment = paymentText();
    char buf[kRowRoom];
    for (size_t j = 0; j < rows.size(); ++j)
        out.emplace_back(buf,
                         writeRowText(buf, k0 + static_cast<std::int64_t>(j), payment, rows[j]));
    return out;
}

void DetailsReport::appendRowsText(std::string& out, std::int64_t first, std::int64_t count,
                                   const TextBreaks& breaks) const {
    const std::int64_t last = std::min(first + count - 1, m_rows);
    if (first < 1 || first > last)
        return;
    State s = replayTo(first);
    // Each row is written whole into a buffer and appended once: a long report is tens of
    // millions of figures, and a call per figure into the string would cost more than them.
    std::string payment = paymentText(); // the same in every row
    if (!breaks.signedZero && payment == "-0.00")
        payment.erase(0, 1);
    char buf[4 + kRowRoom];
    char* const row = put(buf, breaks.line);
    for (std::int64_t k = first;; ++k) {
        out.append(buf, writeRowText(row, k, payment, rowFrom(k, s), breaks));
        if (k == last)
            break;
        advance(s);
    }
}

std::int64_t DetailsReport::rowsTextSize(std::int64_t first, std::int64_t last,
                                         std::int64_t stopAbove) const {
    first = std::max<std::int64_t>(first, 1);
    last = std::min(last, m_rows);
    if (first > last)
        return 0;
    // A row is its number, the payment and three figures, with its line break and four tabs.
    const auto fixed = static_cast<std::int64_t>(2 + 2 + paymentText().size() + 4);
    std::int64_t digits = 1, nextPower = 10; // of the row number
    while (nextPower <= first) {
        ++digits;
        nextPower *= 10;
    }
    std::int64_t size = 0;
    State s = replayTo(first);
    for (std::int64_t k = first;; ++k) {
        if (k == nextPower) {
            ++digits;
            nextPower *= 10;
        }
        const Row row = rowFrom(k, s);
        size += fixed + digits +
                static_cast<std::int64_t>(fixed2Length(row.balance) + fixed2Length(row.principal) +
                                          fixed2Length(row.interest));
        if (k == last || size > stopAbove)
            break;
        advance(s);
    }
    return size;
}

std::int64_t DetailsReport::stretchSize(Place from, Place to, std::int64_t stopAbove) const {
    // Counted the way writeStretch writes: the two cut end lines, the summary lines and the rows
    // between, each after a CR LF.
    const auto cut = [this](std::int64_t index, std::size_t begin, std::size_t end) {
        end = std::min(end, line(index).size());
        return static_cast<std::int64_t>(end - std::min(begin, end));
    };
    if (from.line == to.line)
        return cut(from.line, from.byte, to.byte);
    std::int64_t bytes =
        cut(from.line, from.byte, std::string::npos) + 2 + cut(to.line, 0, to.byte);
    const auto& summary = summaryLines();
    for (std::int64_t i = from.line + 1; i < std::min(to.line, kSummaryLines); ++i)
        bytes += 2 + static_cast<std::int64_t>(summary[static_cast<size_t>(i)].size());
    if (bytes > stopAbove)
        return bytes;
    return bytes + rowsTextSize(std::max(from.line + 1, kSummaryLines) - kSummaryLines + 1,
                                to.line - kSummaryLines, stopAbove - bytes);
}

std::string DetailsReport::text() const {
    std::string s;
    writeText([&s](std::string_view piece) { s += piece; });
    return s;
}

} // namespace selvane
