// The engine through the state object where no script can reach it: a calculation with no result
// chosen and a state never loaded. A mode no menu offers is opened from a file and calculated in
// the hostile script tests/hostile/files.script. The worked examples, the error rule,
// the lease tax and the live update are recorded scripts (tests/cli/cases/engine-rules).

#include <gtest/gtest.h>

#include "calculator/fincalc.h"

namespace selvane {
namespace {

class Engine : public ::testing::Test {
  protected:
    NullHost host;
    FinCalc calc{host, CurrencyFormat(QLocale(QLocale::English, QLocale::UnitedStates))};
    void SetUp() override { calc.Form_Load(); }
    std::string& text(int i) { return calc.fields[static_cast<size_t>(i)].text; }
    void set(int i, const std::string& t) { text(i) = t; }
    double v(const Stored& s) { return s.value(); }
};

TEST_F(Engine, NothingSelectedRunsOnlyTheRateSteps) {
    calc.cmResult.selected = -1;
    set(field::APR, "12");
    const std::string before = text(field::RAPR);
    const auto revision = calc.reportRevision;
    calc.Calculate();
    EXPECT_NEAR(v(calc.stored.RAPR), 12.683, 5e-4);
    EXPECT_EQ(text(field::RAPR), before);     // no field is rewritten
    EXPECT_GT(calc.reportRevision, revision); // the report is rebuilt all the same
}

TEST(EngineUnset, PaymentCostNeverComputedShowsEmpty) {
    NullHost host;
    FinCalc calc(host);
    calc.CalculatorMode = "PersonalLoan";
    calc.cmResult.entries = {"Loan Payment", "Loan Amount", "Number of Payments"};
    calc.cmResult.selected = 0;
    calc.CompoundMonths = 1;
    calc.PaymentsPerMonth = 1;
    const char* texts[] = {"7.5", "1", "150", "15", "", "60", "20000", "0", "0",
                           "",    "6", "",    "",   "", "",   "0",     "x"};
    for (int i = 0; i < kFieldCount; ++i)
        calc.fields[static_cast<size_t>(i)].text = texts[i];
    calc.Calculate();
    EXPECT_FALSE(calc.stored.PCOST.has_value());
    EXPECT_EQ(calc.fields[field::PCOST].text, "");
    EXPECT_EQ(calc.fields[field::PMT].text, "400.76");
}

TEST(EngineUnset, MissingPeriodFactorsKeepRate) {
    NullHost host;
    FinCalc calc(host);
    calc.CalculatorMode = "PersonalLoan";
    calc.Calculate();
    EXPECT_FALSE(calc.stored.PeriodRate.has_value());
    EXPECT_FALSE(calc.stored.RAPR.has_value() && calc.stored.RAPR != 0.0);
}

} // namespace
} // namespace selvane
