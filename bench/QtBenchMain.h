#pragma once
// The main of a benchmark program that paints with Qt widgets: an application on the
// offscreen platform (unless the caller chose one), then the registered benchmarks.
#include <QApplication>
#include <benchmark/benchmark.h>

inline int RunWidgetBenchmarks(int argc, char** argv, void (*registerAll)())
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
