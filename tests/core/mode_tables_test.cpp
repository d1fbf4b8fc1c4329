// A mode is found by its names, and only by them: a scenario file or a script may name anything.

#include <gtest/gtest.h>

#include "core/mode_tables.h"

namespace selvane {
namespace {

TEST(ModeTables, EveryModeIsFoundByItsNames) {
    for (int i = 0; i < kModeCount; ++i) {
        const Mode m = static_cast<Mode>(i);
        const ModeInfo& info = kModes[tableIndex(m)];
        EXPECT_EQ(modeOf(info.calculatorMode), m) << info.calculatorMode;
        EXPECT_EQ(modeOfCliName(info.cliName), m) << info.cliName;
    }
    EXPECT_EQ(modeOf("AutoLease"), Mode::Lease);
    EXPECT_EQ(modeOfCliName("Lease"), Mode::Lease);
}

TEST(ModeTables, OtherTextsNameNoMode) {
    for (const char* text : {"", "Spaceship", "Lease", "autolease", "AutoLease ", " Income",
                             "Investments", "PersonalLoan\r"})
        EXPECT_FALSE(modeOf(text).has_value()) << text;
    for (const char* name : {"", "AutoLease", "lease", "Mortgages"})
        EXPECT_FALSE(modeOfCliName(name).has_value()) << name;
}

} // namespace
} // namespace selvane
