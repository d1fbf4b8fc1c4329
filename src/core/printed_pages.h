#pragma once
// The printed report as pages of lines of items placed at character columns: the summary and
// heading, then one line per payment, 50 to a page, every page opening with 8 empty lines.
// Pages are laid out on demand from the details report's figures, so printing a long table
// never holds it all in memory.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/details_text.h"

namespace selvane {

struct PrintItem {
    int column;       // 1-based character column where the item starts
    std::string text; // UTF-8
};
using PrintLine = std::vector<PrintItem>; // one physical line; an empty line has no items

// The characters a UTF-8 text shows in the fixed-pitch font, one column each: its code points,
// not its bytes ("20.000,00 €" takes 11 columns, though 13 bytes).
int columnsOf(std::string_view text);

// Places items requested at columns onto physical lines: an item whose column the print
// position has already passed goes to the next line, at its column.
std::vector<PrintLine> placeItems(const std::vector<PrintItem>& requested);

class PrintedPages {
  public:
    static constexpr int kTopLines = 8;
    static constexpr int kRowsPerPage = 50;

    // Lays out the report; when its totals cannot be computed the document ends after the
    // empty lines that open it.
    static PrintedPages layout(const ReportInputs& in, const CurrencyFormat& cur);
    // A document of lines already placed (a table of its own), kRowsPerPage lines a page after
    // the same opening lines.
    static PrintedPages ofLines(std::vector<PrintLine> lines);

    std::int64_t pageCount() const;
    // Whether the report's totals could be computed: a printout that is not complete is still
    // printed on paper, but never replaces a file.
    bool complete() const { return m_ok; }
    std::vector<PrintLine> page(std::int64_t index) const;

    // One page of the plain-text form (items at their columns, lines ended by LF, a form feed at
    // the start of every page after the first), for writing a long printout piece by piece.
    std::string pageText(std::int64_t index) const;

  private:
    // Calls place(items) for each line of items the page requests, after its opening lines.
    template <class Place> void request(std::int64_t index, Place&& place) const;

    bool m_ok = false;
    DetailsReport m_report;
    std::optional<std::vector<PrintLine>> m_lines; // ofLines' document
};

} // namespace selvane
