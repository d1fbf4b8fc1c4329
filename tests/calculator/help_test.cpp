// A label's click through the state. Which topic each label shows, and that disabled and hidden
// labels take no click, is a recorded script (tests/cli/cases/label-topics); a script cannot
// name a label outside the fields, as a front end with a stray index could.

#include <gtest/gtest.h>

#include "calculator/fincalc.h"

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

} // namespace
} // namespace selvane
