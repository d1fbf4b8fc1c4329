// The mode tables: each mode found again by its names, only by them, and tables whose rows agree
// with the result types.

#include <gtest/gtest.h>

#include "core/fields.h"
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

TEST(ModeTables, ResultTypesMatchTheLists) {
    for (int i = 0; i < kModeCount; ++i) {
        const Mode m = static_cast<Mode>(i);
        const int count = m == Mode::Investment ? kInvestmentResultCount : kLoanResultCount;
        EXPECT_EQ(kModes[tableIndex(m)].resultCount, count) << i;
        EXPECT_EQ(kSetups[tableIndex(m)].rowCount, count) << i;
        const SetupTable& t = kSetups[tableIndex(m)];
        for (int j = 0; j < t.fieldCount; ++j) {
            const int f = t.fields[static_cast<size_t>(j)];
            EXPECT_TRUE(f >= 0 && f < kFieldCount) << i << " " << j;
        }
    }
    const ModeInfo& investment = kModes[tableIndex(Mode::Investment)];
    EXPECT_EQ(investment.results[static_cast<size_t>(InvestmentResult::EndAmount)], "End Amount");
    EXPECT_EQ(investment.results[static_cast<size_t>(InvestmentResult::NumberOfPayments)],
              "Number of Payments");
    const ModeInfo& loan = kModes[tableIndex(Mode::PersonalLoan)];
    EXPECT_EQ(loan.results[static_cast<size_t>(LoanResult::Amount)], "Loan Amount");
    EXPECT_EQ(loan.results[static_cast<size_t>(LoanResult::NumberOfPayments)],
              "Number of Payments");
}

TEST(ModeTables, FieldBitsAreTheFieldsOwn) {
    EXPECT_EQ(fieldBits({field::APR}), 1u);
    EXPECT_EQ(fieldBits({field::PCOST}), 1u << 16);
    EXPECT_EQ(kWhiteFields, (1u << 4) | (1u << 9) | (1u << 11) | (1u << 12) | (1u << 13) |
                                (1u << 14) | (1u << 16));
}

} // namespace
} // namespace selvane
