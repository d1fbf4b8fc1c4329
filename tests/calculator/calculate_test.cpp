// The engine through the state object: worked examples of each family, the period factors,
// the error rule, the lease tax and the live update.

#include <gtest/gtest.h>

#include <cstring>

#include "calculator/fincalc.h"
#include "calculator/keyboard.h"

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

TEST_F(Engine, PersonalLoanPaymentAtStartUp) {
    const StoredValues& s = calc.stored;
    EXPECT_NEAR(v(s.PeriodRate), 0.00625, 1e-15);
    EXPECT_NEAR(v(s.RAPR), 7.763259885603113, 1e-12);
    EXPECT_NEAR(v(s.PMT), 400.7589719124764, 1e-9);
    EXPECT_NEAR(v(s.BAL), 16574.7382964108, 1e-8);
    EXPECT_NEAR(v(s.PPAID), 3425.2617035892, 1e-8);
    EXPECT_NEAR(v(s.IPAID), 1383.8459593605166, 1e-8);
    EXPECT_EQ(text(field::PMT), "400.76");
    EXPECT_EQ(text(field::APR), "7.500");
    EXPECT_EQ(text(field::PERS), "60.00");
    EXPECT_EQ(text(field::AFTER), "12"); // never written back
    EXPECT_EQ(text(field::VALUE), "17000.00");
}

TEST_F(Engine, PeriodFactorsSetTheRate) {
    struct Case {
        int compound, period;
        double rate, rapr;
    } cases[] = {
        {3, 2, 0.009488792934583046, 12.0}, // yearly compounding, monthly payments
        {0, 2, 0.010048508, 12.747},        // daily compounding
        {1, 0, 0.0045996, 12.719},          // monthly compounding, biweekly payments
        {1, 2, 0.01, 12.683},               // monthly, monthly
    };
    for (const Case& c : cases) {
        calc.chooseCompound(c.compound);
        calc.choosePeriod(c.period);
        set(field::APR, "12");
        calc.Calculate();
        EXPECT_NEAR(v(calc.stored.PeriodRate), c.rate, 5e-7) << c.compound << "/" << c.period;
        EXPECT_NEAR(v(calc.stored.RAPR), c.rapr, 5e-4) << c.compound << "/" << c.period;
    }
    calc.chooseCompound(3);
    calc.choosePeriod(2);
    calc.Calculate();
    EXPECT_EQ(text(field::RAPR), "12.000");
}

TEST_F(Engine, SalesTaxEntersStartAmountOnlyWhileSolvingForPayment) {
    calc.mnMortgage_Click();
    set(field::TAX, "5");
    set(field::SBAL, "20000");
    set(field::DPMT, "0");
    set(field::DEPR, "1");
    calc.Calculate();
    // The payment is the level payment on 21000 financed over 300 months at 5 % compounded
    // half-yearly (a monthly rate of 1.025^(1/6) - 1) ...
    EXPECT_NEAR(v(calc.stored.PMT), 122.13704685777326, 1e-9);
    EXPECT_EQ(text(field::PMT), "122.14"); // shown without tax
    // ... while the start amount is 20000 again afterwards and the asset value is based on it:
    // five years at 1 % depreciation, and the payment's cost after five years at 2 % inflation.
    EXPECT_EQ(v(calc.stored.SBAL), 20000.0);
    EXPECT_NEAR(v(calc.stored.VALUE), 19019.800998, 1e-9);
    EXPECT_NEAR(v(calc.stored.PCOST), 110.40221671447733, 1e-9);
}

TEST_F(Engine, LeasePaymentCarriesTheTax) {
    calc.mnLease_Click();
    calc.chooseResult(1); // Lease Amount from the payment
    set(field::TAX, "5");
    set(field::PMT, "315");
    calc.Calculate();
    EXPECT_NEAR(v(calc.stored.PMT), 300.0, 1e-12);
    EXPECT_EQ(text(field::PMT), "315.00");
    const double principal = v(calc.stored.SBAL) - v(calc.stored.DPMT);
    calc.Calculate(); // a second round trip keeps the field and the work value stable
    EXPECT_EQ(text(field::PMT), "315.00");
    EXPECT_NEAR(v(calc.stored.SBAL) - v(calc.stored.DPMT), principal, 1e-9);

    // Payment cost with inflation and tax: INFL 3, AFTER 12, PMT 300, TAX 0 gives 291.00.
    set(field::TAX, "0");
    set(field::PMT, "300");
    set(field::INFL, "3");
    set(field::AFTER, "12");
    calc.Calculate();
    EXPECT_EQ(text(field::PCOST), "291.00");
}

TEST_F(Engine, LeaseTaxOfMinus100IsAFailingStep) {
    calc.mnLease_Click();
    calc.chooseResult(1);
    set(field::TAX, "-100");
    set(field::PMT, "315");
    calc.Calculate();
    EXPECT_EQ(v(calc.stored.PMT), 315.0); // kept as read, never a division by zero
    EXPECT_EQ(text(field::PMT), "0.00");  // shown with the tax factor 0
}

TEST_F(Engine, StartAmountBranchDerivesDepreciation) {
    calc.chooseResult(1);
    EXPECT_EQ(v(calc.stored.DEPR), 100.0); // FBAL 0: the asset is worth nothing at the end
    EXPECT_EQ(v(calc.stored.VALUE), 0.0);
    // 60 payments of 500 at 0.625 % a month: 500 * (1 - 1.00625^-60) / 0.00625.
    EXPECT_NEAR(v(calc.stored.SBAL), 24952.65409100832, 1e-8);
}

TEST_F(Engine, InvestmentEndAmount) {
    calc.mnInvestment_Click();
    calc.chooseResult(2);
    set(field::APR, "12");
    set(field::PERS, "12");
    set(field::SBAL, "0");
    set(field::PMT, "100");
    set(field::AFTER, "0");
    calc.Calculate();
    EXPECT_NEAR(v(calc.stored.FBAL), 1268.2503013197, 1e-9);
    EXPECT_EQ(text(field::FBAL), "1268.25");
    // AFTER 0: balance is the principal, nothing paid, VALUE the end amount, PCOST the payment.
    EXPECT_EQ(v(calc.stored.BAL), 0.0);
    EXPECT_EQ(v(calc.stored.PPAID), 0.0);
    EXPECT_EQ(v(calc.stored.VALUE), v(calc.stored.FBAL));
    EXPECT_EQ(v(calc.stored.PCOST), 100.0);
    EXPECT_EQ(text(field::INFL), "2"); // not written back in this family
}

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

TEST_F(Engine, FailingStepsKeepTheirTargets) {
    // No payments: the parts of the payment cannot be computed, PMT comes from the kept parts.
    const double parts = v(calc.stored.PrincipalPart) + v(calc.stored.InterestPart);
    set(field::PERS, "0");
    calc.Calculate();
    EXPECT_EQ(v(calc.stored.PMT), parts);
    EXPECT_EQ(v(calc.stored.PERS), 0.0);

    // Yearly compounding: payment number 12 is not valid for 11 payments.
    set(field::PERS, "11");
    calc.chooseCompound(3);
    calc.Calculate();
    EXPECT_EQ(v(calc.stored.PMT), parts);

    // A payment that cannot cover the interest: NPer fails, PERS stays as read.
    calc.chooseCompound(1);
    calc.chooseResult(2);
    set(field::PMT, "50");
    set(field::PERS, "46.17");
    calc.Calculate();
    EXPECT_EQ(v(calc.stored.PERS), 46.17);
    EXPECT_LT(v(calc.stored.PPAID), 0.0); // the balance grew
    EXPECT_EQ(text(field::PPAID).front(), '-');
}

TEST_F(Engine, FailingResultsStepEndsTheWriteBack) {
    calc.mnLease_Click();
    const std::string balance = text(field::BAL);
    set(field::INFL, "150");
    set(field::AFTER, "6");
    set(field::APR, "9");
    calc.Calculate();
    EXPECT_EQ(text(field::APR), "9.000"); // written before the failure
    EXPECT_NE(text(field::PMT), "");      // the payment with tax is still shown
    EXPECT_EQ(text(field::BAL), balance); // later steps keep their text
    EXPECT_EQ(text(field::INFL), "150.00");
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

TEST_F(Engine, UnknownModeReadsButSolvesNothing) {
    // A scenario file can name any mode: its fields are read and the rate derived, no more.
    calc.CalculatorMode = "Spaceship";
    EXPECT_FALSE(calc.mode().has_value());
    set(field::APR, "12");
    set(field::PMT, "123");
    set(field::BAL, "456");
    const auto fieldsBefore = calc.fields;
    const Stored principalPart = calc.stored.PrincipalPart;
    calc.Calculate();
    EXPECT_EQ(v(calc.stored.APR), 12.0);
    EXPECT_NEAR(v(calc.stored.PeriodRate), 0.01, 1e-15);
    EXPECT_EQ(v(calc.stored.PMT), 123.0); // read, not solved for
    EXPECT_EQ(v(calc.stored.BAL), 456.0); // no payment loop
    EXPECT_EQ(calc.stored.PrincipalPart, principalPart);
    for (int i = 0; i < kFieldCount; ++i) // nothing written back
        EXPECT_EQ(text(i), fieldsBefore[static_cast<size_t>(i)].text) << i;
}

TEST_F(Engine, NumberBeyondDoubleRangeKeepsStoredValue) {
    set(field::APR, "1e999");
    calc.Calculate();
    EXPECT_EQ(v(calc.stored.APR), 7.5);
    EXPECT_EQ(text(field::APR), "7.500");
}

TEST_F(Engine, HugeCountsAreBounded) {
    // Past the pass limit the balance loop fails as a whole: BAL stays the principal.
    set(field::AFTER, "1e300");
    calc.Calculate();
    EXPECT_EQ(v(calc.stored.BAL), 20000.0);
    set(field::AFTER, "-5");
    calc.Calculate();
    EXPECT_EQ(v(calc.stored.BAL), 20000.0); // no pass at all
    set(field::AFTER, "2.5");
    calc.Calculate();
    EXPECT_NEAR(v(calc.stored.BAL), 19446.7585626006, 1e-6); // two whole passes
}

TEST_F(Engine, EnterCalculatesAndIsConsumed) {
    selectAllAndDelete(calc, field::APR);
    typeText(calc, field::APR, "8");
    int key = 13;
    calc.txtSL_KeyPress(field::APR, key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(text(field::APR), "8.000");
    int other = 'x';
    calc.txtSL_KeyPress(field::APR, other);
    EXPECT_EQ(other, 'x');
}

// ----- live update in lease mode

class LiveUpdate : public Engine {
  protected:
    void SetUp() override {
        Engine::SetUp();
        calc.mnLease_Click();
    }
};

TEST_F(LiveUpdate, PurchaseAmountUpdatesBuyBackAtEveryKey) {
    calc.stored.PERS = 36;
    selectAllAndDelete(calc, field::SBAL);
    // Three years at 20 % depreciation keep 0.512 of the purchase amount.
    const struct {
        const char *typed, *buyBack;
    } keys[] = {{"2", "1.02"},
                {"20", "10.24"},
                {"200", "102.40"},
                {"2000", "1024.00"},
                {"20000", "10240.00"}};
    for (const auto& k : keys) {
        typeText(calc, field::SBAL, std::string(1, k.typed[std::strlen(k.typed) - 1]));
        EXPECT_EQ(text(field::SBAL), k.typed);
        EXPECT_EQ(text(field::FBAL), k.buyBack) << k.typed;
    }
}

TEST_F(LiveUpdate, BuyBackUpdatesDepreciation) {
    selectAllAndDelete(calc, field::FBAL);
    typeText(calc, field::FBAL, "15000");
    EXPECT_EQ(text(field::DEPR), "15.91");
    // Without a purchase amount the ratio has no value: DEPR keeps its value, shown again.
    const double depr = v(calc.stored.DEPR);
    set(field::SBAL, "");
    typeText(calc, field::FBAL, "0");
    EXPECT_EQ(v(calc.stored.DEPR), depr);
    EXPECT_EQ(text(field::DEPR), "15.91");
}

TEST_F(LiveUpdate, DepreciationAbove100LeavesBuyBack) {
    calc.stored.PERS = 18; // 1.5 years: a negative factor has no real power
    selectAllAndDelete(calc, field::DEPR);
    typeText(calc, field::DEPR, "150");
    // "15", the last key that could be computed: 30000 * 0.85^1.5.
    EXPECT_EQ(text(field::FBAL), "23509.84");
    EXPECT_NEAR(v(calc.stored.FBAL), 23509.83836609686, 1e-8);
    // With a whole number of years the power exists and the field follows again.
    calc.stored.PERS = 24;
    pressBackspace(calc, field::DEPR);
    EXPECT_EQ(text(field::DEPR), "15");
    EXPECT_EQ(text(field::FBAL), "21675.00"); // 30000 * 0.85^2
}

TEST_F(Engine, TypingChangesNothingElseOutsideLease) {
    const auto before = calc.fields;
    typeText(calc, field::SBAL, "5");
    typeText(calc, field::DEPR, "5");
    typeText(calc, field::FBAL, "5");
    for (int i = 0; i < kFieldCount; ++i) {
        if (i == field::SBAL || i == field::DEPR || i == field::FBAL)
            continue;
        EXPECT_EQ(calc.fields[static_cast<size_t>(i)].text, before[static_cast<size_t>(i)].text);
    }
}

} // namespace
} // namespace selvane
