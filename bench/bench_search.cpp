// A click of "Търси" that walks the fullest diagram, 255 picture objects and 255 text fields,
// without finding anything: in the wired editor, and the walk alone.
#include "BenchMain.h"
#include "FullDiagram.h"
#include "app/Editor.h"
#include "common/SilentPrompter.h"
#include "kinds/CoreKinds.h"
#include "search/Search.h"
#include "search/SearchBox.h"
#include "search/SearchCommands.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString Missing = QStringLiteral("Безжичен рутер");

// Every click after the first finds everything examined, so it starts over and walks all again.
void BM_SearchClickNoMatch(benchmark::State& state) {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    SilentPrompter prompter;
    Editor editor{prompter, {programDir.path(), configDir.path()}};
    editor.window().resize(1600, 1000);
    editor.window().show();
    fill(editor.workspace());
    SearchCommands& search = editor.search();
    search.mnuSearch_Click();
    search.box().txtKey->setText(Missing);
    for (auto _ : state) {
        search.cmdSearch_Click();
        if (search.search().examined() != 510)
            state.SkipWithError("the click did not walk every element");
    }
}
BENCHMARK(BM_SearchClickNoMatch)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_SearchWalkNoMatch(benchmark::State& state) {
    SilentPrompter prompter;
    Workspace ws(prompter, CoreKinds());
    fill(ws);
    Search search;
    for (auto _ : state) {
        search.next(ws.store(), Missing);
        benchmark::DoNotOptimize(search.found());
    }
}
BENCHMARK(BM_SearchWalkNoMatch)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
