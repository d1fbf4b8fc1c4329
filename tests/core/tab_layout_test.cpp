// Where the pieces of a report line stand once its tabs are expanded, and which character a point
// on the line falls on. Every character is 10 pixels wide, so each expected place is worked out by
// hand from the stops at 1250, 2500, 3750 and 5000 twips, 15 twips to a pixel.

#include <gtest/gtest.h>

#include <QString>
#include <sstream>
#include <string>
#include <vector>

#include "core/tab_layout.h"
#include "support/case_table.h"

namespace selvane {
namespace {

const RunAdvance kTenPixels = [](QStringView run) {
    return 10.0 * static_cast<double>(run.size());
};

double stop(int twips) {
    return twips / 15.0;
}

// The cases are in tests/data/tab_layout_cases.csv, every place in twips: the stop after a place,
// where the runs of a line start and how wide it is, and the character a place falls on.
TEST(TabLayout, TableOfCases) {
    for (const testing::CaseRow& c : testing::readCases("tab_layout_cases.csv")) {
        SCOPED_TRACE(c.line);
        const QString line = QString::fromStdString(c.text("line"));
        const double x = c.number("x") / 15;
        std::vector<double> places;
        std::istringstream expected(c.text("expected"));
        for (double twips; expected >> twips;)
            places.push_back(twips / 15);
        if (c.text("check") == "stop") {
            EXPECT_DOUBLE_EQ(tabStopAfter(x), places.at(0));
        } else if (c.text("check") == "column") {
            EXPECT_EQ(characterAt(line, x, kTenPixels), c.number("expected"));
        } else if (c.text("check") == "runs") {
            const std::vector<TextRun> runs = layoutRuns(line, kTenPixels);
            ASSERT_EQ(runs.size(), places.size());
            for (size_t i = 0; i < runs.size(); ++i)
                EXPECT_DOUBLE_EQ(runs[i].x, places[i]) << "run " << i;
            EXPECT_DOUBLE_EQ(expandedWidth(line, kTenPixels), c.number("width") / 15);
        } else {
            ADD_FAILURE() << "no check " << c.text("check");
        }
    }
}

// Each run covers the text between two tabs, the tabs themselves in none of them; a character's
// edges follow the tabs.
TEST(TabLayout, RunsAndCharacterEdgesFollowTheTabs) {
    const std::vector<TextRun> runs{{0, 1, 0}, {2, 2, stop(1250)}, {5, 0, stop(2500)}};
    EXPECT_EQ(layoutRuns(u"a\tbc\t", kTenPixels), runs);
    const std::vector<double> edges{0, 10, 20, stop(1250), stop(1250) + 10};
    EXPECT_EQ(characterEdges(u"ab\tc", kTenPixels), edges);
}

} // namespace
} // namespace selvane
