// Painting printed pages: every page on one sheet of any paper, nothing past the margins, the
// page range honoured, and a cancelled printout to a file leaves no trace. The PDFs are read
// back with pdftotext, as a reader of the file would see them.

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

#include "core/file_io.h"
#include "core/printed_pages.h"
#include "print/print_painter.h"
#include "support/pdf_text.h"
#include "support/report_inputs.h"

namespace selvane {
namespace {

// Fonts need a GUI application; one for the whole test program.
void ensureApp() {
    static int argc = 1;
    static char name[] = "print_painter_test";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

using testing::kUsd;
using testing::reportInputs;

ReportInputs income(double pers, double scale = 1) {
    return reportInputs(pers, 50000 * scale, 593.5088 * scale, 0.00625);
}

QStringList sortedWords(const testing::Sheet& sheet) {
    QStringList words;
    for (const testing::Word& w : sheet.words)
        words << w.text;
    words.sort();
    return words;
}

QStringList sortedWords(const std::string& text) {
    QStringList words =
        QString::fromStdString(text).split(QRegularExpression(R"(\s+)"), Qt::SkipEmptyParts);
    words.sort();
    return words;
}

TEST(FitScale, OnlyWhatDoesNotFitShrinks) {
    const QSizeF printable(500, 700);
    for (const auto& [widths, lineHeight, expected] : {
             std::tuple{std::vector<double>{500, 100}, 350.0, 1.0}, // fills both ways: natural size
             {{100, 100, 100}, 350, 700.0 / 1050},                  // too tall
             {{1000, 10}, 10, 0.5},                                 // too wide
             {{1000, 10, 10, 10}, 350, 0.5},                        // both: the stronger shrink
             {{}, 10, 1.0},
         })
        EXPECT_DOUBLE_EQ(fitScale(widths, lineHeight, printable), expected);
}

// Letter, Legal and A4 with margins from none to 40 mm, ordinary and very long amounts, in
// dollars and in yen (whose sign a Japanese fallback font draws nearly two cells wide): each page
// of the report lands on one sheet, whole, within the margins, and every character keeps to its
// one cell, so a word is never wider than its characters' cells (measured on the sheet itself);
// only a page that would not fit is scaled down.
TEST(PaintPages, EveryPageFitsOneSheetWithinTheMargins) {
    ensureApp();
    if (!testing::havePdfToText())
        GTEST_FAIL() << "pdftotext (poppler-utils) is missing: scripts/install-deps installs it";
    ReportInputs wrapped = income(120);
    wrapped.SBAL = 1e25; // the summary's first line wraps
    wrapped.TAX = 1e20;  // and so does its fourth
    ReportInputs lease = income(36, 2e7);
    lease.PMT = 2.5e23; // rows of amounts 24 digits long
    lease.SBAL = 9.8e24;
    const CurrencyFormat yen(QLocale(QLocale::Japanese, QLocale::Japan));
    const std::tuple<const char*, ReportInputs, const CurrencyFormat&> reports[] = {
        {"ordinary", income(120), kUsd},
        {"wrapped summary", wrapped, kUsd},
        {"amounts near 1e15", income(120, 1e11), kUsd},
        {"a lease paying 2.5e23", lease, kUsd},
        {"12 billion yen", income(36, 2.5e5), yen},
        {"a lease paying 2.5e23 yen", lease, yen},
    };
    QTemporaryDir dir;
    for (const PaperSize size : {PaperSize::A4, PaperSize::Letter, PaperSize::Legal}) {
        for (const double margin : {0.0, 6.35, 10.0, 25.0, 40.0}) {
            for (const auto& [name, in, currency] : reports) {
                const PrintedPages pages = PrintedPages::layout(in, currency);
                const QString pdf = dir.filePath("fit.pdf");
                ASSERT_TRUE(writePdf(pages, pdf.toStdString(), pageLayout({size, margin})));
                const std::vector<testing::Sheet> sheets = testing::readSheets(pdf);
                const std::string what = std::string(name) + " on paper " +
                                         std::to_string(static_cast<int>(size)) + ", margin " +
                                         std::to_string(margin) + " mm";
                ASSERT_EQ(static_cast<std::int64_t>(sheets.size()), pages.pageCount()) << what;
                const double m = margin * 72 / 25.4, slack = 0.05;
                for (std::int64_t p = 0; p < pages.pageCount(); ++p) {
                    const testing::Sheet& s = sheets[static_cast<size_t>(p)];
                    // Without a font that has the yen sign it is not drawn at all.
                    ASSERT_EQ(sortedWords(s), sortedWords(pages.pageText(p)))
                        << what << ", page " << p + 1 << " (is fonts-vlgothic installed?)";
                    // Lines stand where the text printout has them, counted from the top of
                    // the printable area: the first text line at its line number times the
                    // pitch from it to the last.
                    QStringList lines = QString::fromStdString(pages.pageText(p)).split('\n');
                    const auto blank = [](const QString& l) { return l.trimmed().isEmpty(); };
                    const auto first = std::find_if_not(lines.begin(), lines.end(), blank);
                    const auto last = std::find_if_not(lines.rbegin(), lines.rend(), blank);
                    const auto [top, bottom] =
                        std::ranges::minmax_element(s.words, {}, &testing::Word::yMin);
                    const double firstLine = static_cast<double>(first - lines.begin());
                    const double lastLine = static_cast<double>(lines.rend() - last - 1);
                    if (lastLine > firstLine) {
                        const double pitch = (bottom->yMin - top->yMin) / (lastLine - firstLine);
                        EXPECT_NEAR(top->yMin, m + firstLine * pitch, pitch / 4) << what;
                    }
                    double cell = 1e9;
                    for (const testing::Word& w : s.words)
                        if (w.text.size() >= 4 && w.text.toLatin1() == w.text.toUtf8())
                            cell = std::min(cell, (w.xMax - w.xMin) / w.text.size());
                    for (const testing::Word& w : s.words) {
                        const std::string word = what + ": " + w.text.toStdString();
                        EXPECT_GE(w.xMin, m - slack) << word;
                        EXPECT_LE(w.xMax, s.width - m + slack) << word;
                        EXPECT_GE(w.yMin, m - slack) << word;
                        EXPECT_LE(w.yMax, s.height - m + slack) << word;
                        EXPECT_LE(w.xMax - w.xMin, w.text.toUcs4().size() * cell + slack) << word;
                    }
                }
            }
        }
    }
    // The distance between the two heading lines of page 1, against that of two rows of page 2,
    // which fits every sheet here: the same when page 1 fits at its natural size, smaller when it
    // had to shrink.
    const PrintedPages pages = PrintedPages::layout(income(120), kUsd);
    for (const auto& [paper, pageOneScaled] : {std::pair{Paper{PaperSize::A4, 10}, false},
                                               {Paper{PaperSize::Legal, 12.7}, false},
                                               {Paper{PaperSize::Letter, 6.35}, true}}) {
        const QString pdf = dir.filePath("scaled.pdf");
        ASSERT_TRUE(writePdf(pages, pdf.toStdString(), pageLayout(paper)));
        const std::vector<testing::Sheet> sheets = testing::readSheets(pdf);
        ASSERT_EQ(sheets.size(), 3u);
        const testing::Word *pmnt = find(sheets[0], "Pmnt"), *no = find(sheets[0], "No.");
        const testing::Word *r51 = find(sheets[1], "51"), *r52 = find(sheets[1], "52");
        ASSERT_TRUE(pmnt && no && r51 && r52);
        const double pitch1 = no->yMin - pmnt->yMin, pitch2 = r52->yMin - r51->yMin;
        const std::string what = "paper " + std::to_string(static_cast<int>(paper.size));
        if (pageOneScaled)
            EXPECT_LT(pitch1, pitch2 * 0.999) << what;
        else
            EXPECT_NEAR(pitch1, pitch2, 0.01) << what;
    }
}

// Progress is told of each page painted, of the range's page count, until the user cancels; a
// range holding no page of the report paints nothing, and a PDF written of a range holds its
// sheets only.
TEST(PaintPages, ProgressAndSheetsAreThoseOfTheRange) {
    ensureApp();
    if (!testing::havePdfToText())
        GTEST_FAIL() << "pdftotext (poppler-utils) is missing: scripts/install-deps installs it";
    const auto pages = PrintedPages::layout(income(120), kUsd); // three pages
    QTemporaryDir dir;
    const struct {
        const char* name;
        bool goOn; // false: the user cancels after the first page
        PageRange range;
        std::int64_t total;
        std::vector<std::int64_t> seen;
    } cases[] = {{"all.pdf", true, {}, 3, {1, 2, 3}},
                 {"stopped.pdf", false, {}, 3, {1}},
                 {"tail.pdf", true, {2, 9}, 2, {1, 2}}};
    for (const auto& c : cases) {
        std::vector<std::int64_t> seen;
        QPdfWriter writer(dir.filePath(c.name));
        const auto progress = [&](std::int64_t done, std::int64_t total) {
            EXPECT_EQ(total, c.total) << c.name;
            seen.push_back(done);
            return c.goOn;
        };
        EXPECT_EQ(paintPages(pages, writer, progress, c.range), c.goOn) << c.name;
        EXPECT_EQ(seen, c.seen) << c.name;
    }
    QPdfWriter none(dir.filePath("none.pdf"));
    EXPECT_FALSE(paintPages(pages, none, {}, PageRange{4, 5})); // no page of the report

    const QString pdf = dir.filePath("two.pdf");
    ASSERT_TRUE(writePdf(pages, pdf.toStdString(), pageLayout({}), {}, PageRange{2, 2}));
    const auto sheets = testing::readSheets(pdf);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sortedWords(sheets[0]), sortedWords(pages.pageText(1)));
}

// A printout that is cancelled, or that the file cannot take (here: past the process's file size
// limit, a real refusal of the file system), or whose totals cannot be computed, leaves the file
// it was to replace byte for byte and creates none; a failed write stops the layout at once.
TEST(WritePdf, CancelledFailedOrEmptyPrintoutsLeaveThePreviousFile) {
    ensureApp();
    const auto pages = PrintedPages::layout(income(20000), kUsd); // 401 pages
    ReportInputs overflowing = income(120);
    overflowing.PMT = 1e308;
    const auto none = PrintedPages::layout(overflowing, kUsd);
    QTemporaryDir dir;
    const std::string old = dir.filePath("old.pdf").toStdString();
    const std::string fresh = dir.filePath("fresh.pdf").toStdString();
    ASSERT_TRUE(replaceFile(old, "the previous printout"));
    std::int64_t painted = 0;
    const auto cancelAfterOne = [&painted](std::int64_t done, std::int64_t) {
        return (painted = done) < 1;
    };
    const auto count = [&painted](std::int64_t done, std::int64_t) { return (painted = done) > 0; };

    struct rlimit was {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &was), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = was;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const WriteOutcome full = writePdf(pages, old, pageLayout({}), count);
    ::setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(full.reason, std::strerror(EFBIG));
    EXPECT_LT(painted, pages.pageCount() / 4) << "pages laid out after the write failed";

    for (const std::string& target : {old, fresh})
        EXPECT_EQ(writePdf(pages, target, pageLayout({}), cancelAfterOne).reason, kWriteCancelled);
    EXPECT_EQ(writePdf(none, old, pageLayout({})).reason, kNoReportToPrint);
    EXPECT_EQ(readWholeFile(old, 1 << 20), "the previous printout");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("old.pdf")}); // no temporary file left behind

    EXPECT_TRUE(writePdf(PrintedPages::layout(income(120), kUsd), fresh, pageLayout({})));
    EXPECT_TRUE(readWholeFile(fresh, 1 << 30).value_or("").starts_with("%PDF-"));
}

// The paper the print dialog offers first follows the printer, then the territory; a layout has
// equal margins all round, those the paper names, 10 mm by default. (The sheet itself, upright:
// the command line's PrintPdf.PaperChoosesTheSheet measures it in the PDFs.)
TEST(Paper, DefaultAndLayout) {
    ensureApp();
    for (const auto& [territory, printer, expected] :
         {std::tuple{QLocale::UnitedStates, std::optional<QPageSize>(), QPageSize::Letter},
          {QLocale::Canada, std::nullopt, QPageSize::Letter},
          {QLocale::Germany, std::nullopt, QPageSize::A4},
          {QLocale::UnitedKingdom, std::nullopt, QPageSize::A4},
          {QLocale::AnyTerritory, std::nullopt, QPageSize::A4},
          {QLocale::UnitedStates, QPageSize(QPageSize::A4), QPageSize::A4},
          {QLocale::France, QPageSize(QPageSize::Legal), QPageSize::Legal},
          {QLocale::Canada, QPageSize(), QPageSize::Letter}})
        EXPECT_EQ(defaultPaper(territory, printer).id(), expected)
            << QLocale::territoryToString(territory).toStdString();
    EXPECT_EQ(pageLayout({PaperSize::Letter, 6.35}).margins(QPageLayout::Millimeter),
              QMarginsF(6.35, 6.35, 6.35, 6.35));
    EXPECT_EQ(pageLayout({}).margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
}

} // namespace
} // namespace selvane
