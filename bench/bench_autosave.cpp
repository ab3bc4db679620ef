// The autosave of a diagram with every buffer full and one large photographic picture: what it
// costs the window (the copy of the diagram handed to the worker), and the write itself.
#include "BenchMain.h"
#include "FullDiagram.h"
#include "common/SilentPrompter.h"
#include "files/Recovery.h"
#include "kinds/CoreKinds.h"
#include "workspace/Workspace.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct FullDocument {
    QTemporaryDir dir;
    SilentPrompter prompter;
    Workspace ws{prompter, CoreKinds()};
    Recovery recovery{ws, dir.path()};
    int moves = 0;
    FullDocument() { fill(ws, true); }
    // A change of the diagram, so that there is something to autosave.
    void move() {
        ws.edit(QStringLiteral("Преместване")).store().objects[2].Left += (moves++ & 1) ? -15 : 15;
    }
};

// What the window spends on one autosave: the copy of the diagram, the info file's bytes and
// handing both to the worker. The write is waited for outside the timing.
void BM_AutosaveOnTheWindowThread(benchmark::State& state) {
    FullDocument document;
    for (auto _ : state) {
        state.PauseTiming();
        document.move();
        state.ResumeTiming();
        if (!document.recovery.autosave())
            state.SkipWithError("nothing handed to the worker");
        state.PauseTiming();
        document.recovery.wait();
        state.ResumeTiming();
    }
    state.counters["file_MiB"] =
        double(QFileInfo(document.recovery.diagramPath()).size()) / 1048576;
}
BENCHMARK(BM_AutosaveOnTheWindowThread)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5);

// The whole autosave, the worker's write of the recovery file included.
void BM_AutosaveWritten(benchmark::State& state) {
    FullDocument document;
    for (auto _ : state) {
        state.PauseTiming();
        document.move();
        state.ResumeTiming();
        document.recovery.autosave();
        document.recovery.wait();
    }
}
BENCHMARK(BM_AutosaveWritten)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
