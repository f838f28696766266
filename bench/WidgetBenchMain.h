#pragma once
// main() of a benchmark program that shows widgets. The application object
// lives in main: as a function's static it was destroyed by the exit handlers
// after Qt's own globals and crashed the program on its way out.

#include <QApplication>
#include <benchmark/benchmark.h>

inline int RunWidgetBenchmarks(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
