// What the open chart window costs the main window: a calculation of a 10^6-payment mortgage
// through the Calculate button, and every event it leaves (the repaints among them) handled, with
// the chart window closed and open. The difference of the two is the chart's cost to the main
// window per calculation: the chart's figures for so long a plan are worked out on another
// thread (that wait is not timed); drawing them, the yearly table and the repaints are. And the
// open chart following a change of plan from 60 payments to a million and back, waited for whole.

#include <benchmark/benchmark.h>

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThreadPool>

#include "core/fields.h"
#include "desktop/frm_chart.h"
#include "desktop/frm_fincalc.h"
#include "qt_bench_main.h"

namespace selvane {
namespace {

void enter(frmFinCalc& window, int field, const QString& text) {
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("txtSL_%1").arg(field));
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
}

void settle() {
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void BM_CalculateMillionPayments(benchmark::State& state) {
    const bool chartOpen = state.range(0) != 0;
    frmFinCalc window;
    window.Form_Load();
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnMortgage"))->trigger();
    enter(window, field::PERS, QStringLiteral("1000000"));
    enter(window, field::APR, QStringLiteral("0.01"));
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("btnCalculate"));
    calculate->click();
    if (chartOpen)
        window.findChild<QAction*>(QStringLiteral("mnChart"))->trigger();
    // The chart's drawing of the plan before the runs, and the fonts it loads once a process.
    QThreadPool::globalInstance()->waitForDone();
    settle();
    int k = 0;
    for (auto _ : state) {
        // A new rate each time: a new plan, a new report, a new chart.
        enter(window, field::APR, QString::number(0.01 + 0.001 * (++k % 50), 'f', 3));
        calculate->click();
        settle();
        // The chart's figures are worked out on another thread meanwhile: the wait for them is
        // not the main window's time, drawing them is.
        state.PauseTiming();
        QThreadPool::globalInstance()->waitForDone();
        state.ResumeTiming();
        settle();
    }
    if (auto* chart = qobject_cast<frmChart*>(window.host().chartWindow())) {
        state.counters["chart_drawn"] = chart->isVisible() && !chart->working() ? 1 : 0;
    }
    state.counters["payments"] = static_cast<double>(window.calc().report.rowCount());
    window.close();
}
BENCHMARK(BM_CalculateMillionPayments)
    ->ArgName("chart_open")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// The chart window following a change of plan, from 60 payments to a million and back, each way
// timed whole, the figures worked out on the other thread included: what the user waits for.
// (Setting a million payments' range while a 60-payment plan's tick interval stood froze the
// window for minutes.)
void BM_ChartFollowsAChangeOfPlan(benchmark::State& state) {
    frmFinCalc window;
    window.Form_Load();
    window.show();
    enter(window, field::APR, QStringLiteral("0.01"));
    window.findChild<QAction*>(QStringLiteral("mnChart"))->trigger();
    settle();
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("btnCalculate"));
    const QString sizes[] = {QStringLiteral("1000000"), QStringLiteral("60")};
    int k = 0;
    for (auto _ : state) {
        enter(window, field::PERS, sizes[k++ % 2]);
        calculate->click();
        settle();
        QThreadPool::globalInstance()->waitForDone();
        settle();
    }
    state.counters["payments_last"] = static_cast<double>(window.calc().report.rowCount());
    window.close();
}
BENCHMARK(BM_ChartFollowsAChangeOfPlan)->Iterations(6)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace selvane

int main(int argc, char** argv) {
    // The windows open at their first-run sizes, whatever this user's own runs left.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    return runQtBenchmarks(argc, argv, [] {});
}
