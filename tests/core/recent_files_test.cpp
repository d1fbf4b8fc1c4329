// The rules of File > Recent Files: newest first, each file once, at most five.

#include <gtest/gtest.h>

#include <QDir>
#include <sstream>

#include "core/recent_files.h"
#include "support/case_table.h"

namespace selvane {
namespace {

using List = std::vector<std::string>;

// A list as the case table writes it: entries with | between them; a blank cell is no entries.
List listOf(const std::string& cell) {
    List list;
    std::istringstream in(cell);
    for (std::string entry; std::getline(in, entry, '|');)
        list.push_back(entry);
    return list;
}

// The cases are in tests/data/recent_files_cases.csv: a file put at the front of a list, taken
// out of one, and a stored list tidied when read.
TEST(RecentFiles, TableOfCases) {
    for (const testing::CaseRow& c : testing::readCases("recent_files_cases.csv")) {
        const std::string f = c.text("function"), path = c.text("path");
        const List list = listOf(c.text("list"));
        if (f != "with" && f != "without" && f != "tidy")
            ADD_FAILURE() << "no function " << f;
        const List got = f == "with"      ? withRecentFile(list, path)
                         : f == "without" ? withoutRecentFile(list, path)
                                          : tidyRecentFiles(list);
        EXPECT_EQ(got, listOf(c.text("expected"))) << c.line;
    }
}

TEST(RecentFiles, PathsAreMadeAbsoluteAgainstTheWorkingDirectory) {
    const std::string here = QDir::currentPath().toStdString();
    EXPECT_EQ(recentFileKey("plan.fin"), here + "/plan.fin");
    EXPECT_EQ(recentFileKey("./sub/../plan.fin"), here + "/plan.fin");
    EXPECT_EQ(recentFileKey(":plan.fin"), here + "/:plan.fin"); // a name, not a Qt resource
    EXPECT_EQ(recentFileKey(""), "");
    const List list = withRecentFile({here + "/plan.fin"}, "plan.fin");
    EXPECT_EQ(list, (List{here + "/plan.fin"}));
}

} // namespace
} // namespace selvane
