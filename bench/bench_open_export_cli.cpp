// The program as whole processes, started as a user starts it, on the fullest diagram without
// the photo: a diagram opened from the command line (as a double click on it does) until its
// main window has been painted on the screen, and the SVG and PDF exports. The window needs an
// X display (DISPLAY, e.g. Xvfb); the exports run without one.

#include "BenchMain.h"
#include "FullDiagram.h"
#include "common/SilentPrompter.h"
#include "files/DiaFile.h"
#include "files/ImageExport.h"
#include "kinds/CoreKinds.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The diagram, written once for all the benchmarks.
struct Diagram {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("full.dia"));
    bool written = false;
    Diagram() {
        // VX_BENCH_KEEP=1 leaves the diagram for timing the program by hand.
        dir.setAutoRemove(qEnvironmentVariableIsEmpty("VX_BENCH_KEEP"));
        SilentPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        fill(ws, false);
        written = !ImageExport::saveBytes(DiaFile::write(ws), path);
    }
};

const Diagram& diagram() {
    static const Diagram made;
    return made;
}

// Runs the program to its end; false when it failed or took longer than a minute.
bool run(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VX_PROGRAM), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

void BM_OpenDiagramUntilWindowShown(benchmark::State& state) {
    if (!diagram().written || qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("needs the diagram written and an X display (DISPLAY)");
        return;
    }
    // A home of its own: no recovery file of another run is offered.
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("VEXILARDO_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    for (auto _ : state) {
        // Timed from the start of the process to its word that the window is painted; its
        // ending afterwards is not counted.
        QElapsedTimer clock;
        clock.start();
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VX_PROGRAM),
                      {diagram().path, QStringLiteral("--size"), QStringLiteral("1400x900")});
        bool shown = false;
        while (!shown && process.waitForReadyRead(60000))
            shown = process.readAllStandardOutput().contains("shown");
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        if (!shown || !process.waitForFinished(60000)) {
            state.SkipWithError("the program did not show its window and end");
            break;
        }
    }
}
BENCHMARK(BM_OpenDiagramUntilWindowShown)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->UseManualTime();

void BM_ExportCommandLine(benchmark::State& state, const char* suffix) {
    if (!diagram().written) {
        state.SkipWithError("the diagram could not be written");
        return;
    }
    const QString output = diagram().dir.filePath(QStringLiteral("full.") + suffix);
    for (auto _ : state) {
        if (!run({QStringLiteral("--export"), diagram().path, output},
                 QProcessEnvironment::systemEnvironment())) {
            state.SkipWithError("--export failed");
            break;
        }
    }
    state.counters["out_MB"] = QFileInfo(output).size() / 1e6;
    state.counters["dia_MB"] = QFileInfo(diagram().path).size() / 1e6;
}
BENCHMARK_CAPTURE(BM_ExportCommandLine, svg, "svg")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportCommandLine, pdf, "pdf")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
