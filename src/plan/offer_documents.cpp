// Compare Offers' documents: the offers table as a sheet, as CSV and as printed lines.

#include <algorithm>
#include <functional>

#include "core/number_text.h"
#include "core/printed_pages.h"
#include "plan/offers.h"

namespace selvane {

TableSheet OfferBook::sheet() const {
    OfferBook english(asWritten, m_currency);
    english.m_offers = m_offers;
    const OffersTexts t = english.texts();
    TableSheet s;
    s.name = "Offers";
    s.headers.assign(t.headers.begin(), t.headers.end());
    using K = SheetCell::Kind;
    const auto& r = rows();
    for (std::size_t i = 0; i < m_offers.size(); ++i) {
        const Offer& o = m_offers[i];
        std::vector<SheetCell> row = {
            {K::Text, o.name, 0},
            {K::Money, {}, o.amount},
            {K::Percent, {}, o.apr},
            {K::Count, {}, static_cast<double>(o.payments)},
            {K::Text, periodWord(o.period), 0},
            {K::Text, compoundWord(o.compound), 0},
            {K::Money, {}, o.balloon},
            {K::Money, {}, o.upfront},
            {K::Money, {}, o.added},
            {K::Money, {}, o.fee},
        };
        if (const auto& f = r[i].figures) {
            for (double v :
                 {f->payment, f->totalInterest, f->fees, f->costOfCredit, f->totalPayable})
                row.push_back({K::Money, {}, v});
            for (const auto& rate : {f->aprc, f->apr})
                row.push_back(rate ? SheetCell{K::Percent, {}, *rate} : SheetCell{});
            row.push_back({K::Money, {}, r[i].moreThanCheapest});
        }
        s.rows.push_back(std::move(row));
    }
    return s;
}

std::string OfferBook::csv(CsvStyle style) const {
    return tableSheetCsv(sheet(), style);
}

std::vector<PrintLine> OfferBook::printLines(const std::optional<SwitchPlan>& from) const {
    OfferBook english(asWritten, m_currency);
    english.m_offers = m_offers;
    english.switching = switching;
    const OffersTexts t = english.texts();
    std::vector<PrintLine> lines;
    lines.push_back({{1, "Offers compared"}});
    lines.emplace_back();
    // Each block repeats the name; its columns as wide as their widest text, two blanks apart,
    // money and rates set to the right.
    const std::vector<std::vector<std::size_t>> blocks = {
        {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14}, {15, 16, 17}};
    const auto cell = [&](std::size_t row, std::size_t c) -> const std::string& {
        return c < kOfferInputColumns ? t.inputs[row][c] : t.figures[row][c - kOfferInputColumns];
    };
    for (const auto& block : blocks) {
        std::vector<std::size_t> columns = {0};
        columns.insert(columns.end(), block.begin(), block.end());
        std::vector<int> widths;
        for (std::size_t c : columns) {
            int w = columnsOf(t.headers[c]);
            for (std::size_t r = 0; r < m_offers.size(); ++r)
                w = std::max(w, columnsOf(cell(r, c)));
            widths.push_back(w);
        }
        const auto line = [&](const std::function<std::string(std::size_t)>& text) {
            PrintLine l;
            int at = 1;
            for (std::size_t k = 0; k < columns.size(); ++k) {
                const std::string s = text(columns[k]);
                const bool right = k > 0 && columns[k] != 4 && columns[k] != 5;
                l.push_back({right ? at + widths[k] - columnsOf(s) : at, s});
                at += widths[k] + 2;
            }
            return l;
        };
        lines.push_back(line([&](std::size_t c) { return t.headers[c]; }));
        for (std::size_t r = 0; r < m_offers.size(); ++r)
            lines.push_back(line([&](std::size_t c) { return cell(r, c); }));
        lines.emplace_back();
    }
    for (std::size_t r = 0; r < m_offers.size(); ++r)
        if (!t.notes[r].empty())
            lines.push_back({{1, m_offers[r].name + ": " + t.notes[r]}});
    for (std::size_t r = 0; r < m_offers.size(); ++r)
        if (t.lowestAprc[r])
            lines.push_back({{1, "Lowest APRC: " + m_offers[r].name}});
    lines.emplace_back();
    for (std::size_t i = 0; i < m_offers.size(); ++i)
        for (std::size_t j = 0; j < m_offers.size(); ++j)
            if (i != j)
                lines.push_back({{1, english.evenAfterText(i, j)}});
    if (switching) {
        const SwitchTexts s = english.switchTexts(from);
        lines.emplace_back();
        lines.push_back({{1, "Switching to " + s.offer + " after payment " + s.at +
                                 ", early-repayment charge " + s.erc + " %, costs " + s.costs}});
        if (!s.unavailable.empty())
            lines.push_back({{1, s.unavailable}});
        else
            for (std::size_t k = 0; k < s.labels.size(); ++k)
                lines.push_back({{3, s.labels[k]}, {33, s.figures[k]}});
        if (!s.never.empty())
            lines.push_back({{1, s.never}});
    }
    return lines;
}

} // namespace selvane
