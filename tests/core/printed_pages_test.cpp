// The printed report's page layout at its edges. A whole printout of three pages, its columns and
// form feeds, is a recorded session's (tests/cli/sessions/17-print-120-rows).

#include <gtest/gtest.h>

#include <map>

#include "core/paper.h"
#include "core/printed_pages.h"
#include "support/case_table.h"
#include "support/report_inputs.h"

namespace selvane {
namespace {

using testing::kUsd;
using testing::reportInputs;

ReportInputs income(double pers) {
    return reportInputs(pers, 50000, 593.5088, 0.00625);
}

std::string textAt(const PrintLine& line, int column) {
    for (const auto& item : line)
        if (item.column == column)
            return item.text;
    return "<none>";
}

TEST(PlaceItems, ItemsMoveDownOnlyWhenThePositionIsPastTheirColumn) {
    auto lines = placeItems({{16, std::string(32, 'x')}, {48, "next"}}); // ends exactly at 48
    ASSERT_EQ(lines.size(), 1u);
    lines = placeItems({{16, std::string(33, 'x')}, {48, "next"}, {64, "more"}});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].size(), 2u);
    EXPECT_EQ(lines[1][0].column, 48);
    // The print position starts at the first column: an item there stays on the first line.
    EXPECT_EQ(placeItems({{1, "first"}}).size(), 1u);
}

// The pages and the lines of the last: fifty rows still start a new page, a count below one
// prints the summary and heading only, and failed totals end the document after the opening lines.
TEST(PrintedPages, PageCountAndTheLinesOfTheLast) {
    const struct {
        double pers;
        std::int64_t pages;
        size_t lastLines;
    } cases[] = {{50, 2, 8}, {0.5, 1, 18}, {1e9, 1, 8}};
    for (const auto& c : cases) {
        const auto pages = PrintedPages::layout(income(c.pers), kUsd);
        ASSERT_EQ(pages.pageCount(), c.pages) << c.pers;
        EXPECT_EQ(pages.page(c.pages - 1).size(), c.lastLines) << c.pers;
    }
}

TEST(PrintedPages, LongAmountPushesNextItemDown) {
    ReportInputs in = income(1);
    in.SBAL = 1e25; // "Starting Balance = $10,000,...": longer than 32 characters
    const auto page = PrintedPages::layout(in, kUsd).page(0);
    EXPECT_EQ(textAt(page[8], 48), "<none>");
    EXPECT_EQ(page[9].size(), 1u);
    EXPECT_EQ(page[9][0].column, 48);
    EXPECT_EQ(page[9][0].text.rfind("Ending Balance = ", 0), 0u);
}

// Columns count the characters the fixed-pitch font draws, not the bytes of their UTF-8: a "€"
// (three bytes) or "£" (two) takes one column, in the placed items and in the plain text alike.
TEST(PrintedPages, ColumnsCountCharactersNotBytes) {
    struct Case {
        QLocale locale;
        double startingBalance;
    };
    for (const Case& c : {Case{QLocale(QLocale::German, QLocale::Germany), 20000},
                          Case{QLocale(QLocale::English, QLocale::UnitedKingdom), 50000},
                          Case{QLocale(QLocale::English, QLocale::UnitedStates), 50000}}) {
        ReportInputs in = income(1);
        in.SBAL = c.startingBalance;
        const CurrencyFormat cur(c.locale);
        const auto pages = PrintedPages::layout(in, cur);
        const PrintLine first = pages.page(0)[8];
        ASSERT_EQ(first.size(), 2u) << c.locale.name().toStdString(); // nothing pushed down
        EXPECT_EQ(first[1].column, 48);
        // "Starting Balance = " and the amount end before column 48 whatever the symbol.
        EXPECT_LT(16 + columnsOf(first[0].text), 48);

        const QString text = QString::fromStdString(pages.pageText(0));
        const QString line = text.split(QLatin1Char('\n'))[8];
        EXPECT_EQ(line.indexOf(QLatin1String("Ending Balance = ")), 47)
            << line.toStdString() << " under " << c.locale.name().toStdString();
        EXPECT_EQ(line.indexOf(QLatin1String("Starting Balance = ")), 15);
    }
    EXPECT_EQ(columnsOf("20.000,00 \u20ac"), 11);
    EXPECT_EQ(columnsOf("\u00a3"), 1);
    EXPECT_EQ(columnsOf(""), 0);
}

// The cases are in tests/data/paper_cases.csv: paper sizes and margins, and the margin taken.
TEST(ParsePaper, SizeNamesAndDecimalMillimetres) {
    const std::map<std::string, PaperSize> sizes{
        {"A4", PaperSize::A4}, {"Letter", PaperSize::Letter}, {"Legal", PaperSize::Legal}};
    for (const testing::CaseRow& c : testing::readCases("paper_cases.csv")) {
        const auto paper = parsePaper(c.text("size"), c.text("margin"));
        EXPECT_EQ(paper.has_value(), !c.empty("accepted_mm")) << c.line;
        if (paper && !c.empty("accepted_mm")) {
            EXPECT_EQ(paper->size, sizes.at(c.text("size"))) << c.line;
            EXPECT_DOUBLE_EQ(paper->marginMm, c.number("accepted_mm")) << c.line;
        }
    }
}

} // namespace
} // namespace selvane
