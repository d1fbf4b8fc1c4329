// Calculate: read the fields, derive the period rate, solve for the selected quantity, work out
// the interim results after N payments, write them back and rebuild the report. The solving
// and what follows it is the loan modes' calculation (calculateLoan) or the investments'
// (calculateInvestment), chosen by the mode.

#include <cmath>
#include <optional>

#include "calculator/fincalc.h"
#include "core/mode_tables.h"
#include "core/number_text.h"
#include "core/solver.h"

namespace selvane {

Stored* storedFor(StoredValues& s, int i) {
    for (const StoredEntry& e : kStoredEntries)
        if (e.field == i && i >= 0)
            return &(s.*e.member);
    return nullptr;
}

namespace {

// The loop "for k = 1, 2, ... while k <= count" of the balance: a failing pass keeps the balance
// as it was and the loop goes on. One check per pass is exact: the pass never divides, so an
// operation that overflows leaves the pass's result infinite or NaN. A loop of more than
// kMaxPasses passes fails as a whole.
void balanceLoop(const Stored& count, Stored& balance, double rate, double payment) {
    const std::int64_t n = passCount(val(count).v);
    if (n <= 0)
        return;
    double b = val(balance).v;
    for (std::int64_t k = 1; k <= n; ++k) {
        const double next = b * (1 + rate) - payment;
        if (std::isfinite(next))
            b = next;
    }
    balance = b;
}

// The list entry selected as a result type of a mode family (LoanResult, InvestmentResult),
// when it is one of the family's count entries.
template <class Result> std::optional<Result> resultType(int selected, int count) {
    if (selected < 0 || selected >= count)
        return std::nullopt;
    return static_cast<Result>(selected);
}

} // namespace

void FinCalc::Calculate() {
    calculateResults();
    ShowDetails();
}

void FinCalc::calculateResults() {
    StoredValues& s = stored;
    const std::optional<Mode> m = mode();
    const bool lease = m == Mode::Lease;
    // Every calculation makes its own plan; one that solves nothing leaves none.
    plan.calculationStarted(
        tr("The last calculation solved nothing: choose what to solve for and calculate."));

    // 1. Read phase. A number beyond the range of a double is not read: the value stays.
    for (int i = 0; i <= field::TAX; ++i) {
        Stored* target = storedFor(s, i);
        if (target == nullptr)
            continue;
        if (auto v = fieldValue(fields[static_cast<size_t>(i)].text))
            *target = *v;
    }
    // 2. The PMT field shows the lease payment with tax; the engine works without it. A TAX of
    // -100 would divide by zero: the step fails like any other and PMT stays as read.
    if (lease)
        step(s.PMT, [&] { return val(s.PMT) / taxFactor(val(s.TAX)); });

    const Num C = val(CompoundMonths);
    const Num P = val(PaymentsPerMonth);
    step(s.PeriodRate, [&] { return periodRateOf(val(s.APR), C, P); });
    step(s.RAPR, [&] { return realAprOf(val(s.PeriodRate), P); });

    // 3. Solve for the selected result type. A mode of no known name (a scenario file can hold
    // any text) solves nothing, nor does an entry that is no result type of the mode.
    if (!m)
        return;
    switch (*m) {
    case Mode::PersonalLoan:
    case Mode::Mortgage:
    case Mode::Lease:
    case Mode::Income:
        if (const auto rt = resultType<LoanResult>(cmResult.selected, kLoanResultCount))
            calculateLoan(*m, *rt);
        break;
    case Mode::Investment:
        if (const auto rt = resultType<InvestmentResult>(cmResult.selected, kInvestmentResultCount))
            calculateInvestment(*rt);
        break;
    }
}

// The loan modes: the payments pay off the principal, the purchase amount less the down payment.
void FinCalc::calculateLoan(Mode m, LoanResult rt) {
    StoredValues& s = stored;
    const bool lease = m == Mode::Lease;
    const double rate = val(s.PeriodRate).v;
    const Solver loan{rate, val(CompoundMonths).v, false};
    Stored Principal;   // the amount the payments work on; unset at the start of every calculation
    bool solved = true; // every step that solves for the result type worked

    auto balanceStart = [&] {
        step(s.BAL, [&] { return val(Principal); });
        balanceLoop(s.AFTER, s.BAL, val(s.PeriodRate).v, val(s.PMT).v);
    };
    auto balanceEnd = [&] {
        step(s.PPAID, [&] { return val(Principal) - val(s.BAL); });
        step(s.IPAID, [&] { return val(s.AFTER) * val(s.PMT) - val(s.PPAID); });
    };
    switch (rt) {
    case LoanResult::Payment:
        if (!lease)
            step(s.SBAL, [&] { return val(s.SBAL) * taxFactor(val(s.TAX)); });
        solved &= step(Principal, [&] { return val(s.SBAL) - val(s.DPMT); });
        solved &= step(s.PrincipalPart, [&] {
            return loan.principalPart(val(s.PERS), val(Principal), val(s.FBAL));
        });
        solved &= step(s.InterestPart,
                       [&] { return loan.interestPart(val(s.PERS), val(Principal), val(s.FBAL)); });
        solved &= step(s.PMT, [&] { return val(s.PrincipalPart) + val(s.InterestPart); });
        balanceStart();
        balanceEnd();
        if (!lease)
            step(s.SBAL, [&] { return val(s.SBAL) / taxFactor(val(s.TAX)); });
        break;
    case LoanResult::Amount:
        solved &=
            step(Principal, [&] { return loan.principal(val(s.PERS), val(s.PMT), val(s.FBAL)); });
        balanceStart();
        step(s.SBAL, [&] { return val(Principal) + val(s.DPMT); });
        balanceEnd();
        step(s.DEPR, [&] {
            return depreciation(val(s.SBAL), val(s.FBAL), val(s.PERS), Spelling::Monthly);
        });
        break;
    case LoanResult::NumberOfPayments:
        solved &= step(Principal, [&] { return val(s.SBAL) - val(s.DPMT); });
        solved &=
            step(s.PERS, [&] { return loan.payments(val(s.PMT), val(Principal), val(s.FBAL)); });
        balanceStart();
        balanceEnd();
        break;
    }
    // Closing steps: AFTER / 12 counts years as if payments were monthly.
    step(s.VALUE, [&] { return declined(val(s.SBAL), val(s.DEPR), val(s.AFTER)); });
    step(s.PCOST, [&] { return declined(val(s.PMT), val(s.INFL), val(s.AFTER)); });
    keepPlan(solved ? std::optional<Plan>(Plan{val(Principal).v, rate, val(s.PMT).v, val(s.FBAL).v})
                    : std::nullopt);
    Results();
}

// Investments: the payments are deposits that add to the start amount.
void FinCalc::calculateInvestment(InvestmentResult rt) {
    StoredValues& s = stored;
    const double rate = val(s.PeriodRate).v;
    const Solver deposits{rate, val(CompoundMonths).v, true};
    Stored Principal;   // the amount the payments work on; unset at the start of every calculation
    bool solved = true; // every step that solves for the result type worked

    switch (rt) {
    case InvestmentResult::Payment:
        solved &= step(Principal, [&] { return val(s.SBAL); });
        solved &= step(s.PrincipalPart, [&] {
            return deposits.principalPart(val(s.PERS), val(Principal), val(s.FBAL));
        });
        solved &= step(s.InterestPart, [&] {
            return deposits.interestPart(val(s.PERS), val(Principal), val(s.FBAL));
        });
        solved &= step(s.PMT, [&] { return val(s.PrincipalPart) + val(s.InterestPart); });
        break;
    case InvestmentResult::StartAmount:
        solved &= step(Principal,
                       [&] { return deposits.principal(val(s.PERS), val(s.PMT), val(s.FBAL)); });
        solved &= step(s.SBAL, [&] { return val(Principal); });
        break;
    case InvestmentResult::EndAmount:
        solved &= step(Principal, [&] { return val(s.SBAL); });
        solved &= step(s.FBAL,
                       [&] { return deposits.endAmount(val(s.PERS), val(s.PMT), val(Principal)); });
        break;
    case InvestmentResult::NumberOfPayments:
        solved &= step(Principal, [&] { return val(s.SBAL); });
        solved &= step(s.PERS,
                       [&] { return deposits.payments(val(s.PMT), val(Principal), val(s.FBAL)); });
        break;
    }
    step(s.BAL, [&] { return val(Principal); });
    step(s.PPAID, [&] { return val(s.AFTER) * val(s.PMT); });
    balanceLoop(s.AFTER, s.BAL, val(s.PeriodRate).v, -val(s.PMT).v); // deposits add
    step(s.IPAID, [&] { return (val(s.BAL) - val(Principal)) - val(s.PPAID); });
    step(s.VALUE, [&] { return declined(val(s.FBAL), val(s.INFL), val(s.AFTER)); });
    step(s.PCOST, [&] { return declined(val(s.PMT), val(s.INFL), val(s.AFTER)); });
    // Deposits build the balance up: paid as a loan, the plan's balance is the investment's
    // balance with its sign turned.
    keepPlan(solved
                 ? std::optional<Plan>(Plan{-val(Principal).v, rate, val(s.PMT).v, -val(s.FBAL).v})
                 : std::nullopt);
    writeInvestmentResults();
}

} // namespace selvane
