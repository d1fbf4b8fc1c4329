// The engine through the state object where no script can reach it: a calculation with no result
// chosen and a state never loaded. A mode no menu offers is opened from a file and calculated in
// the hostile script tests/hostile/files.script. The worked examples, the error rule,
// the lease tax and the live update are recorded scripts (tests/cli/cases/engine-rules).

#include <gtest/gtest.h>

#include "calculator/fincalc.h"
#include "support/case_table.h"

namespace selvane {
namespace {

TEST(Engine, NothingSelectedRunsOnlyTheRateSteps) {
    NullHost host;
    FinCalc calc(host);
    calc.Form_Load();
    calc.cmResult.selected = -1;
    calc.fields[field::APR].text = "12";
    const std::string before = calc.fields[field::RAPR].text;
    const auto revision = calc.reportRevision;
    calc.Calculate();
    EXPECT_NEAR(calc.stored.RAPR.value(), 12.683, 5e-4);
    EXPECT_EQ(calc.fields[field::RAPR].text, before); // no field is rewritten
    EXPECT_GT(calc.reportRevision, revision);         // the report is rebuilt all the same
}

// A state never loaded: a calculation without the period factors keeps the rate unset; with
// them, a payment cost it never works out shows empty.
TEST(EngineUnset, MissingPeriodFactorsKeepRateAndPaymentCostNeverComputedShowsEmpty) {
    NullHost host;
    FinCalc calc(host);
    calc.CalculatorMode = "PersonalLoan";
    calc.Calculate();
    EXPECT_FALSE(calc.stored.PeriodRate.has_value());
    EXPECT_FALSE(calc.stored.RAPR.has_value() && calc.stored.RAPR != 0.0);
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

// A keyboard in a locale of decimal commas types the comma key as the point, and a pasted "7,5"
// is read as 7.5; in a locale of decimal points, and without the locale's keys, nothing changes.
TEST(LocaleKeys, ADecimalCommaIsTheFieldsPoint) {
    NullHost host;
    // The cases are in tests/data/locale_keys_cases.csv: a locale, whether the keys follow it,
    // what the comma key types and what is kept of a pasted "7,5".
    for (const testing::CaseRow& c : testing::readCases("locale_keys_cases.csv")) {
        const QLocale locale(QString::fromStdString(c.text("locale")));
        FinCalc calc{host, CurrencyFormat(locale)};
        calc.keysFollowLocale = c.text("keys") == "yes";
        int key = ',';
        calc.txtSL_KeyPress(field::APR, key);
        EXPECT_EQ(key, c.text("typed").at(0)) << c.line;
        calc.fieldEdited(field::APR, "7,5");
        EXPECT_EQ(calc.fields[field::APR].text, c.text("kept")) << c.line;
    }
}

} // namespace
} // namespace selvane
