// The scenario file format: reading quoted items, commas, line ends and short files. How a file is
// written, its items quoted in the old code page, is the recorded case old-code-page-file
// (tests/cli/cases).

#include <gtest/gtest.h>

#include <sstream>

#include "core/scenario_format.h"
#include "support/case_table.h"

namespace selvane {
namespace {

// The cases are in tests/data/scenario_item_cases.csv: the items read from a file's bytes, each
// in brackets, and items read as whole numbers ("none": refused).
TEST(ItemReader, TableOfCases) {
    for (const testing::CaseRow& c : testing::readCases("scenario_item_cases.csv")) {
        const std::string f = c.text("function"), input = c.text("input");
        std::string got;
        if (f == "items") {
            ItemReader reader(input);
            while (const auto item = reader.next())
                got += "[" + *item + "]";
        } else if (f == "wholeNumber") {
            const auto n = wholeNumberItem(input);
            got = n ? std::to_string(*n) : "none";
        } else {
            ADD_FAILURE() << "no function " << f;
        }
        EXPECT_EQ(got, c.text("expected")) << c.line;
    }
}

// The cases are in tests/data/scenario_read_cases.csv: whole, short, broken and odd files, and
// what each gives as far as it is read.
TEST(ReadScenario, TableOfCases) {
    for (const testing::CaseRow& c : testing::readCases("scenario_read_cases.csv")) {
        const ScenarioRead r = readScenario(c.text("bytes"));
        EXPECT_EQ(r.complete, c.text("complete") == "yes") << c.line;
        EXPECT_EQ(r.mode.value_or("none"), c.text("mode")) << c.line;
        EXPECT_EQ(r.resultType ? std::to_string(*r.resultType) : "none", c.text("type")) << c.line;
        std::vector<float> values;
        std::istringstream in(c.text("values"));
        for (float v; in >> v;)
            values.push_back(v);
        EXPECT_EQ(r.values, values) << c.line;
    }
}

} // namespace
} // namespace selvane
