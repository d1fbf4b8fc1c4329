// Where the pieces of a report line stand once its tabs are expanded, and which character a point
// on the line falls on. Every character is 10 pixels wide, so each expected place is worked out by
// hand from the stops at 1250, 2500, 3750 and 5000 twips, 15 twips to a pixel.

#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "core/tab_layout.h"

namespace selvane {
namespace {

const RunAdvance kTenPixels = [](QStringView run) {
    return 10.0 * static_cast<double>(run.size());
};

double stop(int twips) {
    return twips / 15.0;
}

TEST(TabLayout, TabStopAfter) {
    struct Case {
        const char* name;
        double x, expected;
    };
    for (const Case& c : {
             Case{"line start", 0.0, stop(1250)},
             Case{"inside the first column", 50.0, stop(1250)},
             Case{"exactly on a stop goes to the next", stop(1250), stop(2500)},
             Case{"third column", 200.0, stop(3750)},
             Case{"on the last stop", stop(5000), stop(5000) + stop(1250)},
             Case{"past the last stop: one more step", 340.0, 340.0 + stop(1250)},
             Case{"far past", 1000.0, 1000.0 + stop(1250)},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(tabStopAfter(c.x), c.expected);
    }
}

TEST(TabLayout, RunsStartAtTheStopsAndTheLineEndsAfterTheLastRun) {
    struct Case {
        const char* name;
        QString line;
        std::vector<double> runXs;
        double width;
    };
    const std::vector<Case> cases{
        {"empty", "", {0}, 0.0},
        {"no tab", "abc", {0}, 30.0},
        {"one tab", "a\tb", {0, stop(1250)}, stop(1250) + 10},
        {"tabs only", "\t\t", {0, stop(1250), stop(2500)}, stop(2500)},
        {"fits the column", "12345678\tx", {0, stop(1250)}, stop(1250) + 10},
        {"overflows the column", "123456789\tx", {0, stop(2500)}, stop(2500) + 10},
        {"run ends on a stop", QString(25, u'a') + "\tz", {0, stop(5000)}, stop(5000) + 10},
        {"five tabs",
         "ab\t\t\t\t\tz",
         {0, stop(1250), stop(2500), stop(3750), stop(5000), stop(5000) + stop(1250)},
         stop(5000) + stop(1250) + 10},
        {"past the last stop",
         QString(35, u'a') + "\tz",
         {0, 350 + stop(1250)},
         350 + stop(1250) + 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TextRun> runs = layoutRuns(c.line, kTenPixels);
        ASSERT_EQ(runs.size(), c.runXs.size());
        for (size_t i = 0; i < runs.size(); ++i)
            EXPECT_DOUBLE_EQ(runs[i].x, c.runXs[i]) << "run " << i;
        EXPECT_DOUBLE_EQ(expandedWidth(c.line, kTenPixels), c.width);
    }
}

// Each run covers the text between two tabs, the tabs themselves in none of them.
TEST(TabLayout, RunsCoverTheTextBetweenTabs) {
    const std::vector<TextRun> runs = layoutRuns(u"a\tbc\t", kTenPixels);
    const std::vector<TextRun> expected{{0, 1, 0}, {2, 2, stop(1250)}, {5, 0, stop(2500)}};
    EXPECT_EQ(runs, expected);
}

TEST(TabLayout, CharacterAtTheNearestEdge) {
    // "ab\tc": edges 0, 10, 20, 83.33 (after the tab), 93.33.
    const std::vector<double> edges{0, 10, 20, stop(1250), stop(1250) + 10};
    EXPECT_EQ(characterEdges(u"ab\tc", kTenPixels), edges);
    struct Case {
        const char* name;
        double x;
        qsizetype column;
    };
    for (const Case& c : {
             Case{"left of the line", -5.0, 0},
             Case{"left half of a", 4.0, 0},
             Case{"right half of a", 6.0, 1},
             Case{"right half of b", 16.0, 2},
             Case{"left half of the tab", 40.0, 2},
             Case{"right half of the tab", 60.0, 3},
             Case{"left half of c", 88.0, 3},
             Case{"past the end", 500.0, 4},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(characterAt(u"ab\tc", c.x, kTenPixels), c.column);
    }
}

} // namespace
} // namespace selvane
