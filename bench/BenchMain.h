#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

// What main() of a benchmark does: the application (QGuiApplication, or QApplication where
// windows are made) on the offscreen platform, then every benchmark asked for.
template <typename Application> int RunBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
