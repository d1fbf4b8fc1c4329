// A label's click through the state. Which topic each label shows, and that disabled and hidden
// labels take no click, is a recorded script (tests/cli/cases/label-topics); a script cannot
// name a label outside the fields, as a front end with a stray index could.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "calculator/fincalc.h"
#include "core/help_topics.h"

namespace selvane {
namespace {

TEST(LabelClick, AnIndexOutsideTheFieldsIsNoLabel) {
    NullHost host;
    FinCalc calc(host);
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
TEST(HelpTopics, ComeInTheWindowsLanguage) {
    struct Speaking : NullHost {
        std::string translate(const char* text) const override {
            return "[" + std::string(text) + "]";
        }
        std::string helpLanguage() const override { return "xx"; }
        std::vector<std::string> helpFolders() const override { return {"/nowhere", program}; }
        std::string program;
    } host;
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "selvane-help-language-test";
    fs::remove_all(folder);
    fs::create_directories(folder / "xx");
    fs::create_directories(folder / "prog" / "xx");
    host.program = (folder / "prog").string();
    auto write = [&](const fs::path& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    };
    write("Startup.txt", "English\xe9");
    write("xx/Startup.txt", "Gr\xc3\xbc\xc3\x9f"
                            "e");
    write("APR.txt", "Rate\xe9");
    write("prog/APR.txt", "Program");
    write("prog/xx/Tax.txt", "Steuer");
    write("prog/Inflation.txt", "Infl");
    std::string huge;
    for (size_t i = 0; i <= kMaxCommentLines; ++i)
        huge += "line\r\n";
    write("xx/Payment.txt", huge);
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    FinCalc calc(host);
    calc.Form_Load();
    EXPECT_EQ(calc.comments, "Gr\xc3\xbc\xc3\x9f"
                             "e");
    calc.lblSL_Click(field::APR);
    EXPECT_EQ(calc.comments, "Rate\xc3\xa9");
    calc.lblSL_Click(field::TAX);
    EXPECT_EQ(calc.comments, "Steuer");
    calc.lblSL_Click(field::INFL);
    EXPECT_EQ(calc.comments, "Infl");
    calc.lblSL_Click(field::PMT);
    EXPECT_TRUE(calc.comments.ends_with("line\r\n[" + std::string(kCommentsCutNote) + "]"));
    fs::current_path(before);
    fs::remove_all(folder);
}

} // namespace
} // namespace selvane
