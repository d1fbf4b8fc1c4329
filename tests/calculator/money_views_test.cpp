// The chart window, print preview and export as the state object runs them: what it asks of its
// front end, and what it tells the user when a file cannot be written.

#include <gtest/gtest.h>

#include "calculator/fincalc.h"
#include "calculator/mode_menu.h"
#include "core/printed_pages.h"
#include "support/case_table.h"
#include "support/recording_host.h"

namespace selvane {
namespace {

using selvane::testing::RecordingHost;

class MoneyViews : public ::testing::Test {
  protected:
    RecordingHost host;
    FinCalc calc{host};
    void SetUp() override { calc.Form_Load(); }
};

TEST_F(MoneyViews, ChartWindowOpensOnceAndClosesWithTheMainWindow) {
    EXPECT_FALSE(calc.chartOpen);
    calc.mnChart_Click();
    calc.mnChart_Click(); // shows the same window again
    EXPECT_TRUE(calc.chartOpen);
    calc.chartClosed();
    EXPECT_FALSE(calc.chartOpen);
    calc.mnChart_Click();
    calc.Form_Unload();
    EXPECT_FALSE(calc.chartOpen);
    EXPECT_EQ(host.count("showChart"), 3);
    EXPECT_EQ(host.count("closeChart"), 1);
}

TEST_F(MoneyViews, PreviewShowsThePagesPrintPrints) {
    calc.mnPrint_Click();
    calc.mnPrintPreview_Click();
    ASSERT_EQ(host.pageTexts.size(), 2u);
    EXPECT_EQ(host.pageTexts[0], host.pageTexts[1]);
    EXPECT_FALSE(host.pageTexts[0].empty());
}

TEST_F(MoneyViews, DialogsSuggestANameBesideTheScenario) {
    // The cases are in tests/data/suggested_names_cases.csv: a scenario file's name and the
    // names suggested for the report and the chart.
    for (const testing::CaseRow& c : testing::readCases("suggested_names_cases.csv")) {
        calc.ScenarioFileName = c.text("scenario");
        host.requests.clear();
        calc.mnExport_Click();
        calc.mnSaveChart_Click();
        ASSERT_EQ(host.requests.size(), 2u);
        EXPECT_EQ(host.requests[0].title, "Export Report");
        EXPECT_EQ(host.requests[0].filter, "Payment Table (*.csv)|*.csv|Yearly Summary "
                                           "(*.csv)|*.csv|Excel Workbook (*.xlsx)|*.xlsx");
        EXPECT_EQ(host.requests[0].fileName, c.text("csv")) << c.line;
        EXPECT_EQ(host.requests[1].title, "Save Chart");
        EXPECT_EQ(host.requests[1].fileName, c.text("png")) << c.line;
    }
    EXPECT_TRUE(host.messages.empty()); // cancelled dialogs say nothing
}

TEST_F(MoneyViews, SavingTheChartHandsTheReportToTheFrontEnd) {
    host.answer = "/tmp/c.svg";
    calc.mnSaveChart_Click();
    EXPECT_EQ(host.calls.back(), "saveChart /tmp/c.svg rows 60");
    EXPECT_EQ(calc.notice, "");
    host.chartWritten = false;
    calc.mnSaveChart_Click();
    EXPECT_TRUE(host.messages.empty()); // said in the window, with no dialog
    EXPECT_EQ(calc.notice, "Could not save the chart as /tmp/c.svg: refused");
}

// An export tells its progress in lines, up to the whole file: the start-up loan's payment table
// is a header and 60 rows; its years a header, 5 years and the Total.
TEST_F(MoneyViews, ExportProgressEndsAtTheWholeFile) {
    const std::string path = ::testing::TempDir() + "progress.csv";
    host.answer = path;
    for (const auto& [type, lines] : {std::pair{1, 61}, std::pair{2, 7}}) {
        host.typeAnswer = type;
        calc.mnExport_Click();
        ASSERT_EQ(calc.notice, "");
        ASSERT_FALSE(host.progress.empty());
        EXPECT_EQ(host.progress.back(), std::make_pair(std::int64_t{lines}, std::int64_t{lines}));
    }
    std::remove(path.c_str());
}

TEST_F(MoneyViews, PaymentsPerYearFollowThePaymentPeriodList) {
    const struct {
        int period;
        std::int64_t perYear;
    } cases[] = {{0, 26}, {1, 24}, {2, 12}};
    for (const auto& c : cases) {
        calc.choosePeriod(c.period);
        EXPECT_EQ(calc.paymentsPerYear(), c.perYear) << c.period;
        EXPECT_EQ(calc.chartSource().paymentsPerYear, c.perYear);
    }
    calc.mnInvestment_Click();
    EXPECT_TRUE(calc.chartSource().investment);
    // The pointer's text names a payment of the report, the first to the last, and no other.
    const ChartSource source = calc.chartSource();
    const std::int64_t last = source.report->rowCount();
    EXPECT_EQ(chartPointText(source, 0) + chartPointText(source, last + 1), "");
    EXPECT_TRUE(chartPointText(source, 1).starts_with("Payment 1\nBalance: $"));
    EXPECT_TRUE(chartPointText(source, last).starts_with("Payment " + std::to_string(last) + "\n"));
}

TEST_F(MoneyViews, ChartSourceCarriesExtrasOnlyWhereTheyApplyAndAreNotZero) {
    // The cases are in tests/data/chart_source_extras_cases.csv: a mode, its number of payments
    // where the mode's own is not kept, the extras and whether the chart draws a line with them.
    for (const testing::CaseRow& c : testing::readCases("chart_source_extras_cases.csv")) {
        SCOPED_TRACE(c.line);
        runModeSwitch(calc, modeOfCliName(c.text("mode")).value());
        if (!c.empty("pers"))
            calc.fields[field::PERS].text = c.text("pers");
        calc.Calculate();
        ASSERT_TRUE(calc.setExtras(c.text("extra"), "1", c.text("lump"), c.text("at")));
        const bool overlay = c.text("overlay") == "yes";
        const ChartSource source = calc.chartSource();
        ASSERT_EQ(source.extras.has_value(), overlay);
        const ChartData data = source.data(200);
        ASSERT_EQ(data.balanceWithExtras.empty(), !overlay);
        if (overlay) {
            EXPECT_EQ(*source.extras, calc.plan.extras);
            // The walk is the What If window's: it ends where its schedule ends.
            const auto figures = calc.plan.whatIf();
            ASSERT_TRUE(figures);
            EXPECT_EQ(data.balanceWithExtras.back().payment, figures->payments);
        }
    }
}

// A rate change is drawn as the What If window's schedule with it: a kept payment that
// lengthens the plan draws to its last payment and the axis reaches it; one that never pays the
// plan off draws nothing.
TEST_F(MoneyViews, ChartSourceDrawsTheRateChangesScheduleToItsEnd) {
    calc.mnMortgage_Click();
    calc.Calculate();
    // The cases are in tests/data/chart_source_change_cases.csv: a rate change from payment 13,
    // the extra each payment, and the caption of the dashed line (blank: no line).
    for (const testing::CaseRow& c : testing::readCases("chart_source_change_cases.csv")) {
        SCOPED_TRACE(c.line);
        ASSERT_TRUE(calc.setExtras(c.text("extra"), "1", "0", "1"));
        ASSERT_TRUE(calc.setRateChange(c.text("apr"), "13", c.text("keep_end_date") == "yes"));
        const auto figures = calc.plan.rateChangeFigures();
        ASSERT_TRUE(figures);
        const ChartData data = calc.chartSource().data(300);
        if (c.empty("caption")) {
            EXPECT_FALSE(figures->message.empty());
            EXPECT_TRUE(data.balanceWithExtras.empty());
            continue;
        }
        EXPECT_STREQ(data.dashedCaption, c.text("caption").c_str());
        ASSERT_FALSE(data.balanceWithExtras.empty());
        EXPECT_EQ(data.balanceWithExtras.back().payment, figures->payments);
        EXPECT_EQ(data.dashedRows, std::max(data.rows, figures->payments));
        EXPECT_EQ(data.dashedRows > data.rows, figures->paymentsChange > 0);
    }
}

} // namespace
} // namespace selvane
