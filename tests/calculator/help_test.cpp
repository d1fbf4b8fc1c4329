// A label's click through the state: an enabled field's label shows its topic in the comments
// box; a disabled label and the hidden PER label take no click, whichever front end asks.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "calculator/fincalc.h"
#include "core/help_topics.h"
#include "support/topic_text.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;

class LabelClick : public testing::InTopicFolder {
  protected:
    void SetUp() override {
        InTopicFolder::SetUp();
        // Each topic file holds its own name, so the comments box tells which one was read.
        for (int i = 0; i < kFieldCount; ++i) {
            const std::string name(fieldTopic(i));
            std::ofstream(name, std::ios::binary) << name;
        }
        calc.Form_Load();
    }

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

// Through the state: what a label's click puts into the comments box.
class HugeTopics : public testing::InTopicFolder {
  protected:
    void write(const char* name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
};

TEST_F(HugeTopics, ALongLineIsBrokenAndAHugeTopicCut) {
    const std::string line = testing::repeat("0123456789", 26215); // 262,150 characters
    write("APR.txt", line);
    write("Startup.txt", testing::repeat("\x80", 16u << 20));
    calc.Form_Load();
    EXPECT_EQ(calc.comments.size(), kMaxCommentBytes / 3002 * 3002 + kCommentsCutNote.size());
    EXPECT_TRUE(calc.comments.ends_with(kCommentsCutNote));
    EXPECT_TRUE(calc.comments.starts_with(testing::repeat("\xE2\x82\xAC", 1000) + "\r\n"));

    calc.lblSL_Click(0);
    const auto lines = testing::linesOf(calc.comments);
    ASSERT_EQ(lines.size(), 263u);
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], std::string_view(line).substr(i * 1000, 1000)) << "line " << i;
}

} // namespace
} // namespace selvane
