// A label's click through the state: an enabled field's label shows its topic in the comments
// box; a disabled label and the hidden PER label take no click, whichever front end asks.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "calculator/fincalc.h"
#include "core/help_topics.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;

class LabelClick : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    fs::path before = fs::current_path();
    NullHost host;
    FinCalc calc{host};
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        fs::current_path(dir.path().toStdString());
        // Each topic file holds its own name, so the comments box tells which one was read.
        for (int i = 0; i < kFieldCount; ++i) {
            const std::string name(fieldTopic(i));
            std::ofstream(name, std::ios::binary) << name;
        }
        calc.Form_Load();
    }
    void TearDown() override { fs::current_path(before); }

    // The topic a click on each label shows, "" where the comments box stays as it was.
    std::array<std::string, kFieldCount> clickEach() {
        std::array<std::string, kFieldCount> shown;
        for (int i = 0; i < kFieldCount; ++i) {
            calc.comments = "unchanged";
            calc.lblSL_Click(i);
            shown[static_cast<size_t>(i)] = calc.comments == "unchanged" ? "" : calc.comments;
        }
        return shown;
    }
};

TEST_F(LabelClick, EnabledLabelsShowTheirTopicDisabledAndHiddenOnesNone) {
    const std::array<std::string, kFieldCount> loan = {"APR.txt",         "",
                                                       "Inflation.txt",   "Depreciation.txt",
                                                       "Real APR.txt",    "Number of Payments.txt",
                                                       "Loan Amount.txt", "Down Payment.txt",
                                                       "End Amount.txt",  "Payment.txt",
                                                       "After.txt",       "Balance.txt",
                                                       "PPaid.txt",       "IPaid.txt",
                                                       "Value.txt",       "Tax.txt",
                                                       "PCost.txt"};
    EXPECT_EQ(clickEach(), loan);

    // Income disables DEPR, DPMT and TAX, labels and text boxes alike.
    calc.mnIncome_Click();
    std::array<std::string, kFieldCount> income = loan;
    for (int i : {field::DEPR, field::DPMT, field::TAX})
        income[static_cast<size_t>(i)] = "";
    EXPECT_EQ(clickEach(), income);

    // Back in a mode without disabled fields, every label but PER's takes its click again.
    calc.mnMortgage_Click();
    EXPECT_EQ(clickEach(), loan);
}

TEST_F(LabelClick, AnIndexOutsideTheFieldsIsNoLabel) {
    for (int i : {-1, kFieldCount, 1000}) {
        calc.comments = "unchanged";
        calc.lblSL_Click(i);
        EXPECT_EQ(calc.comments, "unchanged") << i;
    }
}

} // namespace
} // namespace selvane
