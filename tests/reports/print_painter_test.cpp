// Painting printed pages: every page is reported, and a cancelled printout stops where it is.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "reports/print_painter.h"
#include "reports/printed_pages.h"

namespace selvane {
namespace {

TEST(PaintPages, ProgressSeesEveryPageAndCanStop) {
    int argc = 1;
    char name[] = "print_painter_test";
    char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ReportInputs in;
    in.SBAL = 50000;
    in.PMT = 593.51;
    in.PeriodRate = 0.00625;
    in.PERS = 120;
    const auto pages = PrintedPages::layout(in, CurrencyFormat(QLocale(QLocale::English)));
    ASSERT_EQ(pages.pageCount(), 3);
    QTemporaryDir dir;

    std::vector<std::int64_t> seen;
    QPdfWriter all(dir.filePath("all.pdf"));
    EXPECT_TRUE(paintPages(pages, all, [&](std::int64_t done, std::int64_t total) {
        EXPECT_EQ(total, 3);
        seen.push_back(done);
        return true;
    }));
    EXPECT_EQ(seen, (std::vector<std::int64_t>{1, 2, 3}));

    seen.clear();
    QPdfWriter stopped(dir.filePath("stopped.pdf"));
    EXPECT_FALSE(paintPages(pages, stopped, [&](std::int64_t done, std::int64_t) {
        seen.push_back(done);
        return false; // the user cancels after the first page
    }));
    EXPECT_EQ(seen, (std::vector<std::int64_t>{1}));
}

} // namespace
} // namespace selvane
