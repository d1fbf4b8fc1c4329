// The rules of File > Recent Files: newest first, each file once, at most five.

#include <gtest/gtest.h>

#include <QDir>

#include "core/recent_files.h"

namespace selvane {
namespace {

using List = std::vector<std::string>;

TEST(RecentFiles, NewestFirstAndAtMostFive) {
    List list;
    for (const char* name : {"/d/1.fin", "/d/2.fin", "/d/3.fin", "/d/4.fin", "/d/5.fin"})
        list = withRecentFile(list, name);
    EXPECT_EQ(list, (List{"/d/5.fin", "/d/4.fin", "/d/3.fin", "/d/2.fin", "/d/1.fin"}));
    list = withRecentFile(list, "/d/6.fin");
    EXPECT_EQ(list, (List{"/d/6.fin", "/d/5.fin", "/d/4.fin", "/d/3.fin", "/d/2.fin"}));
    EXPECT_EQ(kRecentFilesMax, 5u);
}

TEST(RecentFiles, AFileListedAgainMovesToTheFrontOnce) {
    List list{"/d/a.fin", "/d/b.fin", "/d/c.fin"};
    EXPECT_EQ(withRecentFile(list, "/d/c.fin"), (List{"/d/c.fin", "/d/a.fin", "/d/b.fin"}));
    EXPECT_EQ(withRecentFile(list, "/d/a.fin"), (List{"/d/a.fin", "/d/b.fin", "/d/c.fin"}));
    // The same file spelt another way is the same entry.
    EXPECT_EQ(withRecentFile(list, "/d/x/../b.fin"), (List{"/d/b.fin", "/d/a.fin", "/d/c.fin"}));
    EXPECT_EQ(withRecentFile(list, "/d//./c.fin"), (List{"/d/c.fin", "/d/a.fin", "/d/b.fin"}));
    EXPECT_EQ(withRecentFile(list, "/../../d/a.fin"), list); // above the root is the root
    // A name that differs only in case is another file.
    EXPECT_EQ(withRecentFile(list, "/d/A.fin").size(), 4u);
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

TEST(RecentFiles, RemovingKeepsTheOthersInOrder) {
    const List list{"/d/a.fin", "/d/b.fin", "/d/c.fin"};
    EXPECT_EQ(withoutRecentFile(list, "/d/b.fin"), (List{"/d/a.fin", "/d/c.fin"}));
    EXPECT_EQ(withoutRecentFile(list, "/d/./a.fin"), (List{"/d/b.fin", "/d/c.fin"}));
    EXPECT_EQ(withoutRecentFile(list, "/d/none.fin"), list);
    EXPECT_TRUE(withoutRecentFile({}, "/d/a.fin").empty());
}

TEST(RecentFiles, AStoredListIsTidiedWhenRead) {
    // Settings edited by hand: duplicates, empty entries, too many.
    const List stored{"/d/a.fin", "",         "/d/./a.fin", "/d/b.fin",
                      "/d/c.fin", "/d/d.fin", "/d/e.fin",   "/d/f.fin"};
    EXPECT_EQ(tidyRecentFiles(stored),
              (List{"/d/a.fin", "/d/b.fin", "/d/c.fin", "/d/d.fin", "/d/e.fin"}));
    EXPECT_TRUE(withRecentFile({}, "").empty()); // an empty path is never listed
}

} // namespace
} // namespace selvane
