// Speed of a calculation in every mode and result type, and of the annuity functions.

#include <benchmark/benchmark.h>

#include "calculator/fincalc.h"
#include "calculator/keyboard.h"
#include "calculator/mode_menu.h"
#include "core/annuity.h"
#include "core/number_text.h"

namespace selvane {
namespace {

struct Calculator {
    NullHost host;
    FinCalc calc{host, CurrencyFormat(QLocale(QLocale::English, QLocale::UnitedStates))};
    Calculator(Mode mode, int resultType) {
        calc.Form_Load();
        runModeSwitch(calc, mode);
        calc.chooseResult(resultType);
    }
};

// Calculate without the report: read, solve, interim results and write-back.
void BM_Calculate(benchmark::State& state) {
    const auto mode = static_cast<Mode>(state.range(0));
    Calculator c(mode, static_cast<int>(state.range(1)));
    state.SetLabel(std::string(kModes[tableIndex(mode)].calculatorMode) + "/" +
                   c.calc.cmResult.entries[static_cast<size_t>(state.range(1))] + ", " +
                   std::to_string(static_cast<int>(c.calc.stored.PERS.value_or(0))) + " rows");
    for (auto _ : state) {
        c.calc.calculateResults();
        benchmark::DoNotOptimize(c.calc.stored.PMT);
    }
}
// Every mode (in the order of Mode) and result type (LoanResult, InvestmentResult).
BENCHMARK(BM_Calculate)->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2}});
BENCHMARK(BM_Calculate)->ArgsProduct({{static_cast<int>(Mode::Investment)}, {0, 1, 2, 3}});

// The whole of Calculate, with the report rebuilt for the mode's default number of payments.
void BM_CalculateWithReport(benchmark::State& state) {
    Calculator c(static_cast<Mode>(state.range(0)), 0);
    for (auto _ : state) {
        c.calc.Calculate();
        benchmark::DoNotOptimize(c.calc.reportRevision);
    }
}
BENCHMARK(BM_CalculateWithReport)->DenseRange(0, 4);

// A key released in lease mode recomputes the buy-back amount.
void BM_LeaseKeyUp(benchmark::State& state) {
    Calculator c(Mode::Lease, 0);
    for (auto _ : state) {
        c.calc.txtSL_KeyUp(field::SBAL);
        benchmark::DoNotOptimize(c.calc.stored.FBAL);
    }
}
BENCHMARK(BM_LeaseKeyUp);

void BM_Annuity(benchmark::State& state) {
    const int f = static_cast<int>(state.range(0));
    const char* names[] = {"PV", "FV", "NPer", "IPmt", "PPmt"};
    state.SetLabel(names[f]);
    double rate = 0.00625;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rate);
        std::optional<double> r;
        switch (f) {
        case 0:
            r = PV(rate, 60, -400, 0);
            break;
        case 1:
            r = FV(rate, 60, -400, 0);
            break;
        case 2:
            r = NPer(rate, -400, 20000, 0);
            break;
        case 3:
            r = IPmt(rate, 1, 60, -20000, 0);
            break;
        default:
            r = PPmt(rate, 1, 60, -20000, 0);
            break;
        }
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_Annuity)->DenseRange(0, 4);

} // namespace
} // namespace selvane

namespace selvane {
namespace {
void BM_Format00(benchmark::State& state) {
    double v = 16574.7382964108;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(format00(v));
    }
}
BENCHMARK(BM_Format00);
} // namespace
} // namespace selvane
