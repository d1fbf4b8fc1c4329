#pragma once
// The main of a benchmark of Qt objects: an application on the offscreen platform (unless one is
// named), the warm-up given, then the benchmarks named on the command line.

#include <benchmark/benchmark.h>

#include <QApplication>

template <class WarmUp> int runQtBenchmarks(int argc, char** argv, WarmUp&& warmUp) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    warmUp();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
