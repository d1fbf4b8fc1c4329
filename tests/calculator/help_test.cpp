// A label's click through the state. Which topic each label shows, and that disabled and hidden
// labels take no click, is a recorded script (tests/cli/cases/label-topics); a script cannot
// name a label outside the fields, as a front end with a stray index could.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "calculator/fincalc.h"
#include "core/help_topics.h"
#include "support/topic_text.h"

namespace selvane {
namespace {

using LabelClick = testing::InTopicFolder;
using HelpTopics = testing::InTopicFolder;

TEST_F(LabelClick, AnIndexOutsideTheFieldsIsNoLabel) {
    calc.Form_Load();
    for (int i : {-1, kFieldCount, 1000}) {
        calc.comments = "unchanged";
        calc.lblSL_Click(i);
        EXPECT_EQ(calc.comments, "unchanged") << i;
    }
}

// A window that speaks another language: the topics come from its folder, in UTF-8, and the
// English one stands in for a topic it lacks; a topic cut short says so in that language. A topic
// the working folder lacks comes from the program's own folder, where the working folder's wins.
TEST_F(HelpTopics, ComeInTheWindowsLanguage) {
    struct Speaking : NullHost {
        std::string translate(const char* text) const override {
            return "[" + std::string(text) + "]";
        }
        std::string helpLanguage() const override { return "xx"; }
        std::vector<std::string> helpFolders() const override { return {"/nowhere", program}; }
        std::string program;
    } speaking;
    speaking.program = dir.filePath("prog").toStdString();
    std::filesystem::create_directories("prog/xx");
    std::filesystem::create_directories("xx");
    const std::pair<const char*, std::string> topics[] = {
        {"Startup.txt", "English\xe9"},
        {"xx/Startup.txt", "Gr\u00fc\u00dfe"},
        {"APR.txt", "Rate\xe9"},
        {"prog/APR.txt", "Program"},
        {"prog/xx/Tax.txt", "Steuer"},
        {"prog/Inflation.txt", "Infl"},
        {"xx/Payment.txt", testing::repeat("line\r\n", kMaxCommentLines + 1)}};
    for (const auto& [name, text] : topics)
        std::ofstream(name, std::ios::binary) << text;
    FinCalc speaker(speaking);
    speaker.Form_Load();
    EXPECT_EQ(speaker.comments, "Gr\u00fc\u00dfe");
    speaker.lblSL_Click(field::APR);
    EXPECT_EQ(speaker.comments, "Rate\u00e9");
    speaker.lblSL_Click(field::TAX);
    EXPECT_EQ(speaker.comments, "Steuer");
    speaker.lblSL_Click(field::INFL);
    EXPECT_EQ(speaker.comments, "Infl");
    speaker.lblSL_Click(field::PMT);
    EXPECT_TRUE(speaker.comments.ends_with("line\r\n[" + std::string(kCommentsCutNote) + "]"));
}

} // namespace
} // namespace selvane
