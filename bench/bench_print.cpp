// "Печат" with every buffer full and a 2000 x 1500 photo: the capture, the page laid out and
// its picture made, and the print preview shown at 25 %.
#include "BenchMain.h"
#include "FullDiagram.h"
#include "app/Editor.h"
#include "common/SilentPrompter.h"
#include "print/PrintCommands.h"
#include "print/frmPrint.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_PrintPreviewOpen(benchmark::State& state) {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    SilentPrompter prompter;
    Editor editor{prompter, {programDir.path(), configDir.path()}};
    frmMain& window = editor.window();
    window.resize(1600 + 20, 1000 + 100);
    window.show();
    fill(editor.workspace(), true);
    QAction& print = window.action(QStringLiteral("mnuPrint"));
    for (auto _ : state) {
        print.trigger();
        state.PauseTiming();
        frmPrint* preview = editor.printing().printWindow();
        if (!preview || !preview->isVisible())
            state.SkipWithError("the print preview did not open");
        else
            state.counters["page_px"] = preview->pagePicture().width();
        // Each opening starts from a closed window.
        if (preview)
            preview->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PrintPreviewOpen)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
