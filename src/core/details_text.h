#pragma once
// The payment-by-payment details report as a pure function of the stored values: a summary block
// and one row per payment. The rows are not kept as text: the report remembers the balance and
// interest every few hundred rows and replays the recurrence from there, so a report of a million
// rows costs a few hundred kilobytes and any row comes out with exactly the digits of a full run.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <future>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/currency.h"
#include "core/number_text.h"

namespace selvane {

struct ReportInputs {
    double SBAL = 0, DPMT = 0, FBAL = 0, APR = 0, RAPR = 0, PMT = 0, TAX = 0, PERS = 0;
    double PeriodRate = 0;
    bool investment = false; // deposits add to the balance instead of paying it down
};

// The payment loops stop being "ordinary" past this many passes; a loop that would run longer
// counts as a failing step, so no action can keep the user waiting.
inline constexpr std::int64_t kMaxPasses = 10'000'000;

// Number of passes of a loop "for k = 1, 2, ... while k <= count"; -1 when over kMaxPasses.
std::int64_t passCount(double count);

struct ReportTotals {
    double principal = 0, interest = 0, paid = 0;
};

// The labelled figures of the summary block, shared by the report box and the printed pages.
struct SummaryPieces {
    std::string startingBalance, endingBalance, downPayment, apr, realApr, payment, paymentWithTax,
        principalPaid, interestPaid, totalPaid;
};

// What separates the report's lines and columns: CR LF and a tab in the report, their escaped
// forms when the rows go straight into a quoted string, commas and no indent in a CSV file.
struct TextBreaks {
    std::string_view line = "\r\n", tab = "\t", indent = "  ";
    // A figure that rounds to no cents keeps its sign, as the report shows "-0.00"; a spreadsheet
    // is given plain "0.00".
    bool signedZero = true;
};

class DetailsReport {
  public:
    // Builds the report; false when the totals cannot be computed (the caller keeps the old one).
    static bool build(const ReportInputs& in, const CurrencyFormat& cur, DetailsReport& out);

    const ReportTotals& totals() const { return m_totals; }
    // The summary is formatted on first use: a calculation only runs the recurrence, and the
    // currency texts are made when someone looks.
    const SummaryPieces& pieces() const;
    // The ten lines of the summary block and column heading (the last one is empty).
    const std::vector<std::string>& summaryLines() const;
    std::int64_t rowCount() const { return m_rows; }
    std::int64_t lineCount() const { return empty() ? 0 : kSummaryLines + m_rows; }

    struct Row {
        double balance = 0, principal = 0, interest = 0;
    };
    Row rowValues(std::int64_t k) const; // k = 1 .. rowCount()
    // Rows first .. first + count - 1 in one replay of the recurrence.
    std::vector<Row> rowRange(std::int64_t first, std::int64_t count) const;
    // Calls f(k, row) for rows first .. last (clamped to the report) in one replay, holding
    // nothing: a walk over ten million rows costs no memory. An f that returns false stops it.
    template <class F> void forEachRow(std::int64_t first, std::int64_t last, F&& f) const;
    std::string rowText(std::int64_t k) const;
    // The text of row k with the given figures and payment text, written at p (room for
    // kRowRoom characters, with breaks of up to 4 characters); returns its end.
    static constexpr size_t kRowRoom = 48 + 5 * kFixedRoom;
    static char* writeRowText(char* p, std::int64_t k, std::string_view payment, const Row& row,
                              const TextBreaks& breaks = {});
    std::string paymentText() const;            // the payment as every row shows it
    double payment() const { return m_in.PMT; } // with every digit
    std::string line(std::int64_t index) const; // 0-based over summary lines, then rows
    // Lines [first, first + count) in one replay, for a view that paints only what is visible.
    std::vector<std::string> lines(std::int64_t first, std::int64_t count) const;

    // The whole text, lines joined by CR LF, as the report box holds it.
    std::string text() const;
    template <class Sink> void writeText(Sink&& sink) const; // sink(std::string_view) per piece
    // Rows first .. last (clamped to the report) alone, each preceded by a line break. A sink
    // that returns false takes no more pieces.
    template <class Sink>
    void writeRowsText(Sink&& sink, const TextBreaks& breaks = {}, std::int64_t first = 1,
                       std::int64_t last = INT64_MAX) const;

    // Bytes that writeRowsText(sink, {}, first, last) writes, counted without formatting a row;
    // the count stops as soon as it is past `stopAbove`.
    std::int64_t rowsTextSize(std::int64_t first, std::int64_t last,
                              std::int64_t stopAbove = INT64_MAX) const;

    // A place in the text: a line, and a byte of it (one past its end stands for its end).
    struct Place {
        std::int64_t line = 0;
        std::size_t byte = 0;
    };
    // The text from one place to a later one (lines joined by CR LF), as a selection copies it:
    // only the two end lines are cut; the lines between pass through as the report writes them.
    template <class Sink> void writeStretch(Sink&& sink, Place from, Place to) const;
    // Bytes writeStretch writes, the rows counted without formatting them; the count stops as
    // soon as it is past `stopAbove`.
    std::int64_t stretchSize(Place from, Place to, std::int64_t stopAbove = INT64_MAX) const;

    bool empty() const { return !m_built; }
    static constexpr std::int64_t kSummaryLines = 10;

  private:
    static constexpr std::int64_t kCheckpointEvery = 256;
    struct State {
        double B, I;
        // The payment before left B and I exactly as they were, so every later one will too.
        bool still;
    };
    // One payment: interest on the balance before it, then the balance after it. Deposits add
    // to an investment's balance (x - (-p) is exactly x + p in IEEE arithmetic).
    //
    // At a negative rate without payments the balance decays into the subnormal doubles and
    // settles where (1 + rate) rounds it back to itself; arithmetic there is many times slower.
    // A state that a payment leaves bit for bit unchanged is a fixed point of the recurrence, so
    // it is not worked out again: the same figures, at the cost of any other row.
    void advance(State& s) const {
        if (s.still)
            return;
        const double I = s.I + m_in.PeriodRate * s.B;
        const double B = s.B * (1.0 + m_in.PeriodRate) - (m_in.investment ? -m_in.PMT : m_in.PMT);
        s.still = std::bit_cast<std::uint64_t>(B) == std::bit_cast<std::uint64_t>(s.B) &&
                  std::bit_cast<std::uint64_t>(I) == std::bit_cast<std::uint64_t>(s.I);
        s.B = B;
        s.I = I;
    }
    State replayTo(std::int64_t k) const;
    // Appends rows first .. first + count - 1, each preceded by a line break.
    void appendRowsText(std::string& out, std::int64_t first, std::int64_t count,
                        const TextBreaks& breaks) const;
    static constexpr std::int64_t kPieceRows = 65536;
    Row rowFrom(std::int64_t k, const State& s) const;

    ReportInputs m_in;
    CurrencyFormat m_currency;
    bool m_built = false;
    double m_P0 = 0, m_withTax = 0;
    ReportTotals m_totals;
    mutable std::optional<SummaryPieces> m_pieces;
    mutable std::vector<std::string> m_summary;
    std::vector<State> m_checkpoints; // state after row c * kCheckpointEvery
    std::int64_t m_rows = 0;
};

// Calls f(args...), and tells whether to go on: f's answer when it gives one (a writer that
// can take no more), otherwise yes.
template <class F, class... Args> bool goesOn(F& f, Args&&... args) {
    if constexpr (std::is_same_v<std::invoke_result_t<F&, Args...>, bool>) {
        return f(std::forward<Args>(args)...);
    } else {
        f(std::forward<Args>(args)...);
        return true;
    }
}

template <class F>
void DetailsReport::forEachRow(std::int64_t first, std::int64_t last, F&& f) const {
    first = std::max<std::int64_t>(first, 1);
    last = std::min(last, m_rows);
    if (first > last)
        return;
    State s = replayTo(first);
    for (std::int64_t k = first;; ++k) {
        if (!goesOn(f, k, rowFrom(k, s)) || k == last)
            break;
        advance(s);
    }
}

template <class Sink> void DetailsReport::writeText(Sink&& sink) const {
    const auto& summary = summaryLines();
    for (size_t i = 0; i < summary.size(); ++i) {
        if (i > 0)
            sink(std::string_view("\r\n"));
        sink(std::string_view(summary[i]));
    }
    writeRowsText(sink);
}

template <class Sink> void DetailsReport::writeStretch(Sink&& sink, Place from, Place to) const {
    const auto cut = [this](std::int64_t index, std::size_t begin, std::size_t end) {
        const std::string l = line(index);
        end = std::min(end, l.size());
        return l.substr(std::min(begin, end), end - std::min(begin, end));
    };
    if (from.line == to.line) {
        sink(std::string_view(cut(from.line, from.byte, to.byte)));
        return;
    }
    sink(std::string_view(cut(from.line, from.byte, std::string::npos)));
    const auto& summary = summaryLines();
    for (std::int64_t i = from.line + 1; i < std::min(to.line, kSummaryLines); ++i) {
        sink(std::string_view("\r\n"));
        sink(std::string_view(summary[static_cast<size_t>(i)]));
    }
    // Row k is line k + kSummaryLines - 1.
    writeRowsText(sink, {}, std::max(from.line + 1, kSummaryLines) - kSummaryLines + 1,
                  to.line - kSummaryLines);
    sink(std::string_view("\r\n"));
    sink(std::string_view(cut(to.line, 0, to.byte)));
}

template <class Sink>
void DetailsReport::writeRowsText(Sink&& sink, const TextBreaks& breaks, std::int64_t first,
                                  std::int64_t last) const {
    first = std::max<std::int64_t>(first, 1);
    last = std::min(last, m_rows);
    if (first > last)
        return;
    // Rows go out many thousands at a time as one piece each, so a sink sees a few large pieces
    // rather than millions of small ones. Two pieces ahead are formatted on other threads while
    // the sink takes the current one: on two cores ten million rows take about half the time. Three
    // buffers go round, reused all along: fresh megabytes for every piece would cost more in page
    // faults than the formatting itself.
    const std::int64_t rows = last - first + 1;
    if (rows <= kPieceRows) {
        std::string piece;
        appendRowsText(piece, first, rows, breaks);
        goesOn(sink, std::string_view(piece));
        return;
    }
    const std::int64_t count = (rows + kPieceRows - 1) / kPieceRows;
    std::string buffers[3];
    std::future<void> pending[3];
    auto start = [&](std::int64_t i) {
        if (i >= count)
            return;
        std::string* out = &buffers[i % 3];
        // Where no thread can be started the piece is formatted when it is needed, on this one.
        const auto policy = std::launch::async | std::launch::deferred;
        pending[i % 3] = std::async(policy, [this, out, i, first, last, &breaks] {
            out->clear();
            const std::int64_t from = first + i * kPieceRows;
            appendRowsText(*out, from, std::min(kPieceRows, last - from + 1), breaks);
        });
    };
    start(0);
    start(1);
    for (std::int64_t i = 0; i < count; ++i) {
        pending[i % 3].get();
        start(i + 2); // into the buffer of the piece sunk last
        if (!goesOn(sink, std::string_view(buffers[i % 3])))
            break; // the pieces being formatted are waited for as they go
    }
}

} // namespace selvane
