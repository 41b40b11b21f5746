#include "forms/preview/WebEngineSetup.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// The main of the window benchmarks: offscreen unless told otherwise, with an application
// object around every benchmark.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareWebEngine();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
