// What if the rate changes, as the window's rate change group shows it: signed changes, singular
// and plural, and no figure beside a refused text or where a change cannot be used. Every figure of
// the rate change and of the rate shocks is checked against the schedule model on thousands of
// generated loans and mortgages, with What If's own (what_if_test.cpp).

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "calculator/fincalc.h"
#include "support/recording_host.h"
#include "support/report_inputs.h"

namespace selvane {
namespace {

// The texts the window shows, for a 25-year mortgage at 4 % whose rate changes from payment 61
// (figures as the schedule model has them): signed changes, singular and plural, and no figure
// beside a refused text or where a change cannot be used.
TEST(RateChange, TextsOfTheWindow) {
    testing::RecordingHost host;
    FinCalc c(host, testing::kUsd);
    c.Form_Load();
    c.mnMortgage_Click();
    c.fields[field::APR].text = "4";
    c.Calculate();
    RateChangeTexts t = c.rateChangeTexts();
    EXPECT_TRUE(t.apr == "4" && t.from == "1" && !t.on && t.figures[0] == "\u2013");
    const struct {
        struct {
            const char *apr, *from;
            bool keepEndDate;
        } change;
        std::array<std::string, 7> figures;
    } cases[] = {
        {{"6.5", "61", false},
         {"$789.03", "465", "$772.38", "$366,882.45", "$216,882.45", "+$130,173.35",
          "+165 payments (13 years 9 months)"}},
        {{"6.5", "61", true},
         {"$966.95", "300", "$966.95", "$279,410.28", "$129,410.28", "+$42,701.18", "0 payments"}},
        {{"3.97", "1", false},
         {"$789.03", "299", "$337.57", "$235,468.60", "$85,468.60", "($1,240.49)",
          "-1 payment (-1 month)"}},
        {{"4.00001", "1", false},
         {"$789.03", "301", "$0.42", "$236,709.51", "$86,709.51", "+$0.42",
          "+1 payment (1 month)"}},
        // Less than half a cent more: no sign before a figure of no cents.
        {{"4.00005", "300", false},
         {"$789.03", "300", "$789.03", "$236,709.09", "$86,709.09", "$0.00", "0 payments"}},
    };
    for (const auto& k : cases) {
        ASSERT_TRUE(c.setRateChange(k.change.apr, k.change.from, k.change.keepEndDate));
        t = c.rateChangeTexts();
        EXPECT_EQ(t.figures, k.figures) << k.change.apr;
        EXPECT_TRUE(t.on && t.refused.empty() && t.message.empty());
    }
    EXPECT_EQ(t.shockFrom, "From payment 300 on, the end date kept:");
    ASSERT_TRUE(c.setRateChange("6.5", "61", false));
    EXPECT_EQ(c.rateChangeTexts().shockFrom, "From payment 61 on, the end date kept:");
    const std::array<std::string, 3> shock1{"+1 point (5.000 %)", "$858.08", "$103,280.92"};
    EXPECT_EQ(c.rateChangeTexts().shock[0], shock1);
    EXPECT_EQ(c.rateChangeTexts().shock[2][0], "+3 points (7.000 %)");

    // A refused text, a payment that does not pay the interest at the new rate, a lease.
    EXPECT_FALSE(c.setRateChange("6.5", "0", false));
    t = c.rateChangeTexts();
    EXPECT_TRUE(t.on && !t.refused.empty() && t.figures[0] == "\u2013" &&
                t.shock[0][1] == "\u2013");
    ASSERT_TRUE(c.setRateChange("30", "61", false));
    t = c.rateChangeTexts();
    EXPECT_TRUE(!t.message.empty() && t.figures[0] == "\u2013" && t.shock[0][1] != "\u2013");
    // Kept so, the plan has no number of payments, length or totals to compare.
    c.mnKeep_Click();
    for (const size_t row : {1, 2, 4})
        EXPECT_EQ(c.compareTexts()[row][0], "\u2013") << row;
    c.mnLease_Click();
    t = c.rateChangeTexts();
    EXPECT_TRUE(!t.unavailable.empty() && t.shockFrom.empty() && t.figures[0] == "\u2013");
}

} // namespace
} // namespace selvane
