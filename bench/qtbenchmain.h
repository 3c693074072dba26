#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

// The main of a benchmark that needs widgets: a QApplication around the benchmark run, offscreen
// unless a platform is chosen, at 96 dpi as the program itself runs.
#define QUORVEL_QT_BENCHMARK_MAIN()                                  \
    int main(int argc, char **argv)                                   \
    {                                                                 \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))           \
            qputenv("QT_QPA_PLATFORM", "offscreen");                  \
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);        \
        QApplication app(argc, argv);                                 \
        benchmark::Initialize(&argc, argv);                           \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))       \
            return 1;                                                 \
        benchmark::RunSpecifiedBenchmarks();                          \
        benchmark::Shutdown();                                        \
        return 0;                                                     \
    }
