// `vexilardo --print` as a whole process: start, read a diagram with every buffer full (and a
// 2000 x 1500 photo among the pictures), fit it to the page and write the PDF. Run with
// QT_QPA_PLATFORM=offscreen (the program sets it for itself anyway).

#include "BenchMain.h"
#include "FullDiagram.h"
#include "common/SilentPrompter.h"
#include "files/DiaFile.h"
#include "files/ImageExport.h"
#include "kinds/CoreKinds.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_PrintFullDiagramToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    // VX_BENCH_KEEP=1 leaves the diagram for timing the program by hand.
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("VX_BENCH_KEEP"));
    const QString diagram = dir.filePath(QStringLiteral("full.dia"));
    const QString pdf = dir.filePath(QStringLiteral("full.pdf"));
    {
        SilentPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        fill(ws, true);
        if (ImageExport::saveBytes(DiaFile::write(ws), diagram)) {
            state.SkipWithError("the diagram could not be written");
            return;
        }
    }
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(VX_PROGRAM), {QStringLiteral("--print"), diagram, pdf});
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("--print failed");
            break;
        }
    }
    state.counters["pdf_MB"] = QFileInfo(pdf).size() / 1e6;
    state.counters["dia_MB"] = QFileInfo(diagram).size() / 1e6;
}
BENCHMARK(BM_PrintFullDiagramToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(false)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
